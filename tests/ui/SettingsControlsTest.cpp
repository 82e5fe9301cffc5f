#include "ui/LibraryView.hpp"
#include "ui/QuickSettingsView.hpp"
#include "ui/SteppedSlider.hpp"

#include <QComboBox>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace velora {
namespace {

struct SliderCase {
    double minimum;
    double maximum;
    double step;
    double shown;
    double expectedShown;
    bool atRightEnd;
};

class SteppedSliderTest : public ::testing::TestWithParam<SliderCase> {};

TEST_P(SteppedSliderTest, ShowsTheClampedValueOnAStep) {
    const SliderCase c = GetParam();
    SteppedSlider slider(c.minimum, c.maximum, c.step);
    QSignalSpy edits(&slider, &SteppedSlider::valueEdited);
    slider.showValue(c.shown);
    EXPECT_DOUBLE_EQ(slider.currentValue(), c.expectedShown);
    EXPECT_EQ(slider.value() == slider.maximum(), c.atRightEnd);
    EXPECT_EQ(edits.count(), 0) << "showing a value is not an edit";
}

INSTANTIATE_TEST_SUITE_P(Ranges, SteppedSliderTest,
                         ::testing::Values(SliderCase{25, 1200, 5, 1500, 1200, true},
                                           SliderCase{25, 1200, 5, 0, 25, false},
                                           SliderCase{25, 1200, 5, 302, 300, false},
                                           SliderCase{0.6, 2.5, 0.1, 1.0, 1.0, false},
                                           SliderCase{1.0, 3.0, 0.1,
                                                      std::numeric_limits<double>::quiet_NaN(), 1.0,
                                                      false}));

TEST(SteppedSlider, MovesWriteWholeStepsWithoutRoundingNoise) {
    SteppedSlider scale(0.6, 2.5, 0.1);
    QSignalSpy edits(&scale, &SteppedSlider::valueEdited);
    scale.setValue(7);
    ASSERT_EQ(edits.count(), 1);
    EXPECT_EQ(edits.at(0).at(0).toDouble(), 1.3);
}

TEST(CompactNumber, KeepsThePointInACommaLocale) {
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German));
    EXPECT_EQ(compactNumber(1500), "1.5k");
    QLocale::setDefault(previous);
}

class ReadingTime : public ::testing::TestWithParam<std::pair<double, const char*>> {};

TEST_P(ReadingTime, RoundsHalvesUpThenPicksTheUnit) {
    EXPECT_EQ(readingTimeText(ReadingStats{.totalSecondsRead = GetParam().first}),
              GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Times, ReadingTime,
                         ::testing::Values(std::pair{59.4, "59s"}, std::pair{59.5, "1m"},
                                           std::pair{3599.5, "1h 0m"}, std::pair{3725.0, "1h 2m"}));

struct ProgressCase {
    std::int64_t lastIndex;
    std::int64_t wordCount;
    const char* shown;
};

class ProgressText : public ::testing::TestWithParam<ProgressCase> {};

TEST_P(ProgressText, IsTruncatedAndDoneOnlyAtTheEnd) {
    ReadingHistoryEntry entry;
    entry.lastIndex = GetParam().lastIndex;
    entry.wordCount = GetParam().wordCount;
    EXPECT_EQ(progressText(entry), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, ProgressText,
    ::testing::Values(ProgressCase{37, 200, "18%"}, ProgressCase{199, 200, "99%"},
                      ProgressCase{250, 200, "Done"}, ProgressCase{-3, 200, "0%"},
                      ProgressCase{5, 0, "0%"},
                      ProgressCase{std::numeric_limits<std::int64_t>::max() - 1,
                                   std::numeric_limits<std::int64_t>::max(), "99%"}));

struct HintCase {
    bool speechEnabled;
    std::optional<QString> selected;
    std::optional<QString> detected;
    const char* hint;
};

class VoiceHint : public ::testing::TestWithParam<HintCase> {};

TEST_P(VoiceHint, NamesWhatWillRead) {
    const HintCase c = GetParam();
    EXPECT_EQ(voiceHint(c.speechEnabled, c.selected, c.detected), QString::fromUtf8(c.hint));
}

INSTANTIATE_TEST_SUITE_P(
    States, VoiceHint,
    ::testing::Values(
        HintCase{false, "voice.en", "tr", "Speech is off — reading is purely visual."},
        HintCase{true, std::nullopt, "tr", "Detected Turkish — reading it with a Turkish voice."},
        HintCase{true, std::nullopt, "%%", "Detected %% — reading it with a %% voice."}));

} // namespace
} // namespace velora
