#include "core/Word.hpp"

#include "core/Graphemes.hpp"

#include <algorithm>

namespace velora {

std::string_view toString(PunctuationWeight weight) {
    return EnumTable::row(punctuationWeightNames, weight).raw;
}

std::optional<PunctuationWeight> punctuationWeightFromString(std::string_view raw) {
    return EnumTable::fromRaw(punctuationWeightNames, raw);
}

Word::OrpParts Word::orpParts() const {
    const std::vector<std::string_view> characters = Graphemes::split(text);
    if (characters.empty()) {
        return {};
    }
    const auto last = static_cast<std::int64_t>(characters.size()) - 1;
    const auto p = static_cast<std::size_t>(std::min<std::int64_t>(last, std::max(orp, 0)));
    const std::string_view all = text;
    const std::size_t pivotBegin = static_cast<std::size_t>(characters[p].data() - all.data());
    const std::size_t pivotEnd = pivotBegin + characters[p].size();
    return {std::string(all.substr(0, pivotBegin)), std::string(characters[p]),
            std::string(all.substr(pivotEnd))};
}

bool Word::operator==(const Word& other) const {
    return id == other.id && orp == other.orp && punctuation == other.punctuation &&
           isParagraphEnd == other.isParagraphEnd &&
           Graphemes::canonicallyEquivalent(text, other.text);
}

} // namespace velora
