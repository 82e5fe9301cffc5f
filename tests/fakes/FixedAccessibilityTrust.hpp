#pragma once

#include "app/platform/AccessibilityTrust.hpp"

namespace velora::fakes {

class FixedAccessibilityTrust final : public AccessibilityTrust {
public:
    explicit FixedAccessibilityTrust(bool trusted) : trusted(trusted) {}

    bool isProcessTrusted() const override { return trusted; }
    bool requestTrust() override {
        ++requests;
        return trusted;
    }

    bool trusted;
    int requests = 0;
};

} // namespace velora::fakes
