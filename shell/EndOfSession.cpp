#include "shell/EndOfSession.hpp"

#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>
#include <QThread>
#include <array>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace velora {

namespace {

constexpr std::array quitSignals{SIGTERM, SIGINT, SIGHUP};

// A signal handler may only write to a descriptor; the event loop reads the other end.
std::array<int, 2> signalPipe{-1, -1};
std::function<void()>* currentSave = nullptr;

} // namespace

EndOfSession::EndOfSession(std::function<void()> save, QObject* parent)
    : QObject(parent), save_(std::move(save)) {
    currentSave = &save_;
    static const bool registered = std::atexit(&EndOfSession::exiting) == 0;
    Q_UNUSED(registered);

    if (signalPipe[0] < 0 && ::pipe2(signalPipe.data(), O_CLOEXEC | O_NONBLOCK) != 0) {
        return;
    }
    notifier_ = std::make_unique<QSocketNotifier>(signalPipe[0], QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, [] {
        char drained[16];
        while (::read(signalPipe[0], drained, sizeof drained) > 0) {
        }
        QCoreApplication::quit();
    });
    struct sigaction action {};
    action.sa_handler = &EndOfSession::signalled;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : quitSignals) {
        ::sigaction(signal, &action, nullptr);
    }

    if (auto* gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        // Logging out may still be cancelled, so reading goes on after the save.
        connect(gui, &QGuiApplication::commitDataRequest, this,
                [this](QSessionManager&) { save_(); });
    }
}

EndOfSession::~EndOfSession() {
    for (const int signal : quitSignals) {
        std::signal(signal, SIG_DFL);
    }
    if (currentSave == &save_) {
        currentSave = nullptr;
    }
}

void EndOfSession::signalled(int /*signal*/) {
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t ignored = ::write(signalPipe[1], &byte, 1);
    errno = saved;
}

void EndOfSession::exiting() {
    // The reader lives on the main thread; an exit from elsewhere cannot safely touch it.
    const QCoreApplication* application = QCoreApplication::instance();
    if (currentSave != nullptr && application != nullptr &&
        application->thread() == QThread::currentThread()) {
        std::function<void()>* save = currentSave;
        currentSave = nullptr;
        (*save)();
    }
}

} // namespace velora
