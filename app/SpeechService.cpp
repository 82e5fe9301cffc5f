#include "app/SpeechService.hpp"

#include "app/LogCategories.hpp"
#include "core/Graphemes.hpp"
#include "core/SpeechRate.hpp"

#include <QLocale>
#include <QMetaObject>
#include <algorithm>
#include <tuple>
#include <utility>

namespace velora {

namespace {
constexpr std::size_t languageSampleCharacters = 1000;

// Plain Unicode order: UTF-8 bytes sort as code points do.
bool unicodeLess(const QString& a, const QString& b) {
    return a.toUtf8() < b.toUtf8();
}

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

// The synthesizer's default voice reads Latin letters; text of a language written in another
// script would come out as names of characters or as silence.
bool defaultVoiceReads(const QString& languageCode) {
    const QLocale locale(languageCode);
    return locale.language() == QLocale::C || locale.script() == QLocale::AnyScript ||
           locale.script() == QLocale::LatinScript;
}

// "en_US" as "en-us"; nothing for the C locale, which names no language.
QString desktopLanguageTag(const QLocale& locale) {
    if (locale.language() == QLocale::C) {
        return {};
    }
    return locale.name().replace(u'_', u'-');
}
} // namespace

SpeechService::SpeechService(std::unique_ptr<SpeechSynthesizer> synthesizer,
                             std::unique_ptr<VoiceCatalog> voices,
                             std::unique_ptr<LanguageRecognizer> recognizer,
                             PreferencesStore& preferences, QObject* parent)
    : QObject(parent), voices_(std::move(voices)), recognizer_(std::move(recognizer)),
      preferences_(preferences), synthesizer_(std::move(synthesizer)) {
    synthesizer_->setObserver(this);
    voices_->setOnVoicesChanged([this] {
        QMetaObject::invokeMethod(this, &SpeechService::reloadVoices, Qt::QueuedConnection);
    });
    setPreferredLanguageTag(desktopLanguageTag(QLocale::system()));
    reloadVoices();
    setSelectedVoiceID(preferences_.string(selectedVoiceKey));
}

SpeechService::~SpeechService() {
    voices_->setOnVoicesChanged(nullptr);
}

void SpeechService::setSelectedVoiceID(const std::optional<QString>& identifier) {
    if (identifier == selectedVoiceID_) {
        return;
    }
    selectedVoiceID_ = identifier;
    if (selectedVoiceID_) {
        preferences_.setString(selectedVoiceKey, *selectedVoiceID_);
    } else {
        preferences_.remove(selectedVoiceKey);
    }
    emit selectedVoiceIDChanged();
}

void SpeechService::reloadVoices() {
    std::vector<SpeechVoice> sorted = voices_->voices();
    std::stable_sort(sorted.begin(), sorted.end(), [](const SpeechVoice& a, const SpeechVoice& b) {
        if (a.language != b.language) {
            return unicodeLess(a.language, b.language);
        }
        return unicodeLess(a.name, b.name);
    });
    availableVoices_ = std::move(sorted);
    emit availableVoicesChanged();
}

void SpeechService::speak(const std::vector<Word>& words, std::int64_t startIndex, std::int64_t wpm,
                          WordIndexCallback onWordIndex, FinishCallback onFinish) {
    stop();
    if (startIndex < 0 || startIndex >= static_cast<std::int64_t>(words.size())) {
        if (onFinish) {
            onFinish();
        }
        return;
    }
    SpokenText spoken =
        buildUTF16Ranges(std::span(words).subspan(static_cast<std::size_t>(startIndex)));
    SpeechUtterance utterance;
    utterance.rate = SpeechRate::rate(wpm);
    if (auto chosen = voice(spoken.text)) {
        qCDebug(lcSpeech, "speaking in the voice %s (%s)", qUtf8Printable(chosen->identifier),
                qUtf8Printable(chosen->language));
        utterance.voiceIdentifier = chosen->identifier;
    } else if (detectedLanguage_ && !defaultVoiceReads(*detectedLanguage_)) {
        const QString reason =
            tr("No voice for %1 is installed")
                .arg(QLocale::languageToString(QLocale(*detectedLanguage_).language()));
        qCInfo(lcSpeech, "speech stopped: %s", qUtf8Printable(reason));
        emit speechFailed(reason);
        return;
    } else {
        qCDebug(lcSpeech, "no voice suits the text; the synthesizer's default speaks it");
    }
    utterance.text = std::move(spoken.text);
    wordRanges_ = std::move(spoken.ranges);
    baseOffset_ = startIndex;
    onWordIndex_ = std::move(onWordIndex);
    onFinish_ = std::move(onFinish);

    currentUtterance_ = synthesizer_->speak(utterance);
    setSpeaking(true);
}

void SpeechService::stop() {
    onWordIndex_ = nullptr;
    onFinish_ = nullptr;
    wordRanges_.clear();
    currentUtterance_.reset();
    if (synthesizer_->isSpeaking()) {
        synthesizer_->stop();
    }
    setSpeaking(false);
}

SpeechService::SpokenText SpeechService::buildUTF16Ranges(std::span<const Word> words) {
    SpokenText spoken;
    spoken.ranges.reserve(words.size());
    for (const Word& word : words) {
        if (!spoken.ranges.empty()) {
            spoken.text.append(QChar(u' '));
        }
        const qsizetype start = spoken.text.size();
        spoken.text.append(QString::fromStdString(word.text));
        spoken.ranges.push_back({start, spoken.text.size() - start});
    }
    return spoken;
}

std::optional<QString> SpeechService::detectLanguageCode(const LanguageRecognizer& recognizer,
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

std::optional<SpeechVoice> SpeechService::voice(const QString& text) {
    if (selectedVoiceID_) {
        if (auto chosen = voices_->voice(*selectedVoiceID_)) {
            setDetectedLanguage(std::nullopt);
            return chosen;
        }
    }
    if (auto code = detectLanguageCode(*recognizer_, text)) {
        setDetectedLanguage(code);
        return bestVoice(*code);
    }
    setDetectedLanguage(std::nullopt);
    // Undecided text is read as the desktop's language, so that one book keeps one accent.
    if (preferredLanguageTag_.isEmpty()) {
        return std::nullopt;
    }
    return bestVoice(preferredLanguageTag_.section(u'-', 0, 0));
}

std::optional<SpeechVoice> SpeechService::bestVoice(const QString& languageCode) const {
    const QStringList languages = spokenLanguages(languageCode);
    for (const QString& language : languages) {
        if (auto installed = bestInstalledVoice(language)) {
            return installed;
        }
    }
    for (const QString& language : languages) {
        if (auto platform = voices_->voiceForLanguage(language)) {
            return platform;
        }
    }
    return std::nullopt;
}

// Among voices of the best quality: the desktop's variety, then the synthesizer's own choice
// for the language, then the first in sorted order.
std::optional<SpeechVoice> SpeechService::bestInstalledVoice(const QString& language) const {
    const std::optional<SpeechVoice> synthesizerChoice = voices_->voiceForLanguage(language);
    const auto rank = [&](const SpeechVoice& voice) {
        return std::tuple(voice.quality, voice.language.toLower() == preferredLanguageTag_,
                          synthesizerChoice && voice.identifier == synthesizerChoice->identifier);
    };
    const SpeechVoice* best = nullptr;
    for (const SpeechVoice& candidate : availableVoices_) {
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

// The ranges are in text order and do not overlap, so the first range that ends after the
// location either holds it or, for a location on a space, is the word that follows.
std::optional<std::size_t> SpeechService::wordIndex(qsizetype location) const {
    const auto found = std::partition_point(
        wordRanges_.begin(), wordRanges_.end(),
        [location](const Utf16Range& range) { return range.end() <= location; });
    if (found == wordRanges_.end()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(found - wordRanges_.begin());
}

void SpeechService::setSpeaking(bool speaking) {
    if (speaking == isSpeaking_) {
        return;
    }
    isSpeaking_ = speaking;
    emit isSpeakingChanged();
}

void SpeechService::setDetectedLanguage(const std::optional<QString>& language) {
    if (language == detectedLanguage_) {
        return;
    }
    detectedLanguage_ = language;
    emit detectedLanguageChanged();
}

// The queued calls are bound to this object, so Qt drops them if the service is gone by then.
void SpeechService::willSpeakRange(UtteranceId utterance, Utf16Range range) {
    QMetaObject::invokeMethod(
        this, [this, utterance, range] { handleWord(utterance, range.location); },
        Qt::QueuedConnection);
}

void SpeechService::didFinish(UtteranceId utterance) {
    QMetaObject::invokeMethod(
        this, [this, utterance] { handleFinish(utterance); }, Qt::QueuedConnection);
}

void SpeechService::didCancel(UtteranceId utterance) {
    QMetaObject::invokeMethod(
        this, [this, utterance] { handleCancel(utterance); }, Qt::QueuedConnection);
}

void SpeechService::didFail(UtteranceId utterance, const QString& reason) {
    QMetaObject::invokeMethod(
        this, [this, utterance, reason] { handleFailure(utterance, reason); },
        Qt::QueuedConnection);
}

void SpeechService::handleWord(UtteranceId utterance, qsizetype location) {
    if (!isCurrent(utterance)) {
        return;
    }
    const auto index = wordIndex(location);
    if (!index || !onWordIndex_) {
        return;
    }
    // A copy, because the callback may stop or restart speech and so replace the stored one.
    const WordIndexCallback report = onWordIndex_;
    report(baseOffset_ + static_cast<std::int64_t>(*index));
}

void SpeechService::handleFinish(UtteranceId utterance) {
    if (!isCurrent(utterance)) {
        return;
    }
    currentUtterance_.reset();
    setSpeaking(false);
    FinishCallback finish = std::exchange(onFinish_, nullptr);
    onWordIndex_ = nullptr;
    if (finish) {
        finish();
    }
}

void SpeechService::handleCancel(UtteranceId utterance) {
    if (!isCurrent(utterance)) {
        return;
    }
    currentUtterance_.reset();
    setSpeaking(false);
}

// A failed utterance never reaches its end, so its finish callback must not run: the owner
// learns of it from the signal and goes on without speech.
void SpeechService::handleFailure(UtteranceId utterance, const QString& reason) {
    if (!isCurrent(utterance)) {
        return;
    }
    currentUtterance_.reset();
    onWordIndex_ = nullptr;
    onFinish_ = nullptr;
    wordRanges_.clear();
    setSpeaking(false);
    qCInfo(lcSpeech, "speech stopped: %s", qUtf8Printable(reason));
    emit speechFailed(reason);
}

} // namespace velora
