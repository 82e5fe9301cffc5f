#include "core/ReadingSettings.hpp"

#include "core/JsonFields.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace velora {

namespace {
constexpr std::int64_t minWordsPerChunk = 1;
constexpr std::int64_t maxWordsPerChunk = 4;
constexpr double minFontScale = 0.6;
constexpr double maxFontScale = 2.5;

std::optional<ReadingTheme> themeValue(const nlohmann::json& value) {
    auto raw = JsonFields::string(value);
    return raw ? readingThemeFromString(*raw) : std::nullopt;
}

std::optional<WordTransition> transitionValue(const nlohmann::json& value) {
    auto raw = JsonFields::string(value);
    return raw ? wordTransitionFromString(*raw) : std::nullopt;
}
} // namespace

std::int64_t ReadingSettings::clampedWPM() const {
    return std::clamp(wpm, minWPM, maxWPM);
}

std::int64_t ReadingSettings::clampedWordsPerChunk() const {
    return std::clamp(wordsPerChunk, minWordsPerChunk, maxWordsPerChunk);
}

double ReadingSettings::clampedFontScale() const {
    // NaN fails both comparisons of std::clamp and would pass through; fall back to the default.
    if (std::isnan(fontScale)) {
        return 1.0;
    }
    return std::clamp(fontScale, minFontScale, maxFontScale);
}

std::int64_t ReadingSettings::clampedSplitLength() const {
    return std::clamp(splitLength, minSplitLength, maxSplitLength);
}

std::int64_t ReadingSettings::clampedBlankBeatPercent() const {
    return std::clamp(blankBeatPercent, minBlankBeatPercent, maxBlankBeatPercent);
}

double ReadingSettings::blankShare() const {
    return blankBeat ? static_cast<double>(clampedBlankBeatPercent()) / 100.0 : 0.0;
}

double ReadingSettings::speedMultiplier() const {
    return static_cast<double>(clampedWPM()) / static_cast<double>(baselineWPM);
}

std::string ReadingSettings::speedMultiplierLabel() const {
    // Not printf: the C library's number locale would make it "1,2X" in German.
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, speedMultiplier(),
                                   std::chars_format::fixed, 1)
                         .ptr;
    return std::string(buffer, end) + 'X';
}

nlohmann::json ReadingSettings::toJson() const {
    return {{"wpm", wpm},
            {"wordsPerChunk", wordsPerChunk},
            {"minorPauseMultiplier", minorPauseMultiplier},
            {"majorPauseMultiplier", majorPauseMultiplier},
            {"paragraphPauseMultiplier", paragraphPauseMultiplier},
            {"longWordThreshold", longWordThreshold},
            {"longWordMultiplier", longWordMultiplier},
            {"theme", toString(theme)},
            {"transition", toString(transition)},
            {"highlightPivot", highlightPivot},
            {"fontScale", fontScale},
            {"speedRamp", speedRamp},
            {"resumeAtSentenceStart", resumeAtSentenceStart},
            {"naturalRhythm", naturalRhythm},
            {"splitLongWords", splitLongWords},
            {"splitLength", splitLength},
            {"blankBeat", blankBeat},
            {"blankBeatPercent", blankBeatPercent},
            {"readingFont", readingFont}};
}

std::string ReadingSettings::encode() const {
    return JsonFields::dump(toJson());
}

std::optional<ReadingSettings> ReadingSettings::fromJson(const nlohmann::json& object) {
    if (!object.is_object()) {
        return std::nullopt;
    }
    ReadingSettings s;
    using JsonFields::readOptional;
    const bool ok =
        readOptional(object, "wpm", s.wpm, JsonFields::integer) &&
        readOptional(object, "wordsPerChunk", s.wordsPerChunk, JsonFields::integer) &&
        readOptional(object, "minorPauseMultiplier", s.minorPauseMultiplier, JsonFields::number) &&
        readOptional(object, "majorPauseMultiplier", s.majorPauseMultiplier, JsonFields::number) &&
        readOptional(object, "paragraphPauseMultiplier", s.paragraphPauseMultiplier,
                     JsonFields::number) &&
        readOptional(object, "longWordThreshold", s.longWordThreshold, JsonFields::integer) &&
        readOptional(object, "longWordMultiplier", s.longWordMultiplier, JsonFields::number) &&
        readOptional(object, "theme", s.theme, themeValue) &&
        readOptional(object, "transition", s.transition, transitionValue) &&
        readOptional(object, "highlightPivot", s.highlightPivot, JsonFields::boolean) &&
        readOptional(object, "fontScale", s.fontScale, JsonFields::number) &&
        readOptional(object, "speedRamp", s.speedRamp, JsonFields::boolean) &&
        readOptional(object, "resumeAtSentenceStart", s.resumeAtSentenceStart,
                     JsonFields::boolean) &&
        readOptional(object, "naturalRhythm", s.naturalRhythm, JsonFields::boolean) &&
        readOptional(object, "splitLongWords", s.splitLongWords, JsonFields::boolean) &&
        readOptional(object, "splitLength", s.splitLength, JsonFields::integer) &&
        readOptional(object, "blankBeat", s.blankBeat, JsonFields::boolean) &&
        readOptional(object, "blankBeatPercent", s.blankBeatPercent, JsonFields::integer) &&
        readOptional(object, "readingFont", s.readingFont, JsonFields::string);
    if (!ok) {
        return std::nullopt;
    }
    return s;
}

std::optional<ReadingSettings> ReadingSettings::decode(std::string_view json) {
    return fromJson(JsonFields::parse(json));
}

} // namespace velora
