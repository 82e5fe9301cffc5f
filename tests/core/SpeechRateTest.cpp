#include "core/SpeechRate.hpp"

#include <gtest/gtest.h>

namespace velora {
namespace {

struct RateCase {
    std::int64_t wpm;
    float rate;
};

class SpeechRateTest : public ::testing::TestWithParam<RateCase> {};

TEST_P(SpeechRateTest, MapsSpeedOntoTheUsableScale) {
    EXPECT_FLOAT_EQ(SpeechRate::rate(GetParam().wpm), GetParam().rate);
}

INSTANTIATE_TEST_SUITE_P(Speeds, SpeechRateTest,
                         ::testing::Values(RateCase{175, 0.5F}, RateCase{-1000, 0.05F},
                                           RateCase{INT64_MAX, 0.95F}, RateCase{415, 0.9F}));

} // namespace
} // namespace velora
