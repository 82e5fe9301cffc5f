#include "core/ReadingStats.hpp"

#include "core/JsonFields.hpp"

#include <algorithm>
#include <cmath>
#include <limits>
#include <nlohmann/json.hpp>

namespace velora {

namespace {

// Truncating conversion that saturates instead of overflowing on a hand-edited file's values.
std::int64_t saturatingInteger(double value) {
    constexpr double limit = 9223372036854775808.0; // 2^63
    if (std::isnan(value)) {
        return 0;
    }
    if (value >= limit) {
        return std::numeric_limits<std::int64_t>::max();
    }
    if (value < -limit) {
        return std::numeric_limits<std::int64_t>::min();
    }
    return static_cast<std::int64_t>(value);
}

std::int64_t wordsPerMinute(std::int64_t words, double seconds) {
    if (!(seconds > 0.0)) {
        return 0;
    }
    return saturatingInteger(static_cast<double>(words) / (seconds / 60.0));
}

std::optional<DayReading> dayFromJson(const nlohmann::json& value) {
    if (!value.is_object()) {
        return std::nullopt;
    }
    DayReading day;
    using JsonFields::readRequired;
    const bool ok = readRequired(value, "day", day.day, JsonFields::integer) &&
                    readRequired(value, "words", day.words, JsonFields::integer) &&
                    readRequired(value, "seconds", day.seconds, JsonFields::number);
    if (!ok || day.words < 0 || !std::isfinite(day.seconds) || day.seconds < 0.0) {
        return std::nullopt;
    }
    return day;
}

} // namespace

std::int64_t DayReading::averageWPM() const {
    return wordsPerMinute(words, seconds);
}

std::int64_t ReadingStats::totalMinutes() const {
    return saturatingInteger(totalSecondsRead / 60.0);
}

std::int64_t ReadingStats::averageWPM() const {
    return wordsPerMinute(totalWordsRead, totalSecondsRead);
}

std::int64_t ReadingStats::roundedSecondsRead() const {
    return saturatingInteger(std::round(totalSecondsRead));
}

void ReadingStats::add(std::int64_t words, double seconds, std::optional<std::int64_t> day) {
    words = std::max<std::int64_t>(words, 0);
    // Infinity would be written as null and make the whole library unreadable.
    seconds = std::isfinite(seconds) && seconds >= 0.0 ? seconds : 0.0;
    if (__builtin_add_overflow(totalWordsRead, words, &totalWordsRead)) {
        totalWordsRead = std::numeric_limits<std::int64_t>::max();
    }
    totalSecondsRead += seconds;
    if (!day || (words == 0 && seconds == 0.0)) {
        return;
    }
    auto at =
        std::lower_bound(days.begin(), days.end(), *day,
                         [](const DayReading& d, std::int64_t value) { return d.day < value; });
    if (at == days.end() || at->day != *day) {
        at = days.insert(at, DayReading{*day, 0, 0.0});
    }
    if (__builtin_add_overflow(at->words, words, &at->words)) {
        at->words = std::numeric_limits<std::int64_t>::max();
    }
    at->seconds += seconds;
    const std::int64_t oldest = days.back().day - keptDays;
    days.erase(days.begin(), std::find_if(days.begin(), days.end(),
                                          [&](const DayReading& d) { return d.day > oldest; }));
}

std::vector<DayReading> ReadingStats::lastDays(std::int64_t lastDay, std::int64_t count) const {
    std::vector<DayReading> result;
    for (std::int64_t day = lastDay - std::max<std::int64_t>(count, 0) + 1; day <= lastDay; ++day) {
        const auto at = std::find_if(days.begin(), days.end(),
                                     [&](const DayReading& d) { return d.day == day; });
        result.push_back(at != days.end() ? *at : DayReading{day, 0, 0.0});
    }
    return result;
}

nlohmann::json ReadingStats::toJson() const {
    return {
        {"totalWordsRead", totalWordsRead},
        {"totalSecondsRead", totalSecondsRead},
        {"sessions", sessions},
        {"documentsOpened", documentsOpened},
        {"days", [this] {
             nlohmann::json list = nlohmann::json::array();
             for (const DayReading& day : days) {
                 list.push_back({{"day", day.day}, {"words", day.words}, {"seconds", day.seconds}});
             }
             return list;
         }()}};
}

std::optional<ReadingStats> ReadingStats::fromJson(const nlohmann::json& object) {
    if (!object.is_object()) {
        return std::nullopt;
    }
    ReadingStats stats;
    using JsonFields::readRequired;
    const bool ok =
        readRequired(object, "totalWordsRead", stats.totalWordsRead, JsonFields::integer) &&
        readRequired(object, "totalSecondsRead", stats.totalSecondsRead, JsonFields::number) &&
        readRequired(object, "sessions", stats.sessions, JsonFields::integer) &&
        readRequired(object, "documentsOpened", stats.documentsOpened, JsonFields::integer);
    if (!ok) {
        return std::nullopt;
    }
    if (const nlohmann::json* days = JsonFields::find(object, "days"); days && days->is_array()) {
        for (const nlohmann::json& value : *days) {
            if (const std::optional<DayReading> day = dayFromJson(value);
                day && (stats.days.empty() || day->day > stats.days.back().day)) {
                stats.days.push_back(*day);
            }
        }
    }
    return stats;
}

} // namespace velora
