#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace velora {

// How words are presented: one chunk at a fixed point, or the running text.
enum class ReadingMode : std::uint8_t { focus, flow, spotlight };

inline constexpr std::array allReadingModes{ReadingMode::focus, ReadingMode::flow,
                                            ReadingMode::spotlight};

std::string_view toString(ReadingMode mode);
std::optional<ReadingMode> readingModeFromString(std::string_view raw);
std::string_view title(ReadingMode mode);
// The symbol image shown beside the title in pickers.
std::string_view symbolName(ReadingMode mode);

} // namespace velora
