#include "app/platform/DesktopShortcutSettings.hpp"

namespace velora {

DesktopShortcutSettings::~DesktopShortcutSettings() = default;

} // namespace velora
