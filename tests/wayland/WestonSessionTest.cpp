#include "x11/XvfbServer.hpp"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace velora {
namespace {

// A Wayland session of its own: Weston on a private Xvfb (its headless back end has no seat, and
// a selection needs one), with the tray program of test_desktop, whose reader reports on
// standard output what it was asked, running as a native Wayland client.
class WestonSessionTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(xvfb.display().isEmpty()) << "Xvfb did not start";
        ASSERT_TRUE(home.isValid());
        const QString runtime = home.filePath(QStringLiteral("runtime"));
        QDir().mkpath(runtime);
        QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                           QFileDevice::ExeOwner);
        session.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
        session.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
        session.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));

        QProcessEnvironment onX = session;
        onX.insert(QStringLiteral("DISPLAY"), xvfb.display());
        weston.setProcessEnvironment(onX);
        weston.start(QStringLiteral("weston"),
                     {QStringLiteral("--backend=x11-backend.so"), QStringLiteral("--use-pixman"),
                      QStringLiteral("--no-config"), QStringLiteral("--idle-time=0"),
                      QStringLiteral("--socket=velora-weston")});
        ASSERT_TRUE(weston.waitForStarted());
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return QFile::exists(runtime + QStringLiteral("/velora-weston")); }, 15000))
            << weston.readAllStandardError().toStdString();

        session.remove(QStringLiteral("DISPLAY"));
        session.insert(QStringLiteral("WAYLAND_DISPLAY"), QStringLiteral("velora-weston"));
        session.insert(QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("wayland"));
        session.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
    }

    void TearDown() override {
        for (QProcess* process : {&holder, &program, &weston}) {
            process->terminate();
            if (!process->waitForFinished(5000)) {
                process->kill();
                process->waitForFinished();
            }
        }
    }

    // wl-copy holding `text` in the foreground; false with its complaint when it gave up.
    bool hold(const QStringList& options, const QString& text) {
        holder.setProcessEnvironment(session);
        holder.start(QStringLiteral("wl-copy"),
                     options + QStringList{QStringLiteral("--foreground"), text});
        return holder.waitForStarted() && !holder.waitForFinished(1000);
    }

    void start(QProcess& process, const QStringList& arguments) {
        process.setProcessEnvironment(session);
        process.start(QStringLiteral(TEST_DESKTOP),
                      QStringList{QStringLiteral("--program")} + arguments);
        ASSERT_TRUE(process.waitForStarted());
    }

    // Whether the program said `line` on standard output within a few seconds.
    bool said(const QString& line) {
        return QTest::qWaitFor(
            [&] {
                heard += QString::fromUtf8(program.readAllStandardOutput());
                return heard.split(QLatin1Char('\n')).contains(line);
            },
            15000);
    }

    // The desktop's custom shortcut runs the command, which hands it to the running program.
    void runCommand() {
        QProcess command;
        start(command, {QStringLiteral("--read-selection")});
        EXPECT_TRUE(command.waitForFinished(20000));
        EXPECT_EQ(command.exitCode(), 0) << command.readAllStandardError().toStdString();
    }

    testsupport::XvfbServer xvfb;
    QTemporaryDir home;
    QProcessEnvironment session = QProcessEnvironment::systemEnvironment();
    QProcess weston;
    QProcess holder;
    QProcess program;
    QString heard;
};

// Wayland hands the clipboard, like the selection, only to the window with keyboard focus: the
// shortcut's command brings the panel up, and once focused it reads.
TEST_F(WestonSessionTest, CommandFocusesThePanelAndThenReads) {
    ASSERT_TRUE(hold({}, QStringLiteral("Words on the Wayland clipboard")))
        << holder.readAllStandardError().toStdString();
    start(program, {});
    ASSERT_TRUE(said(QStringLiteral("ready "))) << program.readAllStandardError().toStdString();

    runCommand();
    EXPECT_TRUE(said(QStringLiteral("load Words on the Wayland clipboard")))
        << heard.toStdString() << program.readAllStandardError().toStdString();
    // Read twice: the second press finds the panel already up.
    heard.clear();
    runCommand();
    EXPECT_TRUE(said(QStringLiteral("load Words on the Wayland clipboard"))) << heard.toStdString();
}

TEST_F(WestonSessionTest, CommandReadsThePrimarySelection) {
    if (!hold({QStringLiteral("--primary")}, QStringLiteral("Selected words on Wayland"))) {
        GTEST_SKIP() << "wl-copy --primary: "
                     << holder.readAllStandardError().trimmed().toStdString();
    }
    start(program, {QStringLiteral("--read-selection")});
    EXPECT_TRUE(said(QStringLiteral("load Selected words on Wayland"))) << heard.toStdString();
}

} // namespace
} // namespace velora
