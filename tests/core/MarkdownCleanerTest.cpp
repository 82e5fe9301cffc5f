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
                      CleanCase{"fencedCodeRemoved", "```\ncode\n```\nAfter", "After"},
                      CleanCase{"linksAndImages", "See [the docs](guide.html) and ![logo](a.png).",
                                "See the docs and ."},
                      CleanCase{"unpairedEmphasisMarks", "snake_case and 2 * 3",
                                "snakecase and 2  3"},
                      CleanCase{"linkTextMayHoldAnOpener", "[a[b](x) c", "a[b c"}),
    [](const auto& info) { return info.param.name; });

// Each unmatched opener used to rescan the rest of the text: quadratic in the number of openers.
TEST(MarkdownCleaner, ManyUnmatchedOpenersStayText) {
    const std::string openers(200000, '[');
    EXPECT_EQ(MarkdownCleaner::plainText(openers + "]x) [ok](y)"), openers + "]x) ok");
}

} // namespace
} // namespace velora
