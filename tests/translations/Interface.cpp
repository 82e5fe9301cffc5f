#include "Interface.hpp"

#include "ShownTexts.hpp"

#include <QMenu>

namespace velora::testing {

Interface::Interface() {
    qputenv("XDG_DATA_HOME", dataHome_.path().toUtf8());
    speech_ = fakes::scriptedSpeechService(speechLog_, preferences_);
    library_ = std::make_unique<LibraryStore>();
    reader_ = std::make_unique<ReaderViewModel>(ReaderViewModel::Services{
        preferences_, clock_, pasteboard_, importer_, *speech_, *library_});
    panel_ = std::make_unique<ReaderView>(*reader_, *speech_, *library_, clock_, true);
    panel_->resize(1200, 700);
    settings_ = std::make_unique<SettingsView>(*speech_, shortcut_);
    settings_->showCaptureSupport({ShortcutRoute::keyGrab, true, nullptr});
    shortcut_.showRegistration(true);
    tray_ = std::make_unique<TrayController>(TrayController::Services{
        {hotKeys_, trayClock_, preferences_, shortcut_, shellReader_, trust_}, pasteboard_, keys_});
    tray_->launch(nullptr);
}

Interface::~Interface() = default;

QStringList Interface::texts() const {
    return shownTexts(*panel_) + shownTexts(*settings_) + menuTexts(*tray_->menu());
}

} // namespace velora::testing
