#include "core/JsonFields.hpp"

#include <array>
#include <cmath>
#include <unicode/utf8.h>

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

namespace {

// Checked before parsing, because the parser holds every open level until the text ends.
bool nestsWithin(std::string_view text, std::size_t maxDepth) {
    std::size_t depth = 0;
    bool inString = false;
    bool escaped = false;
    for (const char c : text) {
        if (inString) {
            if (escaped) {
                escaped = false;
            } else if (c == '\\') {
                escaped = true;
            } else if (c == '"') {
                inString = false;
            }
            continue;
        }
        if (c == '"') {
            inString = true;
        } else if (c == '[' || c == '{') {
            if (++depth > maxDepth) {
                return false;
            }
        } else if ((c == ']' || c == '}') && depth > 0) {
            --depth;
        }
    }
    return true;
}

constexpr std::string_view replacementCharacter = "\xEF\xBF\xBD";

// Bytes copied as they are: printable ASCII other than the quote and the backslash.
constexpr std::array<bool, 256> plainBytes = [] {
    std::array<bool, 256> table{};
    for (int byte = 0x20; byte < 0x80; ++byte) {
        table[static_cast<std::size_t>(byte)] = byte != '"' && byte != '\\';
    }
    return table;
}();

// Long texts (a library holds up to 40 of 200,000 characters) make escaping the hot spot, so
// plain runs are copied whole instead of byte by byte.
void appendEscaped(std::string& out, std::string_view text) {
    static constexpr char hex[] = "0123456789abcdef";
    const auto& plain = plainBytes;
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    const auto length = static_cast<std::int64_t>(text.size());
    out += '"';
    std::int64_t runStart = 0;
    std::int64_t i = 0;
    auto flush = [&](std::int64_t end) {
        out.append(text.data() + runStart, static_cast<std::size_t>(end - runStart));
    };
    while (i < length) {
        while (i < length && plain[bytes[i]]) {
            ++i;
        }
        if (i == length) {
            break;
        }
        const std::uint8_t byte = bytes[i];
        if (byte >= 0x80) {
            const std::int64_t start = i;
            UChar32 c = 0;
            U8_NEXT(bytes, i, length, c);
            if (c >= 0) {
                continue;
            }
            flush(start);
            out += replacementCharacter;
            runStart = i;
            continue;
        }
        flush(i);
        switch (byte) {
        case '"':
            out.append("\\\"", 2);
            break;
        case '\\':
            out.append("\\\\", 2);
            break;
        case '\n':
            out.append("\\n", 2);
            break;
        case '\t':
            out.append("\\t", 2);
            break;
        case '\r':
            out.append("\\r", 2);
            break;
        default:
            out.append("\\u00", 4);
            out += hex[byte >> 4];
            out += hex[byte & 0xF];
            break;
        }
        runStart = ++i;
    }
    flush(length);
    out += '"';
}

void append(std::string& out, const nlohmann::json& value) {
    switch (value.type()) {
    case nlohmann::json::value_t::object: {
        out += '{';
        bool first = true;
        for (const auto& [key, member] : value.items()) {
            if (!first) {
                out += ',';
            }
            first = false;
            appendEscaped(out, key);
            out += ':';
            append(out, member);
        }
        out += '}';
        break;
    }
    case nlohmann::json::value_t::array: {
        out += '[';
        bool first = true;
        for (const auto& element : value) {
            if (!first) {
                out += ',';
            }
            first = false;
            append(out, element);
        }
        out += ']';
        break;
    }
    case nlohmann::json::value_t::string:
        appendEscaped(out, value.get_ref<const std::string&>());
        break;
    default:
        // Numbers (shortest form that reads back to the same double), Booleans and null.
        out += value.dump();
        break;
    }
}

} // namespace

nlohmann::json parse(std::string_view text, std::size_t maxDepth) {
    if (!nestsWithin(text, maxDepth)) {
        return nlohmann::json(nlohmann::json::value_t::discarded);
    }
    return nlohmann::json::parse(text, nullptr, false);
}

std::string dump(const nlohmann::json& value) {
    std::string out;
    append(out, value);
    return out;
}

void dump(const nlohmann::json& value, std::string& out) {
    out.clear();
    append(out, value);
}

} // namespace velora::JsonFields
