#include "core/ReadingTheme.hpp"

namespace velora {

std::string_view toString(ReadingTheme theme) {
    return EnumTable::row(readingThemeNames, theme).raw;
}

std::optional<ReadingTheme> readingThemeFromString(std::string_view raw) {
    return EnumTable::fromRaw(readingThemeNames, raw);
}

bool isSolid(ReadingTheme theme) {
    return theme != ReadingTheme::system;
}

} // namespace velora
