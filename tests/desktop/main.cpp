#include "fakes/RecordingShellReader.hpp"
#include "shell/DesktopProgram.hpp"
#include "shell/ShellReader.hpp"
#include "support/PrivateSessionBus.hpp"
#include "x11/XvfbServer.hpp"

#include <QApplication>
#include <QLabel>
#include <QProcess>
#include <QSystemTrayIcon>
#include <QTest>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <unistd.h>
#include <vector>

// Every run gets a session bus, an X server and a tray host of its own: the program under test
// takes a well-known bus name and docks into whatever tray it finds.

namespace {

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
        trayHost_ = std::make_unique<QProcess>();
        trayHost_->start(QStringLiteral("trayer"),
                         {QStringLiteral("--edge"), QStringLiteral("top"),
                          QStringLiteral("--align"), QStringLiteral("right"),
                          QStringLiteral("--width"), QStringLiteral("10")});
        ASSERT_TRUE(trayHost_->waitForStarted() &&
                    QTest::qWaitFor([] { return QSystemTrayIcon::isSystemTrayAvailable(); }, 10000))
            << "no tray host appeared";
    }

    void TearDown() override {
        trayHost_->kill();
        trayHost_->waitForFinished();
        trayHost_.reset();
        application_.reset();
        server_.reset();
    }

private:
    std::unique_ptr<velora::testsupport::XvfbServer> server_;
    std::unique_ptr<QApplication> application_;
    std::unique_ptr<QProcess> trayHost_;
};

// The reader of the program that the tests start as a separate process: it tells the test on
// standard output what the shell asked of it.
class PrintingReader final : public velora::ShellReader {
public:
    void loadText(const QString& text, velora::LoadDone done) override {
        say("load", text);
        done({});
    }
    void loadFile(const std::filesystem::path& file, velora::LoadDone done) override {
        const auto [text, outcome] = velora::fakes::importForShell(file);
        if (outcome.status == velora::LoadOutcome::Status::loaded) {
            say("load", text);
        } else {
            setStatusMessage(outcome.message);
        }
        done(outcome);
    }
    void loadFromClipboard(velora::LoadDone done) override {
        say("clipboard", {});
        done({});
    }
    void play() override { say("play", {}); }
    void move(Move move) override { say("move", QString::number(static_cast<int>(move))); }
    bool isEmpty() const override { return false; }
    void setStatusMessage(const QString& message) override { say("status", message); }
    std::optional<QString> statusMessage() const override { return std::nullopt; }
    void whenSaved(std::function<void(std::optional<QString>)> done) override {
        done(std::nullopt);
    }
    void saveNow() override { say("saved", {}); }
    std::unique_ptr<QWidget> makeView(std::function<void()>) override {
        return std::make_unique<QLabel>(QStringLiteral("VeloraMac"));
    }
    void attach(velora::OverlayWindowController&) override { say("ready", {}); }
    void openSettings() override {}
    void showCaptureSupport(const velora::CaptureSupport&) override {}
    void offerDesktopShortcut(const QString& offer, std::function<void()>) override {
        say("offer", offer);
    }
    void offerMediaControls(QDBusConnection&, std::function<void()>) override { say("media", {}); }

private:
    static void say(const char* what, const QString& detail) {
        std::printf("%s %s\n", what, detail.toUtf8().constData());
        std::fflush(stdout);
    }
};

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--program") == 0) {
        return velora::DesktopProgram::run(
            argc - 1, argv + 1, [](const auto&) { return std::make_unique<PrintingReader>(); });
    }
    if (const int failed = velora::testsupport::runInPrivateSessionBus(argc, argv)) {
        return failed;
    }
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new DesktopEnvironment);
    return RUN_ALL_TESTS();
}
