#include "core/ReadingMode.hpp"

namespace velora {

std::string_view toString(ReadingMode mode) {
    switch (mode) {
    case ReadingMode::flow:
        return "flow";
    case ReadingMode::spotlight:
        return "spotlight";
    case ReadingMode::focus:
        break;
    }
    return "focus";
}

std::optional<ReadingMode> readingModeFromString(std::string_view raw) {
    for (ReadingMode mode : allReadingModes) {
        if (toString(mode) == raw) {
            return mode;
        }
    }
    return std::nullopt;
}

std::string_view title(ReadingMode mode) {
    switch (mode) {
    case ReadingMode::flow:
        return "Flow";
    case ReadingMode::spotlight:
        return "Spotlight";
    case ReadingMode::focus:
        break;
    }
    return "Focus";
}

std::string_view symbolName(ReadingMode mode) {
    switch (mode) {
    case ReadingMode::flow:
        return "text.alignleft";
    case ReadingMode::spotlight:
        return "flashlight.on.fill";
    case ReadingMode::focus:
        break;
    }
    return "scope";
}

} // namespace velora
