#include "core/HTMLStripper.hpp"

#include <gtest/gtest.h>

namespace velora {
namespace {

struct StripCase {
    const char* name;
    std::string html;
    std::string text;
};

class HTMLStripping : public ::testing::TestWithParam<StripCase> {};

TEST_P(HTMLStripping, GivesTheReadingText) {
    EXPECT_EQ(HTMLStripper::plainText(GetParam().html), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Markup, HTMLStripping,
    ::testing::Values(
        StripCase{"paragraphs", "<p>One</p><p>Two</p>", "One\nTwo"},
        StripCase{"openingBreakJoins", "Line one<br>Line two", "Line oneLine two"},
        StripCase{"selfClosingBreakJoins", "Line one<br/>Line two", "Line oneLine two"},
        StripCase{"closingBreakSplits", "Line one</br>Line two", "Line one\nLine two"},
        StripCase{"headingsAndItems", "<h2>Title</h2><ul><li>a</li><li>b</li></ul>", "Title\na\nb"},
        StripCase{"caseInsensitive", "<HEAD><TITLE>T</TITLE></HEAD><BODY>Text</BODY>", "Text"},
        StripCase{"scriptAndStyleGone",
                  "<style>p{color:red}</style>A<script type=\"x\">if (a < b) {}</script>B", "AB"},
        StripCase{"sourceLineBreaksKept", "<p>Hello\nworld</p>", "Hello\nworld"},
        StripCase{"tagSpanningLines", "a<span\nclass=\"x\">b</span>", "ab"},
        StripCase{"lessThanStartsATag", "a < b and c > d", "a d"},
        StripCase{"onlyTableEntities", "Fish &amp; chips &copy; 2020 &#8217;",
                  "Fish & chips &copy; 2020 &#8217;"},
        StripCase{"typographicEntities",
                  "&ldquo;Hi&rdquo; &mdash; it&rsquo;s &lsquo;ok&rsquo;&hellip; 1&ndash;2 "
                  "&quot;x&quot; &#39;y&apos;",
                  "\u201CHi\u201D \u2014 it\u2019s \u2018ok\u2019\u2026 1\u20132 \"x\" 'y'"},
        StripCase{"nbspIsAPlainSpace", "Tom&nbsp;&nbsp;Jerry", "Tom Jerry"},
        StripCase{"escapedTagStaysText", "&lt;b&gt;bold&lt;/b&gt;", "<b>bold</b>"},
        StripCase{"tabsCollapse", "a \t\t b", "a b"},
        StripCase{"emptyLinesCapped", "a\n\n\n\n\nb", "a\n\nb"},
        StripCase{"spacesOnlyLineIsNotEmpty", "a\n\n \n\nb", "a\n\n \n\nb"},
        StripCase{"trimmed", "\n\t <div> x </div>\n\n", "x"},
        StripCase{"unclosedHeadKeepsText", "<head>Title<p>Body</p>", "TitleBody"},
        StripCase{"unclosedTagKeepsRest", "text <b", "text <b"},
        StripCase{"nonAscii", "<p>caf\u00e9 \u65e5\u672c</p>", "caf\u00e9 \u65e5\u672c"}),
    [](const auto& info) { return info.param.name; });

// Each unclosed script used to rescan the rest of the text: quadratic in the number of openers.
TEST(HTMLStripper, ManyUnclosedScriptsStayLinear) {
    std::string html;
    for (int i = 0; i < 50000; ++i) {
        html += "<script>";
    }
    EXPECT_EQ(HTMLStripper::plainText(html + "text</SCRIPT>after"), "after");
    EXPECT_EQ(HTMLStripper::plainText("x" + html), "x");
}

} // namespace
} // namespace velora
