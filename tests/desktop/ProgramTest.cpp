#include "shell/RemoteInstance.hpp"
#include "shell/ServiceProvider.hpp"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace velora {
namespace {

// This test program, started with --program, runs the tray program with a reader that reports
// on standard output what it was asked.
class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
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

} // namespace
} // namespace velora
