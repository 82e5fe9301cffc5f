#include "platform/DesktopSpeech.hpp"

#include "platform/Cld2LanguageRecognizer.hpp"
#include "platform/DesktopSynthesizer.hpp"
#include "platform/DesktopVoiceCatalog.hpp"
#include "platform/EspeakSynthesizer.hpp"
#include "platform/EspeakVoiceCatalog.hpp"
#include "platform/SpeechDispatcher.hpp"

namespace velora {

std::unique_ptr<SpeechService> makeDesktopSpeechService(PreferencesStore& preferences) {
    auto desktop = std::make_shared<SpeechDispatcher>();
    return std::make_unique<SpeechService>(
        std::make_unique<DesktopSynthesizer>(std::make_unique<EspeakSynthesizer>(), desktop),
        std::make_unique<DesktopVoiceCatalog>(std::make_unique<EspeakVoiceCatalog>(), desktop),
        std::make_unique<Cld2LanguageRecognizer>(), preferences);
}

} // namespace velora
