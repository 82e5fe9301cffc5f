#include "platform/X11AccessibilityTrust.hpp"

#include "platform/X11Session.hpp"

namespace velora {

bool X11AccessibilityTrust::isProcessTrusted() const {
    const auto session = X11Session::ofApplication();
    return session && session->hasXTest();
}

bool X11AccessibilityTrust::requestTrust() {
    return isProcessTrusted();
}

} // namespace velora
