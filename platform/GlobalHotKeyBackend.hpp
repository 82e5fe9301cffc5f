#pragma once

#include "app/platform/GlobalHotKeyService.hpp"

#include <memory>

namespace velora {

// Picks, once at start-up, how this session registers global shortcuts: key grabs on X11, or
// none where the session offers no route the program can take.
class GlobalHotKeyBackend {
public:
    static std::unique_ptr<GlobalHotKeyService> forSession();
};

} // namespace velora
