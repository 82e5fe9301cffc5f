#pragma once

#include "platform/speech/SpeechDispatcherState.hpp"

#include <cstddef>
#include <memory>
#include <optional>
#include <vector>

namespace velora::speechservice {

// A connection and its client id, which asking again would need the service to answer.
struct Connection {
    SPDConnection* connection;
    std::size_t client;
};

// Connects without starting a service; the service's reports on this connection reach the state.
std::optional<Connection> connect(const std::shared_ptr<SpeechDispatcher::State>& state);
void disconnect(const Connection& connection);

// The plain voices of every module but the dummy one.
std::vector<SpeechVoice> listVoices(SPDConnection* connection);

// Silences the service and hands it the job's utterance, connecting when needed; the message
// number, or none when the job only stops or the service did not take it.
std::optional<std::size_t> send(std::optional<Connection>& connection,
                                const std::shared_ptr<SpeechDispatcher::State>& state,
                                const SpeechDispatcher::State::Job& job,
                                SpeechDispatcher::MarkedText& marked);

} // namespace velora::speechservice
