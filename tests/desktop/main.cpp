#include "x11/XvfbServer.hpp"

#include <QApplication>
#include <QProcess>
#include <QSystemTrayIcon>
#include <QTest>
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>
#include <unistd.h>
#include <vector>

// Every run gets a session bus, an X server and a tray host of its own: the program under test
// takes a well-known bus name and docks into whatever tray it finds.

namespace {

constexpr const char* privateBusMarker = "VELORA_TEST_PRIVATE_BUS";

int argumentCount = 1;
char programName[] = "test_desktop";
char* arguments[] = {programName, nullptr};

class DesktopEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        server_ = std::make_unique<velora::testsupport::XvfbServer>();
        ASSERT_FALSE(server_->display().isEmpty()) << "Xvfb did not start";
        qputenv("DISPLAY", server_->display().toLocal8Bit());
        qputenv("QT_QPA_PLATFORM", "xcb");
        application_ = std::make_unique<QApplication>(argumentCount, arguments);
        QApplication::setQuitOnLastWindowClosed(false);
        tray_.start(QStringLiteral("trayer"),
                    {QStringLiteral("--edge"), QStringLiteral("top"), QStringLiteral("--align"),
                     QStringLiteral("right"), QStringLiteral("--width"), QStringLiteral("10")});
        ASSERT_TRUE(tray_.waitForStarted()) << "trayer did not start";
        ASSERT_TRUE(QTest::qWaitFor([] { return QSystemTrayIcon::isSystemTrayAvailable(); }, 10000))
            << "no tray host appeared";
    }

    void TearDown() override {
        tray_.kill();
        tray_.waitForFinished();
        application_.reset();
        server_.reset();
    }

private:
    std::unique_ptr<velora::testsupport::XvfbServer> server_;
    std::unique_ptr<QApplication> application_;
    QProcess tray_;
};

} // namespace

int main(int argc, char** argv) {
    if (!std::getenv(privateBusMarker)) {
        setenv(privateBusMarker, "1", 1);
        std::vector<char*> command{const_cast<char*>("dbus-run-session"), const_cast<char*>("--")};
        command.insert(command.end(), argv, argv + argc);
        command.push_back(nullptr);
        execvp(command[0], command.data());
        return 127;
    }
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new DesktopEnvironment);
    return RUN_ALL_TESTS();
}
