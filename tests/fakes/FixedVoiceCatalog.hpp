#pragma once

#include "app/platform/VoiceCatalog.hpp"

#include <map>

namespace velora::fakes {

// A fixed list of voices, plus what the synthesizer would pick by itself for a language.
class FixedVoiceCatalog final : public VoiceCatalog {
public:
    FixedVoiceCatalog(std::vector<SpeechVoice> voices, std::map<QString, SpeechVoice> byLanguage)
        : voices_(std::move(voices)), byLanguage_(std::move(byLanguage)) {}

    std::vector<SpeechVoice> voices() const override { return voices_; }
    std::optional<SpeechVoice> voice(const QString& identifier) const override {
        for (const SpeechVoice& voice : voices_) {
            if (voice.identifier == identifier) {
                return voice;
            }
        }
        return std::nullopt;
    }
    std::optional<SpeechVoice> voiceForLanguage(const QString& languageCode) const override {
        auto found = byLanguage_.find(languageCode);
        if (found == byLanguage_.end()) {
            return std::nullopt;
        }
        return found->second;
    }

private:
    std::vector<SpeechVoice> voices_;
    std::map<QString, SpeechVoice> byLanguage_;
};

} // namespace velora::fakes
