#pragma once

#include "app/HotKeySetting.hpp"
#include "fakes/FakeGlobalHotKeyService.hpp"
#include "fakes/FixedAccessibilityTrust.hpp"
#include "fakes/RecordingKeyEventPoster.hpp"
#include "fakes/RecordingShellReader.hpp"
#include "platform/desktop/TimerScheduler.hpp"
#include "shell/TrayController.hpp"
#include "support/ReaderOnFakes.hpp"
#include "ui/ReaderCards.hpp"
#include "ui/ReaderView.hpp"
#include "ui/SettingsView.hpp"

#include <memory>

namespace velora::testing {

// The program's windows and menus as the user meets them, built on stand-ins for the desktop:
// the panel with its cards, the settings window and the tray menu.
class Interface : private ReaderOnFakes {
public:
    Interface();
    ~Interface();

    ReaderView& panel() const { return *panel_; }
    SettingsView& settings() const { return *settings_; }
    TrayController& tray() const { return *tray_; }
    ReaderViewModel& reader() const { return *vm_; }
    const fakes::RecordingShellReader& trayReader() const { return shellReader_; }
    // What every window and the tray menu show now.
    QStringList texts() const;

private:
    std::unique_ptr<ReaderView> panel_;
    HotKeySetting shortcut_{preferences_};
    std::unique_ptr<SettingsView> settings_;
    fakes::RecordingShellReader shellReader_;
    fakes::RecordingKeyEventPoster keys_;
    fakes::FixedAccessibilityTrust trust_{true};
    fakes::FakeGlobalHotKeyService hotKeys_;
    // The capture waits for the clipboard in real time.
    TimerScheduler trayClock_;
    std::unique_ptr<TrayController> tray_;
};

} // namespace velora::testing
