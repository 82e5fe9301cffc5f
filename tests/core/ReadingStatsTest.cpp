#include "core/ReadingStats.hpp"

#include <gtest/gtest.h>
#include <limits>
#include <nlohmann/json.hpp>

namespace velora {
namespace {

struct TimeCase {
    double seconds;
    const char* formatted;
};

class FormattedTime : public ::testing::TestWithParam<TimeCase> {};

TEST_P(FormattedTime, RoundsHalvesUpThenPicksTheUnit) {
    ReadingStats stats;
    stats.totalSecondsRead = GetParam().seconds;
    EXPECT_EQ(stats.formattedTime(), GetParam().formatted);
}

INSTANTIATE_TEST_SUITE_P(Times, FormattedTime,
                         ::testing::Values(TimeCase{0, "0s"}, TimeCase{59.4, "59s"},
                                           TimeCase{59.5, "1m"}, TimeCase{125, "2m"},
                                           TimeCase{3599, "59m"}, TimeCase{3599.5, "1h 0m"},
                                           TimeCase{3600, "1h 0m"}, TimeCase{3725, "1h 2m"},
                                           TimeCase{7200, "2h 0m"}, TimeCase{360000, "100h 0m"},
                                           TimeCase{1e300, "2562047788015215h 30m"}));

struct RateCase {
    std::int64_t words;
    double seconds;
    std::int64_t averageWPM;
    std::int64_t minutes;
};

class Averages : public ::testing::TestWithParam<RateCase> {};

TEST_P(Averages, TruncateTowardZero) {
    ReadingStats stats{.totalWordsRead = GetParam().words, .totalSecondsRead = GetParam().seconds};
    EXPECT_EQ(stats.averageWPM(), GetParam().averageWPM);
    EXPECT_EQ(stats.totalMinutes(), GetParam().minutes);
}

INSTANTIATE_TEST_SUITE_P(Stats, Averages,
                         ::testing::Values(RateCase{500, 0, 0, 0}, RateCase{300, 90, 200, 1},
                                           RateCase{100, 59, 101, 0}, RateCase{0, 119.9, 0, 1},
                                           RateCase{500, -60, 0, -1}));

TEST(ReadingStats, AddIgnoresNegativeAndNonFiniteAmounts) {
    ReadingStats stats;
    stats.add(-5, -2.0);
    stats.add(0, std::numeric_limits<double>::quiet_NaN());
    stats.add(0, std::numeric_limits<double>::infinity());
    EXPECT_EQ(stats, ReadingStats{});
    stats.add(10, 3.5);
    stats.add(10, 0.0);
    EXPECT_EQ(stats, (ReadingStats{.totalWordsRead = 20, .totalSecondsRead = 3.5}));
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
        json[key] = nullptr;
        EXPECT_FALSE(ReadingStats::fromJson(json)) << key;
        json[key] = "1";
        EXPECT_FALSE(ReadingStats::fromJson(json)) << key;
    }
    auto fractional = stats.toJson();
    fractional["sessions"] = 1.5;
    EXPECT_FALSE(ReadingStats::fromJson(fractional));
    auto integralSeconds = stats.toJson();
    integralSeconds["totalSecondsRead"] = 60;
    integralSeconds["extra"] = true;
    EXPECT_EQ(ReadingStats::fromJson(integralSeconds)->totalSecondsRead, 60.0);
}

} // namespace
} // namespace velora
