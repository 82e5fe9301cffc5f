#pragma once

#include "app/platform/VoiceCatalog.hpp"

namespace velora {

// espeak-ng's installed voices, their languages written as BCP-47. Voices of the MBROLA
// databases appear only when their data is installed, and then as enhanced voices.
class EspeakVoiceCatalog final : public VoiceCatalog {
public:
    std::vector<SpeechVoice> voices() const override;
    std::optional<SpeechVoice> voice(const QString& identifier) const override;
    std::optional<SpeechVoice> voiceForLanguage(const QString& languageCode) const override;
};

} // namespace velora
