#include "platform/GlobalHotKeyBackend.hpp"

#include "platform/X11GlobalHotKeyService.hpp"
#include "platform/X11Session.hpp"

namespace velora {

namespace {

// Refuses every registration, as a session without key grabs does.
class NoGlobalHotKeyService final : public GlobalHotKeyService {
public:
    bool available() const override { return false; }
    void installHandler(std::function<void()>) override {}
    Registration registerHotKey(std::uint32_t, std::uint32_t) override {
        return {X11GlobalHotKeyService::noDisplayStatus, std::nullopt};
    }
    void unregisterHotKey(Handle) override {}
};

} // namespace

std::unique_ptr<GlobalHotKeyService> GlobalHotKeyBackend::forSession() {
    if (X11Session::ofApplication()) {
        return std::make_unique<X11GlobalHotKeyService>();
    }
    return std::make_unique<NoGlobalHotKeyService>();
}

} // namespace velora
