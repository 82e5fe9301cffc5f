#include "app/VoiceChooser.hpp"

#include "core/Graphemes.hpp"

#include <QLocale>
#include <QStringList>
#include <tuple>

namespace velora {

namespace {

constexpr std::size_t languageSampleCharacters = 1000;

// Voices are tagged by the language spoken: a script subtag says nothing about it, and written
// Chinese is read in Mandarin first. Most specific first, in lower case.
QStringList spokenLanguages(const QString& code) {
    QStringList subtags = code.toLower().split(u'-');
    if (subtags.size() > 1 && subtags[1].size() == 4) {
        subtags.removeAt(1);
    }
    const QString spoken = subtags.join(u'-');
    if (subtags.front() != QLatin1String("zh")) {
        return {spoken};
    }
    subtags.front() = QStringLiteral("cmn");
    return {subtags.join(u'-'), spoken};
}

bool speaksLanguage(const SpeechVoice& voice, const QString& language) {
    // "en" matches "en" and "en-GB", never another language such as "enm".
    const QString tag = voice.language.toLower();
    return tag == language || tag.startsWith(language + u'-');
}

} // namespace

VoiceChooser::VoiceChooser(const VoiceCatalog& catalog, const LanguageRecognizer& recognizer)
    : catalog_(catalog), recognizer_(recognizer) {}

VoiceChooser::Choice VoiceChooser::choose(const QString& text,
                                          const std::optional<QString>& selectedVoiceID,
                                          const std::vector<SpeechVoice>& installed) const {
    if (selectedVoiceID) {
        if (auto chosen = catalog_.voice(*selectedVoiceID)) {
            return {std::move(chosen), std::nullopt};
        }
    }
    if (auto code = detectLanguageCode(recognizer_, text)) {
        return {bestVoice(*code, installed), std::move(code)};
    }
    if (preferredLanguageTag_.isEmpty()) {
        return {};
    }
    return {bestVoice(preferredLanguageTag_.section(u'-', 0, 0), installed), std::nullopt};
}

bool VoiceChooser::defaultVoiceReads(const QString& languageCode) {
    const QLocale locale(languageCode);
    return locale.language() == QLocale::C || locale.script() == QLocale::AnyScript ||
           locale.script() == QLocale::LatinScript;
}

std::optional<QString> VoiceChooser::detectLanguageCode(const LanguageRecognizer& recognizer,
                                                        const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    const std::string_view head =
        Graphemes::prefix(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())),
                          languageSampleCharacters);
    const QString sample = QString::fromUtf8(head.data(), static_cast<qsizetype>(head.size()));
    if (sample.trimmed().isEmpty()) {
        return std::nullopt;
    }
    return recognizer.dominantLanguage(sample);
}

std::optional<SpeechVoice>
VoiceChooser::bestVoice(const QString& languageCode,
                        const std::vector<SpeechVoice>& installed) const {
    const QStringList languages = spokenLanguages(languageCode);
    for (const QString& language : languages) {
        if (auto found = bestInstalledVoice(language, installed)) {
            return found;
        }
    }
    for (const QString& language : languages) {
        if (auto platform = catalog_.voiceForLanguage(language)) {
            return platform;
        }
    }
    return std::nullopt;
}

// Among voices of the best quality: the desktop's variety, then the synthesizer's own choice
// for the language, then the first in sorted order.
std::optional<SpeechVoice>
VoiceChooser::bestInstalledVoice(const QString& language,
                                 const std::vector<SpeechVoice>& installed) const {
    const std::optional<SpeechVoice> synthesizerChoice = catalog_.voiceForLanguage(language);
    const auto rank = [&](const SpeechVoice& voice) {
        return std::tuple(voice.quality, voice.language.toLower() == preferredLanguageTag_,
                          synthesizerChoice && voice.identifier == synthesizerChoice->identifier);
    };
    const SpeechVoice* best = nullptr;
    for (const SpeechVoice& candidate : installed) {
        if (speaksLanguage(candidate, language) &&
            (best == nullptr || rank(candidate) > rank(*best))) {
            best = &candidate;
        }
    }
    if (best == nullptr) {
        return std::nullopt;
    }
    return *best;
}

} // namespace velora
