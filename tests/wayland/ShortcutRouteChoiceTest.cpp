#include "app/HotKeyManager.hpp"
#include "platform/desktop/DesktopBackend.hpp"
#include "platform/desktop/TimerScheduler.hpp"
#include "platform/wayland/PortalGlobalHotKeyService.hpp"
#include "wayland/StandInKGlobalAccel.hpp"
#include "wayland/StandInPortal.hpp"

#include <QDBusConnection>
#include <QDBusVirtualObject>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

namespace velora {
namespace {

constexpr QKeyCombination ctrlAltR(Qt::ControlModifier | Qt::AltModifier, Qt::Key_R);
// Past the probe's own time-out, for a portal that never answers.
constexpr int patienceMs = 8000;

// Takes the portal's name and never answers a call, as a portal stuck starting its back end.
class SilentPortal final : public QDBusVirtualObject {
public:
    explicit SilentPortal(QDBusConnection bus) : bus_(std::move(bus)) {
        bus_.registerVirtualObject(PortalGlobalHotKeyService::objectPath, this);
        bus_.registerService(PortalGlobalHotKeyService::serviceName);
    }
    ~SilentPortal() override {
        bus_.unregisterService(PortalGlobalHotKeyService::serviceName);
        bus_.unregisterObject(PortalGlobalHotKeyService::objectPath);
    }
    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage&, const QDBusConnection&) override { return true; }

private:
    QDBusConnection bus_;
};

enum class Portal { none, working, silent };

struct Session {
    const char* name;
    Portal portal;
    bool kglobalaccel;
    ShortcutRoute route;
    bool registered;

    friend void PrintTo(const Session& session, std::ostream* out) { *out << session.name; }
};

// A KDE Plasma session on Wayland, whose desktop services stand in on a connection of their own.
class WaylandSession : public ::testing::Test {
protected:
    void SetUp() override {
        qputenv("WAYLAND_DISPLAY", "velora-test");
        qputenv("XDG_CURRENT_DESKTOP", "KDE");
    }
    void TearDown() override {
        qunsetenv("WAYLAND_DISPLAY");
        qunsetenv("XDG_CURRENT_DESKTOP");
        QDBusConnection::disconnectFromBus(QStringLiteral("desktop"));
    }

    QDBusConnection desktop =
        QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("desktop"));
    TimerScheduler scheduler;
};

class ShortcutRouteChoiceTest : public WaylandSession,
                                public ::testing::WithParamInterface<Session> {};

TEST_P(ShortcutRouteChoiceTest, StartsWithoutWaitingAndTakesTheRouteThatAnswers) {
    const Session& session = GetParam();
    std::optional<testsupport::StandInPortal> portal;
    std::optional<SilentPortal> silent;
    std::optional<testsupport::StandInKGlobalAccel> kglobalaccel;
    if (session.portal == Portal::working) {
        portal.emplace(desktop);
    } else if (session.portal == Portal::silent) {
        silent.emplace(desktop);
    }
    if (session.kglobalaccel) {
        kglobalaccel.emplace(desktop);
    }

    DesktopBackend backend = DesktopBackend::forSession();
    HotKeyManager manager(*backend.hotKeys, scheduler);
    int answers = 0;
    QObject::connect(&manager, &HotKeyManager::registrationChanged, [&answers] { ++answers; });
    // Nothing asked of the bus has been answered yet: the desktop answers later.
    EXPECT_TRUE(backend.hotKeys->available());
    EXPECT_FALSE(manager.registerKeys(ctrlAltR));
    EXPECT_TRUE(manager.isAwaitingAnswer());

    ASSERT_TRUE(QTest::qWaitFor([&] { return !manager.isAwaitingAnswer(); }, patienceMs));
    EXPECT_GE(answers, 1);
    EXPECT_EQ(manager.isRegistered(), session.registered);
    EXPECT_EQ(backend.hotKeys->currentRoute(), session.route);
    EXPECT_EQ(backend.hotKeys->available(), session.route != ShortcutRoute::desktopSettings);
    if (session.registered) {
        EXPECT_EQ(manager.boundChord(), QStringLiteral("Ctrl+Alt+R"));
    } else {
        EXPECT_TRUE(manager.refusal().has_value());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Kde, ShortcutRouteChoiceTest,
    ::testing::Values(
        Session{"PortalBeforeKGlobalAccel", Portal::working, true, ShortcutRoute::portal, true},
        Session{"PortalAlone", Portal::working, false, ShortcutRoute::portal, true},
        Session{"KGlobalAccelAlone", Portal::none, true, ShortcutRoute::kdeGlobalAccel, true},
        Session{"SilentPortalGivesWayToKGlobalAccel", Portal::silent, true,
                ShortcutRoute::kdeGlobalAccel, true},
        Session{"NothingAnswers", Portal::none, false, ShortcutRoute::desktopSettings, false}),
    [](const auto& info) { return std::string(info.param.name); });

struct GnomeCase {
    const char* name;
    Portal portal;
    ShortcutRoute route;

    friend void PrintTo(const GnomeCase& session, std::ostream* out) { *out << session.name; }
};

// A GNOME session on Wayland whose own portal back end claims global shortcuts.
class GnomeShortcutRouteTest : public WaylandSession,
                               public ::testing::WithParamInterface<GnomeCase> {
protected:
    void SetUp() override {
        WaylandSession::SetUp();
        qputenv("XDG_CURRENT_DESKTOP", "GNOME");
        ASSERT_TRUE(portals.isValid());
        QFile backend(portals.filePath(QStringLiteral("gnome.portal")));
        ASSERT_TRUE(backend.open(QIODevice::WriteOnly));
        backend.write("[portal]\nDBusName=org.freedesktop.impl.portal.desktop.gnome\n"
                      "Interfaces=org.freedesktop.impl.portal.GlobalShortcuts\nUseIn=gnome\n");
        qputenv("XDG_DESKTOP_PORTAL_DIR", portals.path().toLocal8Bit());
    }
    void TearDown() override {
        qunsetenv("XDG_DESKTOP_PORTAL_DIR");
        WaylandSession::TearDown();
    }

    QTemporaryDir portals;
};

// A portal that never answers leaves the shortcut to GNOME's own settings, as a GNOME without
// the portal's shortcuts does.
TEST_P(GnomeShortcutRouteTest, FallsBackToGnomesSettingsWhenThePortalIsSilent) {
    std::optional<testsupport::StandInPortal> portal;
    std::optional<SilentPortal> silent;
    if (GetParam().portal == Portal::working) {
        portal.emplace(desktop);
    } else {
        silent.emplace(desktop);
    }
    DesktopBackend backend = DesktopBackend::forSession();
    HotKeyManager manager(*backend.hotKeys, scheduler);
    manager.registerKeys(ctrlAltR);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !manager.isAwaitingAnswer(); }, patienceMs));
    EXPECT_EQ(backend.hotKeys->currentRoute(), GetParam().route);
    EXPECT_NE(backend.desktopShortcut, nullptr);
}

INSTANTIATE_TEST_SUITE_P(Gnome, GnomeShortcutRouteTest,
                         ::testing::Values(GnomeCase{"WorkingPortal", Portal::working,
                                                     ShortcutRoute::portal},
                                           GnomeCase{"SilentPortal", Portal::silent,
                                                     ShortcutRoute::gnomeCustomShortcut}),
                         [](const auto& info) { return std::string(info.param.name); });

// A registration released while the bus is still being asked is never made on the route.
TEST_F(WaylandSession, ReleasedBeforeTheAnswerIsNeverBound) {
    testsupport::StandInPortal portal(desktop);
    DesktopBackend backend = DesktopBackend::forSession();
    const auto registration = backend.hotKeys->registerHotKey(ctrlAltR);
    ASSERT_EQ(registration.status, GlobalHotKeyService::awaitingAnswer);
    backend.hotKeys->unregisterHotKey(*registration.handle);

    // The stand-in answers the probe within a few turns of the event loop.
    QTest::qWait(500);
    EXPECT_TRUE(portal.calls.isEmpty());
}

} // namespace
} // namespace velora
