#pragma once

#include "app/platform/SpeechSynthesizer.hpp"

#include <map>
#include <memory>
#include <mutex>

namespace velora {

class SpeechDispatcher;

// Speaks each utterance with the built-in synthesizer, or through the desktop's speech service
// when its voice is one of the service's; one utterance at a time across both.
class DesktopSynthesizer final : public SpeechSynthesizer {
public:
    DesktopSynthesizer(std::unique_ptr<SpeechSynthesizer> builtIn,
                       std::shared_ptr<SpeechDispatcher> desktop);
    ~DesktopSynthesizer() override;

    void setObserver(SpeechSynthesizerObserver* observer) override;
    UtteranceId speak(const SpeechUtterance& utterance) override;
    void stop() override;
    bool isSpeaking() const override;

private:
    // Passes one synthesizer's reports on under this synthesizer's utterance numbers.
    class Relay final : public SpeechSynthesizerObserver {
    public:
        Relay(DesktopSynthesizer& owner, int source) : owner_(owner), source_(source) {}
        void willSpeakRange(UtteranceId utterance, Utf16Range range) override;
        void didFinish(UtteranceId utterance) override;
        void didCancel(UtteranceId utterance) override;
        void didFail(UtteranceId utterance, const QString& reason) override;

    private:
        DesktopSynthesizer& owner_;
        int source_;
    };

    std::optional<UtteranceId> outer(int source, UtteranceId inner, bool ends);

    std::mutex mutex_;
    std::map<std::pair<int, UtteranceId>, UtteranceId> utterances_;
    UtteranceId lastId_ = 0;
    SpeechSynthesizerObserver* observer_ = nullptr;
    Relay builtInRelay_{*this, 0};
    Relay desktopRelay_{*this, 1};
    // Last, so that their threads are gone before the rest.
    std::unique_ptr<SpeechSynthesizer> builtIn_;
    std::shared_ptr<SpeechDispatcher> desktop_;
};

} // namespace velora
