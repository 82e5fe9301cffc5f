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
        StripCase{"closingBreakSplits", "Line one</br>Line two", "Line one\nLine two"},
        StripCase{"everyBreakSplits", "one<br/>two<BR>three<br />four", "one\ntwo\nthree\nfour"},
        StripCase{"escapedEntityDecodedOnce", "&amp;lt;b&amp;gt; &amp;amp;", "&lt;b&gt; &amp;"},
        StripCase{"scriptAndStyleGone",
                  "<style>p{color:red}</style>A<script type=\"x\">if (a < b) {}</script>B", "AB"},
        StripCase{"lessThanStartsATag", "a < b and c > d", "a d"},
        StripCase{"typographicEntities",
                  "&ldquo;Hi&rdquo; &mdash; it&rsquo;s &lsquo;ok&rsquo;&hellip; 1&ndash;2 "
                  "&quot;x&quot; &#39;y&apos;",
                  "\u201CHi\u201D \u2014 it\u2019s \u2018ok\u2019\u2026 1\u20132 \"x\" 'y'"},
        StripCase{"unclosedHeadKeepsText", "<head>Title<p>Body</p>", "TitleBody"}),
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
