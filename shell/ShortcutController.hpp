#pragma once

#include "app/HotKeyManager.hpp"
#include "app/platform/ShortcutRoute.hpp"

#include <QObject>

namespace velora {

class AccessibilityTrust;
class DesktopShortcutSettings;
class GlobalHotKeyService;
class HotKeySetting;
class PreferencesStore;
class Scheduler;
class ShellReader;

// Asks the desktop for the shortcut in use, follows the user's choices and the desktop's
// answers, and tells the user when the desktop refuses. Main thread only.
class ShortcutController final : public QObject {
    Q_OBJECT

public:
    // All must outlive the controller.
    struct Services {
        GlobalHotKeyService& hotKeyService;
        Scheduler& scheduler;
        PreferencesStore& preferences;
        HotKeySetting& shortcut;
        ShellReader& reader;
        AccessibilityTrust& trust;
        // How the session's shortcut reaches the program, until the hot-key service names the
        // route it took; GNOME's settings, where the session has them, hold the shortcut only
        // on their route.
        ShortcutRoute route = ShortcutRoute::keyGrab;
        DesktopShortcutSettings* desktopShortcut = nullptr;
    };

    explicit ShortcutController(const Services& services, QObject* parent = nullptr);

    // Registers the stored shortcut or, with none stored, the first preset the desktop grants,
    // and follows the desktop's own settings where the shortcut lives there.
    void start();
    // Once, on the GNOME route while the shortcut is missing: a line in the panel that adds it.
    void offerDesktopShortcut();

signals:
    void pressed();

private:
    void registerShortcut();
    void chosen();
    void answered();
    void desktopShortcutChanged();
    void notifyRefused() const;
    // The route in use and whether the program may send key strokes, for the texts that explain.
    void showCaptureSupport();
    ShortcutRoute currentRoute() const;
    // GNOME's settings while they are the route, else none.
    DesktopShortcutSettings* desktopShortcut() const;
    void publish();
    bool registered() const;

    Services services_;
    HotKeyManager hotKeys_;
};

} // namespace velora
