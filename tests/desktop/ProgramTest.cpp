#include "desktop/TrayHost.hpp"
#include "platform/X11Session.hpp"
#include "shell/RemoteInstance.hpp"
#include "shell/ServiceProvider.hpp"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <xcb/xcb.h>

namespace velora {
namespace {

// This test program, started with --program, runs the tray program with a reader that reports
// on standard output what it was asked.
class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override { start(); }

    void start() {
        ASSERT_TRUE(config.isValid() && runtime.isValid());
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        first.setProcessEnvironment(environment);
        first.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--program")});
        ASSERT_TRUE(first.waitForStarted());
        ASSERT_TRUE(QTest::qWaitFor([] { return RemoteInstance::isRunning(); }, 10000))
            << first.readAllStandardError().toStdString();
    }

    void TearDown() override {
        first.terminate();
        first.waitForFinished();
    }

    struct Run {
        int exitCode;
        QString errors;
    };

    Run runAgain(const QStringList& arguments) {
        QProcess second;
        second.setProcessEnvironment(environment);
        second.start(QCoreApplication::applicationFilePath(),
                     QStringList{QStringLiteral("--program")} + arguments);
        EXPECT_TRUE(QTest::qWaitFor([&] { return second.state() == QProcess::NotRunning; }, 20000));
        return {second.exitCode(), QString::fromUtf8(second.readAllStandardError())};
    }

    bool firstSaid(const QString& line) {
        return QTest::qWaitFor(
            [&] {
                heard += QString::fromUtf8(first.readAllStandardOutput());
                return heard.split(QLatin1Char('\n')).contains(line);
            },
            10000);
    }

    QTemporaryDir config;
    QTemporaryDir runtime;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    QProcess first;
    QString heard;
};

TEST_F(ProgramTest, LaterProgramsForwardTheirCommandAndExit) {
    EXPECT_TRUE(firstSaid(QStringLiteral("ready ")));

    const Run clipboard = runAgain({QStringLiteral("--read-clipboard")});
    EXPECT_EQ(clipboard.exitCode, 0);
    EXPECT_TRUE(firstSaid(QStringLiteral("clipboard ")));

    const Run files = runAgain({QStringLiteral("/nonexistent/gone.txt"), QStringLiteral("b.txt")});
    EXPECT_EQ(files.exitCode, 1);
    EXPECT_EQ(files.errors.toStdString(), "Couldn't read gone.txt\n");
    EXPECT_TRUE(firstSaid(QStringLiteral("status Couldn't read gone.txt")));
    EXPECT_EQ(first.state(), QProcess::Running);
}

TEST_F(ProgramTest, SelectionsSentOverTheBusAreReadAndPlayed) {
    QDBusMessage request = QDBusMessage::createMethodCall(
        ServiceProvider::serviceName, ServiceProvider::objectPath, ServiceProvider::interfaceName,
        QStringLiteral("readSelection"));
    request.setArguments({QStringLiteral("Hello from another program")});
    QDBusConnection::sessionBus().asyncCall(request);

    EXPECT_TRUE(firstSaid(QStringLiteral("load Hello from another program")));
    EXPECT_TRUE(firstSaid(QStringLiteral("play ")));
}

// Whether a window titled "VeloraMac" is on screen, asked of the X server.
bool panelOnScreen() {
    const auto x11 = X11Session::ofApplication();
    xcb_connection_t* connection = x11->connection;
    const std::unique_ptr<xcb_query_tree_reply_t, decltype(&std::free)> tree(
        xcb_query_tree_reply(connection, xcb_query_tree(connection, x11->root), nullptr),
        &std::free);
    const xcb_window_t* children = xcb_query_tree_children(tree.get());
    for (int i = 0; i < xcb_query_tree_children_length(tree.get()); ++i) {
        const std::unique_ptr<xcb_get_window_attributes_reply_t, decltype(&std::free)> attributes(
            xcb_get_window_attributes_reply(
                connection, xcb_get_window_attributes(connection, children[i]), nullptr),
            &std::free);
        const std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> title(
            xcb_get_property_reply(connection,
                                   xcb_get_property(connection, 0, children[i], XCB_ATOM_WM_NAME,
                                                    XCB_ATOM_STRING, 0, 64),
                                   nullptr),
            &std::free);
        if (attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE && title &&
            QByteArray(static_cast<const char*>(xcb_get_property_value(title.get())),
                       xcb_get_property_value_length(title.get())) == "VeloraMac") {
            return true;
        }
    }
    return false;
}

class TraylessProgramTest : public ProgramTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(testsupport::stopTrayHost());
        start();
    }
    void TearDown() override {
        ProgramTest::TearDown();
        ASSERT_TRUE(testsupport::startTrayHost());
    }
};

// Without a tray the panel is the only way in; the bus still is.
TEST_F(TraylessProgramTest, OpensThePanelAtStart) {
    EXPECT_TRUE(QTest::qWaitFor(panelOnScreen, 10000));
}

TEST_F(ProgramTest, StartsWithThePanelHiddenWhenThereIsATray) {
    EXPECT_TRUE(firstSaid(QStringLiteral("ready ")));
    QTest::qWait(200);
    EXPECT_FALSE(panelOnScreen());
}

// The real program, reading a selection sent over the bus: a word must be on screen. With
// VELORA_SCREENSHOT set, the screen is kept there as a PNG file.
TEST(RealProgramTest, ShowsTheFirstWordsOfASelection) {
    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* folder : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_RUNTIME_DIR"}) {
        const QString path = home.filePath(QString::fromLatin1(folder));
        ASSERT_TRUE(QDir().mkpath(path));
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                        QFileDevice::ExeOwner);
        environment.insert(QString::fromLatin1(folder), path);
    }
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(VELORAMAC), {});
    ASSERT_TRUE(program.waitForStarted());
    ASSERT_TRUE(QTest::qWaitFor([] { return RemoteInstance::isRunning(); }, 15000))
        << program.readAllStandardError().toStdString();

    QDBusMessage request = QDBusMessage::createMethodCall(
        ServiceProvider::serviceName, ServiceProvider::objectPath, ServiceProvider::interfaceName,
        QStringLiteral("readSelection"));
    // Long enough to be still playing when the screen is read.
    request.setArguments(
        {QStringLiteral("Speed reading, one steady word at a time. ").repeated(40)});
    const QDBusMessage reply = QDBusConnection::sessionBus().call(request, QDBus::BlockWithGui);
    EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
    ASSERT_TRUE(QTest::qWaitFor(panelOnScreen, 10000));

    // The pivot letter is drawn in red on the word's line, in the upper half of the centred
    // panel; "Ready" has no pivot, only the thin red ticks above and below it.
    QImage screen;
    const bool drawn = QTest::qWaitFor(
        [&] {
            screen = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
            const QRect line(screen.width() / 2 - 250, screen.height() / 2 - 200, 500, 180);
            int red = 0;
            for (int y = line.top(); y <= line.bottom(); ++y) {
                for (int x = line.left(); x <= line.right(); ++x) {
                    const QColor colour = screen.pixelColor(x, y);
                    red += colour.red() > 180 && colour.green() < 110 && colour.blue() < 110;
                }
            }
            return red > 100;
        },
        10000);
    EXPECT_TRUE(drawn);
    if (const QByteArray path = qgetenv("VELORA_SCREENSHOT"); !path.isEmpty()) {
        // Past the soft transition from the placeholder.
        QTest::qWait(90);
        screen = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
        EXPECT_TRUE(screen.save(QString::fromLocal8Bit(path)));
    }
    program.terminate();
    program.waitForFinished();
}

} // namespace
} // namespace velora
