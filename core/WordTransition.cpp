#include "core/WordTransition.hpp"

namespace velora {

std::string_view toString(WordTransition transition) {
    return EnumTable::row(wordTransitionNames, transition).raw;
}

std::optional<WordTransition> wordTransitionFromString(std::string_view raw) {
    return EnumTable::fromRaw(wordTransitionNames, raw);
}

double duration(WordTransition transition) {
    return EnumTable::row(wordTransitionNames, transition).duration;
}

} // namespace velora
