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
    std::string_view title;
};

inline constexpr std::array<ReadingThemeNames, 7> readingThemeNames{{
    {ReadingTheme::system, "system", "System (blur)"},
    {ReadingTheme::dark, "dark", "Dark"},
    {ReadingTheme::light, "light", "Light"},
    {ReadingTheme::sepia, "sepia", "Sepia"},
    {ReadingTheme::night, "night", "Night"},
    {ReadingTheme::paper, "paper", "Paper"},
    {ReadingTheme::highContrast, "highContrast", "High Contrast"},
}};

inline constexpr std::array allReadingThemes = EnumTable::values(readingThemeNames);

std::string_view toString(ReadingTheme theme);
std::optional<ReadingTheme> readingThemeFromString(std::string_view raw);
std::string_view title(ReadingTheme theme);
// False only for `system`, which shows the window's translucent, blurred material.
bool isSolid(ReadingTheme theme);

} // namespace velora
