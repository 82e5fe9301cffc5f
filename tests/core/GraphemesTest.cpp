#include "core/Graphemes.hpp"

#include <gtest/gtest.h>
#include <memory>
#include <unicode/brkiter.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>
#include <unicode/utext.h>
#include <unicode/utf8.h>

namespace velora {
namespace {

struct CountCase {
    const char* name;
    std::string text;
    std::size_t characters;
};

void PrintTo(const CountCase& value, std::ostream* out) {
    *out << value.name;
}

class GraphemeCount : public ::testing::TestWithParam<CountCase> {};

TEST_P(GraphemeCount, CountsUserPerceivedCharacters) {
    EXPECT_EQ(Graphemes::count(GetParam().text), GetParam().characters);
    EXPECT_EQ(Graphemes::split(GetParam().text).size(), GetParam().characters);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, GraphemeCount,
    ::testing::Values(CountCase{"empty", "", 0}, CountCase{"ascii", "hello", 5},
                      CountCase{"crlf", "a\r\nb", 3},
                      CountCase{"combiningAccent", "e\xCC\x81t\xC3\xA9", 3},
                      CountCase{"flag", "\xF0\x9F\x87\xAB\xF0\x9F\x87\xB7", 1},
                      CountCase{"zwjFamily",
                                "\xF0\x9F\x91\xA8\xE2\x80\x8D\xF0\x9F\x91\xA9\xE2\x80\x8D\xF0\x9F"
                                "\x91\xA7",
                                1},
                      CountCase{"cjk", "\xE6\x97\xA5\xE6\x9C\xAC", 2}),
    [](const auto& info) { return info.param.name; });

TEST(Graphemes, PrefixStopsAtAClusterBoundary) {
    EXPECT_EQ(Graphemes::prefix("e\xCC\x81"
                                "ab",
                                1),
              "e\xCC\x81");
    EXPECT_EQ(Graphemes::prefix("abc", 5), "abc");
    EXPECT_EQ(Graphemes::prefix("abc", 0), "");
}

TEST(Graphemes, RepairReplacesEachIllFormedSequence) {
    EXPECT_EQ(Graphemes::repairUtf8("a\xFF"
                                    "b\xC3"),
              "a\xEF\xBF\xBD"
              "b\xEF\xBF\xBD");
    EXPECT_EQ(Graphemes::repairUtf8("\xED\xA0\x80"), "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD");
    EXPECT_EQ(Graphemes::repairUtf8("ok \xC3\xA9"), "ok \xC3\xA9");
}

std::vector<std::string_view> splitByBreakIterator(std::string_view text) {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::BreakIterator> iterator(
        icu::BreakIterator::createCharacterInstance(icu::Locale::getRoot(), status));
    UText utext = UTEXT_INITIALIZER;
    utext_openUTF8(&utext, text.data(), static_cast<std::int64_t>(text.size()), &status);
    iterator->setText(&utext, status);
    std::vector<std::string_view> clusters;
    std::int32_t begin = iterator->first();
    for (std::int32_t end = iterator->next(); end != icu::BreakIterator::DONE;
         begin = end, end = iterator->next()) {
        clusters.push_back(
            text.substr(static_cast<std::size_t>(begin), static_cast<std::size_t>(end - begin)));
    }
    utext_close(&utext);
    return clusters;
}

std::string utf8(UChar32 c) {
    std::string text;
    icu::UnicodeString(c).toUTF8String(text);
    return text;
}

// Every code point that may join a neighbour, and a sample of those that never do, next to each
// other and to plain letters: the shortcut for stand-alone runs must segment exactly as the break
// iterator does.
TEST(Graphemes, SplitAgreesWithTheBreakIterator) {
    std::string text;
    std::string joiners;
    for (UChar32 c = 0; c <= 0x10FFFF; ++c) {
        if (U_IS_SURROGATE(c)) {
            continue;
        }
        const auto kind = u_getIntPropertyValue(c, UCHAR_GRAPHEME_CLUSTER_BREAK);
        const bool standsAlone = kind == U_GCB_OTHER || kind == U_GCB_CONTROL || kind == U_GCB_LF ||
                                 kind == U_GCB_LV || kind == U_GCB_LVT;
        if (!standsAlone) {
            joiners += utf8(c);
            text += "a" + utf8(c) + utf8(c) + "b" + utf8(0x1F468) + utf8(c);
        } else if (c % 97 == 0 || u_hasBinaryProperty(c, UCHAR_EXTENDED_PICTOGRAPHIC)) {
            text += utf8(c) + "\r" + utf8(c) + "\u200D" + utf8(c);
        }
    }
    text += "\r\n\U0001F1EB\U0001F1F7\U0001F1E9x\u0301\u0301y";
    text += "\uAC00\uAC01\u1100\uAC00\u1161\uAC01\u11A8\uAC00\u11A8\u1100\u1161\u11A8\uAC01";
    EXPECT_EQ(Graphemes::split(text), splitByBreakIterator(text));
    EXPECT_EQ(Graphemes::split(joiners), splitByBreakIterator(joiners));
}

TEST(Graphemes, ReverseWalkMirrorsTheForwardWalk) {
    for (const std::string& text :
         {std::string("plain words"), std::string("e\u0301\u0301x\r\ny\U0001F1EB\U0001F1F7z"),
          std::string("\U0001F468\u200D\U0001F469!)"), std::string("ab\xFF\xC3"),
          std::string("\u0600x \u1100\u1161\u11A8."), std::string()}) {
        std::vector<std::string_view> backwards;
        Graphemes::forEachReverse(text, [&](std::size_t begin, std::size_t end) {
            backwards.insert(backwards.begin(), std::string_view(text).substr(begin, end - begin));
        });
        EXPECT_EQ(backwards, Graphemes::split(text)) << text;
    }
}

bool wellFormedByIcu(const std::string& bytes) {
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
    const auto length = static_cast<std::int32_t>(bytes.size());
    std::int32_t i = 0;
    while (i < length) {
        UChar32 c = 0;
        U8_NEXT(data, i, length, c);
        if (c < 0) {
            return false;
        }
    }
    return true;
}

// The shortcuts for two- and three-byte sequences must judge every lead and following byte as ICU
// does.
TEST(Graphemes, WellFormednessAgreesWithIcuForEveryLeadByte) {
    for (int lead = 0x80; lead <= 0xFF; ++lead) {
        for (int second = 0; second <= 0xFF; ++second) {
            for (int third : {0x41, 0x80, 0xBF, 0xC0}) {
                for (int fourth : {0x80, 0x20}) {
                    const std::string bytes{static_cast<char>(lead), static_cast<char>(second),
                                            static_cast<char>(third), static_cast<char>(fourth)};
                    for (const std::string& text : {bytes, bytes.substr(0, 2), "ab" + bytes,
                                                    "abcdefgh" + bytes + "ijklmnop"}) {
                        ASSERT_EQ(Graphemes::isWellFormed(text), wellFormedByIcu(text))
                            << std::hex << lead << ' ' << second << ' ' << third;
                    }
                }
            }
        }
    }
}

} // namespace
} // namespace velora
