#include "platform/speech/SpeechDispatcher.hpp"

#include "platform/speech/SpeechDispatcherState.hpp"
#include "platform/speech/SpeechServiceConnection.hpp"

#include <chrono>
#include <csignal>
#include <thread>

namespace velora {

namespace {
// Quitting waits this long for the service's thread, then leaves it to end on its own.
constexpr auto quitWait = std::chrono::milliseconds(300);

// libspeechd writes to its socket without guarding against a service that went away, and the
// signal would end the program. Its own thread, started from the caller's, inherits the mask.
void blockBrokenPipeSignal() {
    sigset_t pipe;
    sigemptyset(&pipe);
    sigaddset(&pipe, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipe, nullptr);
}
} // namespace

SpeechDispatcher::SpeechDispatcher() : state_(std::make_shared<State>()) {
    std::thread([state = state_] { work(state); }).detach();
}

// The thread is detached and owns the state with us: a service that never answers keeps only
// that thread waiting, never the program's end.
SpeechDispatcher::~SpeechDispatcher() {
    std::unique_lock lock(state_->mutex);
    state_->quitting = true;
    state_->observer = nullptr;
    state_->onVoicesChanged = nullptr;
    state_->wake.notify_all();
    state_->exited.wait_for(lock, quitWait, [this] { return state_->done; });
}

bool SpeechDispatcher::isOwnVoice(const std::optional<QString>& identifier) {
    return identifier && identifier->startsWith(identifierPrefix);
}

std::vector<SpeechVoice> SpeechDispatcher::voices() const {
    std::lock_guard lock(state_->mutex);
    return state_->voices;
}

void SpeechDispatcher::setOnVoicesChanged(std::function<void()> callback) {
    std::lock_guard lock(state_->mutex);
    state_->onVoicesChanged = std::move(callback);
}

void SpeechDispatcher::setObserver(SpeechSynthesizerObserver* observer) {
    std::lock_guard lock(state_->mutex);
    state_->observer = observer;
}

UtteranceId SpeechDispatcher::speak(const SpeechUtterance& utterance) {
    std::lock_guard lock(state_->mutex);
    const UtteranceId id = ++state_->lastId;
    state_->speaking = id;
    state_->jobs.push_back({id, utterance, false});
    state_->wake.notify_all();
    return id;
}

void SpeechDispatcher::stop() {
    std::lock_guard lock(state_->mutex);
    state_->speaking = 0;
    state_->jobs.clear();
    state_->jobs.push_back({0, {}, true});
    state_->wake.notify_all();
}

bool SpeechDispatcher::isSpeaking() const {
    std::lock_guard lock(state_->mutex);
    return state_->speaking != 0;
}

SpeechDispatcher::MarkedText SpeechDispatcher::markedText(const QString& text) {
    MarkedText marked;
    marked.ssml = "<speak>";
    qsizetype position = 0;
    while (position < text.size()) {
        while (position < text.size() && text[position].isSpace()) {
            ++position;
        }
        const qsizetype start = position;
        while (position < text.size() && !text[position].isSpace()) {
            ++position;
        }
        if (position == start) {
            break;
        }
        const QString word = text.mid(start, position - start);
        marked.ssml += "<mark name=\"" + QByteArray::number(marked.words.size()) + "\"/>" +
                       word.toHtmlEscaped().toUtf8() + ' ';
        marked.words.push_back({start, position - start});
    }
    marked.ssml += "</speak>";
    return marked;
}

void SpeechDispatcher::work(const std::shared_ptr<State>& state) {
    blockBrokenPipeSignal();
    std::optional<speechservice::Connection> connection = speechservice::connect(state);
    if (connection) {
        state->publishVoices(speechservice::listVoices(connection->connection));
    }

    std::unique_lock lock(state->mutex);
    while (!state->quitting) {
        // A service that went away sends nothing more: an utterance it has been silent about
        // for too long has failed.
        if (!state->wake.wait_for(lock, State::silenceLimit / 4,
                                  [&] { return state->quitting || !state->jobs.empty(); })) {
            state->failSilent(lock);
            continue;
        }
        if (state->quitting) {
            break;
        }
        const State::Job job = std::move(state->jobs.front());
        state->jobs.pop_front();
        SpeechSynthesizerObserver* const observer = state->observer;
        lock.unlock();
        MarkedText marked;
        const std::optional<std::size_t> message =
            speechservice::send(connection, state, job, marked);
        lock.lock();
        if (job.stop) {
            continue;
        }
        if (!message) {
            state->fail(job.id, observer, lock);
            continue;
        }
        state->track(*message, job.id, std::move(marked.words), lock);
    }
    lock.unlock();

    if (connection) {
        speechservice::disconnect(*connection);
    }
    lock.lock();
    state->done = true;
    state->exited.notify_all();
}

} // namespace velora
