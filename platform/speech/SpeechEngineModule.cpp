#include "platform/speech/DesktopSynthesizer.hpp"
#include "platform/speech/DesktopVoiceCatalog.hpp"
#include "platform/speech/EspeakEngine.hpp"
#include "platform/speech/EspeakSynthesizer.hpp"
#include "platform/speech/EspeakVoiceCatalog.hpp"
#include "platform/speech/SpeechDispatcher.hpp"
#include "platform/speech/SpeechEngine.hpp"

extern "C" velora::SpeechEngine* velora_open_speech_engine() {
    using namespace velora;
    // Started here, on the loading thread, so that the first utterance finds it ready.
    EspeakEngine::instance();
    auto desktop = std::make_shared<SpeechDispatcher>();
    return new SpeechEngine{
        std::make_unique<DesktopSynthesizer>(std::make_unique<EspeakSynthesizer>(), desktop),
        std::make_unique<DesktopVoiceCatalog>(std::make_unique<EspeakVoiceCatalog>(), desktop)};
}
