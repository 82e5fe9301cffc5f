#pragma once

#include <QObject>
#include <functional>
#include <memory>

class QSocketNotifier;

namespace velora {

// Whatever ends the tray program, what was read is written first. SIGTERM, SIGINT and SIGHUP
// quit through the event loop, so the normal shutdown saves; the session manager's request at
// logout and an exit() called from inside a library (Qt's, when the X connection is lost) save
// at once through `save`. One instance at a time, on the main thread.
class EndOfSession final : public QObject {
    Q_OBJECT

public:
    explicit EndOfSession(std::function<void()> save, QObject* parent = nullptr);
    // Restores the signals' default actions; an exit() after this saves nothing more.
    ~EndOfSession() override;
    EndOfSession(const EndOfSession&) = delete;
    EndOfSession& operator=(const EndOfSession&) = delete;

private:
    static void signalled(int signal);
    static void exiting();

    std::function<void()> save_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

} // namespace velora
