#include "core/LengthHyphenator.hpp"

#include "core/Graphemes.hpp"

namespace velora {

namespace {
constexpr std::size_t lettersPerSyllable = 3;
constexpr std::size_t fewestAtEnds = 2;
} // namespace

std::vector<std::size_t> LengthHyphenator::letterBreaks(std::string_view letters) const {
    std::vector<std::size_t> starts;
    Graphemes::forEach(letters, [&](std::size_t begin, std::size_t) { starts.push_back(begin); });
    std::vector<std::size_t> result;
    for (std::size_t i = lettersPerSyllable; i + fewestAtEnds <= starts.size();
         i += lettersPerSyllable) {
        result.push_back(starts[i]);
    }
    return result;
}

} // namespace velora
