#include "platform/desktop/DesktopBackend.hpp"

#include "app/LogCategories.hpp"
#include "platform/wayland/FallbackHotKeyService.hpp"
#include "platform/wayland/GnomeCustomShortcut.hpp"
#include "platform/wayland/KGlobalAccelHotKeyService.hpp"
#include "platform/wayland/PortalBackends.hpp"
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
    Registration registerHotKey(QKeyCombination) override {
        return {X11GlobalHotKeyService::noDisplayStatus, std::nullopt};
    }
    QString refusalReason(Status) const override {
        return QStringLiteral("this session lets no program register a global shortcut");
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

QStringList sessionDesktops() {
    return qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(QLatin1Char(':'), Qt::SkipEmptyParts);
}

bool isDesktop(const QStringList& desktops, QLatin1String name) {
    return desktops.contains(name, Qt::CaseInsensitive);
}

// The portal counts only where this desktop's own back end serves its global shortcuts: the
// portal would otherwise hand them to another desktop's, which this session never listens to.
bool portalServesDesktop(const QDBusConnection& bus, const QStringList& desktops) {
    return bus.isConnected() && PortalBackends::installed().offerGlobalShortcuts(desktops) &&
           PortalGlobalHotKeyService::isOffered(bus);
}

void chooseKdeShortcut(DesktopBackend& backend, const QDBusConnection& bus, bool portal) {
    const bool kglobalaccel = bus.isConnected() && KGlobalAccelHotKeyService::isOffered(bus);
    if (portal && kglobalaccel) {
        backend.route = ShortcutRoute::portal;
        backend.hotKeys = std::make_unique<FallbackHotKeyService>(
            FallbackHotKeyService::Route{std::make_unique<PortalGlobalHotKeyService>(bus),
                                         ShortcutRoute::portal},
            FallbackHotKeyService::Route{std::make_unique<KGlobalAccelHotKeyService>(bus),
                                         ShortcutRoute::kdeGlobalAccel});
    } else if (portal) {
        backend.route = ShortcutRoute::portal;
        backend.hotKeys = std::make_unique<PortalGlobalHotKeyService>(bus);
    } else if (kglobalaccel) {
        backend.route = ShortcutRoute::kdeGlobalAccel;
        backend.hotKeys = std::make_unique<KGlobalAccelHotKeyService>(bus);
    }
}

void chooseWaylandShortcut(DesktopBackend& backend) {
    const QDBusConnection bus = QDBusConnection::sessionBus();
    const QStringList desktops = sessionDesktops();
    const bool portal = portalServesDesktop(bus, desktops);
    // KDE's own service is started on demand; anywhere else it would answer for a desktop that
    // never hears it.
    if (isDesktop(desktops, QLatin1String("KDE"))) {
        chooseKdeShortcut(backend, bus, portal);
    } else if (portal) {
        backend.route = ShortcutRoute::portal;
        backend.hotKeys = std::make_unique<PortalGlobalHotKeyService>(bus);
    } else if (isDesktop(desktops, QLatin1String("GNOME")) && GnomeCustomShortcut::isAvailable()) {
        backend.route = ShortcutRoute::gnomeCustomShortcut;
        backend.desktopShortcut = std::make_unique<GnomeCustomShortcut>();
    }
    if (!backend.hotKeys) {
        backend.hotKeys = std::make_unique<NoGlobalHotKeyService>();
    }
}

const char* routeName(ShortcutRoute route) {
    switch (route) {
    case ShortcutRoute::keyGrab:
        return "an X11 key grab";
    case ShortcutRoute::portal:
        return "the desktop portal's global shortcuts";
    case ShortcutRoute::kdeGlobalAccel:
        return "KDE's global shortcut service";
    case ShortcutRoute::gnomeCustomShortcut:
        return "a custom shortcut in GNOME's settings";
    case ShortcutRoute::desktopSettings:
        break;
    }
    return "none the program can take (bind veloramac --read-selection in the desktop's "
           "settings)";
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
        qCInfo(lcHotKey, "shortcut route: %s", routeName(backend.route));
        return backend;
    }
    if (backend.isWayland) {
        chooseWaylandShortcut(backend);
    } else {
        backend.hotKeys = std::make_unique<NoGlobalHotKeyService>();
    }
    backend.keys = std::make_unique<NoKeyStrokes>();
    backend.trust = std::make_unique<NoKeyStrokes>();
    qCInfo(lcHotKey, "shortcut route: %s", routeName(backend.route));
    return backend;
}

} // namespace velora
