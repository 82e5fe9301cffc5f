#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace velora {

// How the focus view replaces one word by the next.
enum class WordTransition : std::uint8_t { hard, soft, slow };

inline constexpr std::array allWordTransitions{WordTransition::hard, WordTransition::soft,
                                               WordTransition::slow};

std::string_view toString(WordTransition transition);
std::optional<WordTransition> wordTransitionFromString(std::string_view raw);
std::string_view title(WordTransition transition);
// Length of the replacing animation in seconds; 0 is an instant cut.
double duration(WordTransition transition);

} // namespace velora
