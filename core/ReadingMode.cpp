#include "core/ReadingMode.hpp"

namespace velora {

std::string_view toString(ReadingMode mode) {
    return EnumTable::row(readingModeNames, mode).raw;
}

std::optional<ReadingMode> readingModeFromString(std::string_view raw) {
    return EnumTable::fromRaw(readingModeNames, raw);
}

std::string_view symbolName(ReadingMode mode) {
    return EnumTable::row(readingModeNames, mode).symbol;
}

} // namespace velora
