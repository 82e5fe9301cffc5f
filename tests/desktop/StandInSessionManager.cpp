#include "StandInSessionManager.hpp"

#include <QObject>
#include <QSocketNotifier>
#include <X11/ICE/ICElib.h>
#include <X11/SM/SMlib.h>
#include <algorithm>
#include <array>
#include <cstdlib>
#include <vector>

namespace velora::testsupport {

namespace {

Bool anyHost(char* /*hostName*/) {
    return True;
}

// libICE ends the process on a broken connection unless told otherwise, and a program that is
// killed breaks its connection.
void ignoreBrokenConnection(IceConn /*connection*/) {}

struct Client {
    IceConn ice = nullptr;
    SmsConn sms = nullptr;
    std::unique_ptr<QSocketNotifier> notifier;
};

} // namespace

struct StandInSessionManager::State {
    QString address;
    int listenerCount = 0;
    IceListenObj* listeners = nullptr;
    std::vector<std::unique_ptr<QSocketNotifier>> listening;
    std::vector<std::unique_ptr<Client>> clients;
    int registered = 0;
    int savesDone = 0;
    QObject context;

    void accept(IceListenObj listener) {
        IceAcceptStatus status = IceAcceptFailure;
        IceConn ice = IceAcceptConnection(listener, &status);
        if (ice == nullptr || status != IceAcceptSuccess) {
            return;
        }
        auto client = std::make_unique<Client>();
        client->ice = ice;
        client->notifier =
            std::make_unique<QSocketNotifier>(IceConnectionNumber(ice), QSocketNotifier::Read);
        QObject::connect(client->notifier.get(), &QSocketNotifier::activated, &context,
                         [this, ice] { process(ice); });
        clients.push_back(std::move(client));
    }

    void process(IceConn ice) {
        if (IceProcessMessages(ice, nullptr, nullptr) != IceProcessMessagesSuccess) {
            close(ice);
        }
    }

    void close(IceConn ice) {
        const auto found = std::find_if(clients.begin(), clients.end(),
                                        [&](const auto& client) { return client->ice == ice; });
        if (found == clients.end()) {
            return;
        }
        // Closing is often asked from within the notifier's own signal.
        QSocketNotifier* notifier = (*found)->notifier.release();
        notifier->setEnabled(false);
        notifier->deleteLater();
        if ((*found)->sms != nullptr) {
            SmsCleanUp((*found)->sms);
        }
        IceSetShutdownNegotiation(ice, False);
        IceCloseConnection(ice);
        clients.erase(found);
    }

    static Status newClient(SmsConn sms, SmPointer data, unsigned long* mask,
                            SmsCallbacks* callbacks, char** /*failure*/);
};

namespace {

using State = StandInSessionManager::State;

State& stateOf(SmPointer data) {
    return *static_cast<State*>(data);
}

Status registerClient(SmsConn sms, SmPointer data, char* previousId) {
    std::free(previousId);
    ++stateOf(data).registered;
    char* id = SmsGenerateClientID(sms);
    const Status status = SmsRegisterClientReply(sms, id);
    std::free(id);
    return status;
}

void closeConnection(SmsConn sms, SmPointer data, int count, char** reasons) {
    SmFreeReasons(count, reasons);
    stateOf(data).close(SmsGetIceConnection(sms));
}

void freeProperties(SmsConn, SmPointer, int count, SmProp** properties) {
    for (int i = 0; i < count; ++i) {
        SmFreeProperty(properties[i]);
    }
    std::free(properties);
}

void freeNames(SmsConn, SmPointer, int count, char** names) {
    for (int i = 0; i < count; ++i) {
        std::free(names[i]);
    }
    std::free(names);
}

} // namespace

Status State::newClient(SmsConn sms, SmPointer data, unsigned long* mask, SmsCallbacks* callbacks,
                        char** /*failure*/) {
    for (const auto& client : stateOf(data).clients) {
        if (client->ice == SmsGetIceConnection(sms)) {
            client->sms = sms;
        }
    }
    *mask = SmsRegisterClientProcMask | SmsInteractRequestProcMask | SmsInteractDoneProcMask |
            SmsSaveYourselfRequestProcMask | SmsSaveYourselfP2RequestProcMask |
            SmsSaveYourselfDoneProcMask | SmsCloseConnectionProcMask | SmsSetPropertiesProcMask |
            SmsDeletePropertiesProcMask | SmsGetPropertiesProcMask;
    callbacks->register_client = {&registerClient, data};
    callbacks->interact_request = {[](SmsConn conn, SmPointer, int) { SmsInteract(conn); }, data};
    callbacks->interact_done = {[](SmsConn, SmPointer, Bool) {}, data};
    callbacks->save_yourself_request = {[](SmsConn conn, SmPointer, int, Bool, int, Bool, Bool) {
                                            SmsSaveYourself(conn, SmSaveLocal, False,
                                                            SmInteractStyleNone, False);
                                        },
                                        data};
    callbacks->save_yourself_phase2_request = {
        [](SmsConn conn, SmPointer) { SmsSaveYourselfPhase2(conn); }, data};
    callbacks->save_yourself_done = {
        [](SmsConn, SmPointer manager, Bool) { ++stateOf(manager).savesDone; }, data};
    callbacks->close_connection = {&closeConnection, data};
    callbacks->set_properties = {&freeProperties, data};
    callbacks->delete_properties = {&freeNames, data};
    callbacks->get_properties = {
        [](SmsConn conn, SmPointer) { SmsReturnProperties(conn, 0, nullptr); }, data};
    return 1;
}

StandInSessionManager::StandInSessionManager() : state_(std::make_unique<State>()) {
    IceSetIOErrorHandler(&ignoreBrokenConnection);
    std::array<char, 256> error{};
    const int errorLength = static_cast<int>(error.size());
    if (SmsInitialize("VeloraMacTest", "1", &State::newClient, state_.get(), &anyHost, errorLength,
                      error.data()) == 0 ||
        IceListenForConnections(&state_->listenerCount, &state_->listeners, errorLength,
                                error.data()) == 0) {
        return;
    }
    for (int i = 0; i < state_->listenerCount; ++i) {
        IceListenObj listener = state_->listeners[i];
        IceSetHostBasedAuthProc(listener, &anyHost);
        auto notifier = std::make_unique<QSocketNotifier>(IceGetListenConnectionNumber(listener),
                                                          QSocketNotifier::Read);
        QObject::connect(notifier.get(), &QSocketNotifier::activated, &state_->context,
                         [state = state_.get(), listener] { state->accept(listener); });
        state_->listening.push_back(std::move(notifier));
    }
    char* ids = IceComposeNetworkIdList(state_->listenerCount, state_->listeners);
    state_->address = QString::fromLocal8Bit(ids);
    std::free(ids);
}

StandInSessionManager::~StandInSessionManager() {
    for (const auto& client : state_->clients) {
        client->notifier.reset();
        if (client->sms != nullptr) {
            SmsCleanUp(client->sms);
        }
        IceSetShutdownNegotiation(client->ice, False);
        IceCloseConnection(client->ice);
    }
    state_->listening.clear();
    if (state_->listeners != nullptr) {
        IceFreeListenObjs(state_->listenerCount, state_->listeners);
    }
}

QString StandInSessionManager::address() const {
    return state_->address;
}

int StandInSessionManager::registeredClients() const {
    return state_->registered;
}

void StandInSessionManager::requestLogoutSave() {
    for (const auto& client : state_->clients) {
        if (client->sms != nullptr) {
            SmsSaveYourself(client->sms, SmSaveBoth, True, SmInteractStyleNone, False);
        }
    }
}

int StandInSessionManager::savesDone() const {
    return state_->savesDone;
}

} // namespace velora::testsupport
