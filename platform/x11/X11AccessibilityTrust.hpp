#pragma once

#include "app/platform/AccessibilityTrust.hpp"
#include "platform/x11/X11Session.hpp"

namespace velora {

// Any X11 client with the XTEST extension may send key strokes to the others; Wayland lets no
// program do so, and there is no permission to ask for.
class X11AccessibilityTrust final : public AccessibilityTrust {
public:
    explicit X11AccessibilityTrust(X11Session session) : session_(session) {}

    bool isProcessTrusted() const override;
    bool requestTrust() override;

private:
    X11Session session_;
};

} // namespace velora
