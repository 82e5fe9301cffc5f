#pragma once

#include "support/PulseServer.hpp"

#include <QDir>
#include <sys/prctl.h>

namespace velora::testsupport {

// A private speech-dispatcher playing into a PulseServer, reached by this process through
// SPEECHD_ADDRESS while the object lives.
class SpeechDispatcherServer {
public:
    explicit SpeechDispatcherServer(const PulseServer& /*sound*/) {
        const QString folder = folder_.path();
        QDir(folder).mkpath("log");
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"HOME", "XDG_RUNTIME_DIR", "XDG_CONFIG_HOME"}) {
            environment.insert(name, folder);
        }
        process_.setProcessEnvironment(environment);
        // Gone with the test, even when the test is killed.
        process_.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.setStandardOutputFile(QProcess::nullDevice());
        process_.start("speech-dispatcher",
                       {"--run-single", "--timeout", "0", "--log-level", "1",
                        "--communication-method", "unix_socket", "--socket-path", socket(),
                        "--pid-file", folder + "/pid", "--log-dir", folder + "/log"});
        if (!process_.waitForStarted()) {
            ADD_FAILURE() << "speech-dispatcher did not start";
            return;
        }
        qputenv("SPEECHD_ADDRESS", ("unix_socket:" + socket()).toUtf8());
        for (int i = 0; i < 3000 && !PulseServer::accepts(socket()); ++i) {
            QThread::msleep(10);
        }
        EXPECT_TRUE(PulseServer::accepts(socket())) << "speech-dispatcher does not answer";
    }
    ~SpeechDispatcherServer() {
        qunsetenv("SPEECHD_ADDRESS");
        if (process_.state() == QProcess::NotRunning) {
            return;
        }
        process_.terminate();
        if (!process_.waitForFinished(5000)) {
            process_.kill();
            process_.waitForFinished();
        }
    }
    SpeechDispatcherServer(const SpeechDispatcherServer&) = delete;
    SpeechDispatcherServer& operator=(const SpeechDispatcherServer&) = delete;

    QString socket() const { return folder_.filePath("speechd.sock"); }
    void kill() {
        process_.kill();
        process_.waitForFinished();
    }

private:
    QTemporaryDir folder_;
    QProcess process_;
};

} // namespace velora::testsupport
