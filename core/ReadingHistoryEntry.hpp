#pragma once

#include "core/TimePoint.hpp"

#include <cstdint>
#include <nlohmann/json_fwd.hpp>
#include <optional>
#include <string>
#include <string_view>

namespace velora {

// One remembered document and the position reached in it.
struct ReadingHistoryEntry {
    // Where the document came from, and so how it is reopened.
    enum class Kind : std::uint8_t { file, text };

    std::string id;
    std::string title;
    Kind kind = Kind::text;
    std::int64_t wordCount = 0;
    std::int64_t lastIndex = 0;
    TimePoint updatedAt;
    std::optional<std::string> filePath;
    // A selection's text, or the text recognised from a scanned file.
    std::optional<std::string> storedText;
    // The fingerprint of the file's bytes the stored text was recognised from.
    std::optional<std::string> recognisedFrom;

    // 0 ... 1; positions outside the text are clamped.
    double progress() const;
    bool isFinished() const;

    // The optional fields are left out when absent.
    nlohmann::json toJson() const;
    static std::optional<ReadingHistoryEntry> fromJson(const nlohmann::json& object);

    bool operator==(const ReadingHistoryEntry&) const = default;
};

std::string_view toString(ReadingHistoryEntry::Kind kind);
std::optional<ReadingHistoryEntry::Kind> kindFromString(std::string_view raw);

} // namespace velora
