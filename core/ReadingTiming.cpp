#include "core/ReadingTiming.hpp"

#include "core/Graphemes.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

namespace velora {

namespace {

constexpr double rampStartStretch = 0.4;

} // namespace

double ReadingTiming::baseWordInterval() const {
    return 60.0 / static_cast<double>(settings_.clampedWPM());
}

double ReadingTiming::interval(std::span<const Word> chunk) const {
    if (chunk.empty()) {
        return baseWordInterval();
    }
    double t = baseWordInterval() * static_cast<double>(chunk.size());

    std::size_t longest = 0;
    for (const Word& word : chunk) {
        longest = std::max(longest, Graphemes::count(word.text));
    }
    if (static_cast<std::int64_t>(longest) >= settings_.longWordThreshold) {
        t *= settings_.longWordMultiplier;
    }

    const Word& last = chunk.back();
    switch (last.punctuation) {
    case PunctuationWeight::minor:
        t *= settings_.minorPauseMultiplier;
        break;
    case PunctuationWeight::major:
        t *= settings_.majorPauseMultiplier;
        break;
    case PunctuationWeight::none:
        break;
    }
    if (last.isParagraphEnd) {
        t *= settings_.paragraphPauseMultiplier;
    }
    return t;
}

double ReadingTiming::rampedInterval(std::span<const Word> chunk, std::int64_t played) const {
    const double t = interval(chunk);
    if (!settings_.speedRamp || played >= rampChunks) {
        return t;
    }
    const auto left = static_cast<double>(rampChunks - std::max<std::int64_t>(played, 0));
    return t * (1.0 + rampStartStretch * left / static_cast<double>(rampChunks));
}

std::uint64_t ReadingTiming::nanoseconds(std::span<const Word> chunk, std::int64_t played) const {
    const double ns = rampedInterval(chunk, played) * 1'000'000'000.0;
    if (!(ns > 0.0)) {
        return 0;
    }
    // 2^64 is the first double that no longer fits.
    if (ns >= 18446744073709551616.0) {
        return std::numeric_limits<std::uint64_t>::max();
    }
    return static_cast<std::uint64_t>(ns);
}

} // namespace velora
