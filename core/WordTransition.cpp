#include "core/WordTransition.hpp"

namespace velora {

std::string_view toString(WordTransition transition) {
    switch (transition) {
    case WordTransition::hard:
        return "hard";
    case WordTransition::slow:
        return "slow";
    case WordTransition::soft:
        break;
    }
    return "soft";
}

std::optional<WordTransition> wordTransitionFromString(std::string_view raw) {
    for (WordTransition transition : allWordTransitions) {
        if (toString(transition) == raw) {
            return transition;
        }
    }
    return std::nullopt;
}

std::string_view title(WordTransition transition) {
    switch (transition) {
    case WordTransition::hard:
        return "Hard";
    case WordTransition::slow:
        return "Slow";
    case WordTransition::soft:
        break;
    }
    return "Soft";
}

double duration(WordTransition transition) {
    switch (transition) {
    case WordTransition::hard:
        return 0.0;
    case WordTransition::slow:
        return 0.28;
    case WordTransition::soft:
        break;
    }
    return 0.12;
}

} // namespace velora
