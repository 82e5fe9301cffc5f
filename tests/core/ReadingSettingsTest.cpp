#include "core/ReadingSettings.hpp"

#include "core/ReadingMode.hpp"

#include <gtest/gtest.h>

namespace velora {
namespace {

// Both punctuation pauses default to 1.5; only the paragraph pause is 2.0.
TEST(ReadingSettings, DefaultsAreAnEmptyObject) {
    EXPECT_EQ(ReadingSettings::decode("{}"), ReadingSettings{});
    EXPECT_EQ(ReadingSettings{}.encode(),
              R"({"fontScale":1.0,"highlightPivot":true,"longWordMultiplier":1.3,)"
              R"("longWordThreshold":9,"majorPauseMultiplier":1.5,"minorPauseMultiplier":1.5,)"
              R"("paragraphPauseMultiplier":2.0,"theme":"system","transition":"soft",)"
              R"("wordsPerChunk":1,"wpm":300})");
}

struct SpeedCase {
    std::int64_t wpm;
    std::int64_t clamped;
    const char* label;
};

class SpeedViews : public ::testing::TestWithParam<SpeedCase> {};

TEST_P(SpeedViews, ClampAndLabel) {
    ReadingSettings settings;
    settings.wpm = GetParam().wpm;
    EXPECT_EQ(settings.clampedWPM(), GetParam().clamped);
    EXPECT_EQ(settings.speedMultiplierLabel(), GetParam().label);
}

INSTANTIATE_TEST_SUITE_P(Speeds, SpeedViews,
                         ::testing::Values(SpeedCase{10, 25, "0.1X"}, SpeedCase{5000, 1200, "4.8X"},
                                           SpeedCase{275, 275, "1.1X"}, SpeedCase{250, 250, "1.0X"},
                                           SpeedCase{300, 300, "1.2X"},
                                           SpeedCase{INT64_MIN, 25, "0.1X"}));

TEST(ReadingSettings, ChunkAndFontScaleViewsClamp) {
    ReadingSettings settings;
    for (auto [raw, clamped] :
         {std::pair<std::int64_t, std::int64_t>{0, 1}, {-7, 1}, {9, 4}, {3, 3}}) {
        settings.wordsPerChunk = raw;
        EXPECT_EQ(settings.clampedWordsPerChunk(), clamped) << raw;
    }
    for (auto [raw, clamped] : {std::pair{0.1, 0.6}, {3.0, 2.5}, {1.25, 1.25}}) {
        settings.fontScale = raw;
        EXPECT_DOUBLE_EQ(settings.clampedFontScale(), clamped) << raw;
    }
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
                             .fontScale = 2.4999999999999996};
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
    ::testing::Values(
        DecodeCase{"OnlySpeed", R"({"wpm":400})", 400},
        DecodeCase{"NullIsDefault", R"({"wpm":null,"theme":null})", 300},
        DecodeCase{"NoClamping", R"({"wpm":5000})", 5000},
        DecodeCase{"IntegralFloat", R"({"wpm":300.0})", 300},
        DecodeCase{"UnknownKeysIgnored", R"({"wpm":350,"colour":"red","x":[1]})", 350},
        DecodeCase{"IntegerForDouble", R"({"fontScale":2,"minorPauseMultiplier":1})", 300},
        DecodeCase{"OtherFields", R"({"theme":"night","transition":"slow","highlightPivot":false})",
                   300},
        DecodeCase{"FractionalSpeed", R"({"wpm":300.5})", std::nullopt},
        DecodeCase{"FractionalThreshold", R"({"longWordThreshold":9.5})", std::nullopt},
        DecodeCase{"SpeedAsText", R"({"wpm":"300"})", std::nullopt},
        DecodeCase{"SpeedTooLarge", R"({"wpm":9223372036854775808})", std::nullopt},
        DecodeCase{"BooleanAsNumber", R"({"highlightPivot":1})", std::nullopt},
        DecodeCase{"DoubleAsText", R"({"fontScale":"1.0"})", std::nullopt},
        DecodeCase{"UnknownTheme", R"({"theme":"solarized"})", std::nullopt},
        DecodeCase{"ThemeCaseMatters", R"({"theme":"Dark"})", std::nullopt},
        DecodeCase{"UnknownTransition", R"({"transition":"fade"})", std::nullopt},
        DecodeCase{"NotAnObject", R"([{"wpm":300}])", std::nullopt},
        DecodeCase{"NotJson", R"({"wpm":)", std::nullopt}),
    [](const auto& info) { return info.param.name; });

TEST(ReadingEnumerations, ParseOnlyTheirExactRawValues) {
    for (auto theme : allReadingThemes) {
        EXPECT_EQ(readingThemeFromString(toString(theme)), theme);
    }
    for (auto transition : allWordTransitions) {
        EXPECT_EQ(wordTransitionFromString(toString(transition)), transition);
    }
    for (auto mode : allReadingModes) {
        EXPECT_EQ(readingModeFromString(toString(mode)), mode);
    }
    EXPECT_FALSE(readingModeFromString("Focus"));
    EXPECT_FALSE(readingThemeFromString("high contrast"));
    EXPECT_FALSE(wordTransitionFromString(""));
}

} // namespace
} // namespace velora
