#pragma once

#include <QDBusConnection>
#include <QObject>
#include <functional>

class QDBusPendingCall;

namespace velora {

// Asks the session bus which shortcut services answer, without waiting for it: the portal may
// first have to be started, and a broken one answers only when the call times out.
class ShortcutRouteProbe final : public QObject {
    Q_OBJECT

public:
    struct Questions {
        bool portal = false;
        bool kglobalaccel = false;
    };
    struct Offers {
        bool portal = false;
        bool kglobalaccel = false;
    };

    // How long the portal may take to start and answer.
    static constexpr int portalTimeoutMs = 2000;

    // `answered` runs once on the main thread, after every question has its answer; on a later
    // turn of the event loop even when nothing was asked.
    ShortcutRouteProbe(const QDBusConnection& bus, Questions questions,
                       std::function<void(const Offers&)> answered, QObject* parent = nullptr);

private:
    // `offered` reads the reply; the answer counts as no once the call fails.
    void await(const QDBusPendingCall& call, std::function<void(const QDBusMessage&)> offered);
    void settleOne();

    Offers offers_;
    int outstanding_ = 0;
    std::function<void(const Offers&)> answered_;
};

} // namespace velora
