#pragma once

#include "core/ReadingHistoryEntry.hpp"
#include "core/ReadingStats.hpp"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velora {

// The content of library.json: one object with the entries, in list order, and the statistics.
struct LibraryPayload {
    std::vector<ReadingHistoryEntry> entries;
    ReadingStats stats;

    // All or nothing: a missing key, one invalid entry or nesting deeper than a library has
    // rejects the whole text.
    static std::optional<LibraryPayload> decode(std::string_view text);
    // Compact JSON into `out`, whose capacity is reused.
    void encode(std::string& out) const;
};

} // namespace velora
