#include "core/LibraryPayload.hpp"

#include "core/JsonFields.hpp"

#include <nlohmann/json.hpp>

namespace velora {

std::optional<LibraryPayload> LibraryPayload::decode(std::string_view text) {
    const nlohmann::json root = JsonFields::parse(text);
    const nlohmann::json* entries = JsonFields::find(root, "entries");
    const nlohmann::json* stats = JsonFields::find(root, "stats");
    if (entries == nullptr || stats == nullptr || !entries->is_array()) {
        return std::nullopt;
    }
    LibraryPayload payload;
    auto decodedStats = ReadingStats::fromJson(*stats);
    if (!decodedStats) {
        return std::nullopt;
    }
    payload.stats = *decodedStats;
    payload.entries.reserve(entries->size());
    for (const nlohmann::json& object : *entries) {
        auto entry = ReadingHistoryEntry::fromJson(object);
        if (!entry) {
            return std::nullopt;
        }
        payload.entries.push_back(std::move(*entry));
    }
    return payload;
}

void LibraryPayload::encode(std::string& out) const {
    nlohmann::json list = nlohmann::json::array();
    for (const ReadingHistoryEntry& entry : entries) {
        list.push_back(entry.toJson());
    }
    JsonFields::dump({{"entries", std::move(list)}, {"stats", stats.toJson()}}, out);
}

} // namespace velora
