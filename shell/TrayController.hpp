#pragma once

#include "app/HotKeyConfig.hpp"
#include "app/HotKeyManager.hpp"
#include "app/LoadOutcome.hpp"
#include "app/TextCapture.hpp"
#include "app/platform/Scheduler.hpp"
#include "app/platform/ShortcutRoute.hpp"
#include "shell/InstalledVersion.hpp"
#include "shell/OverlayWindowController.hpp"
#include "shell/ServiceProvider.hpp"

#include <QObject>
#include <QString>
#include <QStringList>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QMenu;
class QSystemTrayIcon;

namespace velora {

class AccessibilityTrust;
class DesktopShortcutSettings;
class GlobalHotKeyService;
class KeyEventPoster;
class NotificationCenter;
class Pasteboard;
class PreferencesStore;
class Scheduler;
class ShellReader;

// The tray program: owns the long-lived objects, wires every way text arrives (hot key, tray
// menu, clipboard, the session-bus service, files opened from the desktop) to the reader, and
// writes the status messages of those paths. Main thread only.
class TrayController final : public QObject {
    Q_OBJECT

public:
    // All must outlive the controller.
    struct Services {
        ShellReader& reader;
        Pasteboard& pasteboard;
        KeyEventPoster& keys;
        AccessibilityTrust& trust;
        GlobalHotKeyService& hotKeyService;
        Scheduler& scheduler;
        PreferencesStore& preferences;
        NotificationCenter& notifications;
        // How the session's shortcut reaches the program; the GNOME route brings its settings.
        ShortcutRoute route = ShortcutRoute::keyGrab;
        DesktopShortcutSettings* desktopShortcut = nullptr;
        // Wayland hands the selection only to the window with keyboard focus.
        bool selectionNeedsFocus = false;
    };

    static QString readFromClipboardMessage() { return tr("Read from clipboard"); }
    // The installed icon's name in the desktop's icon theme (hicolor).
    static constexpr QLatin1String iconName{"org.veloramac.VeloraMac"};

    explicit TrayController(Services services, QObject* parent = nullptr);
    ~TrayController() override;

    // Creates the panel, the tray item and its menu, registers the stored shortcut, offers the
    // bus service on `bus` (when given) and asks for the permission to capture, in that order.
    // False when another process already offers the service. Started at login, the panel stays
    // hidden while a tray comes up within trayWaitAtLogin, since the desktop may start its
    // tray after the program.
    bool launch(QDBusConnection* bus, bool startedAtLogin = false);
    static constexpr Scheduler::Seconds trayWaitAtLogin{10};

    void captureAndShow();
    // `done` hears once the text is read and saved, or why not; `then` runs once it is on show.
    void readText(const QString& text, ServiceProvider::Done done = {},
                  std::function<void()> then = {});
    void readFile(const std::filesystem::path& file, ServiceProvider::Done done = {});
    void readClipboard();
    void showReader();
    void openSettings();
    void checkForUpdates();
    void quit();
    // Reads the first entry that names a local file; the others are ignored.
    void openFiles(const QStringList& pathsOrUrls, ServiceProvider::Done done = {});

    OverlayWindowController* overlay() const { return overlay_.get(); }
    QSystemTrayIcon* statusItem() const { return statusItem_.get(); }
    QMenu* menu() const { return menu_.get(); }
    ServiceProvider& serviceProvider() { return serviceProvider_; }

    // "Read Selection  (Ctrl+Alt+Space)" for the shortcut in use.
    QString readSelectionTitle() const;
    // The shortcut in use: the stored one, or with nothing stored the first preset the desktop
    // granted. Registered or not, a stored choice stays the one in use.
    const HotKeyConfig& shortcut() const { return shortcut_; }
    // The chord as the texts name it: the desktop's own name for it where the desktop binds it.
    QString shortcutDisplay() const;
    bool shortcutRegistered() const;

private:
    // What follows a load: reading starts, then `then`, then `done` once the library is saved;
    // a failure goes to `done` alone.
    LoadDone startReading(ServiceProvider::Done done, std::function<void()> then);
    void setupStatusItem();
    void setupHotKey();
    void setupServices();
    void registerShortcut();
    void notifyShortcutRefused() const;
    void showCaptureSupport();
    // Once, on the GNOME route while the shortcut is missing: a line in the panel that adds it.
    void offerDesktopShortcut();
    void shortcutAnswered();
    void publishShortcut();
    void hotKeyConfigChanged();
    void captured(std::optional<QString> text);
    // "press Ctrl+Alt+Space", or the menu command while the shortcut is unavailable.
    QString shortcutGesture() const;
    // The status messages that name the shortcut, for the given gesture.
    static QString clipboardFallbackMessage(const QString& gesture);
    static QString nothingToReadMessage(const QString& gesture);

    Services services_;
    InstalledVersion installedVersion_;
    HotKeyManager hotKeys_;
    ServiceProvider serviceProvider_;
    TextCapture capture_;
    std::unique_ptr<OverlayWindowController> overlay_;
    std::unique_ptr<QMenu> menu_;
    std::unique_ptr<QSystemTrayIcon> statusItem_;
    HotKeyConfig shortcut_;
    // How the texts on show ask for the shortcut.
    QString shownGesture_;
};

} // namespace velora
