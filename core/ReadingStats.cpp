#include "core/ReadingStats.hpp"

#include "core/JsonFields.hpp"

#include <cmath>
#include <limits>

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

} // namespace

std::int64_t ReadingStats::totalMinutes() const {
    return saturatingInteger(totalSecondsRead / 60.0);
}

std::int64_t ReadingStats::averageWPM() const {
    if (!(totalSecondsRead > 0.0)) {
        return 0;
    }
    return saturatingInteger(static_cast<double>(totalWordsRead) / (totalSecondsRead / 60.0));
}

std::int64_t ReadingStats::roundedSecondsRead() const {
    return saturatingInteger(std::round(totalSecondsRead));
}

void ReadingStats::add(std::int64_t words, double seconds) {
    if (words > 0 && __builtin_add_overflow(totalWordsRead, words, &totalWordsRead)) {
        totalWordsRead = std::numeric_limits<std::int64_t>::max();
    }
    // Infinity would be written as null and make the whole library unreadable.
    if (std::isfinite(seconds) && seconds >= 0.0) {
        totalSecondsRead += seconds;
    }
}

nlohmann::json ReadingStats::toJson() const {
    return {{"totalWordsRead", totalWordsRead},
            {"totalSecondsRead", totalSecondsRead},
            {"sessions", sessions},
            {"documentsOpened", documentsOpened}};
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
    return stats;
}

} // namespace velora
