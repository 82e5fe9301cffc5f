#pragma once

#include "core/EnumTable.hpp"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace velora {

// How words are presented: one chunk at a fixed point, or the running text.
enum class ReadingMode : std::uint8_t { focus, flow, spotlight };

struct ReadingModeNames {
    ReadingMode value;
    std::string_view raw;
    // The symbol image shown beside the title in pickers.
    std::string_view symbol;
};

// In the order the pickers show them.
inline constexpr std::array<ReadingModeNames, 3> readingModeNames{{
    {ReadingMode::focus, "focus", "scope"},
    {ReadingMode::flow, "flow", "text.alignleft"},
    {ReadingMode::spotlight, "spotlight", "flashlight.on.fill"},
}};

inline constexpr std::array allReadingModes = EnumTable::values(readingModeNames);

std::string_view toString(ReadingMode mode);
std::optional<ReadingMode> readingModeFromString(std::string_view raw);
std::string_view symbolName(ReadingMode mode);

} // namespace velora
