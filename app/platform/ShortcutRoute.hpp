#pragma once

namespace velora {

// How this session lets one chord reach the reader from any program.
enum class ShortcutRoute {
    // X11: the program grabs the chord itself.
    keyGrab,
    // The desktop portal's global shortcuts.
    portal,
    // KDE Plasma's own global shortcut service.
    kdeGlobalAccel,
    // A custom shortcut in GNOME's settings running `veloramac --read-selection`, added on request.
    gnomeCustomShortcut,
    // None the program can take: the user binds the command in the desktop's settings.
    desktopSettings,
};

class DesktopShortcutSettings;

// What the session lets the capture do.
struct CaptureSupport {
    ShortcutRoute route = ShortcutRoute::keyGrab;
    // Whether the program may send the copy key stroke to other programs.
    bool keyStrokes = false;
    // Where the shortcut is kept in the desktop's settings, on the GNOME route.
    DesktopShortcutSettings* desktopShortcut = nullptr;
};

} // namespace velora
