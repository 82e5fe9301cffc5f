#pragma once

#include <cstdint>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>

// Strict readers of single JSON values for the stored records: a value of the wrong kind is
// never coerced, so a damaged record fails as a whole instead of loading half-right.
namespace velora::JsonFields {

// An integral number within the signed 64-bit range; 300.0 passes, 300.5 does not.
std::optional<std::int64_t> integer(const nlohmann::json& value);
// Any number, integers included.
std::optional<double> number(const nlohmann::json& value);
std::optional<bool> boolean(const nlohmann::json& value);
std::optional<std::string> string(const nlohmann::json& value);

// The value under `key`, or null when the key is missing or `object` is not an object.
const nlohmann::json* find(const nlohmann::json& object, const char* key);

// Reads an optional field into `target`: a missing key or null keeps `target`, a value that
// `convert` rejects answers false.
template <typename T, typename Convert>
bool readOptional(const nlohmann::json& object, const char* key, T& target, Convert convert) {
    const nlohmann::json* value = find(object, key);
    if (value == nullptr || value->is_null()) {
        return true;
    }
    auto converted = convert(*value);
    if (!converted) {
        return false;
    }
    target = std::move(*converted);
    return true;
}

// Reads a required field: a missing key or null fails as well.
template <typename T, typename Convert>
bool readRequired(const nlohmann::json& object, const char* key, T& target, Convert convert) {
    const nlohmann::json* value = find(object, key);
    if (value == nullptr || value->is_null()) {
        return false;
    }
    return readOptional(object, key, target, convert);
}

// Stored records are shallow; deeper nesting is hostile and would cost memory out of proportion.
inline constexpr std::size_t maxParseDepth = 64;

// Parses text as JSON without throwing; invalid text, and text nested deeper than `maxDepth`
// arrays and objects, answers a discarded value.
nlohmann::json parse(std::string_view text, std::size_t maxDepth = maxParseDepth);

// Compact JSON text; bytes that are not UTF-8 become U+FFFD instead of failing the whole write.
std::string dump(const nlohmann::json& value);
// The same into `out`, whose capacity is reused.
void dump(const nlohmann::json& value, std::string& out);

} // namespace velora::JsonFields
