#pragma once

#include "app/VoiceChooser.hpp"
#include "app/platform/LanguageRecognizer.hpp"
#include "app/platform/PreferencesStore.hpp"
#include "app/platform/SpeechSynthesizer.hpp"
#include "app/platform/VoiceCatalog.hpp"
#include "core/Word.hpp"

#include <QObject>
#include <memory>
#include <span>
#include <vector>

namespace velora {

// Reads words aloud and reports, word by word, which one of the reader's words is being heard.
// Lives on the main thread; the synthesizer's reports are moved here before they touch anything.
class SpeechService final : public QObject, private SpeechSynthesizerObserver {
    Q_OBJECT

public:
    // The text an utterance speaks, with the range of each word in it.
    struct SpokenText {
        QString text;
        std::vector<Utf16Range> ranges;
    };

    static inline const QString selectedVoiceKey = QStringLiteral("selectedVoiceID");

    SpeechService(std::unique_ptr<SpeechSynthesizer> synthesizer,
                  std::unique_ptr<VoiceCatalog> voices,
                  std::unique_ptr<LanguageRecognizer> recognizer, PreferencesStore& preferences,
                  QObject* parent = nullptr);
    ~SpeechService() override;

    const std::vector<SpeechVoice>& availableVoices() const { return availableVoices_; }
    const std::optional<QString>& selectedVoiceID() const { return selectedVoiceID_; }
    // None means the voice follows the language of the text.
    void setSelectedVoiceID(const std::optional<QString>& identifier);
    bool isSpeaking() const { return isSpeaking_; }
    const std::optional<QString>& detectedLanguage() const { return detectedLanguage_; }
    // The desktop's language and region ("en-US", from the locale by default): among voices of
    // one quality its variety wins, so English text is not read in whichever variety sorts
    // first, and its language reads text whose language cannot be told.
    void setPreferredLanguageTag(const QString& tag) { chooser_.setPreferredLanguageTag(tag); }

    void reloadVoices();
    // Has the voices read, for a view that lists them, when the catalog waits to be asked.
    void prepareVoices() { voices_->load(); }
    // Speaks words[startIndex...] as one utterance, replacing any other, and reports each word
    // heard by its index in `words`. It ends with `finished`, at once when there is nothing to
    // speak, or with `speechFailed`; a stopped utterance reports nothing more. Text in a
    // language that no installed voice speaks, and that the default voice cannot read, fails at
    // once with the reason. Voices not yet read are read first, the utterance waiting for them.
    void speak(const std::vector<Word>& words, std::int64_t startIndex, std::int64_t wpm);
    void stop();

    // The words joined by single spaces, each word's range counted in UTF-16 code units.
    static SpokenText buildUTF16Ranges(std::span<const Word> words);

signals:
    void availableVoicesChanged();
    void selectedVoiceIDChanged();
    void isSpeakingChanged();
    void detectedLanguageChanged();
    // The current utterance begins the word at this index of the words it was given.
    void wordSpoken(qint64 index);
    // The current utterance ended normally.
    void finished();
    // The current utterance could not be heard; reading has to go on without speech.
    void speechFailed(const QString& reason);

private:
    // An utterance waiting for the voices, without which its voice cannot be chosen.
    struct PendingSpeech {
        SpokenText spoken;
        std::int64_t startIndex = 0;
        std::int64_t wpm = 0;
    };

    void start(SpokenText spoken, std::int64_t startIndex, std::int64_t wpm);
    std::optional<std::size_t> wordIndex(qsizetype location) const;

    void setSpeaking(bool speaking);
    void setDetectedLanguage(const std::optional<QString>& language);
    bool isCurrent(UtteranceId utterance) const { return currentUtterance_ == utterance; }

    // Called on the synthesizer's thread: they only post to the main thread.
    void willSpeakRange(UtteranceId utterance, Utf16Range range) override;
    void didFinish(UtteranceId utterance) override;
    void didCancel(UtteranceId utterance) override;
    void didFail(UtteranceId utterance, const QString& reason) override;

    void handleWord(UtteranceId utterance, qsizetype location);
    void handleFinish(UtteranceId utterance);
    void handleCancel(UtteranceId utterance);
    void handleFailure(UtteranceId utterance, const QString& reason);

    std::unique_ptr<VoiceCatalog> voices_;
    std::unique_ptr<LanguageRecognizer> recognizer_;
    PreferencesStore& preferences_;

    std::vector<SpeechVoice> availableVoices_;
    std::optional<QString> selectedVoiceID_;
    bool isSpeaking_ = false;
    std::vector<Utf16Range> wordRanges_;
    std::int64_t baseOffset_ = 0;
    std::optional<UtteranceId> currentUtterance_;
    std::optional<PendingSpeech> pending_;
    std::optional<QString> detectedLanguage_;
    VoiceChooser chooser_{*voices_, *recognizer_};

    // Last, so that it is destroyed first: its thread must be gone before the rest.
    std::unique_ptr<SpeechSynthesizer> synthesizer_;
};

} // namespace velora
