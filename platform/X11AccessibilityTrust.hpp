#pragma once

#include "app/platform/AccessibilityTrust.hpp"

namespace velora {

// Any X11 client with the XTEST extension may send key strokes to the others; Wayland lets no
// program do so, and there is no permission to ask for.
class X11AccessibilityTrust final : public AccessibilityTrust {
public:
    bool isProcessTrusted() const override;
    bool requestTrust() override;
};

} // namespace velora
