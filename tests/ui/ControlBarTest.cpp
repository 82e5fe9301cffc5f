#include "ui/ControlBar.hpp"

#include "ui/ChunkStepper.hpp"
#include "ui/SteppedSlider.hpp"

#include <QLabel>
#include <QSignalSpy>
#include <QSlider>
#include <QToolButton>
#include <gtest/gtest.h>

namespace velora {
namespace {

class ControlBarTest : public ::testing::Test {
protected:
    ControlBar bar;
};

class PercentShown : public ControlBarTest,
                     public ::testing::WithParamInterface<std::pair<double, const char*>> {};

TEST_P(PercentShown, IsTruncatedNotRounded) {
    bar.showProgress(GetParam().first);
    EXPECT_EQ(bar.percentLabel().text(), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Progress, PercentShown,
                         ::testing::Values(std::pair{0.0, "0%"}, std::pair{0.999, "99%"},
                                           std::pair{0.29, "29%"}, std::pair{0.57, "57%"},
                                           std::pair{1.0, "100%"}, std::pair{-0.5, "0%"},
                                           std::pair{std::nan(""), "0%"}));

TEST_F(ControlBarTest, ScrubberShowsProgressAndSeeksOnlyWhenMoved) {
    QSignalSpy seeks(&bar, &ControlBar::seekRequested);
    bar.showProgress(0.0);
    EXPECT_EQ(bar.scrubber().value(), bar.scrubber().minimum());
    bar.showProgress(0.25);
    EXPECT_EQ(seeks.count(), 0);
    bar.scrubber().setValue(ControlBar::scrubberSteps / 2);
    ASSERT_EQ(seeks.count(), 1);
    EXPECT_DOUBLE_EQ(seeks.at(0).at(0).toDouble(), 0.5);
}

TEST_F(ControlBarTest, StoredRateAboveTheRangeShowsAtTheEnd) {
    ReadingSettings settings;
    settings.wpm = 1500;
    settings.wordsPerChunk = 4;
    bar.showSettings(settings);
    EXPECT_EQ(bar.speedSlider().value(), bar.speedSlider().maximum());
    EXPECT_EQ(bar.rateLabel().text(), "1200 WPM");
    EXPECT_EQ(bar.multiplierLabel().text(), "4.8X");
    EXPECT_EQ(bar.chunkStepper().text(), "Words at a time: 4");
    EXPECT_FALSE(bar.chunkStepper().stepEnabled().testFlag(QAbstractSpinBox::StepUpEnabled));
}

TEST_F(ControlBarTest, SpeedAndChunkEditsApplyToTheCurrentSettings) {
    ReadingSettings settings;
    settings.theme = ReadingTheme::night;
    QObject::connect(&bar, &ControlBar::settingsEdited, [&](const SettingsEdit& edit) {
        edit(settings);
        bar.showSettings(settings);
    });
    bar.speedSlider().setValue(bar.speedSlider().minimum() + 3);
    EXPECT_EQ(settings.wpm, 40);
    EXPECT_EQ(bar.rateLabel().text(), "40 WPM");
    bar.chunkStepper().stepUp();
    EXPECT_EQ(settings.wordsPerChunk, 2);
    EXPECT_EQ(settings.theme, ReadingTheme::night);
}

TEST_F(ControlBarTest, TransportButtonsAskForTheirActions) {
    QSignalSpy restart(&bar, &ControlBar::restartRequested);
    QSignalSpy back(&bar, &ControlBar::stepBackwardRequested);
    QSignalSpy play(&bar, &ControlBar::playPauseRequested);
    QSignalSpy forward(&bar, &ControlBar::stepForwardRequested);
    bar.restartButton().click();
    bar.backButton().click();
    bar.playButton().click();
    bar.forwardButton().click();
    EXPECT_EQ(restart.count() + back.count() + play.count() + forward.count(), 4);
    EXPECT_EQ(play.count(), 1);

    bar.showPlaying(true);
    EXPECT_EQ(bar.playButton().toolTip(), "Pause (Space)");
    EXPECT_EQ(bar.playButton().objectName(), "pause.circle.fill");
    bar.showPlaying(false);
    EXPECT_EQ(bar.playButton().toolTip(), "Play (Space)");
}

TEST_F(ControlBarTest, SpeechButtonAsksForTheOppositeAndFlipsItsSymbol) {
    QSignalSpy toggles(&bar, &ControlBar::speechEnabledEdited);
    bar.showSpeechEnabled(false);
    EXPECT_EQ(bar.speechButton().objectName(), "speaker.slash.fill");
    bar.speechButton().click();
    bar.showSpeechEnabled(true);
    EXPECT_EQ(bar.speechButton().objectName(), "speaker.wave.2.fill");
    bar.speechButton().click();
    ASSERT_EQ(toggles.count(), 2);
    EXPECT_TRUE(toggles.at(0).at(0).toBool());
    EXPECT_FALSE(toggles.at(1).at(0).toBool());
}

TEST_F(ControlBarTest, ModeSwitchChoosesAndShowsTheMode) {
    QSignalSpy chosen(&bar, &ControlBar::modeChosen);
    bar.showMode(ReadingMode::focus);
    EXPECT_EQ(bar.modeButton(ReadingMode::focus).text(), "Focus");
    bar.modeButton(ReadingMode::spotlight).click();
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.at(0).at(0).value<ReadingMode>(), ReadingMode::spotlight);
    bar.showMode(ReadingMode::flow);
    EXPECT_TRUE(bar.modeButton(ReadingMode::flow).isChecked());
    EXPECT_FALSE(bar.modeButton(ReadingMode::spotlight).isChecked());
}

TEST_F(ControlBarTest, DrawsInTheThemeTextColour) {
    const ThemePalette sepia = palette(ReadingTheme::sepia, QPalette());
    bar.setThemePalette(sepia);
    EXPECT_EQ(bar.rateLabel().palette().color(QPalette::WindowText), sepia.text);
    EXPECT_EQ(bar.percentLabel().palette().color(QPalette::PlaceholderText), sepia.dim);
}

} // namespace
} // namespace velora
