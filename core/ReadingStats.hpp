#pragma once

#include <cstdint>
#include <nlohmann/json_fwd.hpp>
#include <optional>
#include <string>
#include <vector>

namespace velora {

// What was read on one calendar day of the reader's time zone.
struct DayReading {
    // Days since 2001-01-01.
    std::int64_t day = 0;
    std::int64_t words = 0;
    double seconds = 0.0;

    std::int64_t averageWPM() const;
    bool operator==(const DayReading&) const = default;
};

// Cumulative reading statistics of the library.
struct ReadingStats {
    // Days older than this before the newest are dropped, so the file stays small.
    static constexpr std::int64_t keptDays = 400;

    std::int64_t totalWordsRead = 0;
    double totalSecondsRead = 0.0;
    std::int64_t sessions = 0;
    std::int64_t documentsOpened = 0;
    // The days with reading, ascending; empty in libraries written before days were kept.
    std::vector<DayReading> days{};

    std::int64_t totalMinutes() const;
    std::int64_t averageWPM() const;
    // The seconds read, rounded half away from zero.
    std::int64_t roundedSecondsRead() const;

    // Negative words and negative or non-finite seconds add nothing. With a day the reading is
    // counted for that day as well.
    void add(std::int64_t words, double seconds, std::optional<std::int64_t> day = std::nullopt);
    // The `count` days that end with `lastDay`, oldest first, a day without reading as zeros.
    std::vector<DayReading> lastDays(std::int64_t lastDay, std::int64_t count) const;

    nlohmann::json toJson() const;
    // Every key but the days is required; a day that cannot be read is left out, not the
    // whole record.
    static std::optional<ReadingStats> fromJson(const nlohmann::json& object);

    bool operator==(const ReadingStats&) const = default;
};

} // namespace velora
