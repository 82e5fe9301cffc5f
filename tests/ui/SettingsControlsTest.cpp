#include "support/SpeechServiceFixture.hpp"
#include "ui/ChunkStepper.hpp"
#include "ui/LibraryView.hpp"
#include "ui/QuickSettingsView.hpp"
#include "ui/SteppedSlider.hpp"

#include <QComboBox>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace velora {
namespace {

class Widgets : public ::testing::Test {};

struct SliderCase {
    double minimum;
    double maximum;
    double step;
    double shown;
    double expectedShown;
    bool atRightEnd;
};

void PrintTo(const SliderCase& c, std::ostream* out) {
    *out << c.minimum << "-" << c.maximum << " by " << c.step << " shows " << c.shown;
}

class SteppedSliderTest : public Widgets, public ::testing::WithParamInterface<SliderCase> {};

TEST_P(SteppedSliderTest, ShowsTheClampedValueOnAStep) {
    const SliderCase c = GetParam();
    SteppedSlider slider(c.minimum, c.maximum, c.step);
    QSignalSpy edits(&slider, &SteppedSlider::valueEdited);
    slider.showValue(c.shown);
    EXPECT_DOUBLE_EQ(slider.currentValue(), c.expectedShown);
    EXPECT_EQ(slider.value() == slider.maximum(), c.atRightEnd);
    EXPECT_EQ(edits.count(), 0) << "showing a value is not an edit";
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, SteppedSliderTest,
    ::testing::Values(
        SliderCase{25, 1200, 5, 1500, 1200, true}, SliderCase{25, 1200, 5, 5000, 1200, true},
        SliderCase{25, 1200, 5, 0, 25, false}, SliderCase{25, 1200, 5, 302, 300, false},
        SliderCase{0.6, 2.5, 0.1, 3.0, 2.5, true}, SliderCase{0.6, 2.5, 0.1, 1.0, 1.0, false},
        SliderCase{1.0, 3.0, 0.1, std::numeric_limits<double>::quiet_NaN(), 1.0, false}));

TEST_F(Widgets, SliderMovesWriteWholeStepsWithoutRoundingNoise) {
    SteppedSlider scale(0.6, 2.5, 0.1);
    QSignalSpy edits(&scale, &SteppedSlider::valueEdited);
    scale.setValue(7);
    ASSERT_EQ(edits.count(), 1);
    EXPECT_EQ(edits.at(0).at(0).toDouble(), 1.3);

    SteppedSlider speed(25, 1200, 5);
    QSignalSpy speeds(&speed, &SteppedSlider::valueEdited);
    for (int position = speed.minimum(); position <= speed.maximum(); position += 17) {
        speed.setValue(position);
    }
    speed.setValue(speed.maximum());
    for (const QList<QVariant>& edit : speeds) {
        const double wpm = edit.at(0).toDouble();
        EXPECT_GE(wpm, 25);
        EXPECT_LE(wpm, 1200);
        EXPECT_EQ(std::fmod(wpm, 5.0), 0.0) << wpm;
    }
    EXPECT_EQ(speeds.last().at(0).toDouble(), 1200);
}

TEST_F(Widgets, ChunkStepperClampsAndStopsAtItsEnds) {
    ChunkStepper stepper;
    QSignalSpy edits(&stepper, &ChunkStepper::valueEdited);
    stepper.showValue(0);
    EXPECT_EQ(stepper.text(), "Words at a time: 1");
    EXPECT_FALSE(stepper.stepEnabled().testFlag(QAbstractSpinBox::StepDownEnabled));
    stepper.stepUp();
    ASSERT_EQ(edits.count(), 1);
    EXPECT_EQ(edits.at(0).at(0).toInt(), 2);
    stepper.showValue(99);
    EXPECT_EQ(stepper.text(), "Words at a time: 4");
    EXPECT_FALSE(stepper.stepEnabled().testFlag(QAbstractSpinBox::StepUpEnabled));
}

class CompactNumber : public ::testing::TestWithParam<std::pair<std::int64_t, const char*>> {};

TEST_P(CompactNumber, UsesOneDecimalAndAPoint) {
    EXPECT_EQ(compactNumber(GetParam().first), QString::fromUtf8(GetParam().second));
}

INSTANTIATE_TEST_SUITE_P(Numbers, CompactNumber,
                         ::testing::Values(std::pair<std::int64_t, const char*>{0, "0"},
                                           std::pair<std::int64_t, const char*>{999, "999"},
                                           std::pair<std::int64_t, const char*>{-5000, "-5000"},
                                           std::pair<std::int64_t, const char*>{1000, "1.0k"},
                                           std::pair<std::int64_t, const char*>{1500, "1.5k"},
                                           std::pair<std::int64_t, const char*>{999999, "1000.0k"},
                                           std::pair<std::int64_t, const char*>{2500000, "2.5M"}));

TEST(CompactNumberLocale, KeepsThePointInACommaLocale) {
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German));
    EXPECT_EQ(compactNumber(1500), "1.5k");
    QLocale::setDefault(previous);
}

struct ProgressCase {
    std::int64_t lastIndex;
    std::int64_t wordCount;
    const char* shown;
};

void PrintTo(const ProgressCase& c, std::ostream* out) {
    *out << c.lastIndex << " of " << c.wordCount;
}

class ProgressText : public ::testing::TestWithParam<ProgressCase> {};

TEST_P(ProgressText, IsTruncatedAndDoneOnlyAtTheEnd) {
    ReadingHistoryEntry entry;
    entry.lastIndex = GetParam().lastIndex;
    entry.wordCount = GetParam().wordCount;
    EXPECT_EQ(progressText(entry), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, ProgressText,
    ::testing::Values(ProgressCase{0, 200, "0%"}, ProgressCase{37, 200, "18%"},
                      ProgressCase{199, 200, "99%"}, ProgressCase{200, 200, "Done"},
                      ProgressCase{250, 200, "Done"}, ProgressCase{-3, 200, "0%"},
                      ProgressCase{5, 0, "0%"}, ProgressCase{5, -1, "0%"},
                      ProgressCase{std::numeric_limits<std::int64_t>::max() - 1,
                                   std::numeric_limits<std::int64_t>::max(), "99%"}));

struct HintCase {
    bool speechEnabled;
    std::optional<QString> selected;
    std::optional<QString> detected;
    const char* hint;
};

void PrintTo(const HintCase& c, std::ostream* out) {
    *out << (c.speechEnabled ? "on" : "off") << " voice " << c.selected.value_or("-").toStdString()
         << " language " << c.detected.value_or("-").toStdString();
}

class VoiceHint : public ::testing::TestWithParam<HintCase> {};

TEST_P(VoiceHint, NamesWhatWillRead) {
    const HintCase c = GetParam();
    EXPECT_EQ(voiceHint(c.speechEnabled, c.selected, c.detected), QString::fromUtf8(c.hint));
}

INSTANTIATE_TEST_SUITE_P(
    States, VoiceHint,
    ::testing::Values(
        HintCase{false, "voice.en", "tr", "Speech is off — reading is purely visual."},
        HintCase{true, "voice.en", "tr",
                 "Using the voice you picked, regardless of the text's language."},
        HintCase{true, std::nullopt, "tr", "Detected Turkish — reading it with a Turkish voice."},
        HintCase{true, std::nullopt, "zh-Hant",
                 "Detected Chinese — reading it with a Chinese voice."},
        HintCase{true, std::nullopt, "qx", "Detected QX — reading it with a QX voice."},
        HintCase{true, std::nullopt, "%%", "Detected %% — reading it with a %% voice."},
        HintCase{true, std::nullopt, std::nullopt,
                 "The text's language is detected automatically and read with a matching "
                 "voice."}));

} // namespace
} // namespace velora
