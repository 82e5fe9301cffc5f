#pragma once

#include "app/SpeechService.hpp"
#include "tests/fakes/FixedVoiceCatalog.hpp"
#include "tests/fakes/ScriptedSpeechSynthesizer.hpp"
#include "tests/fakes/TableLanguageRecognizer.hpp"

#include <memory>

namespace velora::fakes {

// Speech over the scripted synthesizer, with no voices and no language recognised.
inline std::unique_ptr<SpeechService>
scriptedSpeechService(std::unique_ptr<ScriptedSpeechSynthesizer> synthesizer,
                      PreferencesStore& preferences) {
    return std::make_unique<SpeechService>(
        std::move(synthesizer),
        std::make_unique<FixedVoiceCatalog>(std::vector<SpeechVoice>{},
                                            std::map<QString, SpeechVoice>{}),
        std::make_unique<TableLanguageRecognizer>(std::map<QString, QString>{}), preferences);
}

inline std::unique_ptr<SpeechService> scriptedSpeechService(ScriptedSpeechSynthesizer::Log& log,
                                                            PreferencesStore& preferences) {
    return scriptedSpeechService(std::make_unique<ScriptedSpeechSynthesizer>(log), preferences);
}

} // namespace velora::fakes
