#include "platform/text/PatternHyphenation.hpp"

#include "core/WordPieces.hpp"

#include <gtest/gtest.h>

namespace velora {
namespace {

struct PieceCase {
    const char* name;
    const char* language;
    const char* word;
    std::vector<std::string> pieces;
};

class DictionaryPieces : public ::testing::TestWithParam<PieceCase> {
protected:
    // The German dictionary takes seconds to load; the cases share it.
    static const PatternHyphenation& hyphenation() {
        static const PatternHyphenation shared;
        return shared;
    }
};

// Long words break where the language's patterns allow, never where a letter count would.
TEST_P(DictionaryPieces, BreakAtHyphenationPoints) {
    const auto hyphenator = hyphenation().forLanguage(GetParam().language);
    const Word word{.id = 3, .text = GetParam().word};
    std::vector<std::string> texts;
    for (const Word& piece : WordPieces::of(word, 10, *hyphenator)) {
        texts.push_back(piece.text);
    }
    EXPECT_EQ(texts, GetParam().pieces);
}

INSTANTIATE_TEST_SUITE_P(
    Words, DictionaryPieces,
    ::testing::Values(
        PieceCase{"GermanShipping",
                  "de",
                  "Donaudampfschifffahrtsgesellschaft",
                  {"Donaudampf-", "schiff-", "fahrtsge-", "sellschaft"}},
        PieceCase{"GermanInsurance",
                  "de-DE",
                  "Kraftfahrzeughaftpflichtversicherung",
                  {"Kraftfahr-", "zeughaft-", "pflichtver-", "sicherung"}},
        PieceCase{"EnglishLongWord", "en", "incomprehensibility", {"incompre-", "hensibility"}},
        PieceCase{"EnglishCompound", "en-GB", "straightforward", {"straight-", "forward"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PatternHyphenation, PicksPatternsByTheTextsLanguageAndCountsOnLengthElsewhere) {
    const PatternHyphenation hyphenation;
    const std::string english =
        "The committee met on a grey morning in the old hall above the market and talked for a "
        "long time about the roads, the bridges and the new school that the town wanted.";
    EXPECT_EQ(hyphenation.forText(english), hyphenation.forLanguage("en"));
    // Without patterns for the language a long word still breaks, by the length rule.
    const auto klingon = hyphenation.forLanguage("tlh");
    EXPECT_FALSE(klingon->breaks("qaStaHvIS").empty());
    EXPECT_EQ(hyphenation.forLanguage("tlh"), klingon);
    EXPECT_EQ(hyphenation.forText(""), hyphenation.forLanguage(""));
    // Capitals, digits and punctuation around letters do not confuse the patterns.
    EXPECT_EQ(hyphenation.forLanguage("en")->breaks("Hyphenation,"),
              hyphenation.forLanguage("en")->breaks("hyphenation,"));
}

} // namespace
} // namespace velora
