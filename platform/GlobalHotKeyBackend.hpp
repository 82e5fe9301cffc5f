#pragma once

#include "app/platform/DesktopShortcutSettings.hpp"
#include "app/platform/GlobalHotKeyService.hpp"
#include "app/platform/ShortcutRoute.hpp"

#include <memory>

namespace velora {

// Picks, once at start-up, how this session registers the global shortcut: key grabs on X11;
// on Wayland the desktop portal, KDE's shortcut service, or GNOME's custom shortcuts, in that
// order; else none, and the user binds the command in the desktop's settings.
struct GlobalHotKeyBackend {
    ShortcutRoute route = ShortcutRoute::desktopSettings;
    std::unique_ptr<GlobalHotKeyService> service;
    // On the GNOME route only.
    std::unique_ptr<DesktopShortcutSettings> desktopShortcut;

    static GlobalHotKeyBackend forSession();
};

} // namespace velora
