#include "platform/speech/SpeechServiceConnection.hpp"

#include "app/LogCategories.hpp"
#include "platform/speech/LanguageTag.hpp"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string_view>

namespace velora::speechservice {

namespace {
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

// libspeechd's callbacks carry no pointer of ours: they find the connection by its client id.
std::mutex registryMutex;
std::map<std::size_t, std::weak_ptr<SpeechDispatcher::State>>& registry() {
    static std::map<std::size_t, std::weak_ptr<SpeechDispatcher::State>> states;
    return states;
}

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

// "speech-dispatcher/espeak-ng/English (America)" as module and voice.
std::optional<std::pair<QByteArray, QByteArray>> moduleAndVoice(const QString& identifier) {
    const QString rest = identifier.mid(SpeechDispatcher::identifierPrefix.size());
    const qsizetype slash = rest.indexOf(u'/');
    if (slash <= 0) {
        return std::nullopt;
    }
    return std::pair{rest.left(slash).toUtf8(), rest.mid(slash + 1).toUtf8()};
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
} // namespace

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

} // namespace velora::speechservice
