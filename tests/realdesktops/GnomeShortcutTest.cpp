#include "platform/wayland/GnomeCustomShortcut.hpp"
#include "realdesktops/ProgramSessionTest.hpp"
#include "shell/ServiceProvider.hpp"

#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QDBusVariant>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <X11/keysym.h>
#include <gtest/gtest.h>
#include <vector>

namespace velora {
namespace {

const QString usersEntry = GnomeCustomShortcut::entriesFolder + QLatin1String("custom0/");

// GNOME Shell of Debian 12 headless, with gnome-settings-daemon's media keys, which run the
// custom shortcuts, and GNOME's settings store; KDE's portal and shortcut service can be started on
// the session bus, as on a machine that has KDE's libraries. The program is this test program,
// which GNOME runs by its path as it would run VeloraMac.
class GnomeShortcutTest : public testsupport::ProgramSessionTest {
protected:
    void SetUp() override {
        session.environment.insert(QStringLiteral("XDG_CURRENT_DESKTOP"), QStringLiteral("GNOME"));
        // GNOME Shell asks the system bus for logind, and believes a session is managed where
        // systemd's run-time folder exists: neither is so in a container.
        ASSERT_TRUE(session.startBus(QStringLiteral("system"))) << session.output();
        ASSERT_TRUE(session.startBus(
            QStringLiteral("session"),
            {QStringLiteral("/usr/share/dbus-1/services/ca.desrt.dconf.service"),
             QStringLiteral("/usr/share/dbus-1/services/org.kde.kglobalaccel.service"),
             QStringLiteral("/usr/share/dbus-1/services/org.freedesktop.portal.Desktop.service")}))
            << session.output();
        const QProcess& shell =
            session.start(QStringLiteral("unshare"),
                          {QStringLiteral("-m"), QStringLiteral("sh"), QStringLiteral("-c"),
                           QStringLiteral("if [ -d /run/systemd ]; then mount -t tmpfs tmpfs "
                                          "/run/systemd; fi; exec gnome-shell --headless --wayland "
                                          "--no-x11 --virtual-monitor 1280x800 --wayland-display "
                                          "velora-gnome")});
        ASSERT_TRUE(session.waitForRuntimeFile(QStringLiteral("velora-gnome"))) << session.output();
        session.environment.insert(QStringLiteral("WAYLAND_DISPLAY"),
                                   QStringLiteral("velora-gnome"));
        ASSERT_TRUE(session.waitForName(QStringLiteral("org.gnome.Shell"))) << session.output();
        // The shell ends its start in its overview, where no window gets the keyboard.
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return session.outputOf(shell).contains(QLatin1String("GNOME Shell started")); },
            testsupport::startPatienceMs))
            << session.output();
        QDBusMessage leaveOverview = QDBusMessage::createMethodCall(
            QStringLiteral("org.gnome.Shell"), QStringLiteral("/org/gnome/Shell"),
            QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Set"));
        leaveOverview << QStringLiteral("org.gnome.Shell") << QStringLiteral("OverviewActive")
                      << QVariant::fromValue(QDBusVariant(false));
        session.bus.call(leaveOverview);
        attachKeyboard();

        // The user's own shortcut, which the program must leave alone.
        gsettings({QStringLiteral("set"),
                   GnomeCustomShortcut::entrySchema + QLatin1Char(':') + usersEntry,
                   QStringLiteral("command"), QStringLiteral("x-terminal-emulator")});
        gsettings({QStringLiteral("set"), GnomeCustomShortcut::listSchema,
                   QStringLiteral("custom-keybindings"), QStringLiteral("['%1']").arg(usersEntry)});
        session.start(QStringLiteral("/usr/libexec/gsd-media-keys"), {});
        ASSERT_TRUE(session.waitForName(QStringLiteral("org.gnome.SettingsDaemon.MediaKeys")))
            << session.output();
    }

    QString gsettings(const QStringList& arguments) const {
        QProcess tool;
        tool.setProcessEnvironment(session.environment);
        tool.start(QStringLiteral("gsettings"), arguments);
        tool.waitForFinished(testsupport::eventPatienceMs);
        return QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
    }

    QString listed() const {
        return gsettings({QStringLiteral("get"), GnomeCustomShortcut::listSchema,
                          QStringLiteral("custom-keybindings")});
    }

    void startProgram() {
        ProgramSessionTest::startProgram(QCoreApplication::applicationFilePath(),
                                         {QStringLiteral("--program")});
    }

    // A remote desktop session of mutter, which gives the headless seat a keyboard: without
    // one no window gets keyboard focus, and no selection can be taken.
    void attachKeyboard() {
        const QDBusReply<QDBusObjectPath> created = session.bus.call(QDBusMessage::createMethodCall(
            remoteDesktop, QStringLiteral("/org/gnome/Mutter/RemoteDesktop"), remoteDesktop,
            QStringLiteral("CreateSession")));
        ASSERT_TRUE(created.isValid()) << created.error().message().toStdString();
        keyboard = created.value().path();
        callKeyboard(QStringLiteral("Start"), {});
    }

    void callKeyboard(const QString& method, const QVariantList& arguments) {
        QDBusMessage message = QDBusMessage::createMethodCall(
            remoteDesktop, keyboard, remoteDesktop + QStringLiteral(".Session"), method);
        message.setArguments(arguments);
        const QDBusMessage reply = session.bus.call(message);
        EXPECT_NE(reply.type(), QDBusMessage::ErrorMessage) << reply.errorMessage().toStdString();
    }

    // Types the keys as a keyboard would: pressed in order, released in reverse.
    void type(const std::vector<uint>& keys) {
        for (const uint key : keys) {
            callKeyboard(QStringLiteral("NotifyKeyboardKeysym"), {key, true});
        }
        for (auto key = keys.rbegin(); key != keys.rend(); ++key) {
            callKeyboard(QStringLiteral("NotifyKeyboardKeysym"), {*key, false});
        }
    }

    // Types the shortcut until the program hears it: the settings daemon grabs a new binding
    // some time after it was written.
    bool pressUntilLogged(QLatin1String line) {
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < testsupport::eventPatienceMs) {
            type({XK_Control_L, XK_Alt_L, XK_space});
            if (QTest::qWaitFor([&] { return session.outputOf(*program).contains(line); }, 2000)) {
                return true;
            }
        }
        return false;
    }

    const QString remoteDesktop = QStringLiteral("org.gnome.Mutter.RemoteDesktop");
    QString keyboard;
};

// KDE's portal and shortcut service are there to be started, and must not be: GNOME would never
// hear a shortcut bound in them.
TEST_F(GnomeShortcutTest, FirstStartAddsTheShortcutThatGnomeRunsByThePath) {
    startProgram();
    ASSERT_TRUE(propertyBecomes(QStringLiteral("shortcutRegistered"), true)) << session.output();
    const QString log = session.outputOf(*program);
    EXPECT_TRUE(
        log.contains(QLatin1String("shortcut route: a custom shortcut in GNOME's settings")))
        << log.toStdString();
    EXPECT_TRUE(log.contains(QLatin1String("offer "))) << log.toStdString();
    const QString ours = GnomeCustomShortcut::entriesFolder + QLatin1String("veloramac/");
    EXPECT_EQ(listed(), QStringLiteral("['%1', '%2']").arg(usersEntry, ours));

    // The press runs the program by its path, which hands the capture to the running one. (The
    // headless shell gives no test client the primary selection to hold, so the words are
    // proven on KWin.)
    EXPECT_TRUE(pressUntilLogged(QLatin1String("veloramac.capture:"))) << session.output();
    const std::string everything = session.output();
    EXPECT_EQ(everything.find("Activating service name='org.kde.kglobalaccel'"), std::string::npos);
    EXPECT_EQ(everything.find("Activating service name='org.freedesktop.portal.Desktop'"),
              std::string::npos);
}

// Removing it in GNOME's settings, as the tab's button does, reaches the running program.
TEST_F(GnomeShortcutTest, RemovalKeepsTheUsersShortcutsAndShowsInTheProgram) {
    startProgram();
    ASSERT_TRUE(propertyBecomes(QStringLiteral("shortcutRegistered"), true)) << session.output();

    QProcess& removal = session.start(QCoreApplication::applicationFilePath(),
                                      {QStringLiteral("--remove-gnome-shortcut")});
    ASSERT_TRUE(removal.waitForFinished(testsupport::eventPatienceMs)) << session.output();
    EXPECT_TRUE(propertyBecomes(QStringLiteral("shortcutRegistered"), false)) << session.output();
    EXPECT_EQ(listed(), QStringLiteral("['%1']").arg(usersEntry));
    EXPECT_EQ(gsettings({QStringLiteral("get"),
                         GnomeCustomShortcut::entrySchema + QLatin1Char(':') + usersEntry,
                         QStringLiteral("command")}),
              QStringLiteral("'x-terminal-emulator'"));
}

} // namespace
} // namespace velora
