#include "core/Word.hpp"

#include "core/ORP.hpp"
#include "core/Punctuation.hpp"

#include <gtest/gtest.h>

namespace velora {
namespace {

class Pivot : public ::testing::TestWithParam<std::pair<std::string, std::int64_t>> {};

TEST_P(Pivot, IsTheMiddleOfTheAlphanumericCore) {
    EXPECT_EQ(ORP::index(GetParam().first), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Tokens, Pivot,
                         ::testing::Values(std::pair{"", 0}, std::pair{"cat", 1},
                                           std::pair{"(hello)", 3},
                                           std::pair{"\u00AB\u00E9te\u0301\u00BB", 2},
                                           std::pair{"\u0301ab", 1}, std::pair{"(\u00BD)", 1},
                                           std::pair{"\U0001F468\u200D\U0001F469abc", 2},
                                           std::pair{"\xFF"
                                                     "ab\xFF",
                                                     1}));

using W = PunctuationWeight;

class TrailingWeight : public ::testing::TestWithParam<std::pair<std::string, W>> {};

TEST_P(TrailingWeight, IsTheLastMarkAfterClosers) {
    EXPECT_EQ(Punctuation::weight(GetParam().first), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Tokens, TrailingWeight,
                         ::testing::Values(std::pair{"end.", W::major},
                                           std::pair{"said.\u201D)", W::major},
                                           std::pair{"\u2013", W::minor}, std::pair{"e.g", W::none},
                                           std::pair{"end.\u0301", W::none},
                                           std::pair{"\u03C4\u03B9\u037E", W::minor}));

TEST(Word, PartsCutAroundTheClampedPivot) {
    EXPECT_EQ((Word{.text = "hello", .orp = 9}.orpParts()), (Word::OrpParts{"hell", "o", ""}));
    EXPECT_EQ((Word{.text = "ab", .orp = INT32_MIN}.orpParts()), (Word::OrpParts{"", "a", "b"}));
    EXPECT_EQ((Word{.text = "", .orp = 3}.orpParts()), (Word::OrpParts{"", "", ""}));
}

// A pivot past the 32 bits `orp` holds, in a token of billions of characters, stays at its end
// rather than wrapping to a pivot near the start or a negative one.
TEST(Word, PivotsBeyondTheirRangeAreHeldAtItsEnd) {
    EXPECT_EQ(Word::pivotAt(7), 7);
    EXPECT_EQ(Word::pivotAt(std::int64_t{1} << 32), INT32_MAX);
    EXPECT_EQ(Word::pivotAt((std::int64_t{1} << 32) + 5), INT32_MAX);
    EXPECT_EQ(Word::pivotAt(INT64_MIN), INT32_MIN);
}

TEST(Word, EqualityComparesTextsByCanonicalEquivalence) {
    const Word composed{.id = 3, .text = "caf\u00E9", .orp = 1};
    Word other = composed;
    other.text = "cafe\u0301";
    EXPECT_EQ(composed, other);
    other.isParagraphEnd = true;
    EXPECT_NE(composed, other);
}

} // namespace
} // namespace velora
