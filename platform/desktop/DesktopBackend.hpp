#pragma once

#include "app/platform/AccessibilityTrust.hpp"
#include "app/platform/DesktopShortcutSettings.hpp"
#include "app/platform/GlobalHotKeyService.hpp"
#include "app/platform/KeyEventPoster.hpp"
#include "app/platform/ShortcutRoute.hpp"

#include <memory>

namespace velora {

// The services that depend on the kind of session, chosen once at start-up. On X11: key grabs
// and key strokes through XTest. On Wayland, by the desktop: on KDE the portal, then KDE's own
// shortcut service; on GNOME the portal where GNOME's back end claims it, else a custom shortcut
// in GNOME's settings; elsewhere the portal. Whether the portal and KDE's service answer is asked
// without waiting: `route` is then the likely one until the bus has answered. No key strokes to
// other programs. Without a route: nothing registers, and the user binds the command in the
// desktop's settings.
struct DesktopBackend {
    bool isWayland = false;
    ShortcutRoute route = ShortcutRoute::desktopSettings;
    std::unique_ptr<GlobalHotKeyService> hotKeys;
    // On GNOME, where its settings are the route or may become it once the bus has answered.
    std::unique_ptr<DesktopShortcutSettings> desktopShortcut;
    std::unique_ptr<KeyEventPoster> keys;
    std::unique_ptr<AccessibilityTrust> trust;

    static DesktopBackend forSession();
};

} // namespace velora
