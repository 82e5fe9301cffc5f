#pragma once

#include "app/platform/GlobalHotKeyService.hpp"
#include "app/platform/ShortcutRoute.hpp"

#include <memory>

namespace velora {

// A service that registers the shortcut, with the route it takes.
struct HotKeyRoute {
    std::unique_ptr<GlobalHotKeyService> service;
    ShortcutRoute route = ShortcutRoute::desktopSettings;
};

} // namespace velora
