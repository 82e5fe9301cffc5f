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
    const char* desktopTag;
    // What the recognizer says of the text; none when it cannot tell.
    std::optional<QString> textLanguage;
    // The synthesizer's own pick for English, if it has one.
    std::optional<QString> synthesizerEnglish;
    std::optional<QString> expectedVoice;
};

SpeechVoice voice(const char* identifier, const char* language) {
    return {identifier, identifier, language, VoiceQuality::default_};
}

class VoicePreference : public ::testing::TestWithParam<PreferenceCase> {};

// Voices of one quality, as espeak-ng installs them: which variety reads depends on the desktop.
TEST_P(VoicePreference, FollowsTheDesktopsVarietyAndLanguage) {
    const std::vector<SpeechVoice> installed{voice("en-029", "en-029"), voice("en-gb", "en-GB"),
                                             voice("en-us", "en-US"),   voice("fr-be", "fr-BE"),
                                             voice("fr-fr", "fr-FR"),   voice("cmn", "cmn"),
                                             voice("yue", "yue"),       voice("de", "de")};
    std::map<QString, SpeechVoice> byLanguage;
    if (GetParam().synthesizerEnglish) {
        byLanguage["en"] = voice(GetParam().synthesizerEnglish->toUtf8().constData(), "en-GB");
    }
    std::map<QString, QString> languages;
    if (GetParam().textLanguage) {
        languages["read this aloud"] = *GetParam().textLanguage;
    }
    fakes::InMemoryPreferencesStore preferences;
    fakes::ScriptedSpeechSynthesizer::Log log;
    SpeechService speech(std::make_unique<fakes::ScriptedSpeechSynthesizer>(log),
                         std::make_unique<fakes::FixedVoiceCatalog>(installed, byLanguage),
                         std::make_unique<fakes::TableLanguageRecognizer>(languages), preferences);
    speech.setPreferredLanguageTag(GetParam().desktopTag);

    speech.speak(TextEngine::tokenize("read this aloud"), 0, 300);

    ASSERT_EQ(log.spoken.size(), 1U);
    EXPECT_EQ(log.spoken.front().second.voiceIdentifier, GetParam().expectedVoice);
    EXPECT_EQ(speech.detectedLanguage(), GetParam().textLanguage);
}

INSTANTIATE_TEST_SUITE_P(
    Desktops, VoicePreference,
    ::testing::Values(
        PreferenceCase{"american", "en-US", "en", std::nullopt, "en-us"},
        PreferenceCase{"british", "en-gb", "en", std::nullopt, "en-gb"},
        PreferenceCase{"french", "fr-FR", "fr", std::nullopt, "fr-fr"},
        // Another desktop language: the synthesizer's pick, else the first in sorted order.
        PreferenceCase{"germanWithPick", "de-DE", "en", "en-gb", "en-gb"},
        PreferenceCase{"germanWithoutPick", "de-DE", "en", std::nullopt, "en-029"},
        PreferenceCase{"regionless", "en", "en", std::nullopt, "en-029"},
        // Undecided text is read in the desktop's language and variety.
        PreferenceCase{"undecidedOnAmerican", "en-US", std::nullopt, std::nullopt, "en-us"},
        PreferenceCase{"undecidedOnFrench", "fr-FR", std::nullopt, std::nullopt, "fr-fr"},
        PreferenceCase{"undecidedWithoutLocale", "", std::nullopt, std::nullopt, std::nullopt},
        // Written Chinese in either script is read in Mandarin; Cantonese only when named.
        PreferenceCase{"traditionalChinese", "en-US", "zh-Hant", std::nullopt, "cmn"},
        PreferenceCase{"simplifiedChinese", "en-US", "zh", std::nullopt, "cmn"},
        PreferenceCase{"cantonese", "en-US", "yue", std::nullopt, "yue"}),
    [](const auto& info) { return info.param.name; });

} // namespace
} // namespace velora
