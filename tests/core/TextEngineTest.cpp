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
};

struct TokenizeCase {
    const char* name;
    std::string input;
    std::vector<Expected> words;
};

void PrintTo(const TokenizeCase& value, std::ostream* out) {
    *out << value.name;
}

class Tokenize : public ::testing::TestWithParam<TokenizeCase> {};

TEST_P(Tokenize, SplitsIntoWords) {
    const std::vector<Word> words = TextEngine::tokenize(GetParam().input);
    ASSERT_EQ(words.size(), GetParam().words.size());
    for (std::size_t i = 0; i < words.size(); ++i) {
        const Expected& expected = GetParam().words[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(words[i].id, static_cast<std::int64_t>(i));
        EXPECT_EQ(words[i].text, expected.text);
        EXPECT_EQ(words[i].orp, expected.orp);
        EXPECT_EQ(words[i].punctuation, expected.punctuation);
        EXPECT_EQ(words[i].isParagraphEnd, expected.isParagraphEnd);
    }
}

const std::vector<Expected> oneTwoThree{
    {"one", 1, W::none, false}, {"two", 1, W::none, true}, {"three", 2, W::none, true}};

INSTANTIATE_TEST_SUITE_P(
    Texts, Tokenize,
    ::testing::Values(
        TokenizeCase{"empty", "", {}}, TokenizeCase{"onlyBlanks", " \t\n\r\n \r\t ", {}},
        TokenizeCase{"lineFeed", "one two\nthree", oneTwoThree},
        TokenizeCase{"crlf", "one two\r\nthree", oneTwoThree},
        TokenizeCase{"loneCr", "one two\rthree", oneTwoThree},
        TokenizeCase{"blankLinesAddNothing", "one two\n\n \t \r\n\r\nthree\n", oneTwoThree},
        TokenizeCase{"blanksAtEdges", " \tone  \t two\t\nthree  ", oneTwoThree},
        TokenizeCase{"noBreakSpaceJoins", "a\u00A0b", {{"a\u00A0b", 1, W::none, true}}},
        TokenizeCase{"dashesAndHyphensJoin",
                     "well-known word\u2014word",
                     {{"well-known", 4, W::none, false}, {"word\u2014word", 4, W::none, true}}},
        TokenizeCase{"quotedExclamation", "\"Stop!\"", {{"\"Stop!\"", 2, W::major, true}}},
        TokenizeCase{
            "loneEmDash",
            "a \u2014 b",
            {{"a", 0, W::none, false}, {"\u2014", 0, W::minor, false}, {"b", 0, W::none, true}}},
        TokenizeCase{"illFormedBecomesReplacement",
                     "a\xFF b",
                     {{"a\uFFFD", 0, W::none, false}, {"b", 0, W::none, true}}},
        TokenizeCase{"combiningAndFlags",
                     "e\u0301te\u0301, \U0001F1EB\U0001F1F7\U0001F1E9\U0001F1EA.",
                     {{"e\u0301te\u0301,", 1, W::minor, false},
                      {"\U0001F1EB\U0001F1F7\U0001F1E9\U0001F1EA.", 1, W::major, true}}}),
    [](const auto& info) { return info.param.name; });

TEST(Tokenize, FiveMegabyteToken) {
    std::string token = "(";
    while (token.size() < (5U << 20)) {
        token += "e\u0301\u043F";
    }
    token += ".)";
    const auto characters = static_cast<std::int64_t>(Graphemes::count(token));
    const std::vector<Word> words = TextEngine::tokenize("x " + token + "\ny");
    ASSERT_EQ(words.size(), 3U);
    EXPECT_EQ(words[1].text, token);
    EXPECT_EQ(words[1].orp, 1 + (characters - 3 - 1) / 2);
    EXPECT_EQ(words[1].punctuation, W::major);
    EXPECT_TRUE(words[1].isParagraphEnd);
}

TEST(Tokenize, ManyOneLetterLines) {
    std::string text;
    for (int i = 0; i < 200000; ++i) {
        text += "a\n";
    }
    const std::vector<Word> words = TextEngine::tokenize(text);
    ASSERT_EQ(words.size(), 200000U);
    EXPECT_EQ(words.back().id, 199999);
    EXPECT_TRUE(words.back().isParagraphEnd);
    EXPECT_EQ(words.capacity(), words.size());
}

// Whatever bytes arrive, the words hold what a word promises: well-formed, non-empty text without
// separators, a pivot inside it, and parts that put it back together.
TEST(Tokenize, AnyBytesGiveSoundWords) {
    const std::vector<std::string> pieces{" ",
                                          "\t",
                                          "\n",
                                          "\r",
                                          "a",
                                          "Z",
                                          "7",
                                          ".",
                                          ",",
                                          "\"",
                                          ")",
                                          "\u2019",
                                          "\u2014",
                                          "\u0301",
                                          "\u200D",
                                          "\u00A0",
                                          "\u2028",
                                          "\U0001F1EB",
                                          "\U0001F468",
                                          "\uAC00",
                                          "\u1100",
                                          "\u0600",
                                          "\xFF",
                                          "\xC3",
                                          "\xE2\x80",
                                          "\xED\xA0\x80",
                                          std::string(1, '\0')};
    std::mt19937 random(11);
    for (int round = 0; round < 3000; ++round) {
        std::string text;
        const int length = static_cast<int>(random() % 24);
        for (int i = 0; i < length; ++i) {
            text += pieces[random() % pieces.size()];
        }
        SCOPED_TRACE(::testing::PrintToString(text));
        for (const std::string& input : {text, TextSanitizer::clean(text)}) {
            const std::vector<Word> words = TextEngine::tokenize(input);
            for (std::size_t i = 0; i < words.size(); ++i) {
                const Word& word = words[i];
                EXPECT_EQ(word.id, static_cast<std::int64_t>(i));
                EXPECT_FALSE(word.text.empty());
                EXPECT_TRUE(Graphemes::isWellFormed(word.text));
                EXPECT_EQ(word.text.find_first_of(" \t\r\n"), std::string::npos);
                const auto characters = static_cast<std::int64_t>(Graphemes::count(word.text));
                EXPECT_GE(word.orp, 0);
                EXPECT_LT(word.orp, characters);
                const Word::OrpParts parts = word.orpParts();
                EXPECT_EQ(parts.left + parts.pivot + parts.right, word.text);
                EXPECT_EQ(static_cast<std::int64_t>(Graphemes::count(parts.left)), word.orp);
            }
        }
    }
}

struct NormalizeCase {
    std::string input;
    std::string expected;
};

void PrintTo(const NormalizeCase& value, std::ostream* out) {
    *out << ::testing::PrintToString(value.input);
}

class Normalize : public ::testing::TestWithParam<NormalizeCase> {};

TEST_P(Normalize, TurnsLineEndsIntoLineFeeds) {
    EXPECT_EQ(TextEngine::normalize(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(LineEnds, Normalize,
                         ::testing::Values(NormalizeCase{"", ""}, NormalizeCase{"a\r\nb", "a\nb"},
                                           NormalizeCase{"a\r\rb", "a\n\nb"},
                                           NormalizeCase{"a\n\rb\r", "a\n\nb\n"},
                                           NormalizeCase{"\r\r\n\n", "\n\n\n"},
                                           NormalizeCase{"a \u2028 b\t", "a \u2028 b\t"}));

struct SpeechCase {
    const char* name;
    std::vector<std::string> texts;
    std::string joined;
    std::vector<TextEngine::CharacterRange> ranges;
};

void PrintTo(const SpeechCase& value, std::ostream* out) {
    *out << value.name;
}

class Speech : public ::testing::TestWithParam<SpeechCase> {};

std::vector<Word> wordsOf(const std::vector<std::string>& texts) {
    std::vector<Word> words;
    for (const std::string& text : texts) {
        words.push_back(Word{.id = static_cast<std::int64_t>(words.size()), .text = text});
    }
    return words;
}

TEST_P(Speech, JoinsWithSpacesAndCountsCharacters) {
    const TextEngine::SpeechString speech = TextEngine::speechString(wordsOf(GetParam().texts));
    EXPECT_EQ(speech.text, GetParam().joined);
    EXPECT_EQ(speech.ranges, GetParam().ranges);
}

INSTANTIATE_TEST_SUITE_P(
    Words, Speech,
    ::testing::Values(SpeechCase{"none", {}, "", {}},
                      SpeechCase{"two", {"Hi", "there"}, "Hi there", {{0, 2}, {3, 8}}},
                      SpeechCase{"accented",
                                 {"caf\u00E9", "e\u0301t\u00E9"},
                                 "caf\u00E9 e\u0301t\u00E9",
                                 {{0, 4}, {5, 8}}},
                      SpeechCase{"leadingCombiningMarkMergesIntoSpace",
                                 {"a", "\u0301b"},
                                 "a \u0301b",
                                 {{0, 1}, {2, 3}}},
                      SpeechCase{"flags",
                                 {"\U0001F1EB\U0001F1F7", "\U0001F1E9\U0001F1EA"},
                                 "\U0001F1EB\U0001F1F7 \U0001F1E9\U0001F1EA",
                                 {{0, 1}, {2, 3}}},
                      SpeechCase{"emptyFirstWord", {"", "x"}, " x", {{0, 0}, {1, 2}}}),
    [](const auto& info) { return info.param.name; });

// The ranges are the character counts of the joined text as it grows; counting each prefix afresh
// must agree for words that join across the space in every way clusters can.
TEST(Speech, RangesAgreeWithCountingEachPrefix) {
    const std::vector<std::string> texts{
        "\u0301",     "a\u200D", "\U0001F1EB",   "\U0001F1F7\U0001F1E9",
        "\u0600",     "x\r",     "\n",           "\U0001F468\u200D",
        "\U0001F469", "\u1100",  "\u1161\u11A8", "\u0915\u094D",
        "\uFE0F",     "end."};
    const TextEngine::SpeechString speech = TextEngine::speechString(wordsOf(texts));
    ASSERT_EQ(speech.ranges.size(), texts.size());
    std::string growing;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (i > 0) {
            growing += ' ';
        }
        const auto begin = static_cast<std::int64_t>(Graphemes::count(growing));
        growing += texts[i];
        const auto end = static_cast<std::int64_t>(Graphemes::count(growing));
        EXPECT_EQ(speech.ranges[i], (TextEngine::CharacterRange{begin, end})) << i;
    }
    EXPECT_EQ(speech.text, growing);
}

} // namespace
} // namespace velora
