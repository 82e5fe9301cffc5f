#pragma once

#include "core/ReadingSettings.hpp"
#include "core/Sentences.hpp"
#include "core/Word.hpp"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace velora {

// How long a chunk stays on screen under given settings.
class ReadingTiming {
public:
    // `rhythm` holds each word's share of the base interval by word id (rhythmShares), used when
    // the natural rhythm is on; words it does not cover take the plain timing.
    explicit ReadingTiming(const ReadingSettings& settings, std::span<const double> rhythm = {})
        : settings_(settings), rhythm_(rhythm) {}

    const ReadingSettings& settings() const { return settings_; }

    // Seconds per word at the clamped speed.
    double baseWordInterval() const;
    // Seconds for the chunk: one base interval per word, lengthened for a long word and for
    // the punctuation and paragraph end of the last word.
    double interval(std::span<const Word> chunk) const;
    static constexpr std::int64_t rampChunks = 10;

    // Each word's share of the base interval under the natural rhythm, before the pause of its
    // punctuation and paragraph end: in proportion to its weight (WordRhythm), scaled so that
    // every sentence, read a word at a time, takes the time the plain timing gives it.
    std::vector<double> rhythmShares(const std::vector<Word>& words, const TextStarts& starts,
                                     const std::vector<double>& weights) const;

    // With the speed ramp on, the chunk shown `played` chunks after playback started stays
    // longer: 40% at first, less by an even step each chunk, as set from the tenth on.
    double rampedInterval(std::span<const Word> chunk, std::int64_t played) const;
    // The ramped interval for sleeping; negative or NaN gives 0, too long saturates.
    std::uint64_t nanoseconds(std::span<const Word> chunk, std::int64_t played = rampChunks) const;

private:
    double pauseStretch(const Word& last) const;
    bool isLong(const Word& word) const;
    // The summed shares of the chunk's words, when the rhythm is on and covers them.
    std::optional<double> rhythmOf(std::span<const Word> chunk) const;

    ReadingSettings settings_;
    std::span<const double> rhythm_;
};

} // namespace velora
