#include "core/TextSanitizer.hpp"

#include <gtest/gtest.h>
#include <random>

namespace velora {
namespace {

class Clean : public ::testing::TestWithParam<std::pair<std::string, std::string>> {};

TEST_P(Clean, ProducesPlainText) {
    EXPECT_EQ(TextSanitizer::clean(GetParam().first), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Clean,
    ::testing::Values(std::pair{"a\u00A0b\u202Fc\u3000d\u2003e", "a b c d e"},
                      std::pair{"un\u00ADbreak\u200Bable", "unbreakable"},
                      std::pair{"\u2022 item\n\u25CF other\n\u2756 third", "item\nother\nthird"},
                      std::pair{"a\r\nb", "a\n\nb"},
                      std::pair{"a\n \t \n\n b\n\n\nc\rd", "a\n\nb\n\nc\nd"},
                      std::pair{"a\U0001F468\u200D\U0001F469\u200D\U0001F467b \U0001F1EB\U0001F1F7",
                                "ab"},
                      std::pair{"x1 \u20AC5 +3 <=> \u00BD", "x1 \u20AC5 +3 <=> \u00BD"},
                      std::pair{"one\u2028two\u2029three\u0085", "onetwothree"},
                      std::pair{std::string("a\0b\x07\fe\vf", 8), std::string("abef")},
                      std::pair{"a\xFF"
                                "b\xC3 c\xED\xA0\x80"
                                "d\uE000\u0378",
                                "ab cd"},
                      std::pair{"e\u0301 x\uFE0F \u0915\u094D", "e\u0301 x\uFE0F \u0915\u094D"}));

TEST(TextSanitizer, KeepsAFiveMegabyteToken) {
    const std::string token(5 << 20, 'x');
    EXPECT_EQ(TextSanitizer::clean("  " + token + "\u00AD!  "), token + "!");
}

// Runs of plain ASCII are copied eight bytes at a time: each byte but blanks and line breaks must
// come out there as it does alone, a control or DEL dropped.
TEST(TextSanitizer, EveryAsciiByteIsCleanedAlikeInLongRuns) {
    for (int byte = 1; byte <= 0x7F; ++byte) {
        const auto c = static_cast<char>(byte);
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
            continue;
        }
        const std::string alone = TextSanitizer::clean(std::string(1, c));
        SCOPED_TRACE(c);
        for (const std::string gap : {"", " "}) {
            std::string text = "abcdefgh";
            std::string expected = text;
            for (const char* run : {"ijklmnopq", "rstuvwxyzab", "cdefghij"}) {
                text += std::string(1, c) + gap + run + c + c;
                expected += alone + gap + run + alone + alone;
            }
            EXPECT_EQ(TextSanitizer::clean(text), expected);
        }
    }
}

// Whatever the mix of blanks and line breaks, the result has no run of blanks, no blank at a
// line's edge, no more than one empty line in a row, and the same visible characters in order.
TEST(TextSanitizer, BlanksAndLinesAreTidyForAnyMix) {
    const std::vector<std::string> pieces{" ",      "\t",     "\n",     "\r",     "\r\n", "a",
                                          "\u00E9", "\u00A0", "\u2003", "\u2022", ".",    "\u200B"};
    std::mt19937 random(3);
    for (int round = 0; round < 2000; ++round) {
        std::string text;
        std::string visible;
        for (auto i = random() % 40; i > 0; --i) {
            const std::string& piece = pieces[random() % pieces.size()];
            text += piece;
            visible += piece == "a" || piece == "\u00E9" || piece == "." ? piece : "";
        }
        const std::string cleaned = TextSanitizer::clean(text);
        SCOPED_TRACE(text);
        for (const char* bad : {"  ", " \n", "\n ", "\n\n\n", "\t", "\r"}) {
            EXPECT_EQ(cleaned.find(bad), std::string::npos);
        }
        if (!cleaned.empty()) {
            EXPECT_EQ(std::string(" \n").find(cleaned.front()), std::string::npos);
            EXPECT_EQ(std::string(" \n").find(cleaned.back()), std::string::npos);
        }
        std::string kept = cleaned;
        std::erase_if(kept, [](char c) { return c == ' ' || c == '\n'; });
        EXPECT_EQ(kept, visible);
    }
}

} // namespace
} // namespace velora
