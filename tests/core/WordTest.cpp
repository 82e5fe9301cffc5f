#include "core/Word.hpp"

#include "core/ORP.hpp"
#include "core/Punctuation.hpp"

#include <gtest/gtest.h>

namespace velora {
namespace {

struct OrpCase {
    const char* name;
    std::string token;
    std::int64_t index;
};

void PrintTo(const OrpCase& value, std::ostream* out) {
    *out << value.name;
}

class Pivot : public ::testing::TestWithParam<OrpCase> {};

TEST_P(Pivot, IsTheMiddleOfTheAlphanumericCore) {
    EXPECT_EQ(ORP::index(GetParam().token), GetParam().index);
}

INSTANTIATE_TEST_SUITE_P(
    Tokens, Pivot,
    ::testing::Values(
        OrpCase{"empty", "", 0}, OrpCase{"a", "a", 0}, OrpCase{"ab", "ab", 0},
        OrpCase{"cat", "cat", 1}, OrpCase{"word", "word", 1}, OrpCase{"hello", "hello", 2},
        OrpCase{"helloComma", "hello,", 2}, OrpCase{"parenthesised", "(hello)", 3},
        OrpCase{"year", "1984", 1}, OrpCase{"threeStops", "...", 1}, OrpCase{"emDash", "\u2014", 0},
        OrpCase{"quotedStop", "\"Stop!\"", 2},
        OrpCase{"decomposedAccents", "\u00AB\u00E9te\u0301\u00BB", 2},
        OrpCase{"leadingCombiningMark", "\u0301ab", 1}, OrpCase{"fractionIsANumber", "(\u00BD)", 1},
        OrpCase{"romanNumeral", "\u216B!", 0}, OrpCase{"cjk", "\u65E5\u672C\u8A9E", 1},
        OrpCase{"flagsOnly", "\U0001F1EB\U0001F1F7\U0001F1E9\U0001F1EA", 0},
        OrpCase{"zwjFamilyBeforeWord", "\U0001F468\u200D\U0001F469\u200D\U0001F467abc", 2},
        OrpCase{"hangulJamo", "\u1112\u1161\u11AB\u1100\u1173\u11AF", 0},
        OrpCase{"illFormed",
                "\xFF"
                "ab\xFF",
                1}),
    [](const auto& info) { return info.param.name; });

struct WeightCase {
    const char* name;
    std::string token;
    PunctuationWeight weight;
};

void PrintTo(const WeightCase& value, std::ostream* out) {
    *out << value.name;
}

class TrailingWeight : public ::testing::TestWithParam<WeightCase> {};

TEST_P(TrailingWeight, IsTheLastMarkAfterClosers) {
    EXPECT_EQ(Punctuation::weight(GetParam().token), GetParam().weight);
}

using W = PunctuationWeight;

INSTANTIATE_TEST_SUITE_P(
    Tokens, TrailingWeight,
    ::testing::Values(
        WeightCase{"empty", "", W::none}, WeightCase{"plain", "word", W::none},
        WeightCase{"stop", "end.", W::major}, WeightCase{"question", "why?", W::major},
        WeightCase{"ellipsis", "so\u2026", W::major},
        WeightCase{"stopInsideClosers", "said.\u201D)", W::major},
        WeightCase{"commaBeforeApostrophe", "rock,\u2019", W::minor},
        WeightCase{"colon", "note:", W::minor}, WeightCase{"enDash", "\u2013", W::minor},
        WeightCase{"parenthesised", "(word)", W::none},
        WeightCase{"onlyClosers", "\u201D)", W::none}, WeightCase{"innerStop", "e.g", W::none},
        WeightCase{"guillemetsClose", "mot.\u00BB", W::major},
        WeightCase{"stopWithCombiningMark", "end.\u0301", W::none},
        WeightCase{"closerWithCombiningMark", "end.)\u0301", W::none},
        WeightCase{"greekQuestionMarkIsASemicolon", "\u03C4\u03B9\u037E", W::minor},
        WeightCase{"afterEmoji", "\U0001F468\u200D\U0001F469.", W::major},
        WeightCase{"illFormedTail", "end.\xFF", W::none}),
    [](const auto& info) { return info.param.name; });

struct PartsCase {
    const char* name;
    std::string text;
    std::int64_t orp;
    Word::OrpParts parts;
};

void PrintTo(const PartsCase& value, std::ostream* out) {
    *out << value.name;
}

class Parts : public ::testing::TestWithParam<PartsCase> {};

TEST_P(Parts, CutAroundTheClampedPivot) {
    const Word word{.text = GetParam().text, .orp = GetParam().orp};
    EXPECT_EQ(word.orpParts(), GetParam().parts);
}

INSTANTIATE_TEST_SUITE_P(
    Words, Parts,
    ::testing::Values(
        PartsCase{"middle", "hello", 2, {"he", "l", "lo"}},
        PartsCase{"pastTheEnd", "hello", 9, {"hell", "o", ""}},
        PartsCase{"negative", "hello", -1, {"", "h", "ello"}},
        PartsCase{"extremes", "ab", INT64_MIN, {"", "a", "b"}},
        PartsCase{"empty", "", 3, {"", "", ""}},
        PartsCase{"combiningMarks", "e\u0301te\u0301", 1, {"e\u0301", "t", "e\u0301"}},
        PartsCase{"flagPivot", "\U0001F1EB\U0001F1F7!", 0, {"", "\U0001F1EB\U0001F1F7", "!"}},
        PartsCase{"crlfIsOneCharacter", "a\r\nb", 1, {"a", "\r\n", "b"}}),
    [](const auto& info) { return info.param.name; });

TEST(Word, EqualityComparesTextsByCanonicalEquivalence) {
    const Word composed{.id = 3, .text = "caf\u00E9", .orp = 1};
    Word decomposed = composed;
    decomposed.text = "cafe\u0301";
    EXPECT_EQ(composed, decomposed);

    Word angstrom = composed;
    angstrom.text = "\u212B";
    Word ring = composed;
    ring.text = "\u00C5";
    EXPECT_EQ(angstrom, ring);

    Word other = composed;
    other.text = "cafe";
    EXPECT_NE(composed, other);
    Word moved = decomposed;
    moved.orp = 2;
    EXPECT_NE(composed, moved);
    Word ended = decomposed;
    ended.isParagraphEnd = true;
    EXPECT_NE(composed, ended);
}

TEST(PunctuationWeight, RawValuesRoundTripExactly) {
    EXPECT_EQ(allPunctuationWeights.size(), 3U);
    for (PunctuationWeight weight : allPunctuationWeights) {
        EXPECT_EQ(punctuationWeightFromString(toString(weight)), weight);
    }
    EXPECT_EQ(toString(PunctuationWeight::major), "major");
    EXPECT_EQ(punctuationWeightFromString("Minor"), std::nullopt);
    EXPECT_EQ(punctuationWeightFromString(""), std::nullopt);
}

TEST(Word, StaysSmall) {
    EXPECT_LE(sizeof(Word), 56U);
}

} // namespace
} // namespace velora
