#include "core/SpeechRate.hpp"

namespace velora::SpeechRate {

namespace {
constexpr float slowestUsable = 0.05F;
constexpr float fastestUsable = 0.95F;
} // namespace

float rate(std::int64_t wpm) {
    const double r =
        defaultRate + ((static_cast<double>(wpm) - baselineWPM) / wpmPerRateTenth) * 0.1;
    float result = static_cast<float>(r);
    if (result <= slowestUsable) {
        result = slowestUsable;
    }
    if (result > fastestUsable) {
        result = fastestUsable;
    }
    return result;
}

} // namespace velora::SpeechRate
