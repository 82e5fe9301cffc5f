#pragma once

#include "core/ReadingSettings.hpp"
#include "core/Word.hpp"

#include <cstdint>
#include <span>

namespace velora {

// How long a chunk stays on screen under given settings.
class ReadingTiming {
public:
    explicit ReadingTiming(const ReadingSettings& settings) : settings_(settings) {}

    const ReadingSettings& settings() const { return settings_; }

    // Seconds per word at the clamped speed.
    double baseWordInterval() const;
    // Seconds for the chunk: one base interval per word, lengthened for a long word and for
    // the punctuation and paragraph end of the last word.
    double interval(std::span<const Word> chunk) const;
    static constexpr std::int64_t rampChunks = 10;

    // With the speed ramp on, the chunk shown `played` chunks after playback started stays
    // longer: 40% at first, less by an even step each chunk, as set from the tenth on.
    double rampedInterval(std::span<const Word> chunk, std::int64_t played) const;
    // The ramped interval for sleeping; negative or NaN gives 0, too long saturates.
    std::uint64_t nanoseconds(std::span<const Word> chunk, std::int64_t played = rampChunks) const;

private:
    ReadingSettings settings_;
};

} // namespace velora
