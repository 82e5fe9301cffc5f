#include "core/Utf8Sequences.hpp"

#include "core/ByteScan.hpp"

#include <bit>

namespace velora::Graphemes {

bool isWellFormed(std::string_view bytes) {
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
    auto continues = [&](std::size_t at) { return at < bytes.size() && (data[at] & 0xC0) == 0x80; };
    std::size_t i = 0;
    while (i < bytes.size()) {
        if (i + 8 <= bytes.size()) {
            const std::uint64_t high = ByteScan::load(bytes.data() + i) & ByteScan::topBits;
            // The ASCII up to the first byte that is not.
            i += high == 0 ? 8 : static_cast<std::size_t>(std::countr_zero(high)) / 8;
            if (high == 0) {
                continue;
            }
        } else if (data[i] < 0x80) {
            ++i;
            continue;
        }
        const std::uint8_t lead = data[i];
        if (lead >= 0xC2 && lead <= 0xDF && continues(i + 1)) {
            // Two-byte sequences (Latin, Greek, Cyrillic, Hebrew, Arabic) are valid as they look,
            // and so are three-byte ones (most of the rest of the Basic Multilingual Plane) except
            // after E0 and ED, whose second byte is restricted.
            i += 2;
        } else if (lead >= 0xE1 && lead <= 0xEF && lead != 0xED && continues(i + 1) &&
                   continues(i + 2)) {
            i += 3;
        } else if (decode(bytes, i) < 0) {
            return false;
        }
    }
    return true;
}

std::string repairUtf8(std::string_view bytes) {
    if (isWellFormed(bytes)) {
        return std::string(bytes);
    }
    std::string repaired;
    repaired.reserve(bytes.size() + 16);
    std::size_t i = 0;
    while (i < bytes.size()) {
        const std::size_t start = i;
        if (decode(bytes, i) < 0) {
            repaired += "\xEF\xBF\xBD";
        } else {
            repaired.append(bytes.substr(start, i - start));
        }
    }
    return repaired;
}

} // namespace velora::Graphemes
