#include "platform/X11AccessibilityTrust.hpp"

#include "platform/WaylandSession.hpp"
#include "platform/X11Session.hpp"

namespace velora {

bool X11AccessibilityTrust::isProcessTrusted() const {
    // XWayland offers XTEST too, but its strokes reach only X11 windows, never the Wayland
    // program in front.
    if (WaylandSession::isActive()) {
        return false;
    }
    const auto session = X11Session::ofApplication();
    return session && session->hasXTest();
}

bool X11AccessibilityTrust::requestTrust() {
    return isProcessTrusted();
}

} // namespace velora
