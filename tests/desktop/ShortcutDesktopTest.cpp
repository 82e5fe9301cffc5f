#include "app/HotKeyConfig.hpp"
#include "app/NotificationCenter.hpp"
#include "fakes/FakePasteboard.hpp"
#include "fakes/FixedAccessibilityTrust.hpp"
#include "fakes/InMemoryPreferencesStore.hpp"
#include "fakes/RecordingKeyEventPoster.hpp"
#include "fakes/RecordingShellReader.hpp"
#include "platform/desktop/TimerScheduler.hpp"
#include "platform/x11/X11GlobalHotKeyService.hpp"
#include "shell/DesktopNotifier.hpp"
#include "shell/TrayController.hpp"
#include "x11/OtherClient.hpp"

#include <QAction>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusVariant>
#include <QMenu>
#include <QTest>
#include <X11/keysym.h>
#include <gtest/gtest.h>
#include <memory>

namespace velora {

// A notification server on the test's private bus that only counts what it is asked to show.
class StandInNotifications : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    StandInNotifications() {
        bus_.registerObject(DesktopNotifier::objectPath, this,
                            QDBusConnection::ExportScriptableSlots);
        bus_.registerService(DesktopNotifier::serviceName);
    }
    ~StandInNotifications() override {
        bus_.unregisterService(DesktopNotifier::serviceName);
        QDBusConnection::disconnectFromBus(bus_.name());
    }

    QStringList summaries;

public slots:
    Q_SCRIPTABLE uint Notify(const QString&, uint, const QString&, const QString& summary,
                             const QString&, const QStringList&, const QVariantMap&, int) {
        summaries.append(summary);
        return static_cast<uint>(summaries.size());
    }

private:
    QDBusConnection bus_ =
        QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("notifier"));
};

// Another program's view of the service's properties, and of the changes it announces.
class PropertyWatcher : public QObject {
    Q_OBJECT

public:
    PropertyWatcher() {
        bus_.connect(ServiceProvider::serviceName, ServiceProvider::objectPath,
                     QStringLiteral("org.freedesktop.DBus.Properties"),
                     QStringLiteral("PropertiesChanged"), this,
                     SLOT(changed(QString, QVariantMap, QStringList)));
    }
    ~PropertyWatcher() override { QDBusConnection::disconnectFromBus(bus_.name()); }

    QVariant get(const QString& property) {
        QDBusMessage request = QDBusMessage::createMethodCall(
            ServiceProvider::serviceName, ServiceProvider::objectPath,
            QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
        request << QString(ServiceProvider::interfaceName) << property;
        const QDBusReply<QDBusVariant> reply = bus_.call(request, QDBus::BlockWithGui);
        return reply.isValid() ? reply.value().variant() : QVariant();
    }

    QVariantMap announced;

public slots:
    void changed(const QString& interface, const QVariantMap& properties, const QStringList&) {
        if (interface == ServiceProvider::interfaceName) {
            announced.insert(properties);
        }
    }

private:
    QDBusConnection bus_ =
        QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("watcher"));
};

namespace {

constexpr int patienceMs = 10000;

class ShortcutOnDesktop : public ::testing::Test {
protected:
    void launch() {
        tray = std::make_unique<TrayController>(TrayController::Services{
            reader, pasteboard, keys, trust, hotKeyService, scheduler, preferences, notifications});
        bus = QDBusConnection::sessionBus();
        ASSERT_TRUE(tray->launch(&bus));
    }

    QString readSelectionTitle() const { return tray->menu()->actions().front()->text(); }

    testsupport::OtherClient desktop;
    fakes::RecordingShellReader reader;
    fakes::FakePasteboard pasteboard;
    fakes::RecordingKeyEventPoster keys;
    fakes::FixedAccessibilityTrust trust{true};
    X11GlobalHotKeyService hotKeyService;
    TimerScheduler scheduler;
    fakes::InMemoryPreferencesStore preferences;
    NotificationCenter notifications;
    QDBusConnection bus{QString()};
    std::unique_ptr<TrayController> tray;
};

// The window manager holds the default, as several desktops do with a chord of their own.
TEST_F(ShortcutOnDesktop, FreshStartTakesTheNextFreePreset) {
    ASSERT_EQ(desktop.grab(XK_space, XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1), 0);
    launch();
    PropertyWatcher watcher;

    EXPECT_EQ(tray->shortcut(), HotKeyConfig::presets()[1]);
    EXPECT_TRUE(tray->shortcutRegistered());
    EXPECT_EQ(readSelectionTitle(), QStringLiteral("Read Selection  (Ctrl+Alt+Shift+Space)"));
    EXPECT_EQ(watcher.get(QStringLiteral("shortcut")), QStringLiteral("Ctrl+Alt+Shift+Space"));
    EXPECT_EQ(watcher.get(QStringLiteral("shortcutRegistered")), true);
    EXPECT_FALSE(preferences.data(QString(HotKeyConfig::preferencesKey)).has_value());
}

TEST_F(ShortcutOnDesktop, RefusedChoiceIsNotifiedOnceAndShownUnavailable) {
    StandInNotifications server;
    launch();
    PropertyWatcher watcher;
    ASSERT_EQ(desktop.grab(XK_s, XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1), 0);

    HotKeyConfig::presets()[2].save(preferences, notifications);

    EXPECT_TRUE(QTest::qWaitFor([&] { return !server.summaries.isEmpty(); }, patienceMs));
    EXPECT_TRUE(QTest::qWaitFor([&] { return watcher.announced.size() == 2; }, patienceMs));
    EXPECT_EQ(server.summaries, QStringList{QStringLiteral("Ctrl+Alt+S is taken")});
    EXPECT_EQ(watcher.announced,
              (QVariantMap{{QStringLiteral("shortcut"), QStringLiteral("Ctrl+Alt+S")},
                           {QStringLiteral("shortcutRegistered"), false}}));
    EXPECT_EQ(readSelectionTitle(), QStringLiteral("Read Selection  (Ctrl+Alt+S unavailable)"));
    EXPECT_FALSE(reader.shortcutRegistered);
    EXPECT_EQ(HotKeyConfig::load(preferences), HotKeyConfig::presets()[2]);
}

} // namespace
} // namespace velora

#include "ShortcutDesktopTest.moc"
