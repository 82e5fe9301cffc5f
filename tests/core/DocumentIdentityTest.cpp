#include "core/DocumentIdentity.hpp"

#include <gtest/gtest.h>

namespace velora {
namespace {

using DocumentIdentity::textKey;

std::string repeat(std::string_view piece, std::size_t times) {
    std::string text;
    for (std::size_t i = 0; i < times; ++i) {
        text += piece;
    }
    return text;
}

TEST(DocumentIdentity, KeysCountCharactersNotBytes) {
    EXPECT_EQ(textKey("abc"), "text:e71fa2190541574b:3");
    EXPECT_EQ(textKey("\u00e9"), "text:ac21707b7181e01:1");
    EXPECT_TRUE(textKey("e\u0301e\u0301").ends_with(":2"));
    EXPECT_EQ(DocumentIdentity::fileKey("/tmp/a.pdf"), "file:/tmp/a.pdf");
}

class KeyPrefix : public ::testing::TestWithParam<std::string> {};

TEST_P(KeyPrefix, HashCoversExactlyTheFirst400Characters) {
    const std::string head = repeat(GetParam(), 399);
    const std::string tail = repeat(GetParam(), 100);
    EXPECT_NE(textKey(head + "x" + tail), textKey(head + "y" + tail));
    EXPECT_EQ(textKey(head + "x" + "a" + tail), textKey(head + "x" + "b" + tail));
    EXPECT_TRUE(textKey(head + "x" + tail).ends_with(":500"));
}

INSTANTIATE_TEST_SUITE_P(Scripts, KeyPrefix, ::testing::Values("a", "e\u0301", "\U0001F600"));

struct TitleCase {
    std::string text;
    std::int64_t maxWords;
    std::int64_t maxChars;
    std::string title;
};

class Titles : public ::testing::TestWithParam<TitleCase> {};

TEST_P(Titles, FromTheFirstWords) {
    EXPECT_EQ(DocumentIdentity::title(GetParam().text, GetParam().maxWords, GetParam().maxChars),
              GetParam().title);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Titles,
    ::testing::Values(TitleCase{"  \n\t ", 8, 60, "Untitled"},
                      TitleCase{"one two three four five six seven eight nine", 8, 60,
                                "one two three four five six seven eight"},
                      TitleCase{repeat("\u00e9", 61), 8, 60, repeat("\u00e9", 60) + "\u2026"},
                      TitleCase{"abcd efgh", 8, 5, "abcd \u2026"},
                      TitleCase{"\u00a0one\u2028two\u00a0", 8, 60, "one\u2028two"}));

} // namespace
} // namespace velora
