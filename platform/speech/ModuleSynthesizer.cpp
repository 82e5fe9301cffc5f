#include "platform/speech/ModuleSynthesizer.hpp"

#include "platform/speech/EspeakSynthesizer.hpp"
#include "platform/speech/SpeechModule.hpp"

namespace velora {

ModuleSynthesizer::ModuleSynthesizer(std::shared_ptr<SpeechModule> module)
    : module_(std::move(module)) {
    arrival_ = QObject::connect(module_.get(), &SpeechModule::loaded, [this] {
        if (SpeechSynthesizer* synthesizer = loaded()) {
            synthesizer->setObserver(observer_);
        }
    });
}

ModuleSynthesizer::~ModuleSynthesizer() {
    QObject::disconnect(arrival_);
    if (SpeechSynthesizer* synthesizer = loaded()) {
        synthesizer->setObserver(nullptr);
    }
}

void ModuleSynthesizer::setObserver(SpeechSynthesizerObserver* observer) {
    observer_ = observer;
    if (SpeechSynthesizer* synthesizer = loaded()) {
        synthesizer->setObserver(observer);
    }
}

UtteranceId ModuleSynthesizer::speak(const SpeechUtterance& utterance) {
    if (SpeechSynthesizer* synthesizer = loaded()) {
        return synthesizer->speak(utterance);
    }
    const UtteranceId failed = ++lastFailed_;
    if (observer_ != nullptr) {
        observer_->didFail(failed, EspeakSynthesizer::engineUnavailable);
    }
    return failed;
}

void ModuleSynthesizer::stop() {
    if (SpeechSynthesizer* synthesizer = loaded()) {
        synthesizer->stop();
    }
}

bool ModuleSynthesizer::isSpeaking() const {
    const SpeechSynthesizer* synthesizer = loaded();
    return synthesizer != nullptr && synthesizer->isSpeaking();
}

SpeechSynthesizer* ModuleSynthesizer::loaded() const {
    SpeechEngine* engine = module_->engine();
    return engine != nullptr ? engine->synthesizer.get() : nullptr;
}

} // namespace velora
