#include "core/ReadingStats.hpp"

#include <gtest/gtest.h>
#include <limits>
#include <nlohmann/json.hpp>

namespace velora {
namespace {

class RoundedSeconds : public ::testing::TestWithParam<std::pair<double, std::int64_t>> {};

TEST_P(RoundedSeconds, RoundHalvesUpAndSaturate) {
    EXPECT_EQ((ReadingStats{.totalSecondsRead = GetParam().first}.roundedSecondsRead()),
              GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(
    Times, RoundedSeconds,
    ::testing::Values(std::pair{59.4, std::int64_t{59}}, std::pair{59.5, std::int64_t{60}},
                      std::pair{1e300, std::numeric_limits<std::int64_t>::max()}));

TEST(ReadingStats, AveragesTruncateAndAddIgnoresBadAmounts) {
    EXPECT_EQ((ReadingStats{.totalWordsRead = 100, .totalSecondsRead = 59}.averageWPM()), 101);
    EXPECT_EQ((ReadingStats{.totalWordsRead = 500, .totalSecondsRead = 0}.averageWPM()), 0);
    EXPECT_EQ((ReadingStats{.totalWordsRead = 500, .totalSecondsRead = -60}.totalMinutes()), -1);
    ReadingStats stats;
    stats.add(-5, -2.0);
    stats.add(0, std::numeric_limits<double>::quiet_NaN());
    stats.add(0, std::numeric_limits<double>::infinity());
    EXPECT_EQ(stats, ReadingStats{});
    stats.add(10, 3.5);
    stats.add(std::numeric_limits<std::int64_t>::max(), 0);
    EXPECT_EQ(stats.totalWordsRead, std::numeric_limits<std::int64_t>::max());
}

TEST(ReadingStats, JsonRoundTripsAndRequiresEveryKey) {
    const ReadingStats stats{.totalWordsRead = 12345,
                             .totalSecondsRead = 0.1 + 0.7,
                             .sessions = 3,
                             .documentsOpened = 2};
    EXPECT_EQ(ReadingStats::fromJson(nlohmann::json::parse(stats.toJson().dump())), stats);
    for (const char* key : {"totalWordsRead", "totalSecondsRead", "sessions", "documentsOpened"}) {
        auto json = stats.toJson();
        json.erase(key);
        EXPECT_FALSE(ReadingStats::fromJson(json)) << key;
    }
    auto fractional = stats.toJson();
    fractional["sessions"] = 1.5;
    EXPECT_FALSE(ReadingStats::fromJson(fractional));
}

} // namespace
} // namespace velora
