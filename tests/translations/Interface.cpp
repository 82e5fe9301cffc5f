#include "Interface.hpp"

#include "ShownTexts.hpp"

#include <QMenu>

namespace velora::testing {

Interface::Interface() {
    panel_ = std::make_unique<ReaderView>(*vm_, *libraryModel_, clock_, true);
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
