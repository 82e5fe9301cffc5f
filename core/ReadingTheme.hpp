#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace velora {

enum class ReadingTheme : std::uint8_t { system, dark, light, sepia, night, paper, highContrast };

inline constexpr std::array allReadingThemes{
    ReadingTheme::system, ReadingTheme::dark,  ReadingTheme::light,       ReadingTheme::sepia,
    ReadingTheme::night,  ReadingTheme::paper, ReadingTheme::highContrast};

std::string_view toString(ReadingTheme theme);
std::optional<ReadingTheme> readingThemeFromString(std::string_view raw);
std::string_view title(ReadingTheme theme);
// False only for `system`, which shows the window's translucent, blurred material.
bool isSolid(ReadingTheme theme);

} // namespace velora
