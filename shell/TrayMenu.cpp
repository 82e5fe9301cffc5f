#include "shell/TrayMenu.hpp"

#include "app/HotKeySetting.hpp"
#include "shell/InstalledVersion.hpp"
#include "ui/Symbols.hpp"

#include <QIcon>
#include <QKeySequence>
#include <QMenu>
#include <QSystemTrayIcon>

namespace velora {

namespace {

// Hosts look an installed icon up by its name in the icon theme; where it is not installed, the
// pixmap travels with the item.
QIcon trayIcon() {
    if (QIcon::hasThemeIcon(TrayMenu::iconName)) {
        return QIcon::fromTheme(TrayMenu::iconName);
    }
    return QIcon(Symbols::mark().pixmap(64));
}

} // namespace

TrayMenu::TrayMenu(const HotKeySetting& shortcut, QObject* parent)
    : QObject(parent), shortcut_(shortcut) {
    connect(&shortcut_, &HotKeySetting::changed, this, [this] {
        if (item_) {
            build();
        }
    });
}

TrayMenu::~TrayMenu() = default;

QString TrayMenu::readSelectionTitle() const {
    return shortcut_.isRegistered()
               ? tr("Read Selection  (%1)").arg(shortcut_.display())
               : tr("Read Selection  (%1 unavailable)").arg(shortcut_.display());
}

void TrayMenu::show() {
    if (!item_) {
        item_ = std::make_unique<QSystemTrayIcon>(trayIcon());
        item_->setToolTip(QStringLiteral("VeloraMac"));
        connect(item_.get(), &QSystemTrayIcon::activated, this,
                [this](QSystemTrayIcon::ActivationReason reason) {
                    if (reason == QSystemTrayIcon::Trigger) {
                        emit showReaderChosen();
                    }
                });
    }
    build();
    item_->show();
}

void TrayMenu::build() {
    auto menu = std::make_unique<QMenu>();
    menu->addAction(readSelectionTitle(), this, &TrayMenu::readSelectionChosen);
    menu->addAction(tr("Read from Clipboard"), this, &TrayMenu::readClipboardChosen);
    menu->addAction(tr("Show Reader"), this, &TrayMenu::showReaderChosen);
    menu->addAction(shortcut_.isRegistered()
                        ? tr("Tip: select text anywhere, press %1").arg(shortcut_.display())
                        : tr("Tip: choose a free shortcut in Settings ▸ Shortcut"))
        ->setEnabled(false);
    menu->addSeparator();
    menu->addAction(tr("Settings…"), QKeySequence(QStringLiteral("Ctrl+,")), this,
                    &TrayMenu::settingsChosen);
    // The package manager brings new versions; the entry shows the one installed.
    menu->addAction(tr("Check for Updates…"), this, &TrayMenu::installedVersionChosen);
    menu->addSeparator();
    menu->addAction(tr("VeloraMac %1").arg(InstalledVersion::versionString()))->setEnabled(false);
    menu->addAction(tr("Quit VeloraMac"), QKeySequence(QStringLiteral("Ctrl+Q")), this,
                    &TrayMenu::quitChosen);
    item_->setContextMenu(menu.get());
    menu_ = std::move(menu);
}

} // namespace velora
