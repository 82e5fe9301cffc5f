#pragma once

#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <cstring>
#include <gtest/gtest.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

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
        // The socket's file is made before the server listens on it.
        for (int i = 0; i < 1000 && !accepts(socket()); ++i) {
            QThread::msleep(10);
        }
        EXPECT_TRUE(accepts(socket())) << "pulseaudio does not answer";
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

    static bool accepts(const QString& path) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray name = path.toUtf8();
        std::memcpy(address.sun_path, name.constData(),
                    std::min<std::size_t>(name.size(), sizeof(address.sun_path) - 1));
        const int descriptor = ::socket(AF_UNIX, SOCK_STREAM, 0);
        const bool connected = ::connect(descriptor, reinterpret_cast<const sockaddr*>(&address),
                                         sizeof(address)) == 0;
        ::close(descriptor);
        return connected;
    }

private:
    void signal(int number) { ::kill(static_cast<pid_t>(process_.processId()), number); }

    QTemporaryDir folder_;
    QProcess process_;
};

} // namespace velora::testsupport
