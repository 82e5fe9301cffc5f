#pragma once

#include "app/HotKeySetting.hpp"
#include "app/ImportService.hpp"
#include "app/LibraryStore.hpp"
#include "app/ReaderViewModel.hpp"
#include "fakes/FakeDocumentReaders.hpp"
#include "fakes/FakeGlobalHotKeyService.hpp"
#include "fakes/FakePasteboard.hpp"
#include "fakes/FixedAccessibilityTrust.hpp"
#include "fakes/InMemoryPreferencesStore.hpp"
#include "fakes/ManualScheduler.hpp"
#include "fakes/RecordingKeyEventPoster.hpp"
#include "fakes/RecordingShellReader.hpp"
#include "fakes/ScriptedSpeechService.hpp"
#include "platform/desktop/TimerScheduler.hpp"
#include "shell/TrayController.hpp"
#include "ui/ReaderView.hpp"
#include "ui/SettingsView.hpp"

#include <QTemporaryDir>
#include <memory>

namespace velora::testing {

// The program's windows and menus as the user meets them, built on stand-ins for the desktop:
// the panel with its cards, the settings window and the tray menu.
class Interface {
public:
    Interface();
    ~Interface();

    ReaderView& panel() const { return *panel_; }
    SettingsView& settings() const { return *settings_; }
    TrayController& tray() const { return *tray_; }
    ReaderViewModel& reader() const { return *reader_; }
    const fakes::RecordingShellReader& trayReader() const { return shellReader_; }
    // What every window and the tray menu show now.
    QStringList texts() const;

private:
    QTemporaryDir dataHome_;
    fakes::InMemoryPreferencesStore preferences_;
    fakes::ManualScheduler clock_;
    fakes::FakePasteboard pasteboard_;
    ImportService importer_{std::make_shared<FakeDocumentReaders>()};
    fakes::ScriptedSpeechSynthesizer::Log speechLog_;
    std::unique_ptr<SpeechService> speech_;
    std::unique_ptr<LibraryStore> library_;
    std::unique_ptr<ReaderViewModel> reader_;
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
