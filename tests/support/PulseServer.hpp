#pragma once

#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/prctl.h>

namespace velora::testsupport {

// A private PulseAudio server whose one sink, a null sink, consumes audio in real time. It lives
// in a folder of its own and is reached by this process through PULSE_SERVER while the object
// lives.
class PulseServer {
public:
    PulseServer() {
        const QString folder = folder_.path();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"HOME", "XDG_RUNTIME_DIR", "XDG_CONFIG_HOME", "PULSE_RUNTIME_PATH",
                                 "PULSE_STATE_PATH"}) {
            environment.insert(name, folder);
        }
        environment.insert("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + folder + "/no-bus");
        process_.setProcessEnvironment(environment);
        // Gone with the test, even when the test is killed.
        process_.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.setStandardOutputFile(QProcess::nullDevice());
        process_.start("pulseaudio",
                       {"--daemonize=no", "--exit-idle-time=-1", "-n", "--use-pid-file=no",
                        "--disable-shm=yes", "--log-level=error", "--system=no", "-L",
                        "module-null-sink sink_name=speech", "-L",
                        "module-native-protocol-unix auth-anonymous=1 socket=" + socket()});
        if (!process_.waitForStarted()) {
            ADD_FAILURE() << "pulseaudio did not start";
            return;
        }
        qputenv("PULSE_SERVER", ("unix:" + socket()).toUtf8());
        for (int i = 0; i < 500 && !QFile::exists(socket()); ++i) {
            QThread::msleep(10);
        }
        EXPECT_TRUE(QFile::exists(socket())) << "pulseaudio made no socket";
    }
    ~PulseServer() {
        qunsetenv("PULSE_SERVER");
        if (process_.state() != QProcess::NotRunning) {
            signal(SIGCONT);
            process_.kill();
            process_.waitForFinished();
        }
    }
    PulseServer(const PulseServer&) = delete;
    PulseServer& operator=(const PulseServer&) = delete;

    QString socket() const { return folder_.filePath("native"); }
    void freeze() { signal(SIGSTOP); }
    void thaw() { signal(SIGCONT); }
    void kill() {
        process_.kill();
        process_.waitForFinished();
    }

private:
    void signal(int number) { ::kill(static_cast<pid_t>(process_.processId()), number); }

    QTemporaryDir folder_;
    QProcess process_;
};

} // namespace velora::testsupport
