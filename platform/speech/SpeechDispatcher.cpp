#include "platform/speech/SpeechDispatcher.hpp"

#include "app/LogCategories.hpp"
#include "platform/speech/LanguageTag.hpp"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <csignal>
#include <cstdlib>
#include <deque>
#include <map>
#include <mutex>
#include <speech-dispatcher/libspeechd.h>
#include <thread>

namespace velora {

namespace {
// Quitting waits this long for the service's thread, then leaves it to end on its own.
constexpr auto quitWait = std::chrono::milliseconds(300);
// espeak-ng's module lists every voice again with each of its variants; only the plain ones
// are offered.
bool isPlainVoice(const SPDVoice& voice) {
    return voice.variant == nullptr || voice.variant[0] == '\0' ||
           std::string_view(voice.variant) == "none";
}

int serviceRate(float rate) {
    const float clamped = std::clamp(rate, 0.0F, 1.0F);
    return static_cast<int>(std::lround((clamped - SpeechRate::defaultRate) * 200.0F));
}
} // namespace

struct SpeechDispatcher::State {
    struct Job {
        UtteranceId id = 0;
        SpeechUtterance utterance;
        bool stop = false;
    };
    using Clock = std::chrono::steady_clock;
    // Marks come at every word, the slowest speed gives one every 2.4 s: an utterance the
    // service is silent about for this long is not being spoken.
    static constexpr std::chrono::seconds silenceLimit{10};

    struct Spoken {
        UtteranceId id;
        std::vector<Utf16Range> words;
        int lastWord = -1;
        Clock::time_point lastHeard;
    };
    struct Event {
        SPDNotificationType type;
        int mark;
    };

    mutable std::mutex mutex;
    std::condition_variable wake;
    std::condition_variable exited;
    std::deque<Job> jobs;
    bool quitting = false;
    bool done = false;
    SpeechSynthesizerObserver* observer = nullptr;
    std::function<void()> onVoicesChanged;
    std::vector<SpeechVoice> voices;
    UtteranceId lastId = 0;
    UtteranceId speaking = 0;
    // The service's message numbers of this connection's utterances, and the reports that came
    // before their number was known.
    std::map<std::size_t, Spoken> messages;
    std::map<std::size_t, std::vector<Event>> early;

    // Turns one report of the service into the observer's call, outside the lock.
    void deliver(std::size_t message, Event event);
    // The utterances the service has been silent about for too long, forgotten.
    std::vector<UtteranceId> takeSilent(Clock::time_point now);

    void publishVoices(std::vector<SpeechVoice> found);
    // These take the held lock and call the observer outside it.
    void failSilent(std::unique_lock<std::mutex>& lock);
    void fail(UtteranceId id, SpeechSynthesizerObserver* target,
              std::unique_lock<std::mutex>& lock);
    // Follows the utterance under the service's message number, with the reports already come.
    void track(std::size_t message, UtteranceId id, std::vector<Utf16Range> words,
               std::unique_lock<std::mutex>& lock);
};

namespace {
// libspeechd's callbacks carry no pointer of ours: they find the connection by its client id.
std::mutex registryMutex;
std::map<std::size_t, std::weak_ptr<SpeechDispatcher::State>>& registry() {
    static std::map<std::size_t, std::weak_ptr<SpeechDispatcher::State>> states;
    return states;
}
} // namespace

void SpeechDispatcher::State::deliver(std::size_t message, Event event) {
    std::unique_lock lock(mutex);
    auto found = messages.find(message);
    if (found == messages.end()) {
        early[message].push_back(event);
        return;
    }
    Spoken& spoken = found->second;
    spoken.lastHeard = Clock::now();
    SpeechSynthesizerObserver* const target = observer;
    const UtteranceId id = spoken.id;
    std::optional<Utf16Range> word;
    bool ended = false;
    if (event.type == SPD_EVENT_INDEX_MARK) {
        // At most once and in order, whatever the module repeats.
        if (event.mark > spoken.lastWord && event.mark < static_cast<int>(spoken.words.size())) {
            spoken.lastWord = event.mark;
            word = spoken.words[static_cast<std::size_t>(event.mark)];
        }
    } else if (event.type == SPD_EVENT_END || event.type == SPD_EVENT_CANCEL) {
        messages.erase(found);
        ended = true;
        if (speaking == id) {
            speaking = 0;
        }
    }
    lock.unlock();
    if (target == nullptr) {
        return;
    }
    if (word) {
        target->willSpeakRange(id, *word);
    } else if (ended && event.type == SPD_EVENT_END) {
        target->didFinish(id);
    } else if (ended) {
        target->didCancel(id);
    }
}

namespace {
void report(std::size_t message, std::size_t client, SPDNotificationType type, int mark) {
    std::shared_ptr<SpeechDispatcher::State> state;
    {
        std::lock_guard lock(registryMutex);
        auto found = registry().find(client);
        if (found != registry().end()) {
            state = found->second.lock();
        }
    }
    if (state) {
        state->deliver(message, {type, mark});
    }
}

void onEnd(std::size_t message, std::size_t client, SPDNotificationType type) {
    report(message, client, type, -1);
}

void onMark(std::size_t message, std::size_t client, SPDNotificationType type, char* mark) {
    bool ok = false;
    const int index = QByteArray(mark != nullptr ? mark : "").toInt(&ok);
    if (ok) {
        report(message, client, type, index);
    }
}

std::vector<SpeechVoice> listVoices(SPDConnection* connection) {
    std::vector<SpeechVoice> result;
    char** modules = spd_list_modules(connection);
    if (modules == nullptr) {
        return result;
    }
    for (char** module = modules; *module != nullptr; ++module) {
        const QString moduleName = QString::fromUtf8(*module);
        if (moduleName == QLatin1String("dummy") ||
            spd_set_output_module(connection, *module) != 0) {
            continue;
        }
        SPDVoice** voices = spd_list_synthesis_voices(connection);
        for (SPDVoice** voice = voices; voice != nullptr && *voice != nullptr; ++voice) {
            if ((*voice)->name == nullptr || !isPlainVoice(**voice)) {
                continue;
            }
            const QString name = QString::fromUtf8((*voice)->name);
            const QString language = QString::fromUtf8((*voice)->language);
            result.push_back({SpeechDispatcher::identifierPrefix + moduleName + u'/' + name, name,
                              LanguageTag::bcp47(language).value_or(language),
                              VoiceQuality::default_, moduleName});
        }
        if (voices != nullptr) {
            free_spd_voices(voices);
        }
    }
    free_spd_modules(modules);
    return result;
}

// "speech-dispatcher/espeak-ng/English (America)" as module and voice.
std::optional<std::pair<QByteArray, QByteArray>> moduleAndVoice(const QString& identifier) {
    const QString rest = identifier.mid(SpeechDispatcher::identifierPrefix.size());
    const qsizetype slash = rest.indexOf(u'/');
    if (slash <= 0) {
        return std::nullopt;
    }
    return std::pair{rest.left(slash).toUtf8(), rest.mid(slash + 1).toUtf8()};
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

namespace {
// A connection and its client id, which asking again would need the service to answer.
struct Connection {
    SPDConnection* connection;
    std::size_t client;
};

std::optional<Connection> connect(const std::shared_ptr<SpeechDispatcher::State>& state) {
    char* error = nullptr;
    SPDConnection* connection =
        spd_open2("VeloraMac", "speech", nullptr, SPD_MODE_THREADED, nullptr, 0, &error);
    if (connection == nullptr) {
        qCInfo(lcSpeech, "no speech-dispatcher voices: %s", error != nullptr ? error : "no answer");
        std::free(error);
        return std::nullopt;
    }
    std::free(error);
    const auto client = static_cast<std::size_t>(spd_get_client_id(connection));
    {
        std::lock_guard lock(registryMutex);
        registry()[client] = state;
    }
    connection->callback_end = &onEnd;
    connection->callback_cancel = &onEnd;
    connection->callback_im = &onMark;
    spd_set_notification_on(connection,
                            static_cast<SPDNotification>(SPD_END | SPD_CANCEL | SPD_INDEX_MARKS));
    spd_set_data_mode(connection, SPD_DATA_SSML);
    return Connection{connection, client};
}

void disconnect(const Connection& connection) {
    {
        std::lock_guard lock(registryMutex);
        registry().erase(connection.client);
    }
    spd_close(connection.connection);
}

// The message number of the utterance, or none when the service did not take it.
std::optional<std::size_t> say(SPDConnection* connection, const SpeechUtterance& utterance,
                               const QByteArray& ssml) {
    if (const auto chosen = moduleAndVoice(utterance.voiceIdentifier.value_or(""))) {
        spd_set_output_module(connection, chosen->first.constData());
        spd_set_synthesis_voice(connection, chosen->second.constData());
    }
    spd_set_voice_rate(connection, serviceRate(utterance.rate));
    const int said = spd_say(connection, SPD_TEXT, ssml.constData());
    if (said <= 0) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(said);
}

// libspeechd writes to its socket without guarding against a service that went away, and the
// signal would end the program. Its own thread, started from the caller's, inherits the mask.
void blockBrokenPipeSignal() {
    sigset_t pipe;
    sigemptyset(&pipe);
    sigaddset(&pipe, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipe, nullptr);
}

// Silences the service and hands it the job's utterance, connecting when needed; the message
// number, or none when the job only stops or the service did not take it.
std::optional<std::size_t> send(std::optional<Connection>& connection,
                                const std::shared_ptr<SpeechDispatcher::State>& state,
                                const SpeechDispatcher::State::Job& job,
                                SpeechDispatcher::MarkedText& marked) {
    if (!connection && !job.stop) {
        connection = connect(state);
    }
    if (connection) {
        spd_cancel(connection->connection);
    }
    if (job.stop || !connection) {
        return std::nullopt;
    }
    marked = SpeechDispatcher::markedText(job.utterance.text);
    const std::optional<std::size_t> message =
        say(connection->connection, job.utterance, marked.ssml);
    // Perhaps the service restarted: the next utterance connects again.
    if (!message) {
        disconnect(*connection);
        connection.reset();
    }
    return message;
}
} // namespace

std::vector<UtteranceId> SpeechDispatcher::State::takeSilent(Clock::time_point now) {
    std::vector<UtteranceId> silent;
    for (auto each = messages.begin(); each != messages.end();) {
        if (now - each->second.lastHeard < silenceLimit) {
            ++each;
            continue;
        }
        silent.push_back(each->second.id);
        if (speaking == each->second.id) {
            speaking = 0;
        }
        each = messages.erase(each);
    }
    return silent;
}

void SpeechDispatcher::State::publishVoices(std::vector<SpeechVoice> found) {
    // Under the lock, so that once the callback is dropped it is not running either.
    std::lock_guard lock(mutex);
    voices = std::move(found);
    if (onVoicesChanged) {
        onVoicesChanged();
    }
}

void SpeechDispatcher::State::failSilent(std::unique_lock<std::mutex>& lock) {
    const std::vector<UtteranceId> silent = takeSilent(Clock::now());
    SpeechSynthesizerObserver* const target = observer;
    lock.unlock();
    for (UtteranceId id : silent) {
        if (target != nullptr) {
            target->didFail(id, serviceUnavailable);
        }
    }
    lock.lock();
}

void SpeechDispatcher::State::fail(UtteranceId id, SpeechSynthesizerObserver* target,
                                   std::unique_lock<std::mutex>& lock) {
    if (speaking == id) {
        speaking = 0;
    }
    lock.unlock();
    if (target != nullptr) {
        target->didFail(id, serviceUnavailable);
    }
    lock.lock();
}

void SpeechDispatcher::State::track(std::size_t message, UtteranceId id,
                                    std::vector<Utf16Range> words,
                                    std::unique_lock<std::mutex>& lock) {
    messages[message] = {id, std::move(words), -1, Clock::now()};
    const std::vector<Event> before = std::exchange(early[message], {});
    // Reports of earlier messages that were never ours will not be claimed.
    early.erase(early.begin(), early.upper_bound(message));
    lock.unlock();
    for (const Event& event : before) {
        deliver(message, event);
    }
    lock.lock();
}

void SpeechDispatcher::work(const std::shared_ptr<State>& state) {
    blockBrokenPipeSignal();
    std::optional<Connection> connection = connect(state);
    if (connection) {
        state->publishVoices(listVoices(connection->connection));
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
        const std::optional<std::size_t> message = send(connection, state, job, marked);
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
        disconnect(*connection);
    }
    lock.lock();
    state->done = true;
    state->exited.notify_all();
}

} // namespace velora
