#pragma once

#include "app/platform/SpeechSynthesizer.hpp"
#include "app/platform/VoiceCatalog.hpp"

#include <memory>

namespace velora {

// The speech engine as its module makes it: the synthesizer and its voices, the voice list
// already read.
struct SpeechEngine {
    std::unique_ptr<SpeechSynthesizer> synthesizer;
    std::unique_ptr<VoiceCatalog> voices;
};

// The module's one entry point.
extern "C" {
using OpenSpeechEngine = SpeechEngine* (*)();
}
constexpr auto openSpeechEngineSymbol = "velora_open_speech_engine";

} // namespace velora
