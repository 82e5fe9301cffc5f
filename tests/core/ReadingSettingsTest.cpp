#include "core/ReadingSettings.hpp"

#include <clocale>
#include <gtest/gtest.h>
#include <string>

namespace velora {
namespace {

// Both punctuation pauses default to 1.5; only the paragraph pause is 2.0.
TEST(ReadingSettings, DefaultsAreAnEmptyObject) {
    EXPECT_EQ(ReadingSettings::decode("{}"), ReadingSettings{});
    EXPECT_EQ(ReadingSettings{}.encode(),
              R"({"blankBeat":false,"blankBeatPercent":20,"fontScale":1.0,"highlightPivot":true,)"
              R"("longWordMultiplier":1.3,"longWordThreshold":9,"majorPauseMultiplier":1.5,)"
              R"("minorPauseMultiplier":1.5,"naturalRhythm":false,"paragraphPauseMultiplier":2.0,)"
              R"("readingFont":"","resumeAtSentenceStart":true,"speedRamp":false,)"
              R"("splitLength":12,"splitLongWords":false,"theme":"system","transition":"soft",)"
              R"("wordsPerChunk":1,"wpm":300})");
}

// A file written before the rhythm settings existed reads with them off, and the ones written
// now come back as they were.
TEST(ReadingSettings, RhythmSettingsAreOffInOlderFilesAndRoundTrip) {
    const auto older = ReadingSettings::decode(R"({"wpm":420,"speedRamp":true})");
    ASSERT_TRUE(older);
    EXPECT_FALSE(older->naturalRhythm);
    EXPECT_FALSE(older->splitLongWords);
    EXPECT_EQ(older->blankShare(), 0.0);
    EXPECT_EQ(older->readingFont, "");
    const ReadingSettings chosen{.naturalRhythm = true,
                                 .splitLongWords = true,
                                 .splitLength = 99,
                                 .blankBeat = true,
                                 .blankBeatPercent = 5,
                                 .readingFont = "OpenDyslexic"};
    EXPECT_EQ(ReadingSettings::decode(chosen.encode()), chosen);
    EXPECT_EQ(chosen.clampedSplitLength(), ReadingSettings::maxSplitLength);
    EXPECT_DOUBLE_EQ(chosen.blankShare(), 0.1);
    EXPECT_FALSE(ReadingSettings::decode(R"({"readingFont":7})"));
}

TEST(ReadingSettings, RoundTripsAwkwardValuesExactly) {
    ReadingSettings settings{.wpm = -4,
                             .wordsPerChunk = INT64_MAX,
                             .minorPauseMultiplier = 0.1 + 0.2,
                             .majorPauseMultiplier = 1e-300,
                             .paragraphPauseMultiplier = 3.0,
                             .longWordThreshold = INT64_MIN,
                             .longWordMultiplier = 1.0 / 3.0,
                             .theme = ReadingTheme::sepia,
                             .transition = WordTransition::slow,
                             .highlightPivot = false,
                             .fontScale = 2.4999999999999996,
                             .speedRamp = true,
                             .resumeAtSentenceStart = false};
    EXPECT_EQ(ReadingSettings::decode(settings.encode()), settings);
}

struct DecodeCase {
    const char* name;
    const char* json;
    std::optional<std::int64_t> wpm; // none: the whole record must fail
};

class SettingsDecoding : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(SettingsDecoding, IsStrictFieldByField) {
    auto decoded = ReadingSettings::decode(GetParam().json);
    if (!GetParam().wpm) {
        EXPECT_FALSE(decoded);
        return;
    }
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->wpm, *GetParam().wpm);
}

INSTANTIATE_TEST_SUITE_P(
    Objects, SettingsDecoding,
    ::testing::Values(DecodeCase{"NoClamping", R"({"wpm":5000})", 5000},
                      DecodeCase{"FractionalSpeed", R"({"wpm":300.5})", std::nullopt},
                      DecodeCase{"SpeedTooLarge", R"({"wpm":9223372036854775808})", std::nullopt},
                      DecodeCase{"UnknownTheme", R"({"theme":"solarized"})", std::nullopt},
                      DecodeCase{"NotJson", R"({"wpm":)", std::nullopt}),
    [](const auto& info) { return info.param.name; });

// The program runs under the user's number locale, which writes a decimal comma in German.
class MultiplierUnderGermanLocale
    : public ::testing::TestWithParam<std::pair<std::int64_t, const char*>> {
protected:
    void SetUp() override {
        ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr)
            << "scripts/install-deps generates de_DE.UTF-8";
    }
    void TearDown() override { std::setlocale(LC_ALL, saved_.c_str()); }

private:
    std::string saved_ = std::setlocale(LC_ALL, nullptr);
};

TEST_P(MultiplierUnderGermanLocale, KeepsItsPoint) {
    EXPECT_EQ(ReadingSettings{.wpm = GetParam().first}.speedMultiplierLabel(), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Speeds, MultiplierUnderGermanLocale,
                         ::testing::Values(std::pair{300, "1.2X"}, std::pair{25, "0.1X"},
                                           std::pair{5000, "4.8X"}, std::pair{260, "1.0X"}));

} // namespace
} // namespace velora
