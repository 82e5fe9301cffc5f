#include "app/HotKeyManager.hpp"
#include "app/TextCapture.hpp"
#include "fakes/FakePasteboard.hpp"
#include "fakes/FixedAccessibilityTrust.hpp"
#include "fakes/RecordingKeyEventPoster.hpp"
#include "platform/desktop/TimerScheduler.hpp"
#include "platform/wayland/FallbackHotKeyService.hpp"
#include "platform/wayland/KGlobalAccelHotKeyService.hpp"
#include "platform/wayland/PortalGlobalHotKeyService.hpp"
#include "wayland/StandInKGlobalAccel.hpp"
#include "wayland/StandInPortal.hpp"

#include <QDBusConnection>
#include <QTest>
#include <chrono>
#include <future>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace velora {
namespace {

using ::testing::ElementsAre;

constexpr QKeyCombination ctrlAltRKeys(Qt::ControlModifier | Qt::AltModifier, Qt::Key_R);
constexpr QKeyCombination ctrlAltSpaceKeys(Qt::ControlModifier | Qt::AltModifier, Qt::Key_Space);
const int ctrlAltR = (Qt::ControlModifier | Qt::AltModifier | Qt::Key_R).toCombined();

// The program's side: the shortcut manager and the capture it triggers, reading the selection
// that another program holds. The desktop's service stands in on a connection of its own.
class DesktopShortcutServicesTest : public ::testing::Test {
protected:
    void SetUp() override {
        pasteboard.selection = QStringLiteral("Words selected elsewhere");
        pasteboard.replaceFromOutside({{fakes::FakePasteboard::plainText, QByteArray("kept")}});
    }

    void TearDown() override { QDBusConnection::disconnectFromBus(QStringLiteral("desktop")); }

    // Wires a manager on `service` to the capture, counting what each press captured.
    std::unique_ptr<HotKeyManager> managerOn(GlobalHotKeyService& service) {
        auto manager = std::make_unique<HotKeyManager>(service, scheduler);
        QObject::connect(manager.get(), &HotKeyManager::triggered, [this] {
            capture.grabSelection(
                [this](std::optional<QString> text) { captured.append(text.value_or(QString())); });
        });
        return manager;
    }

    static bool settles(const std::function<bool()>& condition) {
        return QTest::qWaitFor(condition, 5000);
    }

    // The probe waits for its answer, which the stand-ins on this thread can only give while
    // the event loop runs; a real portal is another process.
    static bool portalOffered() {
        auto offered = std::async(std::launch::async, [] {
            return PortalGlobalHotKeyService::isOffered(QDBusConnection::sessionBus());
        });
        settles(
            [&] { return offered.wait_for(std::chrono::seconds(0)) == std::future_status::ready; });
        return offered.get();
    }

    QDBusConnection desktop =
        QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("desktop"));
    TimerScheduler scheduler;
    fakes::FakePasteboard pasteboard;
    fakes::RecordingKeyEventPoster keys;
    fakes::FixedAccessibilityTrust trust{false};
    TextCapture capture{pasteboard, keys, trust, scheduler};
    QStringList captured;
};

TEST_F(DesktopShortcutServicesTest, PortalBindsTheChordAndEachActivationReadsTheSelection) {
    testsupport::StandInPortal portal(desktop);
    ASSERT_TRUE(portalOffered());
    PortalGlobalHotKeyService service(QDBusConnection::sessionBus());
    const auto manager = managerOn(service);

    EXPECT_FALSE(manager->registerKeys(ctrlAltRKeys));
    ASSERT_TRUE(settles([&] { return manager->isRegistered(); }));
    ASSERT_EQ(portal.bindings.size(), 1U);
    ASSERT_EQ(portal.bindings.front().shortcuts.size(), 1);
    const PortalShortcut& asked = portal.bindings.front().shortcuts.front();
    EXPECT_EQ(asked.id, QStringLiteral("read-selection"));
    EXPECT_EQ(asked.properties.value(QStringLiteral("preferred_trigger")),
              QStringLiteral("CTRL+ALT+r"));
    EXPECT_EQ(manager->boundChord(), QStringLiteral("Ctrl+Alt+R"));

    portal.press(QStringLiteral("some-other-action"));
    portal.press(QStringLiteral("read-selection"));
    portal.press(QStringLiteral("read-selection"));
    ASSERT_TRUE(settles([&] { return captured.size() == 2; }));
    QTest::qWait(100);
    EXPECT_THAT(captured, ElementsAre(QStringLiteral("Words selected elsewhere"),
                                      QStringLiteral("Words selected elsewhere")));
    EXPECT_EQ(keys.strokes, 0);
    EXPECT_EQ(pasteboard.string(), QStringLiteral("kept"));

    portal.rebind(QStringLiteral("Super+R"));
    EXPECT_TRUE(settles([&] { return manager->boundChord() == QStringLiteral("Super+R"); }));
}

TEST_F(DesktopShortcutServicesTest, PortalSessionsEndWithTheirRegistration) {
    testsupport::StandInPortal portal(desktop);
    PortalGlobalHotKeyService service(QDBusConnection::sessionBus());
    const auto manager = managerOn(service);

    portal.chosenTrigger.clear();
    manager->registerKeys(ctrlAltSpaceKeys);
    ASSERT_TRUE(settles([&] { return portal.closedSessions.size() == 1; }));
    EXPECT_FALSE(manager->isRegistered());

    portal.chosenTrigger = QStringLiteral("Ctrl+Alt+Space");
    manager->registerKeys(ctrlAltSpaceKeys);
    ASSERT_TRUE(settles([&] { return manager->isRegistered(); }));
    manager->registerKeys(ctrlAltRKeys);
    ASSERT_TRUE(settles([&] { return manager->isRegistered(); }));
    EXPECT_EQ(portal.closedSessions.size(), 2);
    EXPECT_EQ(portal.bindings.size(), 3U);
}

TEST_F(DesktopShortcutServicesTest, PortalThatCannotBeReachedRefuses) {
    EXPECT_FALSE(portalOffered());
    PortalGlobalHotKeyService service(QDBusConnection::sessionBus());
    const auto manager = managerOn(service);
    int answers = 0;
    QObject::connect(manager.get(), &HotKeyManager::registrationChanged, [&answers] { ++answers; });
    manager->registerKeys(ctrlAltRKeys);
    ASSERT_TRUE(settles([&] { return answers == 1; }));
    EXPECT_FALSE(manager->isRegistered());
}

// Back ends differ in where they take the shortcut from and where they tell what they bound.
struct PortalKind {
    const char* name;
    bool bindsAtCreation;
    bool creationAnswerLists;
    QString chosenTrigger;
    QStringList calls;
    bool registered;

    friend void PrintTo(const PortalKind& kind, std::ostream* out) { *out << kind.name; }
};

class PortalKindTest : public DesktopShortcutServicesTest,
                       public ::testing::WithParamInterface<PortalKind> {};

TEST_P(PortalKindTest, BindsWithoutAskingAgainWhatIsAlreadyBound) {
    testsupport::StandInPortal portal(desktop);
    portal.bindsAtCreation = GetParam().bindsAtCreation;
    portal.creationAnswerLists = GetParam().creationAnswerLists;
    portal.chosenTrigger = GetParam().chosenTrigger;
    PortalGlobalHotKeyService service(QDBusConnection::sessionBus());
    const auto manager = managerOn(service);
    int answers = 0;
    QObject::connect(manager.get(), &HotKeyManager::registrationChanged, [&answers] { ++answers; });

    manager->registerKeys(ctrlAltSpaceKeys);
    ASSERT_TRUE(settles([&] { return answers == 1; }));
    EXPECT_EQ(portal.calls, GetParam().calls);
    EXPECT_EQ(manager->isRegistered(), GetParam().registered);
    if (!GetParam().registered) {
        // Nothing bound is not the same as a chord another program holds.
        EXPECT_EQ(manager->refusal(), QStringLiteral("the desktop did not bind the shortcut"));
        return;
    }
    EXPECT_EQ(manager->boundChord(), GetParam().chosenTrigger);
    portal.press(QStringLiteral("read-selection"));
    EXPECT_TRUE(settles([&] { return captured.size() == 1; }));
}

const QString ctrlAltSpace = QStringLiteral("Ctrl+Alt+Space");

INSTANTIATE_TEST_SUITE_P(
    Backends, PortalKindTest,
    ::testing::Values(PortalKind{"bindsOnRequest",
                                 false,
                                 true,
                                 ctrlAltSpace,
                                 {"CreateSession", "ListShortcuts", "BindShortcuts"},
                                 true},
                      PortalKind{
                          "bindsAtCreation", true, true, ctrlAltSpace, {"CreateSession"}, true},
                      PortalKind{"listsOnlyWhenAsked",
                                 true,
                                 false,
                                 ctrlAltSpace,
                                 {"CreateSession", "ListShortcuts"},
                                 true},
                      PortalKind{"bindsNothing",
                                 true,
                                 true,
                                 {},
                                 {"CreateSession", "ListShortcuts", "BindShortcuts"},
                                 false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DesktopShortcutServicesTest, PortalThatBindsNothingHandsTheShortcutToKGlobalAccel) {
    testsupport::StandInPortal portal(desktop);
    testsupport::StandInKGlobalAccel kglobalaccel(desktop);
    portal.chosenTrigger.clear();
    FallbackHotKeyService service(
        {std::make_unique<PortalGlobalHotKeyService>(QDBusConnection::sessionBus()),
         ShortcutRoute::portal},
        {std::make_unique<KGlobalAccelHotKeyService>(QDBusConnection::sessionBus()),
         ShortcutRoute::kdeGlobalAccel});
    const auto manager = managerOn(service);
    EXPECT_EQ(service.currentRoute(), ShortcutRoute::portal);

    manager->registerKeys(ctrlAltRKeys);
    ASSERT_TRUE(settles([&] { return manager->isRegistered(); }));
    EXPECT_EQ(service.currentRoute(), ShortcutRoute::kdeGlobalAccel);
    EXPECT_EQ(manager->boundChord(), QStringLiteral("Ctrl+Alt+R"));
    EXPECT_EQ(portal.closedSessions.size(), 1);
    kglobalaccel.press(QStringLiteral("veloramac"), QStringLiteral("read-selection"));
    ASSERT_TRUE(settles([&] { return captured.size() == 1; }));

    // Later choices go straight to the route that works.
    manager->registerKeys(ctrlAltSpaceKeys);
    ASSERT_TRUE(settles([&] { return manager->isRegistered(); }));
    EXPECT_EQ(portal.calls.count(QStringLiteral("CreateSession")), 1);
}

TEST_F(DesktopShortcutServicesTest, KGlobalAccelRegistersTheActionAndEachPressReadsTheSelection) {
    testsupport::StandInKGlobalAccel kglobalaccel(desktop);
    ASSERT_TRUE(KGlobalAccelHotKeyService::isOffered(QDBusConnection::sessionBus()));
    KGlobalAccelHotKeyService service(QDBusConnection::sessionBus());
    const auto manager = managerOn(service);

    manager->registerKeys(ctrlAltRKeys);
    ASSERT_TRUE(settles([&] { return manager->isRegistered(); }));
    EXPECT_EQ(manager->boundChord(), QStringLiteral("Ctrl+Alt+R"));

    kglobalaccel.press(QStringLiteral("othercomponent"), QStringLiteral("read-selection"));
    kglobalaccel.press(QStringLiteral("veloramac"), QStringLiteral("read-selection"));
    ASSERT_TRUE(settles([&] { return captured.size() == 1; }));
    QTest::qWait(100);
    EXPECT_THAT(captured, ElementsAre(QStringLiteral("Words selected elsewhere")));
    EXPECT_EQ(keys.strokes, 0);

    // A chord chosen in this program's settings replaces the one of the desktop's settings.
    kglobalaccel.taken.append((Qt::ControlModifier | Qt::AltModifier | Qt::Key_Space).toCombined());
    manager->registerKeys(ctrlAltSpaceKeys);
    ASSERT_TRUE(settles([&] { return kglobalaccel.calls.size() == 5; }));
    EXPECT_THAT(kglobalaccel.calls,
                ElementsAre(QStringLiteral("doRegister veloramac/read-selection/VeloraMac/Read "
                                           "Selection"),
                            QStringLiteral("setShortcut %1 2").arg(ctrlAltR),
                            QStringLiteral("setInactive read-selection"),
                            QStringLiteral("doRegister veloramac/read-selection/VeloraMac/Read "
                                           "Selection"),
                            QStringLiteral("setShortcut %1 6").arg(kglobalaccel.taken.front())));
    EXPECT_TRUE(settles([&] { return !manager->isRegistered(); }));
    kglobalaccel.press(QStringLiteral("veloramac"), QStringLiteral("read-selection"));
    QTest::qWait(200);
    EXPECT_EQ(captured.size(), 1);
}

TEST_F(DesktopShortcutServicesTest, KGlobalAccelKeepsTheChordTheUserChoseInTheDesktop) {
    testsupport::StandInKGlobalAccel kglobalaccel(desktop);
    const int superR = (Qt::MetaModifier | Qt::Key_R).toCombined();
    kglobalaccel.stored.emplace(QStringLiteral("read-selection"), superR);
    KGlobalAccelHotKeyService service(QDBusConnection::sessionBus());
    const auto manager = managerOn(service);

    manager->registerKeys(ctrlAltRKeys);
    ASSERT_TRUE(settles([&] { return manager->isRegistered(); }));
    EXPECT_EQ(manager->boundChord(), QKeySequence(superR).toString(QKeySequence::NativeText));

    kglobalaccel.rebind({QStringLiteral("veloramac"), QStringLiteral("read-selection")}, ctrlAltR);
    EXPECT_TRUE(settles([&] { return manager->boundChord() == QStringLiteral("Ctrl+Alt+R"); }));
}

} // namespace
} // namespace velora
