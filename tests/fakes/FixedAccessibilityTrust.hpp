#pragma once

#include "app/platform/AccessibilityTrust.hpp"

namespace velora::fakes {

class FixedAccessibilityTrust final : public AccessibilityTrust {
public:
    explicit FixedAccessibilityTrust(bool trusted) : trusted(trusted) {}

    bool isProcessTrusted() const override { return trusted; }
    bool requestTrust() override { return trusted; }

    bool trusted;
};

} // namespace velora::fakes
