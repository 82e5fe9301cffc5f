#include "core/ReadingHistoryEntry.hpp"

#include "core/EnumTable.hpp"
#include "core/JsonFields.hpp"

#include <algorithm>
#include <array>

namespace velora {

namespace {

struct KindNames {
    ReadingHistoryEntry::Kind value;
    std::string_view raw;
};

constexpr std::array<KindNames, 2> kindNames{{
    {ReadingHistoryEntry::Kind::text, "text"},
    {ReadingHistoryEntry::Kind::file, "file"},
}};

std::optional<ReadingHistoryEntry::Kind> kindValue(const nlohmann::json& value) {
    auto raw = JsonFields::string(value);
    return raw ? kindFromString(*raw) : std::nullopt;
}

std::optional<TimePoint> timeValue(const nlohmann::json& value) {
    auto seconds = JsonFields::number(value);
    return seconds ? std::optional<TimePoint>(TimePoint{*seconds}) : std::nullopt;
}

} // namespace

std::string_view toString(ReadingHistoryEntry::Kind kind) {
    return EnumTable::row(kindNames, kind).raw;
}

std::optional<ReadingHistoryEntry::Kind> kindFromString(std::string_view raw) {
    return EnumTable::fromRaw(kindNames, raw);
}

double ReadingHistoryEntry::progress() const {
    if (wordCount < 1) {
        return 0.0;
    }
    return static_cast<double>(std::clamp<std::int64_t>(lastIndex, 0, wordCount)) /
           static_cast<double>(wordCount);
}

bool ReadingHistoryEntry::isFinished() const {
    return wordCount >= 1 && lastIndex >= wordCount;
}

nlohmann::json ReadingHistoryEntry::toJson() const {
    nlohmann::json object = {{"id", id},
                             {"title", title},
                             {"kind", toString(kind)},
                             {"wordCount", wordCount},
                             {"lastIndex", lastIndex},
                             {"updatedAt", updatedAt.secondsSinceReferenceDate}};
    if (filePath) {
        object["filePath"] = *filePath;
    }
    if (storedText) {
        object["storedText"] = *storedText;
    }
    if (recognisedFrom) {
        object["recognisedFrom"] = *recognisedFrom;
    }
    return object;
}

std::optional<ReadingHistoryEntry> ReadingHistoryEntry::fromJson(const nlohmann::json& object) {
    if (!object.is_object()) {
        return std::nullopt;
    }
    ReadingHistoryEntry entry;
    using JsonFields::readOptional;
    using JsonFields::readRequired;
    const bool ok =
        readRequired(object, "id", entry.id, JsonFields::string) &&
        readRequired(object, "title", entry.title, JsonFields::string) &&
        readRequired(object, "kind", entry.kind, kindValue) &&
        readRequired(object, "wordCount", entry.wordCount, JsonFields::integer) &&
        readRequired(object, "lastIndex", entry.lastIndex, JsonFields::integer) &&
        readRequired(object, "updatedAt", entry.updatedAt, timeValue) &&
        readOptional(object, "filePath", entry.filePath, JsonFields::string) &&
        readOptional(object, "storedText", entry.storedText, JsonFields::string) &&
        readOptional(object, "recognisedFrom", entry.recognisedFrom, JsonFields::string);
    if (!ok) {
        return std::nullopt;
    }
    return entry;
}

} // namespace velora
