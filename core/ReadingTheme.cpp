#include "core/ReadingTheme.hpp"

namespace velora {

namespace {

struct ThemeNames {
    std::string_view raw;
    std::string_view title;
};

ThemeNames names(ReadingTheme theme) {
    switch (theme) {
    case ReadingTheme::dark:
        return {"dark", "Dark"};
    case ReadingTheme::light:
        return {"light", "Light"};
    case ReadingTheme::sepia:
        return {"sepia", "Sepia"};
    case ReadingTheme::night:
        return {"night", "Night"};
    case ReadingTheme::paper:
        return {"paper", "Paper"};
    case ReadingTheme::highContrast:
        return {"highContrast", "High Contrast"};
    case ReadingTheme::system:
        break;
    }
    return {"system", "System (blur)"};
}

} // namespace

std::string_view toString(ReadingTheme theme) {
    return names(theme).raw;
}

std::optional<ReadingTheme> readingThemeFromString(std::string_view raw) {
    for (ReadingTheme theme : allReadingThemes) {
        if (toString(theme) == raw) {
            return theme;
        }
    }
    return std::nullopt;
}

std::string_view title(ReadingTheme theme) {
    return names(theme).title;
}

bool isSolid(ReadingTheme theme) {
    return theme != ReadingTheme::system;
}

} // namespace velora
