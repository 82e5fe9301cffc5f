#include "platform/GlobalHotKeyBackend.hpp"

#include "platform/GnomeCustomShortcut.hpp"
#include "platform/KGlobalAccelHotKeyService.hpp"
#include "platform/PortalGlobalHotKeyService.hpp"
#include "platform/WaylandSession.hpp"
#include "platform/X11GlobalHotKeyService.hpp"
#include "platform/X11Session.hpp"

#include <QDBusConnection>

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

bool isGnome() {
    return qEnvironmentVariable("XDG_CURRENT_DESKTOP")
        .split(QLatin1Char(':'))
        .contains(QLatin1String("GNOME"), Qt::CaseInsensitive);
}

} // namespace

GlobalHotKeyBackend GlobalHotKeyBackend::forSession() {
    GlobalHotKeyBackend backend;
    // Under XWayland a grab succeeds but only sees keys typed into X11 windows.
    if (!WaylandSession::isActive()) {
        if (X11Session::ofApplication()) {
            backend.route = ShortcutRoute::keyGrab;
            backend.service = std::make_unique<X11GlobalHotKeyService>();
        } else {
            backend.service = std::make_unique<NoGlobalHotKeyService>();
        }
        return backend;
    }
    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (bus.isConnected() && PortalGlobalHotKeyService::isOffered(bus)) {
        backend.route = ShortcutRoute::portal;
        backend.service = std::make_unique<PortalGlobalHotKeyService>(bus);
    } else if (bus.isConnected() && KGlobalAccelHotKeyService::isOffered(bus)) {
        backend.route = ShortcutRoute::kdeGlobalAccel;
        backend.service = std::make_unique<KGlobalAccelHotKeyService>(bus);
    } else {
        backend.service = std::make_unique<NoGlobalHotKeyService>();
        if (isGnome() && GnomeCustomShortcut::isAvailable()) {
            backend.route = ShortcutRoute::gnomeCustomShortcut;
            backend.desktopShortcut = std::make_unique<GnomeCustomShortcut>();
        }
    }
    return backend;
}

} // namespace velora
