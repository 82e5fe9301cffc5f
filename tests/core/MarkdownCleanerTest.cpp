#include "core/MarkdownCleaner.hpp"

#include <gtest/gtest.h>

namespace velora {
namespace {

struct CleanCase {
    const char* name;
    std::string markdown;
    std::string text;
};

class MarkdownCleaning : public ::testing::TestWithParam<CleanCase> {};

TEST_P(MarkdownCleaning, GivesTheReadingText) {
    EXPECT_EQ(MarkdownCleaner::plainText(GetParam().markdown), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Syntax, MarkdownCleaning,
    ::testing::Values(CleanCase{"headingAndEmphasis", "# Title\n\nSome **bold** and _italic_ text.",
                                "Title\n\nSome bold and italic text."},
                      CleanCase{"inlineCode", "Use `make all` now", "Use make all now"},
                      CleanCase{"fencedCodeRemoved", "```\ncode\n```\nAfter", "After"},
                      CleanCase{"onlyCodeIsEmpty", "```cpp\nint x;\n```\n", ""},
                      CleanCase{"linksAndImages", "See [the docs](guide.html) and ![logo](a.png).",
                                "See the docs and ."},
                      CleanCase{"unpairedEmphasisMarks", "snake_case and 2 * 3",
                                "snakecase and 2  3"},
                      CleanCase{"sevenHashes", "####### Seven", "# Seven"},
                      CleanCase{"yearLooksLikeANumberedItem", "2024. A year", "A year"},
                      CleanCase{"oneQuoteMarkPerLine", ">> nested", "> nested"},
                      CleanCase{"headingMarkEatsLineBreaks", "#\n\nNext", "Next"},
                      CleanCase{"hyphenRule", "a\n---\nb", "a\n\nb"},
                      CleanCase{"spacedHyphenRule", "a\n- - -\nb", "a\n- -\nb"},
                      CleanCase{"strikethrough", "~~gone~~ but ~one~", "gone but ~one~"},
                      CleanCase{"lists", "- one\n* two\n+ three\n1. four\n  12. five",
                                "one\ntwo\nthree\nfour\nfive"},
                      CleanCase{"emptyLinesKept", "a\n\n\n\nb", "a\n\n\n\nb"},
                      CleanCase{"unclosedLinkKept", "[text](never closed", "[text](never closed"},
                      CleanCase{"linkTextMayHoldAnOpener", "[a[b](x) c", "a[b c"},
                      CleanCase{"bracketWithoutTargetThenLink", "[x] [y](z) [w]", "[x] y [w]"},
                      CleanCase{"imageAfterFailedOpeners", "![a] ![b](c) ![d]", "![a]  ![d]"},
                      CleanCase{"targetSpansABracket", "[a](b]c) d", "a d"}),
    [](const auto& info) { return info.param.name; });

// Each unmatched opener used to rescan the rest of the text: quadratic in the number of openers.
TEST(MarkdownCleaner, ManyUnmatchedOpenersStayText) {
    const std::string openers(200000, '[');
    EXPECT_EQ(MarkdownCleaner::plainText(openers + "]x) [ok](y)"), openers + "]x) ok");
}

} // namespace
} // namespace velora
