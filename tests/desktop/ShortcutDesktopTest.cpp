#include "app/platform/DesktopShortcutSettings.hpp"
#include "platform/x11/X11GlobalHotKeyService.hpp"
#include "shell/DesktopNotifier.hpp"
#include "support/TrayParts.hpp"
#include "x11/OtherClient.hpp"

#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusVariant>
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

class ShortcutOnDesktop : public ::testing::Test, protected testsupport::TrayParts {
protected:
    QString readSelectionTitle() const { return menuTitles(*tray).front(); }

    testsupport::OtherClient desktop;
    X11GlobalHotKeyService hotKeyService;
    std::unique_ptr<TrayController> tray;
};

// The window manager holds the default, as several desktops do with a chord of their own.
TEST_F(ShortcutOnDesktop, FreshStartTakesTheNextFreePreset) {
    ASSERT_EQ(desktop.grab(XK_space, XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1), 0);
    tray = launch(hotKeyService);
    PropertyWatcher watcher;

    EXPECT_EQ(shortcut->config(), HotKeyConfig::presets()[1]);
    EXPECT_TRUE(shortcut->isRegistered());
    EXPECT_EQ(readSelectionTitle(), QStringLiteral("Read Selection  (Ctrl+Alt+Shift+Space)"));
    EXPECT_EQ(watcher.get(QStringLiteral("shortcut")), QStringLiteral("Ctrl+Alt+Shift+Space"));
    EXPECT_EQ(watcher.get(QStringLiteral("shortcutRegistered")), true);
    EXPECT_FALSE(preferences.data(QString(HotKeyConfig::preferencesKey)).has_value());
}

TEST_F(ShortcutOnDesktop, RefusedChoiceIsNotifiedOnceAndShownUnavailable) {
    StandInNotifications server;
    tray = launch(hotKeyService);
    PropertyWatcher watcher;
    ASSERT_EQ(desktop.grab(XK_s, XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1), 0);

    shortcut->choose(HotKeyConfig::presets()[2]);

    EXPECT_TRUE(QTest::qWaitFor([&] { return !server.summaries.isEmpty(); }, patienceMs));
    EXPECT_TRUE(QTest::qWaitFor([&] { return watcher.announced.size() == 2; }, patienceMs));
    EXPECT_EQ(server.summaries, QStringList{QStringLiteral("Ctrl+Alt+S is not available")});
    EXPECT_EQ(watcher.announced,
              (QVariantMap{{QStringLiteral("shortcut"), QStringLiteral("Ctrl+Alt+S")},
                           {QStringLiteral("shortcutRegistered"), false}}));
    EXPECT_EQ(readSelectionTitle(), QStringLiteral("Read Selection  (Ctrl+Alt+S unavailable)"));
    EXPECT_EQ(HotKeyConfig::load(preferences), HotKeyConfig::presets()[2]);
}

// GNOME's custom shortcuts in memory, changed from outside as the user does in GNOME's settings.
class MemoryGnomeShortcut final : public DesktopShortcutSettings {
public:
    std::optional<QString> shortcut() const override { return chord; }
    bool add(QKeyCombination) override {
        chord = QStringLiteral("Ctrl+Alt+Space");
        return true;
    }
    void remove() override { chord.reset(); }
    void watch(std::function<void()> changed) override { changedOutside = std::move(changed); }

    std::optional<QString> chord;
    std::function<void()> changedOutside;
};

// A session that lets no program grab a shortcut, as GNOME on Wayland.
class NoHotKeys final : public GlobalHotKeyService {
public:
    bool available() const override { return false; }
    void installHandler(std::function<void()>) override {}
    Registration registerHotKey(QKeyCombination) override { return {-1, {}}; }
    void unregisterHotKey(Handle) override {}
};

class GnomeRoute : public ::testing::Test, protected testsupport::TrayParts {
protected:
    void SetUp() override { trust.trusted = false; }

    std::unique_ptr<TrayController> launch() {
        return TrayParts::launch(hotKeys, {ShortcutRoute::gnomeCustomShortcut, &gnome, true});
    }

    MemoryGnomeShortcut gnome;
    NoHotKeys hotKeys;
};

TEST_F(GnomeRoute, FirstStartOffersTheShortcutOnceAndTakingItAddsIt) {
    {
        const auto tray = launch();
        PropertyWatcher watcher;
        ASSERT_EQ(reader.desktopShortcutOffers.size(), 1);
        EXPECT_TRUE(reader.desktopShortcutOffers.front().contains(QLatin1String("Ctrl+Alt+Space")));
        EXPECT_EQ(watcher.get(QStringLiteral("shortcutRegistered")), false);

        reader.addDesktopShortcut();
        EXPECT_EQ(gnome.chord, QStringLiteral("Ctrl+Alt+Space"));
        EXPECT_EQ(watcher.get(QStringLiteral("shortcutRegistered")), true);
    }
    // Declined or taken, the offer is not made again; nor while the shortcut is there.
    gnome.chord.reset();
    const auto again = launch();
    EXPECT_EQ(reader.desktopShortcutOffers.size(), 1);
}

TEST_F(GnomeRoute, ShortcutChangedInGnomesSettingsShowsOnTheBus) {
    gnome.chord = QStringLiteral("Ctrl+Alt+Space");
    const auto tray = launch();
    PropertyWatcher watcher;
    EXPECT_TRUE(reader.desktopShortcutOffers.isEmpty());
    ASSERT_TRUE(gnome.changedOutside);

    gnome.chord = QStringLiteral("Super+F8");
    gnome.changedOutside();
    EXPECT_EQ(watcher.get(QStringLiteral("shortcut")), QStringLiteral("Super+F8"));
    EXPECT_EQ(watcher.get(QStringLiteral("shortcutRegistered")), true);

    gnome.chord.reset();
    gnome.changedOutside();
    EXPECT_EQ(watcher.get(QStringLiteral("shortcutRegistered")), false);
    EXPECT_EQ(menuTitles(*tray).front(),
              QStringLiteral("Read Selection  (Ctrl+Alt+Space unavailable)"));
}

// A portal that claimed global shortcuts and then never answered: the bus settles on GNOME's
// settings once the registration asked for at start has waited its time.
class SilentPortalRoute final : public GlobalHotKeyService {
public:
    bool available() const override { return !settled_; }
    void installHandler(std::function<void()>) override {}
    Registration registerHotKey(QKeyCombination) override { return {awaitingAnswer, 1}; }
    void unregisterHotKey(Handle) override {}
    void installAnswerHandler(std::function<void(const Answer&)> answered) override {
        answered_ = std::move(answered);
    }
    std::optional<ShortcutRoute> currentRoute() const override {
        return settled_ ? ShortcutRoute::gnomeCustomShortcut : ShortcutRoute::portal;
    }

    void settle() {
        settled_ = true;
        answered_({1, -1, {}});
    }

private:
    bool settled_ = false;
    std::function<void(const Answer&)> answered_;
};

TEST_F(GnomeRoute, ASilentPortalLeavesTheShortcutToGnomesSettings) {
    StandInNotifications server;
    SilentPortalRoute portal;
    const auto tray = TrayParts::launch(portal, {ShortcutRoute::portal, &gnome, true});
    PropertyWatcher watcher;
    // Nothing is offered in GNOME's settings while the portal may still answer.
    EXPECT_TRUE(reader.desktopShortcutOffers.isEmpty());

    portal.settle();
    ASSERT_EQ(reader.desktopShortcutOffers.size(), 1);
    reader.addDesktopShortcut();
    EXPECT_EQ(gnome.chord, QStringLiteral("Ctrl+Alt+Space"));
    EXPECT_EQ(watcher.get(QStringLiteral("shortcutRegistered")), true);
    QTest::qWait(200);
    EXPECT_TRUE(server.summaries.isEmpty()) << server.summaries.join(u',').toStdString();
}

} // namespace
} // namespace velora

#include "ShortcutDesktopTest.moc"
