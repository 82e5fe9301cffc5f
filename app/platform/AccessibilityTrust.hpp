#pragma once

namespace velora {

// Whether this process may send synthetic key strokes to other applications.
class AccessibilityTrust {
public:
    virtual ~AccessibilityTrust();

    virtual bool isProcessTrusted() const = 0;
    // Same answer, showing the platform's own permission prompt first where the platform has one.
    virtual bool requestTrust() = 0;
};

} // namespace velora
