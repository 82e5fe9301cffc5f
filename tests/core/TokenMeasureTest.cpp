#include "core/TokenMeasure.hpp"

#include "core/Graphemes.hpp"
#include "core/ORP.hpp"
#include "core/Punctuation.hpp"
#include "core/TextEngine.hpp"
#include "support/BreakIteratorCharacters.hpp"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>

namespace velora::TokenMeasure {

void PrintTo(const Measure& measure, std::ostream* out) {
    *out << "orp " << measure.orp << ' ' << toString(measure.punctuation);
}

} // namespace velora::TokenMeasure

namespace velora {
namespace {

// A character of several code points is no mark.
Punctuation::Kind kindOfCharacter(std::string_view character) {
    std::size_t end = 0;
    const std::int32_t c = Graphemes::decode(character, end);
    return end == character.size() ? Punctuation::kindOf(c) : Punctuation::Kind::other;
}

// The pivot and the pause as they are defined, on the characters the break iterator finds.
TokenMeasure::Measure byDefinition(std::string_view token) {
    const std::vector<std::string_view> characters = testsupport::charactersByBreakIterator(token);
    const auto n = static_cast<std::int64_t>(characters.size());
    std::int64_t first = -1;
    std::int64_t last = -1;
    for (std::int64_t k = 0; k < n; ++k) {
        if (ORP::isAlphanumeric(characters[static_cast<std::size_t>(k)])) {
            first = first < 0 ? k : first;
            last = k;
        }
    }
    Punctuation::Kind counting = Punctuation::Kind::other;
    for (auto k = characters.size(); k > 0; --k) {
        const Punctuation::Kind kind = kindOfCharacter(characters[k - 1]);
        if (kind != Punctuation::Kind::skippable) {
            counting = kind;
            break;
        }
    }
    const std::int64_t orp = first < 0 ? (n == 0 ? 0 : (n - 1) / 2) : first + (last - first) / 2;
    return {orp, Punctuation::weightOf(counting)};
}

class Measure : public ::testing::TestWithParam<std::string> {};

TEST_P(Measure, AgreesWithTheBreakIterator) {
    const std::string& token = GetParam();
    EXPECT_EQ(TokenMeasure::of(token), byDefinition(token));
    EXPECT_EQ(TokenMeasure::of(token),
              (TokenMeasure::Measure{ORP::index(token), Punctuation::weight(token)}));
    if (Graphemes::isSimpleAscii(token)) {
        EXPECT_EQ(TokenMeasure::AsciiMeasure()(token), byDefinition(token));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tokens, Measure,
    ::testing::Values(
        // ASCII: cores, closing quotes and brackets, nothing to count.
        "", "a", "word.", "(quoted),\")", "...", "\"'", "e-mail:", "x\x01y", "3.14!)",
        "https://example.org/a?b=c.", "a\r",
        // Marks on a base, at the start, after a control, on a closing quote.
        "e\u0301te\u0301,", "\u0301a", "\x01\u0301b.", "word\u201D\u0301.", "\u00E9\u0327!",
        // Joiners, flags, selectors, modifiers, keycaps, tags.
        "\U0001F468\u200D\U0001F469\u200D\U0001F467.", "\U0001F1EB\U0001F1F7!", "x\uFE0F.",
        "\U0001F44D\U0001F3FD,", "1\uFE0F\u20E3", "\U0001F3F4\U000E0067\U000E007F",
        // Hangul jamo and syllables, prepended marks, a virama, Thai, Devanagari stops.
        "\u1100\u1161\u11A8\uB2E4.", "\uD55C\u11A8", "\u0600\u0661", "\u0915\u094D\u0937\u093F",
        "\u0E44\u0E21\u0E48\u0E21\u0E35", "\u0939\u0948\u0964",
        // Stops of other scripts, canonical equivalents, no-break spaces and bullets kept whole.
        "\u3002\u300D", "ti\u037E", "a\u00A0b\u2026", "\u2022", "\u2014", "\uFF1F\uFF09"));

// Random mixes of the same ingredients: the one walk must never tell a character apart where the
// break iterator does not.
TEST(Measure, RandomTokensAgreeWithTheBreakIterator) {
    const std::vector<std::string> pieces{
        "a",      "Z",      "7",      ".",      ",",          "\"",     ")",          "\x01",
        "\u0301", "\u0308", "\u200D", "\uFE0F", "\U0001F1EB", "\u1100", "\u1161",     "\u11A8",
        "\uAC00", "\u0600", "\u094D", "\u0915", "\u0E31",     "\u0E33", "\U0001F468", "\U0001F3FD",
        "\u201D", "\u2026", "\u3002", "\u037E", "\u00E9",     "\u4E2D", "\u0627",     "\u064E"};
    std::mt19937 random(5);
    for (int round = 0; round < 5000; ++round) {
        std::string token;
        for (auto i = 1 + random() % 8; i > 0; --i) {
            token += pieces[random() % pieces.size()];
        }
        SCOPED_TRACE(::testing::PrintToString(token));
        const TokenMeasure::Measure expected = byDefinition(token);
        EXPECT_EQ(TokenMeasure::of(token), expected);
        // The tokenizer hands over the ASCII it has read, or measures an ASCII token itself.
        const auto ascii =
            std::find_if(token.begin(), token.end(),
                         [](char c) { return static_cast<unsigned char>(c) >= 0x80; }) -
            token.begin();
        EXPECT_EQ(TokenMeasure::of(token, static_cast<std::size_t>(ascii)), expected);
        if (static_cast<std::size_t>(ascii) == token.size()) {
            EXPECT_EQ(TokenMeasure::AsciiMeasure()(token), expected);
        }
    }
}

// Through the tokenizer, whose ASCII words take a shorter road than the rest, on text as it
// arrives.
TEST(Measure, WordsOfAnyTextAreMeasuredAsDefined) {
    const std::vector<std::string> pieces{" ",
                                          "\r\n",
                                          "\n",
                                          "\t",
                                          "\u00A0",
                                          "\u2022 ",
                                          "word",
                                          "end.",
                                          "(quoted),\"",
                                          "3.14",
                                          "e\u0301",
                                          "\u200D",
                                          "\uFE0F",
                                          "\U0001F468",
                                          "\U0001F1EB",
                                          "\U0001F3FD",
                                          "\u1100",
                                          "\u1161",
                                          "\u0600",
                                          "\u2026",
                                          "\u201D",
                                          "\u4E2D\u6587",
                                          "\u0E44\u0E21\u0E48",
                                          "https://example.org/a?b=c.",
                                          "\u0915\u094D"};
    std::mt19937 random(9);
    for (int round = 0; round < 1000; ++round) {
        std::string text;
        for (auto i = random() % 30; i > 0; --i) {
            text += pieces[random() % pieces.size()];
        }
        SCOPED_TRACE(::testing::PrintToString(text));
        for (const Word& word : TextEngine::tokenize(text)) {
            EXPECT_EQ((TokenMeasure::Measure{word.orp, word.punctuation}), byDefinition(word.text))
                << word.text;
        }
    }
}

} // namespace
} // namespace velora
