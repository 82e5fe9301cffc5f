#include "core/Graphemes.hpp"

#include "support/BreakIteratorCharacters.hpp"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <unicode/uchar.h>
#include <unicode/unistr.h>

namespace velora {
namespace {

TEST(Graphemes, PrefixAndRepair) {
    EXPECT_EQ(Graphemes::prefix("e\u0301ab", 1), "e\u0301");
    EXPECT_EQ(Graphemes::prefix("abc", 5), "abc");
    EXPECT_EQ(Graphemes::repairUtf8("a\xFF"
                                    "b\xC3"),
              "a\uFFFDb\uFFFD");
    EXPECT_EQ(Graphemes::repairUtf8("\xED\xA0\x80"), "\uFFFD\uFFFD\uFFFD");
}

// The scan skips ASCII eight bytes at a time and takes the common sequences by their look: it must
// judge every mix as decoding each code point does.
TEST(Graphemes, WellFormedAsDecodingSays) {
    const std::vector<std::string> pieces{
        "a",    "abcdefg",     "\u00E9",   "\u0416",       "\u4E2D",   "\U0001F468",
        "\xFF", "\xC3",        "\xC0\xAF", "\xED\xA0\x80", "\xE0\x80", "\xF4\x90\x80\x80",
        "\x80", "\xEF\xBF\xBD"};
    std::mt19937 random(17);
    for (int round = 0; round < 5000; ++round) {
        std::string text;
        for (auto i = random() % 12; i > 0; --i) {
            text += pieces[random() % pieces.size()];
        }
        bool decodes = true;
        for (std::size_t i = 0; i < text.size() && decodes;) {
            decodes = Graphemes::decode(text, i) >= 0;
        }
        EXPECT_EQ(Graphemes::isWellFormed(text), decodes) << ::testing::PrintToString(text);
    }
}

std::string utf8(UChar32 c) {
    std::string text;
    icu::UnicodeString(c).toUTF8String(text);
    return text;
}

// Every code point that may join a neighbour, and a sample of those that never do: the shortcut
// for stand-alone runs must segment exactly as the break iterator does, forwards and backwards.
TEST(Graphemes, SplitAgreesWithTheBreakIterator) {
    std::string text;
    for (UChar32 c = 0; c <= 0x10FFFF; ++c) {
        if (U_IS_SURROGATE(c)) {
            continue;
        }
        const auto kind = u_getIntPropertyValue(c, UCHAR_GRAPHEME_CLUSTER_BREAK);
        const bool standsAlone = kind == U_GCB_OTHER || kind == U_GCB_CONTROL || kind == U_GCB_LF ||
                                 kind == U_GCB_LV || kind == U_GCB_LVT;
        if (!standsAlone) {
            text += "a" + utf8(c) + utf8(c) + "b" + utf8(0x1F468) + utf8(c);
            // Marks after a control, and before a joiner that may link the base to what follows.
            text += "\n" + utf8(c) + "\x01" + utf8(c) + "\u0E01" + utf8(c) + "\u200D\U0001F468";
        } else if (c % 97 == 0 || u_hasBinaryProperty(c, UCHAR_EXTENDED_PICTOGRAPHIC)) {
            text += utf8(c) + "\r" + utf8(c) + "\u200D" + utf8(c);
        }
    }
    text += "\r\n\U0001F1EB\U0001F1F7\U0001F1E9x\u0301\u0301y";
    text += "\uAC00\uAC01\u1100\uAC00\u1161\uAC01\u11A8\uAC00\u11A8\u1100\u1161\u11A8\uAC01";
    const auto clusters = testsupport::charactersByBreakIterator(text);
    EXPECT_EQ(Graphemes::split(text), clusters);
    EXPECT_EQ(Graphemes::count(text), clusters.size());
    std::vector<std::string_view> backwards;
    Graphemes::forEachReverse(text, [&](std::size_t begin, std::size_t end) {
        backwards.push_back(std::string_view(text).substr(begin, end - begin));
    });
    std::reverse(backwards.begin(), backwards.end());
    EXPECT_EQ(backwards, clusters);
}

// Texts that begin or end with marks, as single words do.
TEST(Graphemes, WordsWithMarksAgreeWithTheBreakIterator) {
    for (const std::string text :
         {"\u0E31", "\u0E31\u0E01", "\u0E01\u0E31\u0E48", "\u0E40\u0E01\u0E34\u0E14",
          "\u0915\u094D\u0937", "\u0915\u093F", "\u0627\u064E\u0644\u0652", "x\u0301\r\u0301",
          "\U0001F44D\U0001F3FD\u200D", "\u1780\u17D2\u1789\u17BB\u17C6", "\u0600\u0661\u0E33"}) {
        SCOPED_TRACE(text);
        const auto clusters = testsupport::charactersByBreakIterator(text);
        EXPECT_EQ(Graphemes::split(text), clusters);
        std::vector<std::string_view> backwards;
        Graphemes::forEachReverse(text, [&](std::size_t begin, std::size_t end) {
            backwards.push_back(std::string_view(text).substr(begin, end - begin));
        });
        std::reverse(backwards.begin(), backwards.end());
        EXPECT_EQ(backwards, clusters);
    }
}

} // namespace
} // namespace velora
