#pragma once

namespace velora {

// Whether the desktop session runs on Wayland, also for a program that talks to it through
// XWayland: there no program may grab global keys or send keys to others, and the selection is
// handed only to the window with keyboard focus.
struct WaylandSession {
    static bool isActive();
};

} // namespace velora
