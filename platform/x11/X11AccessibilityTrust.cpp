#include "platform/x11/X11AccessibilityTrust.hpp"

namespace velora {

bool X11AccessibilityTrust::isProcessTrusted() const {
    return session_.hasXTest();
}

bool X11AccessibilityTrust::requestTrust() {
    return isProcessTrusted();
}

} // namespace velora
