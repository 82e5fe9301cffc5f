#include "platform/speech/EspeakEngine.hpp"

#include "app/LogCategories.hpp"
#include "core/SpeechRate.hpp"
#include "platform/speech/LanguageTag.hpp"

#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QStandardPaths>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <tuple>

namespace velora {

namespace {
// Length of the audio blocks handed to the consumer; short blocks keep a stop prompt.
constexpr int blockMilliseconds = 40;

// Words per minute heard at espeak-ng's nominal rates, measured on rendered English prose of
// four passages of different styles: it speaks about a fifth faster than it says.
struct Measured {
    double nominal;
    double heard;
};
constexpr std::array<Measured, 8> measuredSpeeds{{
    {80, 102.4},
    {120, 144.9},
    {175, 212.0},
    {250, 298.5},
    {300, 354.8},
    {350, 411.7},
    {400, 468.5},
    {450, 527.1},
}};
// Below the slowest rate, pauses after the words make up the difference: at that rate a word
// gap of n units adds about fixed + n × perUnit seconds to every word.
constexpr double gapSecondsFixed = 0.035;
constexpr double gapSecondsPerUnit = 0.0302;
constexpr double slowestWPM = 25.0;

// The reading speed a rate stands for: the inverse of SpeechRate::rate.
double wordsPerMinute(float rate) {
    const double r = std::isnan(rate) ? SpeechRate::defaultRate
                                      : std::clamp(static_cast<double>(rate), 0.0, 1.0);
    const double wpm = SpeechRate::baselineWPM +
                       (r - SpeechRate::defaultRate) * 10.0 * SpeechRate::wpmPerRateTenth;
    return std::max(wpm, slowestWPM);
}

// Where the data of an MBROLA voice is looked for; the voice file names the database.
bool mbrolaDataInstalled(const QString& dataPath, const char* identifier) {
    QFile file(dataPath + "/voices/" + QString::fromUtf8(identifier));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return false;
    }
    while (!file.atEnd()) {
        const QList<QByteArray> fields = file.readLine().simplified().split(' ');
        if (fields.size() < 2 || fields[0] != "mbrola") {
            continue;
        }
        const QString database = QString::fromUtf8(fields[1]);
        for (const QString& candidate :
             {dataPath + "/mbrola/" + database, "/usr/share/mbrola/" + database,
              "/usr/share/mbrola/" + database + "/" + database,
              "/usr/share/mbrola/voices/" + database}) {
            if (QFileInfo(candidate).isFile()) {
                return true;
            }
        }
        return false;
    }
    return false;
}

std::optional<EspeakEngine::Voice> voiceFrom(const espeak_VOICE& voice, VoiceQuality quality) {
    if (voice.identifier == nullptr || voice.languages == nullptr) {
        return std::nullopt;
    }
    EspeakEngine::Voice entry;
    for (const char* cursor = voice.languages; *cursor != '\0';) {
        const int priority = static_cast<unsigned char>(*cursor);
        ++cursor;
        entry.languages.emplace_back(priority, QString::fromUtf8(cursor).toLower());
        cursor += std::strlen(cursor) + 1;
    }
    if (entry.languages.empty()) {
        return std::nullopt;
    }
    const QString& language = entry.languages.front().second;
    entry.voice = {
        QString::fromUtf8(voice.identifier),
        QString::fromUtf8(voice.name != nullptr ? voice.name : voice.identifier).trimmed(),
        LanguageTag::bcp47(language).value_or(language), quality};
    return entry;
}
} // namespace

EspeakEngine& EspeakEngine::instance() {
    static EspeakEngine engine;
    return engine;
}

EspeakEngine::EspeakEngine() {
    sampleRate_ = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, blockMilliseconds, nullptr,
                                    espeakINITIALIZE_DONT_EXIT);
    if (sampleRate_ <= 0) {
        qCWarning(lcSpeech, "espeak-ng could not start (is espeak-ng-data installed?)");
        sampleRate_ = 0;
        return;
    }
    espeak_SetSynthCallback(&EspeakEngine::receive);
    readVoices();
    const QString systemLanguage = QLocale::system().name().replace(u'_', u'-');
    if (auto voice = voiceForLanguage(systemLanguage)) {
        defaultVoice_ = voice->identifier;
    } else if (auto english = voiceForLanguage(QStringLiteral("en"))) {
        defaultVoice_ = english->identifier;
    }
}

void EspeakEngine::readVoices() {
    const char* dataPath = nullptr;
    espeak_Info(&dataPath);
    const QString data = QString::fromUtf8(dataPath != nullptr ? dataPath : "");

    for (const espeak_VOICE** voice = espeak_ListVoices(nullptr);
         voice != nullptr && *voice != nullptr; ++voice) {
        if (auto entry = voiceFrom(**voice, VoiceQuality::default_)) {
            voices_.push_back(std::move(*entry));
        }
    }
    // The MBROLA voices are listed only on request, and most often without their data.
    if (QStandardPaths::findExecutable(QStringLiteral("mbrola")).isEmpty()) {
        return;
    }
    espeak_VOICE mbrola{};
    mbrola.languages = "mb";
    for (const espeak_VOICE** voice = espeak_ListVoices(&mbrola);
         voice != nullptr && *voice != nullptr; ++voice) {
        if (std::strncmp((*voice)->identifier, "mb/", 3) != 0 ||
            !mbrolaDataInstalled(data, (*voice)->identifier)) {
            continue;
        }
        if (auto entry = voiceFrom(**voice, VoiceQuality::enhanced)) {
            voices_.push_back(std::move(*entry));
        }
    }
}

std::optional<SpeechVoice> EspeakEngine::voiceForLanguage(const QString& languageCode) const {
    const QString code = languageCode.toLower().replace(u'_', u'-');
    if (code.isEmpty()) {
        return std::nullopt;
    }
    // Same language first, then a regional form of it, then a more general one; better voices
    // and espeak-ng's preferred ones first within each.
    using Rank = std::tuple<int, int, int>;
    std::optional<Rank> bestRank;
    const Voice* best = nullptr;
    for (const Voice& voice : voices_) {
        for (const auto& [priority, language] : voice.languages) {
            int tier = 0;
            if (language == code) {
                tier = 0;
            } else if (language.startsWith(code + u'-')) {
                tier = 1;
            } else if (code.startsWith(language + u'-')) {
                tier = 2;
            } else {
                continue;
            }
            const Rank rank{tier, -static_cast<int>(voice.voice.quality), priority};
            if (!bestRank || rank < *bestRank) {
                bestRank = rank;
                best = &voice;
            }
        }
    }
    if (best == nullptr) {
        return std::nullopt;
    }
    return best->voice;
}

EspeakPace EspeakEngine::paceFor(float rate) {
    const double wpm = wordsPerMinute(rate);
    const Measured& slowest = measuredSpeeds.front();
    if (wpm < slowest.heard) {
        const double extraSeconds = 60.0 / wpm - 60.0 / slowest.heard;
        const double units = std::round((extraSeconds - gapSecondsFixed) / gapSecondsPerUnit);
        return {static_cast<int>(slowest.nominal), static_cast<int>(std::max(units, 0.0))};
    }
    auto upper = std::find_if(measuredSpeeds.begin() + 1, measuredSpeeds.end() - 1,
                              [wpm](const Measured& point) { return point.heard >= wpm; });
    const Measured& lower = *(upper - 1);
    const double nominal = lower.nominal + (wpm - lower.heard) * (upper->nominal - lower.nominal) /
                                               (upper->heard - lower.heard);
    return {static_cast<int>(std::lround(nominal)), 0};
}

EspeakEngine::Outcome EspeakEngine::synthesize(const QString& text,
                                               const std::optional<QString>& voiceIdentifier,
                                               EspeakPace pace, const Consumer& consumer) {
    if (!isAvailable()) {
        return Outcome::failed;
    }
    std::lock_guard lock(synthesis_);
    const QByteArray voice = voiceIdentifier.value_or(defaultVoice_).toUtf8();
    if (!voice.isEmpty() && espeak_SetVoiceByName(voice.constData()) != EE_OK) {
        return Outcome::voiceUnavailable;
    }
    espeak_SetParameter(espeakRATE, pace.rate, 0);
    espeak_SetParameter(espeakWORDGAP, pace.wordGap, 0);

    // A NUL would end the text early.
    QByteArray utf8 = text.toUtf8();
    utf8.replace('\0', ' ');
    consumer_ = &consumer;
    aborted_ = false;
    const espeak_ERROR result =
        espeak_Synth(utf8.constData(), static_cast<std::size_t>(utf8.size()) + 1, 0, POS_CHARACTER,
                     0, espeakCHARS_UTF8, nullptr, nullptr);
    consumer_ = nullptr;
    if (aborted_) {
        // The abort from the callback ended the synthesis; cancelling clears what is left.
        espeak_Cancel();
        return Outcome::aborted;
    }
    return result == EE_OK ? Outcome::completed : Outcome::failed;
}

int EspeakEngine::receive(short* samples, int count, espeak_EVENT* events) {
    if (consumer_ == nullptr) {
        return 1;
    }
    std::size_t eventCount = 0;
    while (events != nullptr && events[eventCount].type != espeakEVENT_LIST_TERMINATED) {
        ++eventCount;
    }
    const std::span<const std::int16_t> audio =
        samples != nullptr && count > 0
            ? std::span<const std::int16_t>(samples, static_cast<std::size_t>(count))
            : std::span<const std::int16_t>();
    if ((*consumer_)(audio, std::span<const espeak_EVENT>(events, eventCount))) {
        return 0;
    }
    aborted_ = true;
    return 1;
}

} // namespace velora
