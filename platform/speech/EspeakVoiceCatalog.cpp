#include "platform/speech/EspeakVoiceCatalog.hpp"

#include "platform/speech/EspeakEngine.hpp"

namespace velora {

std::vector<SpeechVoice> EspeakVoiceCatalog::voices() const {
    std::vector<SpeechVoice> result;
    for (const EspeakEngine::Voice& voice : EspeakEngine::instance().voices()) {
        result.push_back(voice.voice);
    }
    return result;
}

std::optional<SpeechVoice> EspeakVoiceCatalog::voice(const QString& identifier) const {
    for (const EspeakEngine::Voice& voice : EspeakEngine::instance().voices()) {
        if (voice.voice.identifier == identifier) {
            return voice.voice;
        }
    }
    return std::nullopt;
}

std::optional<SpeechVoice> EspeakVoiceCatalog::voiceForLanguage(const QString& languageCode) const {
    return EspeakEngine::instance().voiceForLanguage(languageCode);
}

} // namespace velora
