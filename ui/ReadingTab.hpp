#pragma once

#include "ui/SettingsControls.hpp"

#include <QScrollArea>
#include <array>

class QCheckBox;
class QLabel;

namespace velora {

class RhythmControls;
class SteppedSlider;

// The settings window's Reading tab: appearance, speed and the rhythm's pauses. The shared
// controls report their own edits; the pauses and switches made here report through this tab.
class ReadingTab final : public QScrollArea {
    Q_OBJECT

public:
    ReadingTab(SettingsControls& controls, RhythmControls& rhythm, QWidget* parent = nullptr);

    // Shows what only this tab holds.
    void showSettings(const ReadingSettings& settings);
    // The speed ramp and resuming at the sentence's start, in that order.
    const std::array<QCheckBox*, 2>& playbackSwitches() const { return switches_; }

signals:
    void settingsEdited(const velora::SettingsEdit& edit);

private:
    struct PauseControl {
        SteppedSlider* slider;
        QLabel* value;
    };

    QWidget* appearance(SettingsControls& c, RhythmControls& r);
    QWidget* speed(SettingsControls& c);
    QWidget* pauses(RhythmControls& r);
    PauseControl pauseControl(double maximum, double ReadingSettings::*field);
    QCheckBox* playbackSwitch(const QString& title, bool ReadingSettings::*field);

    // The comma, sentence and paragraph pauses, in that order.
    std::array<PauseControl, 3> pauses_{};
    std::array<QCheckBox*, 2> switches_{};
};

} // namespace velora
