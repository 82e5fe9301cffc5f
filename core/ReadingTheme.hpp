#pragma once

#include "core/EnumTable.hpp"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace velora {

enum class ReadingTheme : std::uint8_t { system, dark, light, sepia, night, paper, highContrast };

struct ReadingThemeNames {
    ReadingTheme value;
    std::string_view raw;
};

inline constexpr std::array<ReadingThemeNames, 7> readingThemeNames{{
    {ReadingTheme::system, "system"},
    {ReadingTheme::dark, "dark"},
    {ReadingTheme::light, "light"},
    {ReadingTheme::sepia, "sepia"},
    {ReadingTheme::night, "night"},
    {ReadingTheme::paper, "paper"},
    {ReadingTheme::highContrast, "highContrast"},
}};

inline constexpr std::array allReadingThemes = EnumTable::values(readingThemeNames);

std::string_view toString(ReadingTheme theme);
std::optional<ReadingTheme> readingThemeFromString(std::string_view raw);
// False only for `system`, which shows the window's translucent, blurred material.
bool isSolid(ReadingTheme theme);

} // namespace velora
