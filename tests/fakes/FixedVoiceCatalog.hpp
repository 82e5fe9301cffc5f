#pragma once

#include "app/platform/VoiceCatalog.hpp"

#include <map>

namespace velora::fakes {

// A fixed list of voices, plus what the synthesizer would pick by itself for a language.
class FixedVoiceCatalog final : public VoiceCatalog {
public:
    FixedVoiceCatalog(std::vector<SpeechVoice> voices, std::map<QString, SpeechVoice> byLanguage)
        : voices_(std::move(voices)), byLanguage_(std::move(byLanguage)) {}

    std::vector<SpeechVoice> voices() const override {
        return loaded_ ? voices_ : std::vector<SpeechVoice>{};
    }
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
    void setOnVoicesChanged(std::function<void()> callback) override {
        onChanged_ = std::move(callback);
    }

    bool isLoaded() const override { return loaded_; }
    void load() override { asked_ = true; }

    // Read only when asked, as the program's catalog is: no voices until `finishLoading`.
    void waitToBeAsked() { loaded_ = false; }
    bool asked() const { return asked_; }
    void finishLoading() {
        loaded_ = true;
        if (onChanged_) {
            onChanged_();
        }
    }

    // A voice learned later, announced as the desktop's speech service does.
    void add(SpeechVoice voice) {
        voices_.push_back(std::move(voice));
        if (onChanged_) {
            onChanged_();
        }
    }

private:
    std::vector<SpeechVoice> voices_;
    std::map<QString, SpeechVoice> byLanguage_;
    std::function<void()> onChanged_;
    bool loaded_ = true;
    bool asked_ = false;
};

} // namespace velora::fakes
