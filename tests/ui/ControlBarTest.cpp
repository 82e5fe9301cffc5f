#include "ui/ControlBar.hpp"

#include "ViewImages.hpp"
#include "ui/ChunkStepper.hpp"
#include "ui/SteppedSlider.hpp"

#include <QLabel>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace velora {
namespace {

class PercentShown : public ::testing::TestWithParam<std::pair<double, const char*>> {};

TEST_P(PercentShown, IsTruncatedNotRounded) {
    ControlBar bar;
    bar.showProgress(GetParam().first);
    EXPECT_EQ(bar.percentLabel().text(), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Progress, PercentShown,
                         ::testing::Values(std::pair{0.999, "99%"}, std::pair{0.57, "57%"},
                                           std::pair{1.0, "100%"}, std::pair{-0.5, "0%"},
                                           std::pair{std::nan(""), "0%"}));

TEST(ControlBar, ScrubberSeeksOnlyWhenMoved) {
    ControlBar bar;
    QSignalSpy seeks(&bar, &ControlBar::seekRequested);
    bar.showProgress(0.25);
    EXPECT_EQ(seeks.count(), 0);
    bar.scrubber().setValue(ControlBar::scrubberSteps / 2);
    ASSERT_EQ(seeks.count(), 1);
    EXPECT_DOUBLE_EQ(seeks.at(0).at(0).toDouble(), 0.5);
}

// A press on the track jumps there: a page step of a long text would hardly move.
TEST(ControlBar, APressOnTheTrackSeeksToThatPlace) {
    ControlBar bar;
    bar.resize(600, bar.sizeHint().height());
    bar.show();
    QSignalSpy seeks(&bar, &ControlBar::seekRequested);
    QSlider& scrubber = bar.scrubber();
    const QPoint threeQuarters(scrubber.width() * 3 / 4, scrubber.height() / 2);
    QTest::mouseClick(&scrubber, Qt::LeftButton, {}, threeQuarters);
    ASSERT_FALSE(seeks.isEmpty());
    EXPECT_NEAR(seeks.last().at(0).toDouble(), 0.75, 0.05);
}

TEST(ControlBar, StoredRateAboveTheRangeShowsAtTheEnd) {
    ControlBar bar;
    ReadingSettings settings;
    settings.wpm = 1500;
    settings.wordsPerChunk = 4;
    bar.showSettings(settings);
    EXPECT_EQ(bar.speedSlider().value(), bar.speedSlider().maximum());
    EXPECT_EQ(bar.rateLabel().text(), "1200 WPM");
    EXPECT_EQ(bar.multiplierLabel().text(), "4.8X");
    EXPECT_FALSE(bar.chunkStepper().stepEnabled().testFlag(QAbstractSpinBox::StepUpEnabled));
}

class SelectedSegment : public ::testing::TestWithParam<ReadingTheme> {};

// The chosen mode is filled with the accent, on the pixels drawn; the others are not.
TEST_P(SelectedSegment, IsFilledWithTheAccent) {
    const ThemePalette colours = palette(GetParam(), QPalette());
    QWidget holder;
    holder.setPalette([&] {
        QPalette p;
        p.setColor(QPalette::Window, colours.windowColour());
        return p;
    }());
    ControlBar bar(&holder);
    bar.setThemePalette(colours);
    bar.showMode(ReadingMode::flow);
    holder.resize(560, 260);
    bar.resize(560, 260);
    const QImage image = testing::render(bar, colours.windowColour());
    for (ReadingMode mode : allReadingModes) {
        const QRect segment = bar.modeButton(mode).geometry().translated(
            bar.modeButton(mode).parentWidget()->mapTo(&bar, QPoint()));
        const QColor inside = image.pixelColor(segment.left() + 4, segment.center().y());
        EXPECT_EQ(testing::distance(inside, colours.accent) < 8, mode == ReadingMode::flow)
            << toString(mode);
    }
}

INSTANTIATE_TEST_SUITE_P(Themes, SelectedSegment, ::testing::ValuesIn(allReadingThemes),
                         [](const auto& info) { return std::string(toString(info.param)); });

struct SpeechStateCase {
    bool enabled;
    std::optional<QString> problem;
    const char* symbol;
    const char* tip;
};

class SpeechButtonState : public ::testing::TestWithParam<SpeechStateCase> {};

// Whatever order the two states arrive in, the button shows both.
TEST_P(SpeechButtonState, ShowsWhetherSpeechIsOnAndWhyItCannotBeHeard) {
    for (bool problemFirst : {false, true}) {
        ControlBar bar;
        if (problemFirst) {
            bar.showSpeechProblem(GetParam().problem);
        }
        bar.showSpeechEnabled(GetParam().enabled);
        if (!problemFirst) {
            bar.showSpeechProblem(GetParam().problem);
        }
        EXPECT_EQ(bar.speechButton().objectName(), GetParam().symbol);
        EXPECT_EQ(bar.speechButton().toolTip(), GetParam().tip);
    }
}

INSTANTIATE_TEST_SUITE_P(
    States, SpeechButtonState,
    ::testing::Values(SpeechStateCase{true, std::nullopt, "speaker.wave.2.fill", "Toggle speech"},
                      SpeechStateCase{false, std::nullopt, "speaker.slash.fill", "Toggle speech"},
                      SpeechStateCase{true, QString("No sound output for speech"),
                                      "speaker.badge.exclamationmark.fill",
                                      "Speech is unavailable: No sound output for speech"},
                      SpeechStateCase{false, QString("No sound output for speech"),
                                      "speaker.slash.fill", "Toggle speech"}));

} // namespace
} // namespace velora
