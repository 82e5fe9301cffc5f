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
    if (const std::optional<double> shares = rhythmOf(chunk)) {
        return baseWordInterval() * *shares * pauseStretch(chunk.back());
    }
    double t = baseWordInterval() * static_cast<double>(chunk.size());
    if (std::any_of(chunk.begin(), chunk.end(), [&](const Word& word) { return isLong(word); })) {
        t *= settings_.longWordMultiplier;
    }
    return t * pauseStretch(chunk.back());
}

double ReadingTiming::pauseStretch(const Word& last) const {
    double stretch = 1.0;
    switch (last.punctuation) {
    case PunctuationWeight::minor:
        stretch = settings_.minorPauseMultiplier;
        break;
    case PunctuationWeight::major:
        stretch = settings_.majorPauseMultiplier;
        break;
    case PunctuationWeight::none:
        break;
    }
    if (last.isParagraphEnd) {
        stretch *= settings_.paragraphPauseMultiplier;
    }
    return stretch;
}

bool ReadingTiming::isLong(const Word& word) const {
    // No text has more characters than bytes: most words need no counting.
    if (static_cast<std::int64_t>(word.text.size()) < settings_.longWordThreshold) {
        return false;
    }
    return static_cast<std::int64_t>(Graphemes::count(word.text)) >= settings_.longWordThreshold;
}

std::optional<double> ReadingTiming::rhythmOf(std::span<const Word> chunk) const {
    if (!settings_.naturalRhythm) {
        return std::nullopt;
    }
    double sum = 0.0;
    for (const Word& word : chunk) {
        if (word.id < 0 || static_cast<std::size_t>(word.id) >= rhythm_.size()) {
            return std::nullopt;
        }
        sum += rhythm_[static_cast<std::size_t>(word.id)];
    }
    return sum;
}

std::vector<double> ReadingTiming::rhythmShares(const std::vector<Word>& words,
                                                const TextStarts& starts,
                                                const std::vector<double>& weights) const {
    std::vector<double> shares(words.size(), 1.0);
    if (weights.size() != words.size()) {
        return shares;
    }
    std::vector<std::size_t> bounds{0, words.size()};
    for (const std::int64_t start : starts.sentences) {
        if (start > 0 && static_cast<std::size_t>(start) < words.size()) {
            bounds.push_back(static_cast<std::size_t>(start));
        }
    }
    std::sort(bounds.begin(), bounds.end());
    bounds.erase(std::unique(bounds.begin(), bounds.end()), bounds.end());
    for (std::size_t k = 0; k + 1 < bounds.size(); ++k) {
        const std::size_t begin = bounds[k];
        const std::size_t end = bounds[k + 1];
        // Pauses are part of both sums, so a heavy last word cannot stretch its full stop past
        // the plain sentence's time.
        double plain = 0.0;
        double weighed = 0.0;
        for (std::size_t i = begin; i < end; ++i) {
            const double pause = pauseStretch(words[i]);
            plain += pause * (isLong(words[i]) ? settings_.longWordMultiplier : 1.0);
            weighed += pause * weights[i];
        }
        if (weighed > 0.0 && std::isfinite(plain / weighed)) {
            for (std::size_t i = begin; i < end; ++i) {
                shares[i] = weights[i] * plain / weighed;
            }
        }
    }
    return shares;
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
