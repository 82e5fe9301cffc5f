#pragma once

#include "platform/x11/X11Session.hpp"

#include <optional>
#include <string>
#include <vector>

namespace velora {

// The window that keyboard input goes to, as the X server and the window manager see it.
class X11FocusedWindow {
public:
    // The window manager's active window when it names one; otherwise the input focus, or the
    // top-level under the pointer when the focus follows the pointer. None when keys reach no
    // window.
    static std::optional<xcb_window_t> of(const X11Session& session);

    // The window and its ancestors below the root, innermost first.
    static std::vector<xcb_window_t> lineage(const X11Session& session, xcb_window_t window);

    // The instance and class names of WM_CLASS; empty when the window has none.
    static std::vector<std::string> windowClass(const X11Session& session, xcb_window_t window);
};

} // namespace velora
