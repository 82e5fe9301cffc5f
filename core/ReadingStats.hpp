#pragma once

#include <cstdint>
#include <nlohmann/json_fwd.hpp>
#include <optional>
#include <string>

namespace velora {

// Cumulative reading statistics of the library.
struct ReadingStats {
    std::int64_t totalWordsRead = 0;
    double totalSecondsRead = 0.0;
    std::int64_t sessions = 0;
    std::int64_t documentsOpened = 0;

    std::int64_t totalMinutes() const;
    std::int64_t averageWPM() const;
    // The seconds read, rounded half away from zero.
    std::int64_t roundedSecondsRead() const;

    // Negative words and negative or non-finite seconds add nothing.
    void add(std::int64_t words, double seconds);

    nlohmann::json toJson() const;
    // Every key is required.
    static std::optional<ReadingStats> fromJson(const nlohmann::json& object);

    bool operator==(const ReadingStats&) const = default;
};

} // namespace velora
