#include "Interface.hpp"

#include "ShownTexts.hpp"

#include <QMenu>

namespace velora::testing {

Interface::Interface() {
    panel_ = std::make_unique<ReaderView>(*vm_, *libraryModel_, clock_, true);
    panel_->resize(1200, 700);
    settings_ = std::make_unique<SettingsView>(*speech_, preferences_, notifications_);
    settings_->showCaptureSupport({ShortcutRoute::keyGrab, true, nullptr});
    settings_->showShortcutStatus(HotKeyConfig{}, true);
    tray_ = std::make_unique<TrayController>(
        TrayController::Services{shellReader_, pasteboard_, keys_, trust_, hotKeys_, trayClock_,
                                 preferences_, notifications_});
    tray_->launch(nullptr);
}

Interface::~Interface() = default;

QStringList Interface::texts() const {
    return shownTexts(*panel_) + shownTexts(*settings_) + menuTexts(*tray_->menu());
}

} // namespace velora::testing
