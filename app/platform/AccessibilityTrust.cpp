#include "app/platform/AccessibilityTrust.hpp"

namespace velora {

AccessibilityTrust::~AccessibilityTrust() = default;

} // namespace velora
