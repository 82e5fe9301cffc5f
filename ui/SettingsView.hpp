#pragma once

#include "app/HotKeyConfig.hpp"
#include "app/platform/ShortcutRoute.hpp"
#include "ui/SettingsControls.hpp"

#include <QWidget>
#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTabWidget;

namespace velora {

class HotKeySetting;
class ReadingTab;
class RhythmControls;
class ShortcutRecorder;
class SpeechService;
class StartAtLogin;
class StartAtLoginSwitch;

// The settings window: Reading, Voice, Shortcut and About. Reading preferences are shown as
// given and edits reported; a shortcut chosen here is stored at once.
class SettingsView : public QWidget {
    Q_OBJECT

public:
    // The Shortcut tab shows `shortcut` and stores the choices made there.
    SettingsView(SpeechService& speech, HotKeySetting& shortcut, QWidget* parent = nullptr);

    void showSettings(const ReadingSettings& settings);
    void showSpeechEnabled(bool enabled);
    // How the session's shortcut reaches the program, and whether it may send the copy stroke.
    void showCaptureSupport(const CaptureSupport& support);
    // Shows the "Start at login" line, on the Shortcut tab since the shortcut is why it matters.
    void offerStartAtLogin(StartAtLogin& startAtLogin);
    StartAtLoginSwitch* startAtLoginSwitch() const { return startAtLogin_; }

    QTabWidget& tabs() { return *tabs_; }
    SettingsControls& controls() { return *controls_; }
    RhythmControls& rhythmControls() { return *rhythmControls_; }
    QComboBox& shortcutPicker() { return *shortcut_; }
    ShortcutRecorder& shortcutRecorder() { return *recorder_; }
    QString shortcutStatusText() const;
    QString captureSupportText() const;
    // Adds or removes the shortcut in the desktop's settings, where the session has such a route.
    QPushButton& desktopShortcutButton() { return *desktopShortcutButton_; }

    // The speed ramp and resuming at the sentence's start, in that order.
    const std::array<QCheckBox*, 2>& playbackSwitches() const;

signals:
    void settingsEdited(const velora::SettingsEdit& edit);
    void speechEnabledEdited(bool enabled);

private:
    QWidget* voiceTab();
    QWidget* shortcutTab();
    QWidget* aboutTab();
    // Stores a shortcut that differs from the one in use.
    void chooseShortcut(const HotKeyConfig& chosen);
    void addOrRemoveDesktopShortcut();
    void showInPicker(const HotKeyConfig& shortcut);
    // The shortcut in use and whether the desktop granted it. The picker follows it, so the one
    // in use is never mistaken for a new choice.
    void showShortcutStatus();

    HotKeySetting& hotKey_;
    SettingsControls* controls_;
    RhythmControls* rhythmControls_;
    QTabWidget* tabs_;
    ReadingTab* reading_;
    QComboBox* shortcut_ = nullptr;
    ShortcutRecorder* recorder_ = nullptr;
    QLabel* shortcutStatus_ = nullptr;
    QLabel* captureSupport_ = nullptr;
    QPushButton* desktopShortcutButton_ = nullptr;
    QGroupBox* startup_ = nullptr;
    StartAtLoginSwitch* startAtLogin_ = nullptr;
    CaptureSupport support_;
};

} // namespace velora
