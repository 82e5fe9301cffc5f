#pragma once

#include "app/platform/SpeechSynthesizer.hpp"

#include <thread>
#include <vector>

namespace velora::fakes {

// Records what it is asked to say; the test plays the synthesizer's part and sends its reports,
// each from a thread of its own as the real one does.
class ScriptedSpeechSynthesizer final : public SpeechSynthesizer {
public:
    struct Log {
        std::vector<std::pair<UtteranceId, SpeechUtterance>> spoken;
        int stops = 0;
    };

    explicit ScriptedSpeechSynthesizer(Log& log) : log_(log) {}

    void setObserver(SpeechSynthesizerObserver* observer) override { observer_ = observer; }
    UtteranceId speak(const SpeechUtterance& utterance) override {
        log_.spoken.emplace_back(++lastId_, utterance);
        speaking_ = true;
        return lastId_;
    }
    void stop() override {
        ++log_.stops;
        speaking_ = false;
    }
    bool isSpeaking() const override { return speaking_; }

    void reportWord(UtteranceId utterance, Utf16Range range) {
        fromOwnThread([=, this] { observer_->willSpeakRange(utterance, range); });
    }
    void reportFinish(UtteranceId utterance) {
        speaking_ = false;
        fromOwnThread([=, this] { observer_->didFinish(utterance); });
    }
    void reportCancel(UtteranceId utterance) {
        fromOwnThread([=, this] { observer_->didCancel(utterance); });
    }
    void reportFailure(UtteranceId utterance, const QString& reason) {
        speaking_ = false;
        fromOwnThread([=, this] { observer_->didFail(utterance, reason); });
    }

private:
    template <typename F> void fromOwnThread(F report) { std::thread(report).join(); }

    Log& log_;
    SpeechSynthesizerObserver* observer_ = nullptr;
    UtteranceId lastId_ = 0;
    bool speaking_ = false;
};

} // namespace velora::fakes
