#pragma once

#include <QString>
#include <memory>

namespace velora::testsupport {

// An X session manager of the test's own, speaking XSMP through libSM: a program started with
// address() in SESSION_MANAGER registers with it, and it can ask that program to save its state
// as a logout does. Main thread only; its connections are served by the event loop.
class StandInSessionManager {
public:
    StandInSessionManager();
    ~StandInSessionManager();
    StandInSessionManager(const StandInSessionManager&) = delete;
    StandInSessionManager& operator=(const StandInSessionManager&) = delete;

    // For SESSION_MANAGER; empty when listening failed.
    QString address() const;
    int registeredClients() const;
    // A logout's request (both the user's data and the session's state, as desktops ask at
    // logout): every registered program saves, and may be ended once it answered.
    void requestLogoutSave();
    // How many save requests were answered, successfully or not.
    int savesDone() const;

    struct State;

private:
    std::unique_ptr<State> state_;
};

} // namespace velora::testsupport
