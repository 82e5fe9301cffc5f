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

// Days are recorded from now on; a library written before keeps reading, and a damaged day is
// dropped rather than the statistics it sits in.
TEST(ReadingStats, DaysAddUpRoundTripAndShowGapsAsEmpty) {
    ReadingStats stats;
    stats.add(300, 60.0, 9000);
    stats.add(200, 60.0, 9000);
    stats.add(100, 30.0, 9002);
    stats.add(0, 0.0, 9003);
    stats.add(50, 10.0);
    EXPECT_EQ(stats.totalWordsRead, 650);
    ASSERT_EQ(stats.days.size(), 2U);
    EXPECT_EQ(stats.days[0], (DayReading{9000, 500, 120.0}));
    EXPECT_EQ(stats.days[0].averageWPM(), 250);

    const std::vector<DayReading> last = stats.lastDays(9003, 4);
    ASSERT_EQ(last.size(), 4U);
    EXPECT_EQ(last[0].words, 500);
    EXPECT_EQ(last[1], (DayReading{9001, 0, 0.0}));
    EXPECT_EQ(last[2].words, 100);
    EXPECT_EQ(last[3].words, 0);

    EXPECT_EQ(ReadingStats::fromJson(nlohmann::json::parse(stats.toJson().dump())), stats);
    auto damaged = stats.toJson();
    damaged["days"][0]["words"] = "many";
    const auto read = ReadingStats::fromJson(damaged);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->days, std::vector<DayReading>{stats.days[1]});
    auto older = stats.toJson();
    older.erase("days");
    EXPECT_TRUE(ReadingStats::fromJson(older)->days.empty());

    stats.add(1, 1.0, 9002 + ReadingStats::keptDays + 1);
    EXPECT_EQ(stats.days.size(), 1U);
}

} // namespace
} // namespace velora
