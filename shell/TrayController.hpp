#pragma once

#include "app/LoadOutcome.hpp"
#include "app/TextCapture.hpp"
#include "app/platform/Scheduler.hpp"
#include "shell/CaptureHint.hpp"
#include "shell/InstalledVersion.hpp"
#include "shell/OverlayWindowController.hpp"
#include "shell/ServiceProvider.hpp"
#include "shell/ShortcutController.hpp"
#include "shell/TrayMenu.hpp"

#include <QObject>
#include <QString>
#include <QStringList>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

class QMenu;

namespace velora {

class KeyEventPoster;
class Pasteboard;
class ShellReader;

// The tray program: wires every way text arrives (hot key, tray menu, clipboard, the
// session-bus service, files opened from the desktop) to the reader, and writes the status
// messages of those paths. Main thread only.
class TrayController final : public QObject {
    Q_OBJECT

public:
    // All must outlive the controller.
    struct Services {
        // The reader, the platform's parts and the shortcut's route, shared with the shortcut's
        // controller.
        ShortcutController::Services shared;
        Pasteboard& pasteboard;
        KeyEventPoster& keys;
        // Wayland hands the selection only to the window with keyboard focus.
        bool selectionNeedsFocus = false;
    };

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
    void showInstalledVersion();
    void quit();
    // Reads the first entry that names a local file; the others are ignored.
    void openFiles(const QStringList& pathsOrUrls, ServiceProvider::Done done = {});

    OverlayWindowController* overlay() const { return overlay_.get(); }
    QMenu* menu() const { return menu_.menu(); }
    const TrayMenu& trayMenu() const { return menu_; }
    ServiceProvider& serviceProvider() { return serviceProvider_; }

private:
    // What follows a load: reading starts, then `then`, then `done` once the library is saved;
    // a failure goes to `done` alone.
    LoadDone startReading(ServiceProvider::Done done, std::function<void()> then);
    void connectMenu();
    void connectServices();
    void openAtStart(bool startedAtLogin);
    void captured(std::optional<QString> text);
    ShellReader& reader() const { return services_.shared.reader; }

    Services services_;
    InstalledVersion installedVersion_;
    ShortcutController shortcutController_;
    ServiceProvider serviceProvider_;
    TrayMenu menu_;
    CaptureHint hint_;
    TextCapture capture_;
    std::unique_ptr<OverlayWindowController> overlay_;
};

} // namespace velora
