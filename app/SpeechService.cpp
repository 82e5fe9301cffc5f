#include "app/SpeechService.hpp"

#include "app/LogCategories.hpp"
#include "core/SpeechRate.hpp"

#include <QLocale>
#include <QMetaObject>
#include <algorithm>
#include <utility>

namespace velora {

namespace {

// Plain Unicode order: UTF-8 bytes sort as code points do.
bool unicodeLess(const QString& a, const QString& b) {
    return a.toUtf8() < b.toUtf8();
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
    if (pending_ && voices_->isLoaded()) {
        PendingSpeech pending = std::move(*pending_);
        pending_.reset();
        start(std::move(pending.spoken), pending.startIndex, pending.wpm);
    }
}

void SpeechService::speak(const std::vector<Word>& words, std::int64_t startIndex,
                          std::int64_t wpm) {
    stop();
    if (startIndex < 0 || startIndex >= static_cast<std::int64_t>(words.size())) {
        emit finished();
        return;
    }
    SpokenText spoken =
        buildUTF16Ranges(std::span(words).subspan(static_cast<std::size_t>(startIndex)));
    if (!voices_->isLoaded()) {
        pending_ = PendingSpeech{std::move(spoken), startIndex, wpm};
        setSpeaking(true);
        voices_->load();
        return;
    }
    start(std::move(spoken), startIndex, wpm);
}

void SpeechService::start(SpokenText spoken, std::int64_t startIndex, std::int64_t wpm) {
    SpeechUtterance utterance;
    utterance.rate = SpeechRate::rate(wpm);
    VoiceChooser::Choice choice = chooser_.choose(spoken.text, selectedVoiceID_, availableVoices_);
    setDetectedLanguage(choice.language);
    if (const auto& chosen = choice.voice) {
        qCDebug(lcSpeech, "speaking in the voice %s (%s)", qUtf8Printable(chosen->identifier),
                qUtf8Printable(chosen->language));
        utterance.voiceIdentifier = chosen->identifier;
    } else if (detectedLanguage_ && !VoiceChooser::defaultVoiceReads(*detectedLanguage_)) {
        const QString reason =
            tr("No voice for %1 is installed")
                .arg(QLocale::languageToString(QLocale(*detectedLanguage_).language()));
        qCInfo(lcSpeech, "speech stopped: %s", qUtf8Printable(reason));
        setSpeaking(false);
        emit speechFailed(reason);
        return;
    } else {
        qCDebug(lcSpeech, "no voice suits the text; the synthesizer's default speaks it");
    }
    utterance.text = std::move(spoken.text);
    wordRanges_ = std::move(spoken.ranges);
    baseOffset_ = startIndex;

    currentUtterance_ = synthesizer_->speak(utterance);
    setSpeaking(true);
}

void SpeechService::stop() {
    pending_.reset();
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
    if (const auto index = wordIndex(location)) {
        emit wordSpoken(baseOffset_ + static_cast<std::int64_t>(*index));
    }
}

void SpeechService::handleFinish(UtteranceId utterance) {
    if (!isCurrent(utterance)) {
        return;
    }
    currentUtterance_.reset();
    wordRanges_.clear();
    setSpeaking(false);
    emit finished();
}

void SpeechService::handleCancel(UtteranceId utterance) {
    if (!isCurrent(utterance)) {
        return;
    }
    currentUtterance_.reset();
    setSpeaking(false);
}

// A failed utterance never reaches its end, so it is not reported as finished: the owner goes on
// without speech.
void SpeechService::handleFailure(UtteranceId utterance, const QString& reason) {
    if (!isCurrent(utterance)) {
        return;
    }
    currentUtterance_.reset();
    wordRanges_.clear();
    setSpeaking(false);
    qCInfo(lcSpeech, "speech stopped: %s", qUtf8Printable(reason));
    emit speechFailed(reason);
}

} // namespace velora
