#include "core/MarkdownCleaner.hpp"

#include "core/RegexReplacement.hpp"
#include "core/WhiteSpace.hpp"

namespace velora::MarkdownCleaner {

namespace {

struct Steps {
    RegexReplacement fencedCode{"```[\\s\\S]*?```", 0, "", {u"```"}};
    // Raw HTML, as the HTML filter treats it; a "<" not followed by a tag name is prose ("a < b").
    RegexReplacement htmlComment{"<!--[\\s\\S]*?(-->|$)", 0, ""};
    RegexReplacement htmlHidden{"(?i)<(script|style)\\b[\\s\\S]*?</\\1\\s*>", 0, "", {u">"}};
    RegexReplacement htmlBreak{"(?i)</(p|div|br|h[1-6]|li)>|<br(\\s[^>]*)?/?>", 0, "\n", {u">"}};
    RegexReplacement htmlTag{"</?[A-Za-z][A-Za-z0-9-]*(\\s[^<>]*)?/?>", 0, "", {u">"}};
    RegexReplacement inlineCode{"`([^`]*)`", 0, "$1", {u"`"}};
    RegexReplacement image{"!\\[[^\\]]*\\]\\([^)]*\\)", 0, "", {u")", u"!["}};
    RegexReplacement link{"\\[([^\\]]*)\\]\\([^)]*\\)", 0, "$1", {u")", u"["}};
    RegexReplacement heading{"(?m)^\\s{0,3}#{1,6}\\s*", 0, ""};
    RegexReplacement quote{"(?m)^\\s{0,3}>\\s?", 0, ""};
    RegexReplacement bullet{"(?m)^\\s{0,3}[-*+]\\s+", 0, ""};
    RegexReplacement number{"(?m)^\\s{0,3}\\d+\\.\\s+", 0, ""};
    RegexReplacement emphasis{"(\\*\\*|__|\\*|_|~~)", 0, ""};
    RegexReplacement rule{"(?m)^\\s{0,3}([-*_]\\s?){3,}$", 0, ""};
};

const Steps& steps() {
    static const Steps instance;
    return instance;
}

} // namespace

std::string plainText(std::string_view markdown) {
    const Steps& s = steps();
    auto text = icu::UnicodeString::fromUTF8(icu::StringPiece(markdown.data(), markdown.size()));
    for (const RegexReplacement* step :
         {&s.fencedCode, &s.htmlComment, &s.htmlHidden, &s.htmlBreak, &s.htmlTag, &s.inlineCode,
          &s.image, &s.link, &s.heading, &s.quote, &s.bullet, &s.number, &s.emphasis, &s.rule}) {
        step->apply(text);
    }
    std::string result;
    text.toUTF8String(result);
    return std::string(WhiteSpace::trimmed(result));
}

} // namespace velora::MarkdownCleaner
