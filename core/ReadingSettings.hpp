#pragma once

#include "core/ReadingTheme.hpp"
#include "core/WordTransition.hpp"

#include <cstdint>
#include <nlohmann/json_fwd.hpp>
#include <optional>
#include <string>
#include <string_view>

namespace velora {

// The user's reading preferences. Raw fields are kept as stored, even out of range; consumers
// read the clamped views.
struct ReadingSettings {
    static constexpr std::int64_t minWPM = 25;
    static constexpr std::int64_t maxWPM = 1200;
    static constexpr std::int64_t wpmStep = 5;
    static constexpr std::int64_t baselineWPM = 250;

    std::int64_t wpm = 300;
    std::int64_t wordsPerChunk = 1;
    double minorPauseMultiplier = 1.5;
    double majorPauseMultiplier = 1.5;
    double paragraphPauseMultiplier = 2.0;
    std::int64_t longWordThreshold = 9;
    double longWordMultiplier = 1.3;
    ReadingTheme theme = ReadingTheme::system;
    WordTransition transition = WordTransition::soft;
    bool highlightPivot = true;
    double fontScale = 1.0;
    // Each start of playback eases in from a slower speed.
    bool speedRamp = false;
    // A text taken up again starts at the beginning of the sentence that was being read.
    bool resumeAtSentenceStart = true;
    // Each word's share of a sentence's time follows how hard it is to read; the sentence keeps
    // the time it has without.
    bool naturalRhythm = false;
    // Words longer than `splitLength` characters are shown in pieces.
    bool splitLongWords = false;
    std::int64_t splitLength = 12;
    // The last part of each word's time shows nothing.
    bool blankBeat = false;
    std::int64_t blankBeatPercent = 20;
    // The family the reading views draw words in; empty for the built-in choice.
    std::string readingFont{};

    std::int64_t clampedWPM() const;
    std::int64_t clampedWordsPerChunk() const;
    double clampedFontScale() const;
    static constexpr std::int64_t minSplitLength = 10;
    static constexpr std::int64_t maxSplitLength = 20;
    std::int64_t clampedSplitLength() const;
    static constexpr std::int64_t minBlankBeatPercent = 10;
    static constexpr std::int64_t maxBlankBeatPercent = 30;
    std::int64_t clampedBlankBeatPercent() const;
    // Whether the words' hyphenation patterns and weights are wanted: the rhythm or the pieces.
    bool weighsWords() const { return naturalRhythm || splitLongWords; }
    // The share of a word's time left blank: 0 with the blank beat off.
    double blankShare() const;
    double speedMultiplier() const;
    // The speed relative to the baseline, as in "1.2X".
    std::string speedMultiplierLabel() const;

    nlohmann::json toJson() const;
    // Compact JSON with every field, raw values as they are.
    std::string encode() const;

    // A missing or null field takes its default; a value of the wrong kind, a fraction for an
    // integer field or an unknown theme or transition fails the whole record.
    static std::optional<ReadingSettings> fromJson(const nlohmann::json& object);
    static std::optional<ReadingSettings> decode(std::string_view json);

    bool operator==(const ReadingSettings&) const = default;
};

} // namespace velora
