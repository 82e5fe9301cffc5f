#include "platform/desktop/DesktopBackend.hpp"

#include "platform/wayland/GnomeCustomShortcut.hpp"
#include "platform/wayland/KGlobalAccelHotKeyService.hpp"
#include "platform/wayland/PortalGlobalHotKeyService.hpp"
#include "platform/wayland/WaylandSession.hpp"
#include "platform/x11/X11AccessibilityTrust.hpp"
#include "platform/x11/X11GlobalHotKeyService.hpp"
#include "platform/x11/X11KeyEventPoster.hpp"
#include "platform/x11/X11Session.hpp"

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

// Where no program may send key strokes to another, capture reads the selection alone.
class NoKeyStrokes final : public KeyEventPoster, public AccessibilityTrust {
public:
    bool focusTakesCopyStroke() const override { return false; }
    void postCopyStroke() override {}
    bool isProcessTrusted() const override { return false; }
    bool requestTrust() override { return false; }
};

bool isGnome() {
    return qEnvironmentVariable("XDG_CURRENT_DESKTOP")
        .split(QLatin1Char(':'))
        .contains(QLatin1String("GNOME"), Qt::CaseInsensitive);
}

void chooseWaylandShortcut(DesktopBackend& backend) {
    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (bus.isConnected() && PortalGlobalHotKeyService::isOffered(bus)) {
        backend.route = ShortcutRoute::portal;
        backend.hotKeys = std::make_unique<PortalGlobalHotKeyService>(bus);
    } else if (bus.isConnected() && KGlobalAccelHotKeyService::isOffered(bus)) {
        backend.route = ShortcutRoute::kdeGlobalAccel;
        backend.hotKeys = std::make_unique<KGlobalAccelHotKeyService>(bus);
    } else {
        backend.hotKeys = std::make_unique<NoGlobalHotKeyService>();
        if (isGnome() && GnomeCustomShortcut::isAvailable()) {
            backend.route = ShortcutRoute::gnomeCustomShortcut;
            backend.desktopShortcut = std::make_unique<GnomeCustomShortcut>();
        }
    }
}

} // namespace

DesktopBackend DesktopBackend::forSession() {
    DesktopBackend backend;
    backend.isWayland = WaylandSession::isActive();
    // Under XWayland a grab succeeds but only sees keys typed into X11 windows, and XTest
    // strokes reach only X11 windows, never the Wayland program in front.
    const auto x11 = backend.isWayland ? std::nullopt : X11Session::ofApplication();
    if (x11) {
        backend.route = ShortcutRoute::keyGrab;
        backend.hotKeys = std::make_unique<X11GlobalHotKeyService>();
        backend.keys = std::make_unique<X11KeyEventPoster>(*x11);
        backend.trust = std::make_unique<X11AccessibilityTrust>(*x11);
        return backend;
    }
    if (backend.isWayland) {
        chooseWaylandShortcut(backend);
    } else {
        backend.hotKeys = std::make_unique<NoGlobalHotKeyService>();
    }
    backend.keys = std::make_unique<NoKeyStrokes>();
    backend.trust = std::make_unique<NoKeyStrokes>();
    return backend;
}

} // namespace velora
