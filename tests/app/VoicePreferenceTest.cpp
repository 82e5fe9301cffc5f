#include "app/SpeechService.hpp"
#include "core/TextEngine.hpp"
#include "fakes/FixedVoiceCatalog.hpp"
#include "fakes/InMemoryPreferencesStore.hpp"
#include "fakes/ScriptedSpeechSynthesizer.hpp"
#include "fakes/TableLanguageRecognizer.hpp"

#include <gtest/gtest.h>

namespace velora {
namespace {

struct PreferenceCase {
    const char* name;
    const char* preferredTag;
    const char* expectedVoice;
};

class VoicePreference : public ::testing::TestWithParam<PreferenceCase> {};

// Three English voices of one quality: the desktop's own variety is chosen when it is among
// them; otherwise the first in sorted order, as before.
TEST_P(VoicePreference, PrefersTheDesktopsVarietyAmongEqualVoices) {
    fakes::InMemoryPreferencesStore preferences;
    fakes::ScriptedSpeechSynthesizer::Log log;
    SpeechService speech(
        std::make_unique<fakes::ScriptedSpeechSynthesizer>(log),
        std::make_unique<fakes::FixedVoiceCatalog>(
            std::vector<SpeechVoice>{{"en-029", "Caribbean", "en-029", VoiceQuality::default_},
                                     {"en-gb", "British", "en-GB", VoiceQuality::default_},
                                     {"en-us", "American", "en-US", VoiceQuality::default_}},
            std::map<QString, SpeechVoice>{}),
        std::make_unique<fakes::TableLanguageRecognizer>(
            std::map<QString, QString>{{"read this aloud", "en"}}),
        preferences);
    speech.setPreferredLanguageTag(GetParam().preferredTag);

    speech.speak(TextEngine::tokenize("read this aloud"), 0, 300, {}, {});

    ASSERT_EQ(log.spoken.size(), 1U);
    EXPECT_EQ(log.spoken.front().second.voiceIdentifier, QString(GetParam().expectedVoice));
}

INSTANTIATE_TEST_SUITE_P(Locales, VoicePreference,
                         ::testing::Values(PreferenceCase{"american", "en-US", "en-us"},
                                           PreferenceCase{"british", "en-gb", "en-gb"},
                                           PreferenceCase{"german", "de-DE", "en-029"},
                                           PreferenceCase{"plainEnglish", "en", "en-029"}),
                         [](const auto& info) { return info.param.name; });

} // namespace
} // namespace velora
