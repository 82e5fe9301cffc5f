#pragma once

#include "app/SpeechService.hpp"
#include "fakes/FixedVoiceCatalog.hpp"
#include "fakes/InMemoryPreferencesStore.hpp"
#include "fakes/ScriptedSpeechSynthesizer.hpp"
#include "fakes/TableLanguageRecognizer.hpp"

#include <memory>

namespace velora::testsupport {

// A speech service with two voices that speaks nowhere; "merhaba dünya" is Turkish to it.
struct SpeechServiceFixture {
    fakes::InMemoryPreferencesStore preferences;
    fakes::ScriptedSpeechSynthesizer::Log log;
    SpeechService speech{
        std::make_unique<fakes::ScriptedSpeechSynthesizer>(log),
        std::make_unique<fakes::FixedVoiceCatalog>(
            std::vector<SpeechVoice>{{"voice.en", "Alex", "en-US", VoiceQuality::default_},
                                     {"voice.tr", "Yelda", "tr-TR", VoiceQuality::default_}},
            std::map<QString, SpeechVoice>{}),
        std::make_unique<fakes::TableLanguageRecognizer>(
            std::map<QString, QString>{{"merhaba dünya", "tr"}}),
        preferences};
};

} // namespace velora::testsupport
