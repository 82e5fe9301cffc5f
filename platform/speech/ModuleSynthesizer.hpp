#pragma once

#include "app/platform/SpeechSynthesizer.hpp"

#include <QMetaObject>
#include <memory>

namespace velora {

class SpeechModule;

// The speech module's synthesizer, once the module is loaded. The speech service waits for the
// voices, and so for the module, before it speaks; an utterance that comes earlier, or when the
// module could not be loaded, fails.
class ModuleSynthesizer final : public SpeechSynthesizer {
public:
    explicit ModuleSynthesizer(std::shared_ptr<SpeechModule> module);
    ModuleSynthesizer(const ModuleSynthesizer&) = delete;
    ModuleSynthesizer& operator=(const ModuleSynthesizer&) = delete;
    ~ModuleSynthesizer() override;

    void setObserver(SpeechSynthesizerObserver* observer) override;
    UtteranceId speak(const SpeechUtterance& utterance) override;
    void stop() override;
    bool isSpeaking() const override;

private:
    SpeechSynthesizer* loaded() const;

    std::shared_ptr<SpeechModule> module_;
    SpeechSynthesizerObserver* observer_ = nullptr;
    UtteranceId lastFailed_ = 0;
    QMetaObject::Connection arrival_;
};

} // namespace velora
