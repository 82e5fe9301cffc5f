#pragma once

#include "core/EnumTable.hpp"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace velora {

// How the focus view replaces one word by the next.
enum class WordTransition : std::uint8_t { hard, soft, slow };

struct WordTransitionNames {
    WordTransition value;
    std::string_view raw;
    // Length of the replacing animation in seconds; 0 is an instant cut.
    double duration;
};

inline constexpr std::array<WordTransitionNames, 3> wordTransitionNames{{
    {WordTransition::hard, "hard", 0.0},
    {WordTransition::soft, "soft", 0.12},
    {WordTransition::slow, "slow", 0.28},
}};

inline constexpr std::array allWordTransitions = EnumTable::values(wordTransitionNames);

std::string_view toString(WordTransition transition);
std::optional<WordTransition> wordTransitionFromString(std::string_view raw);
double duration(WordTransition transition);

} // namespace velora
