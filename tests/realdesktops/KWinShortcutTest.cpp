#include "realdesktops/ProgramSessionTest.hpp"
#include "shell/ServiceProvider.hpp"
#include "wayland/StandInPortal.hpp"

#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QDBusVariant>
#include <QFile>
#include <QTest>
#include <gtest/gtest.h>
#include <optional>

namespace velora {
namespace {

constexpr QLatin1String selectedWords{"Words selected in another program"};

// KWin of Debian 12 on a virtual screen with its own global shortcut service, a program of the
// test's own holding the primary selection, and VeloraMac itself. The portal is started by
// the tests that want it, as its real front end with KDE's back end or as a stand-in.
class KWinShortcutTest : public testsupport::ProgramSessionTest {
protected:
    void SetUp() override {
        session.environment.insert(QStringLiteral("XDG_CURRENT_DESKTOP"), QStringLiteral("KDE"));
        ASSERT_TRUE(session.startBus(QStringLiteral("session"))) << session.output();
        // The installed compositor carries file capabilities, which a container refuses to
        // execute; a copy has none.
        const QString kwin = session.path(QStringLiteral("kwin_wayland"));
        ASSERT_TRUE(QFile::copy(QStringLiteral("/usr/bin/kwin_wayland"), kwin));
        session.start(kwin,
                      {QStringLiteral("--virtual"), QStringLiteral("--socket"),
                       QStringLiteral("velora-kwin"), QStringLiteral("--width"),
                       QStringLiteral("1024"), QStringLiteral("--height"), QStringLiteral("768")});
        ASSERT_TRUE(session.waitForRuntimeFile(QStringLiteral("velora-kwin"))) << session.output();
        session.environment.insert(QStringLiteral("WAYLAND_DISPLAY"),
                                   QStringLiteral("velora-kwin"));
        ASSERT_TRUE(session.waitForName(QStringLiteral("org.kde.kglobalaccel")))
            << session.output();
    }

    void startPortal() {
        // KDE's back end needs no screen of its own for shortcuts.
        QProcessEnvironment offscreen;
        offscreen.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        session.start(QStringLiteral("/usr/lib/x86_64-linux-gnu/libexec/xdg-desktop-portal-kde"),
                      {}, offscreen);
        ASSERT_TRUE(session.waitForName(QStringLiteral("org.freedesktop.impl.portal.desktop.kde")))
            << session.output();
        session.start(QStringLiteral("/usr/libexec/xdg-desktop-portal"), {});
        ASSERT_TRUE(session.waitForName(QStringLiteral("org.freedesktop.portal.Desktop")))
            << session.output();
    }

    // The shortcut service's component that holds the program's action, as the desktop's
    // settings show it.
    std::optional<QString> componentWithAction() const {
        const QDBusReply<QList<QDBusObjectPath>> components =
            session.bus.call(QDBusMessage::createMethodCall(
                QStringLiteral("org.kde.kglobalaccel"), QStringLiteral("/kglobalaccel"),
                QStringLiteral("org.kde.KGlobalAccel"), QStringLiteral("allComponents")));
        for (const QDBusObjectPath& component : components.value()) {
            const QDBusReply<QStringList> names = session.bus.call(QDBusMessage::createMethodCall(
                QStringLiteral("org.kde.kglobalaccel"), component.path(),
                QStringLiteral("org.kde.kglobalaccel.Component"), QStringLiteral("shortcutNames")));
            if (names.value().contains(QLatin1String("read-selection"))) {
                return component.path();
            }
        }
        return std::nullopt;
    }

    // Presses the shortcut as the desktop does when its keys are typed.
    void press() {
        const auto component = componentWithAction();
        ASSERT_TRUE(component) << session.output();
        QDBusMessage invoke = QDBusMessage::createMethodCall(
            QStringLiteral("org.kde.kglobalaccel"), *component,
            QStringLiteral("org.kde.kglobalaccel.Component"), QStringLiteral("invokeShortcut"));
        invoke << QStringLiteral("read-selection") << QStringLiteral("default");
        const QDBusMessage reply = session.bus.call(invoke);
        ASSERT_NE(reply.type(), QDBusMessage::ErrorMessage) << reply.errorMessage().toStdString();
    }

    void startProgram() { ProgramSessionTest::startProgram(QStringLiteral(VELORAMAC), {}); }

    bool registered() const { return propertyBecomes(QStringLiteral("shortcutRegistered"), true); }
};

TEST_F(KWinShortcutTest, PortalBindsTheShortcutAndAPressReadsTheSelection) {
    startPortal();
    holdSelection(selectedWords);
    startProgram();
    ASSERT_TRUE(registered()) << session.output();
    EXPECT_EQ(property(QStringLiteral("shortcut")), QStringLiteral("Ctrl+Alt+Space"));
    EXPECT_TRUE(logged(QLatin1String("shortcut route: the desktop portal's global shortcuts")));

    press();
    EXPECT_TRUE(readIntoLibrary(selectedWords)) << session.output();
}

TEST_F(KWinShortcutTest, KGlobalAccelAloneBindsTheShortcutAndAPressReadsTheSelection) {
    holdSelection(selectedWords);
    startProgram();
    ASSERT_TRUE(registered()) << session.output();
    EXPECT_TRUE(logged(QLatin1String("shortcut route: KDE's global shortcut service")));
    EXPECT_EQ(componentWithAction(), QStringLiteral("/component/veloramac"));

    press();
    EXPECT_TRUE(readIntoLibrary(selectedWords)) << session.output();
}

TEST_F(KWinShortcutTest, PortalThatBindsNothingLeavesTheShortcutToKGlobalAccel) {
    testsupport::StandInPortal portal(session.bus);
    portal.chosenTrigger.clear();
    holdSelection(selectedWords);
    startProgram();
    ASSERT_TRUE(registered()) << session.output();
    EXPECT_EQ(portal.closedSessions.size(), 1);
    EXPECT_EQ(componentWithAction(), QStringLiteral("/component/veloramac"));

    press();
    EXPECT_TRUE(readIntoLibrary(selectedWords)) << session.output();
}

} // namespace
} // namespace velora
