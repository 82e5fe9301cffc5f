#include "platform/speech/DesktopSpeech.hpp"

#include "platform/speech/Cld2LanguageRecognizer.hpp"
#include "platform/speech/DesktopSynthesizer.hpp"
#include "platform/speech/DesktopVoiceCatalog.hpp"
#include "platform/speech/EspeakSynthesizer.hpp"
#include "platform/speech/EspeakVoiceCatalog.hpp"
#include "platform/speech/SpeechDispatcher.hpp"

namespace velora {

std::unique_ptr<SpeechService> makeDesktopSpeechService(PreferencesStore& preferences) {
    auto desktop = std::make_shared<SpeechDispatcher>();
    return std::make_unique<SpeechService>(
        std::make_unique<DesktopSynthesizer>(std::make_unique<EspeakSynthesizer>(), desktop),
        std::make_unique<DesktopVoiceCatalog>(std::make_unique<EspeakVoiceCatalog>(), desktop),
        std::make_unique<Cld2LanguageRecognizer>(), preferences);
}

} // namespace velora
