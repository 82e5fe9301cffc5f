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
        IntervalCase{"Long", {word("elephants")}, 0.26},
        IntervalCase{"LongByCharactersNotBytes", {word("éééééééé")}, 0.2},
        IntervalCase{"AllFactors", {word("elephants.", PunctuationWeight::major, true)}, 0.78}),
    [](const auto& info) { return info.param.name; });

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

struct RampCase {
    bool ramp;
    std::int64_t played;
    double seconds;
};

class SpeedRamp : public ::testing::TestWithParam<RampCase> {};

TEST_P(SpeedRamp, EasesInOverTheFirstTenChunks) {
    ReadingSettings settings;
    settings.speedRamp = GetParam().ramp;
    EXPECT_NEAR(ReadingTiming(settings).rampedInterval(std::vector{word("cat")}, GetParam().played),
                GetParam().seconds, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(Chunks, SpeedRamp,
                         ::testing::Values(RampCase{true, 0, 0.28}, RampCase{true, 5, 0.24},
                                           RampCase{true, 9, 0.208}, RampCase{true, 10, 0.2},
                                           RampCase{true, -1, 0.28}, RampCase{false, 0, 0.2}));

} // namespace
} // namespace velora
