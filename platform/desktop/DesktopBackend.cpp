#include "platform/desktop/DesktopBackend.hpp"

#include "app/LogCategories.hpp"
#include "platform/wayland/FallbackHotKeyService.hpp"
#include "platform/wayland/GnomeCustomShortcut.hpp"
#include "platform/wayland/KGlobalAccelHotKeyService.hpp"
#include "platform/wayland/PortalBackends.hpp"
#include "platform/wayland/PortalGlobalHotKeyService.hpp"
#include "platform/wayland/ProbedHotKeyService.hpp"
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

void logRoute(ShortcutRoute route) {
    qCInfo(lcHotKey, "shortcut route: %s", routeName(route));
}

// Which service takes the shortcut, by what the session bus offers; `fallback` where nothing
// answers.
HotKeyRoute routeFor(const QDBusConnection& bus, const ShortcutRouteProbe::Offers& offers,
                     ShortcutRoute fallback) {
    if (offers.portal && offers.kglobalaccel) {
        return {std::make_unique<FallbackHotKeyService>(
                    HotKeyRoute{std::make_unique<PortalGlobalHotKeyService>(bus),
                                ShortcutRoute::portal},
                    HotKeyRoute{std::make_unique<KGlobalAccelHotKeyService>(bus),
                                ShortcutRoute::kdeGlobalAccel}),
                ShortcutRoute::portal};
    }
    if (offers.portal) {
        return {std::make_unique<PortalGlobalHotKeyService>(bus), ShortcutRoute::portal};
    }
    if (offers.kglobalaccel) {
        return {std::make_unique<KGlobalAccelHotKeyService>(bus), ShortcutRoute::kdeGlobalAccel};
    }
    return {std::make_unique<NoGlobalHotKeyService>(), fallback};
}

void chooseWaylandShortcut(DesktopBackend& backend) {
    const QDBusConnection bus = QDBusConnection::sessionBus();
    const QStringList desktops = sessionDesktops();
    // The portal counts only where this desktop's own back end serves its global shortcuts: the
    // portal would otherwise hand them to another desktop's, which this session never listens to.
    // KDE's own service is started on demand; anywhere else it would answer for a desktop that
    // never hears it.
    const ShortcutRouteProbe::Questions questions{
        bus.isConnected() && PortalBackends::installed().offerGlobalShortcuts(desktops),
        bus.isConnected() && isDesktop(desktops, QLatin1String("KDE"))};
    // On GNOME its own settings take the shortcut when no service does, also when a portal that
    // claimed to offer one never answers.
    ShortcutRoute fallback = ShortcutRoute::desktopSettings;
    if (isDesktop(desktops, QLatin1String("GNOME")) && GnomeCustomShortcut::isAvailable()) {
        fallback = ShortcutRoute::gnomeCustomShortcut;
        backend.desktopShortcut = std::make_unique<GnomeCustomShortcut>();
    }
    if (questions.portal || questions.kglobalaccel) {
        backend.route = questions.portal ? ShortcutRoute::portal : ShortcutRoute::kdeGlobalAccel;
        backend.hotKeys = std::make_unique<ProbedHotKeyService>(
            bus, questions, backend.route,
            [bus, fallback](const ShortcutRouteProbe::Offers& offers) {
                return routeFor(bus, offers, fallback);
            },
            logRoute);
        return;
    }
    backend.route = fallback;
    backend.hotKeys = std::make_unique<NoGlobalHotKeyService>();
    logRoute(backend.route);
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
        logRoute(backend.route);
        return backend;
    }
    if (backend.isWayland) {
        chooseWaylandShortcut(backend);
    } else {
        backend.hotKeys = std::make_unique<NoGlobalHotKeyService>();
        logRoute(backend.route);
    }
    backend.keys = std::make_unique<NoKeyStrokes>();
    backend.trust = std::make_unique<NoKeyStrokes>();
    return backend;
}

} // namespace velora
