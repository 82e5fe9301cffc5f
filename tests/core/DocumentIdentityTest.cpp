#include "core/DocumentIdentity.hpp"

#include <gtest/gtest.h>

namespace velora {
namespace {

using DocumentIdentity::textKey;
using DocumentIdentity::title;

std::string repeat(std::string_view piece, std::size_t times) {
    std::string text;
    for (std::size_t i = 0; i < times; ++i) {
        text += piece;
    }
    return text;
}

TEST(DocumentIdentity, KnownKeys) {
    EXPECT_EQ(textKey(""), "text:cbf29ce484222325:0");
    EXPECT_EQ(textKey("abc"), "text:e71fa2190541574b:3");
    EXPECT_EQ(textKey("\u00e9"), "text:ac21707b7181e01:1");
    EXPECT_EQ(DocumentIdentity::fileKey("/tmp/a.pdf"), "file:/tmp/a.pdf");
    EXPECT_NE(DocumentIdentity::fileKey("/tmp/./a.pdf"), DocumentIdentity::fileKey("/tmp/a.pdf"));
}

TEST(DocumentIdentity, CountIsInCharacters) {
    // "e" + combining acute is one character of three bytes; a family emoji is one of 25.
    EXPECT_TRUE(textKey("e\u0301e\u0301").ends_with(":2"));
    EXPECT_TRUE(
        textKey("\U0001F468\u200D\U0001F469\u200D\U0001F467\u200D\U0001F466").ends_with(":1"));
}

struct PrefixCase {
    const char* name;
    std::string unit; // one character
};

class KeyPrefix : public ::testing::TestWithParam<PrefixCase> {};

TEST_P(KeyPrefix, HashCoversExactlyTheFirst400Characters) {
    const std::string head = repeat(GetParam().unit, 399);
    const std::string tail = repeat(GetParam().unit, 100);
    // Differ in character 400: different keys. Differ only after it: one key.
    EXPECT_NE(textKey(head + "x" + tail), textKey(head + "y" + tail));
    EXPECT_EQ(textKey(head + "x" + "a" + tail), textKey(head + "x" + "b" + tail));
    // Same prefix, one more character: the count tells them apart.
    EXPECT_NE(textKey(head + "x" + tail), textKey(head + "x" + tail + GetParam().unit));
    EXPECT_TRUE(textKey(head + "x" + tail).ends_with(":500"));
}

INSTANTIATE_TEST_SUITE_P(Scripts, KeyPrefix,
                         ::testing::Values(PrefixCase{"Ascii", "a"}, PrefixCase{"Latin", "\u00e9"},
                                           PrefixCase{"Combining", "e\u0301"},
                                           PrefixCase{"Emoji", "\U0001F600"}),
                         [](const auto& info) { return info.param.name; });

struct TitleCase {
    const char* name;
    std::string text;
    std::int64_t maxWords;
    std::int64_t maxChars;
    std::string title;
};

class Titles : public ::testing::TestWithParam<TitleCase> {};

TEST_P(Titles, FromTheFirstWords) {
    EXPECT_EQ(title(GetParam().text, GetParam().maxWords, GetParam().maxChars), GetParam().title);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Titles,
    ::testing::Values(
        TitleCase{"OnlySpace", "  \n\t ", 8, 60, "Untitled"},
        TitleCase{"Empty", "", 8, 60, "Untitled"},
        TitleCase{"EightWords", "one two three four five six seven eight nine ten", 8, 60,
                  "one two three four five six seven eight"},
        TitleCase{"SeparatorsCollapse", "\tone \n\n two  ", 8, 60, "one two"},
        TitleCase{"LongWord", repeat("a", 70), 8, 60, repeat("a", 60) + "\u2026"},
        TitleCase{"ExactlyAtLimit", repeat("a", 60), 8, 60, repeat("a", 60)},
        TitleCase{"CutInCharacters", repeat("\u00e9", 61), 8, 60, repeat("\u00e9", 60) + "\u2026"},
        TitleCase{"CutKeepsTrailingSpace", "abcd efgh", 8, 5, "abcd \u2026"},
        TitleCase{"NoWordsAllowed", "some text", 0, 60, "Untitled"},
        TitleCase{"CrLfIsNotASeparator", "one\r\ntwo three", 2, 60, "one\r\ntwo three"},
        TitleCase{"OtherWhiteSpaceIsTrimmedOnly", "\u00a0one\u2028two\u00a0", 8, 60,
                  "one\u2028two"},
        TitleCase{"NoBreakSpaceOnly", "\u00a0 \u2029", 8, 60, "Untitled"}),
    [](const auto& info) { return info.param.name; });

} // namespace
} // namespace velora
