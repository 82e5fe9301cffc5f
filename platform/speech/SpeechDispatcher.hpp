#pragma once

#include "app/platform/SpeechSynthesizer.hpp"
#include "app/platform/SpeechVoice.hpp"

#include <functional>
#include <memory>
#include <vector>

namespace velora {

// The desktop's speech service (speech-dispatcher), where the session runs one: its voices,
// and utterances spoken through it, each word reported at an SSML mark placed before it. All
// talk with the service happens on a thread of its own, so a service that hangs holds up
// neither the caller nor quitting.
class SpeechDispatcher final : public SpeechSynthesizer {
public:
    static inline const QString identifierPrefix = QStringLiteral("speech-dispatcher/");
    static inline const QString serviceUnavailable = QStringLiteral(
        QT_TRANSLATE_NOOP("SpeechFailure", "The desktop's speech service is not answering"));

    // Connects to the session's service without starting one.
    SpeechDispatcher();
    SpeechDispatcher(const SpeechDispatcher&) = delete;
    SpeechDispatcher& operator=(const SpeechDispatcher&) = delete;
    ~SpeechDispatcher() override;

    static bool isOwnVoice(const std::optional<QString>& identifier);

    // The service's voices, each under its module's name; empty until the service answered.
    std::vector<SpeechVoice> voices() const;
    // Called on the service's thread once the voices are known.
    void setOnVoicesChanged(std::function<void()> callback);

    void setObserver(SpeechSynthesizerObserver* observer) override;
    UtteranceId speak(const SpeechUtterance& utterance) override;
    void stop() override;
    bool isSpeaking() const override;

    // SSML that speaks the text with a mark named by each word's index before the word; the
    // words are the runs of the text without white space, whose ranges are returned too.
    struct MarkedText {
        QByteArray ssml;
        std::vector<Utf16Range> words;
    };
    static MarkedText markedText(const QString& text);

    // What the service's thread and its callbacks share with this object.
    struct State;

private:
    static void work(const std::shared_ptr<State>& state);

    std::shared_ptr<State> state_;
};

} // namespace velora
