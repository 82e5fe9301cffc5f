#pragma once

#include "core/ReadingMode.hpp"
#include "ui/SettingsControls.hpp"
#include "ui/SymbolButton.hpp"
#include "ui/ThemePalette.hpp"

#include <QWidget>
#include <array>

class QLabel;
class QSlider;
class QVBoxLayout;
class QToolButton;

namespace velora {

class ChunkStepper;
class SegmentedControl;
class SteppedSlider;

// The controls under the reading area: mode switch, scrubber, transport and speed. It shows
// the controller's state as given and reports what the user asks for; it keeps no state.
class ControlBar : public QWidget {
    Q_OBJECT

public:
    explicit ControlBar(QWidget* parent = nullptr);

    void showMode(ReadingMode mode);
    void showProgress(double progress);
    void showPlaying(bool playing);
    void showSpeechEnabled(bool enabled);
    // Why speech cannot be heard, or none when it can.
    void showSpeechProblem(const std::optional<QString>& problem);
    void showSettings(const ReadingSettings& settings);
    void setThemePalette(const ThemePalette& palette);

    QToolButton& modeButton(ReadingMode mode) const;
    QSlider& scrubber() const { return *scrubber_; }
    QLabel& percentLabel() const { return *percent_; }
    QToolButton& restartButton() const { return *restart_; }
    QToolButton& backButton() const { return *back_; }
    QToolButton& playButton() const { return *play_; }
    QToolButton& forwardButton() const { return *forward_; }
    QToolButton& speechButton() const { return *speech_; }
    SteppedSlider& speedSlider() const { return *speed_; }
    QLabel& rateLabel() const { return *rate_; }
    QLabel& multiplierLabel() const { return *multiplier_; }
    ChunkStepper& chunkStepper() const { return *chunk_; }
    // The controls in reading order, for the Tab key.
    std::vector<QWidget*> tabChain() const;

    // The scrubber's resolution: a step is a ten-thousandth of the text.
    static constexpr int scrubberSteps = 10000;

signals:
    void modeChosen(velora::ReadingMode mode);
    void seekRequested(double progress);
    // The scrubber's handle was taken and let go: the seeks between are one move.
    void scrubStarted();
    void scrubEnded();
    void restartRequested();
    void stepBackwardRequested();
    void playPauseRequested();
    void stepForwardRequested();
    void speechEnabledEdited(bool enabled);
    void settingsEdited(const velora::SettingsEdit& edit);

private:
    void addModes(QVBoxLayout& column);
    void addScrubber(QVBoxLayout& column);
    void addTransport(QVBoxLayout& column);
    // The speed slider with its rate, and the words per chunk.
    void addTuning(QVBoxLayout& column);

    SegmentedControl* modes_;
    QSlider* scrubber_;
    QLabel* percent_;
    SymbolButton* restart_;
    SymbolButton* back_;
    SymbolButton* play_;
    SymbolButton* forward_;
    SymbolButton* speech_;
    SteppedSlider* speed_;
    QLabel* rate_;
    QLabel* multiplier_;
    ChunkStepper* chunk_;
    bool playing_ = false;
    bool speechEnabled_ = false;
    std::optional<QString> speechProblem_;

    void showSpeechState();
};

// The whole percent read, truncated: 0.999 is 99.
int percentRead(double progress);

} // namespace velora
