#include "core/ReadingTiming.hpp"

#include <gtest/gtest.h>
#include <limits>

namespace velora {
namespace {

Word word(std::string text, PunctuationWeight punctuation = PunctuationWeight::none,
          bool paragraphEnd = false) {
    return Word{
        .text = std::move(text), .punctuation = punctuation, .isParagraphEnd = paragraphEnd};
}

struct IntervalCase {
    const char* name;
    std::vector<Word> chunk;
    double seconds;
};

class ChunkInterval : public ::testing::TestWithParam<IntervalCase> {};

TEST_P(ChunkInterval, AtDefaultSettings) {
    ReadingTiming timing{ReadingSettings{}};
    EXPECT_NEAR(timing.interval(GetParam().chunk), GetParam().seconds, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    Chunks, ChunkInterval,
    ::testing::Values(
        IntervalCase{"Empty", {}, 0.2}, IntervalCase{"Short", {word("cat")}, 0.2},
        IntervalCase{"Long", {word("elephants")}, 0.26},
        IntervalCase{"OneShortOfLong", {word("elephant")}, 0.2},
        IntervalCase{
            "PunctuationCounts", {word("elephant,", PunctuationWeight::minor)}, 0.26 * 1.5},
        IntervalCase{"LongByCharactersNotBytes", {word("éééééééé")}, 0.2},
        IntervalCase{"Comma", {word("cat,", PunctuationWeight::minor)}, 0.3},
        IntervalCase{"FullStop", {word("cat.", PunctuationWeight::major)}, 0.3},
        IntervalCase{"ParagraphOnly", {word("cat", PunctuationWeight::none, true)}, 0.4},
        IntervalCase{"ParagraphAndStop", {word("cat.", PunctuationWeight::major, true)}, 0.6},
        IntervalCase{"AllFactors", {word("elephants.", PunctuationWeight::major, true)}, 0.78},
        IntervalCase{"TwoWordsCommaLast", {word("a"), word("b,", PunctuationWeight::minor)}, 0.6},
        IntervalCase{"PunctuationInsideIgnored",
                     {word("a.", PunctuationWeight::major, true), word("b")},
                     0.4},
        IntervalCase{"OneLongFactorForMany", {word("elephants"), word("crocodile")}, 0.52}),
    [](const auto& info) { return info.param.name; });

TEST(ReadingTiming, BaseIntervalUsesTheClampedSpeed) {
    for (auto [wpm, seconds] :
         {std::pair<std::int64_t, double>{5000, 0.05}, {0, 2.4}, {300, 0.2}}) {
        ReadingSettings settings;
        settings.wpm = wpm;
        EXPECT_DOUBLE_EQ(ReadingTiming(settings).baseWordInterval(), seconds) << wpm;
    }
}

TEST(ReadingTiming, NanosecondsTruncateAndNeverWrap) {
    ReadingSettings settings;
    EXPECT_EQ(ReadingTiming(settings).nanoseconds(std::vector{word("cat")}), 200'000'000U);

    settings.paragraphPauseMultiplier = -3.0;
    const std::vector paragraph{word("cat", PunctuationWeight::none, true)};
    EXPECT_EQ(ReadingTiming(settings).nanoseconds(paragraph), 0U);
    settings.paragraphPauseMultiplier = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(ReadingTiming(settings).nanoseconds(paragraph), 0U);
    settings.paragraphPauseMultiplier = std::numeric_limits<double>::infinity();
    EXPECT_EQ(ReadingTiming(settings).nanoseconds(paragraph),
              std::numeric_limits<std::uint64_t>::max());
}

} // namespace
} // namespace velora
