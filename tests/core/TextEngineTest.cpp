#include "core/TextEngine.hpp"

#include "core/Graphemes.hpp"
#include "core/TextSanitizer.hpp"

#include <gtest/gtest.h>
#include <random>

namespace velora {
namespace {

using W = PunctuationWeight;

struct Expected {
    std::string text;
    std::int64_t orp;
    PunctuationWeight punctuation;
    bool isParagraphEnd;
    bool operator==(const Expected&) const = default;
};

struct TokenizeCase {
    std::string input;
    std::vector<Expected> words;
};

class Tokenize : public ::testing::TestWithParam<TokenizeCase> {};

TEST_P(Tokenize, SplitsIntoWords) {
    std::vector<Expected> words;
    for (const Word& word : TextEngine::tokenize(GetParam().input)) {
        EXPECT_EQ(word.id, static_cast<std::int64_t>(words.size()));
        words.push_back({word.text, word.orp, word.punctuation, word.isParagraphEnd});
    }
    EXPECT_EQ(words, GetParam().words);
}

const std::vector<Expected> oneTwoThree{
    {"one", 1, W::none, false}, {"two", 1, W::none, true}, {"three", 2, W::none, true}};

INSTANTIATE_TEST_SUITE_P(
    Texts, Tokenize,
    ::testing::Values(
        TokenizeCase{"", {}}, TokenizeCase{" \tone  two\r\n\n \t \r\rthree\n", oneTwoThree},
        TokenizeCase{"a\u00A0b", {{"a\u00A0b", 1, W::none, true}}},
        TokenizeCase{
            "a \u2014 b",
            {{"a", 0, W::none, false}, {"\u2014", 0, W::minor, false}, {"b", 0, W::none, true}}},
        TokenizeCase{"a\xFF b", {{"a\uFFFD", 0, W::none, false}, {"b", 0, W::none, true}}},
        TokenizeCase{"e\u0301te\u0301, \U0001F1EB\U0001F1F7\U0001F1E9\U0001F1EA.",
                     {{"e\u0301te\u0301,", 1, W::minor, false},
                      {"\U0001F1EB\U0001F1F7\U0001F1E9\U0001F1EA.", 1, W::major, true}}}));

// Whatever bytes arrive, the words hold what a word promises: well-formed, non-empty text without
// separators, a pivot inside it, and parts that put it back together.
TEST(Tokenize, AnyBytesGiveSoundWords) {
    const std::vector<std::string> pieces{
        " ",      "\n",         "\r",           "a",
        "7",      ".",          "\"",           "\u2019",
        "\u2014", "\u0301",     "\u200D",       "\u00A0",
        "\u2028", "\U0001F1EB", "\xFF",         "\xC3",
        "\u1100", "\U0001F468", "\xED\xA0\x80", std::string(1, '\0'),
        "\u4E2D", "\u3002",     "\u300C",       "\u0E44",
        "\u0E31", "\u17D2"};
    std::mt19937 random(11);
    for (int round = 0; round < 3000; ++round) {
        std::string text;
        for (auto i = random() % 24; i > 0; --i) {
            text += pieces[random() % pieces.size()];
        }
        SCOPED_TRACE(::testing::PrintToString(text));
        for (const std::string& input : {text, TextSanitizer::clean(text)}) {
            for (const Word& word : TextEngine::tokenize(input)) {
                EXPECT_TRUE(Graphemes::isWellFormed(word.text));
                EXPECT_EQ(word.text.find_first_of(" \t\r\n"), std::string::npos);
                EXPECT_GE(word.orp, 0);
                EXPECT_LT(word.orp, static_cast<std::int64_t>(Graphemes::count(word.text)));
                const Word::OrpParts parts = word.orpParts();
                EXPECT_EQ(parts.left + parts.pivot + parts.right, word.text);
                EXPECT_EQ(static_cast<std::int64_t>(Graphemes::count(parts.left)), word.orp);
            }
        }
    }
}

// The ranges are the character counts of the joined text as it grows; counting each prefix afresh
// must agree for words that join across the space in every way clusters can.
TEST(Speech, RangesAgreeWithCountingEachPrefix) {
    EXPECT_EQ(TextEngine::normalize("a\n\rb\r\r\n"), "a\n\nb\n\n");
    const std::vector<std::string> texts{"\u0301", "a\u200D", "\U0001F1EB", "\U0001F1F7\U0001F1E9",
                                         "\u0600", "x\r",     "\n",         "\U0001F468\u200D",
                                         "\u1100", "\u1161",  "\uFE0F",     "end."};
    std::vector<Word> words;
    for (const std::string& text : texts) {
        words.push_back(Word{.id = static_cast<std::int64_t>(words.size()), .text = text});
    }
    const TextEngine::SpeechString speech = TextEngine::speechString(words);
    ASSERT_EQ(speech.ranges.size(), texts.size());
    std::string growing;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        growing += i > 0 ? " " : "";
        const auto begin = static_cast<std::int64_t>(Graphemes::count(growing));
        growing += texts[i];
        const auto end = static_cast<std::int64_t>(Graphemes::count(growing));
        EXPECT_EQ(speech.ranges[i], (TextEngine::CharacterRange{begin, end})) << i;
    }
    EXPECT_EQ(speech.text, growing);
}

} // namespace
} // namespace velora
