#include "core/JsonFields.hpp"

#include <cmath>

namespace velora::JsonFields {

std::optional<std::int64_t> integer(const nlohmann::json& value) {
    if (value.is_number_integer() && !value.is_number_unsigned()) {
        return value.get<std::int64_t>();
    }
    if (value.is_number_unsigned()) {
        const auto raw = value.get<std::uint64_t>();
        if (raw > static_cast<std::uint64_t>(INT64_MAX)) {
            return std::nullopt;
        }
        return static_cast<std::int64_t>(raw);
    }
    if (value.is_number_float()) {
        const double raw = value.get<double>();
        // 2^63 is exactly representable; anything at or above it does not fit.
        constexpr double limit = 9223372036854775808.0;
        if (!std::isfinite(raw) || std::trunc(raw) != raw || raw < -limit || raw >= limit) {
            return std::nullopt;
        }
        return static_cast<std::int64_t>(raw);
    }
    return std::nullopt;
}

std::optional<double> number(const nlohmann::json& value) {
    if (!value.is_number()) {
        return std::nullopt;
    }
    return value.get<double>();
}

std::optional<bool> boolean(const nlohmann::json& value) {
    if (!value.is_boolean()) {
        return std::nullopt;
    }
    return value.get<bool>();
}

std::optional<std::string> string(const nlohmann::json& value) {
    if (!value.is_string()) {
        return std::nullopt;
    }
    return value.get<std::string>();
}

const nlohmann::json* find(const nlohmann::json& object, const char* key) {
    if (!object.is_object()) {
        return nullptr;
    }
    auto found = object.find(key);
    return found == object.end() ? nullptr : &*found;
}

nlohmann::json parse(std::string_view text) {
    return nlohmann::json::parse(text, nullptr, false);
}

std::string dump(const nlohmann::json& value) {
    return value.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

} // namespace velora::JsonFields
