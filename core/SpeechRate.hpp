#pragma once

#include <cstdint>

namespace velora::SpeechRate {

// Rates are on the synthesizer's scale from 0 (slowest) to 1 (fastest).
inline constexpr float minRate = 0.0F;
inline constexpr float maxRate = 1.0F;
inline constexpr float defaultRate = 0.5F;
inline constexpr double baselineWPM = 175.0;
inline constexpr double wpmPerRateTenth = 60.0;

float rate(std::int64_t wpm);

} // namespace velora::SpeechRate
