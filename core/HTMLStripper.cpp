#include "core/HTMLStripper.hpp"

#include "core/RegexReplacement.hpp"
#include "core/WhiteSpace.hpp"

#include <array>
#include <utility>

namespace velora::HTMLStripper {

namespace {

struct Steps {
    RegexReplacement head{"<head[\\s\\S]*?</head>", UREGEX_CASE_INSENSITIVE, "", {u"</head>"}};
    RegexReplacement script{
        "<script[\\s\\S]*?</script>", UREGEX_CASE_INSENSITIVE, "", {u"</script>"}};
    RegexReplacement style{"<style[\\s\\S]*?</style>", UREGEX_CASE_INSENSITIVE, "", {u"</style>"}};
    // An opening or self-closing break, attributes and all, is a line break too: "one<br/>two"
    // is two words.
    RegexReplacement blockEnd{
        "(?i)</(p|div|br|h[1-6]|li)>|<br(\\s[^>]*)?/?>", UREGEX_CASE_INSENSITIVE, "\n", {u">"}};
    RegexReplacement tag{"<[^>]+>", UREGEX_CASE_INSENSITIVE, "", {u">"}};
    RegexReplacement blanks{"[ \\t]+", UREGEX_CASE_INSENSITIVE, " "};
    RegexReplacement emptyLines{"\\n{3,}", UREGEX_CASE_INSENSITIVE, "\n\n"};
};

const Steps& steps() {
    static const Steps instance;
    return instance;
}

// The ampersand goes last, so that "&amp;lt;" reads "&lt;" and is not decoded twice.
const std::array<std::pair<const char16_t*, const char16_t*>, 14> entities{{
    {u"&lt;", u"<"},
    {u"&gt;", u">"},
    {u"&quot;", u"\""},
    {u"&#39;", u"'"},
    {u"&apos;", u"'"},
    {u"&nbsp;", u" "},
    {u"&mdash;", u"\u2014"},
    {u"&ndash;", u"\u2013"},
    {u"&hellip;", u"\u2026"},
    {u"&rsquo;", u"\u2019"},
    {u"&lsquo;", u"\u2018"},
    {u"&ldquo;", u"\u201C"},
    {u"&rdquo;", u"\u201D"},
    {u"&amp;", u"&"},
}};

} // namespace

std::string plainText(std::string_view html) {
    const Steps& s = steps();
    auto text = icu::UnicodeString::fromUTF8(icu::StringPiece(html.data(), html.size()));
    for (const RegexReplacement* step : {&s.head, &s.script, &s.style, &s.blockEnd, &s.tag}) {
        step->apply(text);
    }
    if (text.indexOf(u'&') >= 0) {
        for (const auto& [entity, character] : entities) {
            text.findAndReplace(icu::UnicodeString(entity), icu::UnicodeString(character));
        }
    }
    s.blanks.apply(text);
    s.emptyLines.apply(text);
    std::string result;
    text.toUTF8String(result);
    return std::string(WhiteSpace::trimmed(result));
}

} // namespace velora::HTMLStripper
