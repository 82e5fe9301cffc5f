#include "platform/speech/DesktopSpeech.hpp"

#include "platform/speech/Cld2LanguageRecognizer.hpp"
#include "platform/speech/ModuleSynthesizer.hpp"
#include "platform/speech/ModuleVoiceCatalog.hpp"
#include "platform/speech/SpeechModule.hpp"

namespace velora {

std::unique_ptr<SpeechService> makeDesktopSpeechService(PreferencesStore& preferences) {
    auto module = std::make_shared<SpeechModule>();
    return std::make_unique<SpeechService>(std::make_unique<ModuleSynthesizer>(module),
                                           std::make_unique<ModuleVoiceCatalog>(module),
                                           std::make_unique<Cld2LanguageRecognizer>(), preferences);
}

} // namespace velora
