#pragma once

#include <QLatin1String>
#include <QObject>
#include <QString>
#include <memory>

class QMenu;
class QSystemTrayIcon;

namespace velora {

class HotKeySetting;

// The tray item and its menu. The menu is built again whenever the shortcut it names changes.
class TrayMenu final : public QObject {
    Q_OBJECT

public:
    // The installed icon's name in the desktop's icon theme (hicolor).
    static constexpr QLatin1String iconName{"org.veloramac.VeloraMac"};

    explicit TrayMenu(const HotKeySetting& shortcut, QObject* parent = nullptr);
    ~TrayMenu() override;

    void show();
    QMenu* menu() const { return menu_.get(); }
    QSystemTrayIcon* item() const { return item_.get(); }
    // "Read Selection  (Ctrl+Alt+Space)" for the shortcut in use.
    QString readSelectionTitle() const;

signals:
    void readSelectionChosen();
    void readClipboardChosen();
    // Also a click on the item itself.
    void showReaderChosen();
    void settingsChosen();
    void installedVersionChosen();
    void quitChosen();

private:
    void build();

    const HotKeySetting& shortcut_;
    std::unique_ptr<QMenu> menu_;
    std::unique_ptr<QSystemTrayIcon> item_;
};

} // namespace velora
