#pragma once

#include "core/ReadingSettings.hpp"

#include <QObject>
#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QWidget;

namespace velora {

class ChunkStepper;
class SegmentedControl;
class SpeechService;
class SteppedSlider;

// A change of one reading preference, applied to the controller's current settings; the views
// never write back a copy of their own.
using SettingsEdit = std::function<void(ReadingSettings&)>;

// The reading controls both settings views offer, each bound to one preference. The views only
// lay them out. The voice picker is bound to the speech service directly.
class SettingsControls : public QObject {
    Q_OBJECT

public:
    // How the transition is picked: a menu in the settings window, segments on the card.
    enum class TransitionPicker { menu, segments };

    SettingsControls(SpeechService& speech, TransitionPicker picker, QWidget* owner);

    QComboBox* const theme;
    // Exactly one of the two exists, as chosen at construction.
    QComboBox* const transitionMenu;
    SegmentedControl* const transitionSegments;
    QCheckBox* const pivot;
    SteppedSlider* const textSize;
    QLabel* const textSizeValue;
    SteppedSlider* const speed;
    // "300 WPM · 1.2X"
    QLabel* const speedValue;
    QLabel* const speedMinimum;
    QLabel* const speedMaximum;
    ChunkStepper* const chunk;
    QCheckBox* const speech;
    QComboBox* const voice;

    void showSettings(const ReadingSettings& settings);
    void showSpeechEnabled(bool enabled);

signals:
    void settingsEdited(const velora::SettingsEdit& edit);
    void speechEnabledEdited(bool enabled);

private:
    // Fills the lists and names the controls for screen readers.
    void describeControls();
    void connectAppearance();
    // The speed and the words per chunk.
    void connectPace();
    void connectVoice();
    void showVoices();
    void showSelectedVoice();

    SpeechService& speechService_;
};

// What a speed slider and a chunk stepper change; the speed in whole words a minute.
SettingsEdit speedEdit(double rate);
SettingsEdit chunkEdit(int words);

// "1.5×": a multiplier with one decimal.
QString multiplierText(double value);

} // namespace velora
