#include "platform/speech/DesktopSynthesizer.hpp"

#include "platform/speech/SpeechDispatcher.hpp"

namespace velora {

DesktopSynthesizer::DesktopSynthesizer(std::unique_ptr<SpeechSynthesizer> builtIn,
                                       std::shared_ptr<SpeechDispatcher> desktop)
    : builtIn_(std::move(builtIn)), desktop_(std::move(desktop)) {
    builtIn_->setObserver(&builtInRelay_);
    desktop_->setObserver(&desktopRelay_);
}

DesktopSynthesizer::~DesktopSynthesizer() {
    desktop_->setObserver(nullptr);
}

void DesktopSynthesizer::setObserver(SpeechSynthesizerObserver* observer) {
    std::lock_guard lock(mutex_);
    observer_ = observer;
}

// The lock is held while the chosen synthesizer starts, so that none of its reports can come
// before the utterance's number is known.
UtteranceId DesktopSynthesizer::speak(const SpeechUtterance& utterance) {
    const bool throughDesktop = SpeechDispatcher::isOwnVoice(utterance.voiceIdentifier);
    SpeechSynthesizer& chosen = throughDesktop ? *desktop_ : *builtIn_;
    SpeechSynthesizer& other = throughDesktop ? *builtIn_ : *desktop_;
    if (other.isSpeaking()) {
        other.stop();
    }
    std::lock_guard lock(mutex_);
    const UtteranceId inner = chosen.speak(utterance);
    utterances_[{throughDesktop ? 1 : 0, inner}] = ++lastId_;
    return lastId_;
}

void DesktopSynthesizer::stop() {
    builtIn_->stop();
    desktop_->stop();
}

bool DesktopSynthesizer::isSpeaking() const {
    return builtIn_->isSpeaking() || desktop_->isSpeaking();
}

std::optional<UtteranceId> DesktopSynthesizer::outer(int source, UtteranceId inner, bool ends) {
    std::lock_guard lock(mutex_);
    const auto found = utterances_.find({source, inner});
    if (found == utterances_.end() || observer_ == nullptr) {
        return std::nullopt;
    }
    const UtteranceId id = found->second;
    if (ends) {
        utterances_.erase(found);
    }
    return id;
}

void DesktopSynthesizer::Relay::willSpeakRange(UtteranceId utterance, Utf16Range range) {
    if (auto id = owner_.outer(source_, utterance, false)) {
        owner_.observer_->willSpeakRange(*id, range);
    }
}

void DesktopSynthesizer::Relay::didFinish(UtteranceId utterance) {
    if (auto id = owner_.outer(source_, utterance, true)) {
        owner_.observer_->didFinish(*id);
    }
}

void DesktopSynthesizer::Relay::didCancel(UtteranceId utterance) {
    if (auto id = owner_.outer(source_, utterance, true)) {
        owner_.observer_->didCancel(*id);
    }
}

void DesktopSynthesizer::Relay::didFail(UtteranceId utterance, const QString& reason) {
    if (auto id = owner_.outer(source_, utterance, true)) {
        owner_.observer_->didFail(*id, reason);
    }
}

} // namespace velora
