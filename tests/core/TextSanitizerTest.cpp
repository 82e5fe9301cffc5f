#include "core/TextSanitizer.hpp"

#include <gtest/gtest.h>
#include <random>

namespace velora {
namespace {

struct CleanCase {
    const char* name;
    std::string input;
    std::string expected;
};

void PrintTo(const CleanCase& value, std::ostream* out) {
    *out << value.name;
}

class Clean : public ::testing::TestWithParam<CleanCase> {};

TEST_P(Clean, ProducesPlainText) {
    EXPECT_EQ(TextSanitizer::clean(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Clean,
    ::testing::Values(
        CleanCase{"empty", "", ""},
        CleanCase{"onlyBlanksAndRemoved", " \t\r\n\u00AD\u200B\n\n \u2028 ", ""},
        CleanCase{"noBreakSpaces", "a\u00A0b\u202Fc\u3000d\u2003e", "a b c d e"},
        CleanCase{"softHyphenAndZeroWidthJoin", "un\u00ADbreak\u200Bable", "unbreakable"},
        CleanCase{"bulletLine", "\u2022 item\n\u25CF other\n\u2756 third", "item\nother\nthird"},
        CleanCase{"crlfGivesOneEmptyLine", "a\r\nb", "a\n\nb"},
        CleanCase{"loneCarriageReturn", "a\rb", "a\nb"},
        CleanCase{"blankLineRunsShrink", "a\n\n\n\nb\n\n\nc", "a\n\nb\n\nc"},
        CleanCase{"edgesTrimmed", "\n\n  a  b \t\n  c  \n\n", "a b\nc"},
        CleanCase{"tabsCollapse", "a\t\tb \t c\td", "a b c d"},
        CleanCase{"emojiWithSkinTone", "ok \U0001F44D\U0001F3FD yes", "ok yes"},
        CleanCase{"zwjFamilyAndFlag",
                  "a\U0001F468\u200D\U0001F469\u200D\U0001F467b \U0001F1EB\U0001F1F7", "ab"},
        CleanCase{"keptSymbols", "x1 \u20AC5 +3 <=> \u00BD", "x1 \u20AC5 +3 <=> \u00BD"},
        CleanCase{"removedSymbols", "a\u00A9b\u00B0c^d`e\u00B4f", "abcdef"},
        CleanCase{"lineSeparatorJoins", "one\u2028two\u2029three", "onetwothree"},
        CleanCase{"nextLineIsRemoved", "one\u0085two", "onetwo"},
        CleanCase{"controlsRemoved",
                  std::string("a\0b\x07"
                              "c\x1B"
                              "d",
                              7) +
                      "\fe\vf",
                  "abcdef"},
        CleanCase{"illFormedUtf8",
                  "a\xFF"
                  "b\xC3 c\xED\xA0\x80"
                  "d",
                  "ab cd"},
        CleanCase{"privateUseAndUnassigned", "a\uE000b\u0378c", "abc"},
        CleanCase{"marksAndVariationSelectorsStay", "e\u0301 x\uFE0F \u0915\u094D",
                  "e\u0301 x\uFE0F \u0915\u094D"},
        CleanCase{"otherSpaceSeparatorStaysInside", " \u1680a\u1680b\u1680 ", "a\u1680b"},
        CleanCase{"cjkAndCyrillicStay", "\u65E5\u672C \u041F\u0440\u0438",
                  "\u65E5\u672C \u041F\u0440\u0438"},
        CleanCase{"blankOnlyLineBetweenParagraphs", "a\n \t \n\n b", "a\n\nb"}),
    [](const auto& info) { return info.param.name; });

TEST(TextSanitizer, KeepsAFiveMegabyteToken) {
    const std::string token(5 << 20, 'x');
    EXPECT_EQ(TextSanitizer::clean("  " + token + "\u00AD!  "), token + "!");
}

// Whatever the mix of blanks and line breaks, the result has no run of blanks, no blank at a
// line's edge, no more than one empty line in a row, and the same visible characters in order.
TEST(TextSanitizer, BlanksAndLinesAreTidyForAnyMix) {
    const std::vector<std::string> pieces{" ",  "\t",     "\n",     "\r",     "\r\n",
                                          "a",  "\u00E9", "\u00A0", "\u2003", "\u2022",
                                          "  ", ".",      "\u200B"};
    std::mt19937 random(3);
    for (int round = 0; round < 2000; ++round) {
        std::string text;
        std::string visible;
        const int length = static_cast<int>(random() % 40);
        for (int i = 0; i < length; ++i) {
            const std::string& piece = pieces[random() % pieces.size()];
            text += piece;
            if (piece == "a" || piece == "\u00E9" || piece == ".") {
                visible += piece;
            }
        }
        const std::string cleaned = TextSanitizer::clean(text);
        SCOPED_TRACE(text);
        EXPECT_EQ(cleaned.find("  "), std::string::npos);
        EXPECT_EQ(cleaned.find(" \n"), std::string::npos);
        EXPECT_EQ(cleaned.find("\n "), std::string::npos);
        EXPECT_EQ(cleaned.find("\n\n\n"), std::string::npos);
        EXPECT_EQ(cleaned.find('\t'), std::string::npos);
        EXPECT_EQ(cleaned.find('\r'), std::string::npos);
        if (!cleaned.empty()) {
            EXPECT_NE(cleaned.front(), ' ');
            EXPECT_NE(cleaned.front(), '\n');
            EXPECT_NE(cleaned.back(), ' ');
            EXPECT_NE(cleaned.back(), '\n');
        }
        std::string kept;
        for (char c : cleaned) {
            if (c != ' ' && c != '\n') {
                kept += c;
            }
        }
        EXPECT_EQ(kept, visible);
    }
}

} // namespace
} // namespace velora
