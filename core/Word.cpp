#include "core/Word.hpp"

namespace velora {

std::string_view toString(PunctuationWeight weight) {
    switch (weight) {
    case PunctuationWeight::minor:
        return "minor";
    case PunctuationWeight::major:
        return "major";
    case PunctuationWeight::none:
        break;
    }
    return "none";
}

std::optional<PunctuationWeight> punctuationWeightFromString(std::string_view raw) {
    for (auto weight :
         {PunctuationWeight::none, PunctuationWeight::minor, PunctuationWeight::major}) {
        if (toString(weight) == raw) {
            return weight;
        }
    }
    return std::nullopt;
}

} // namespace velora
