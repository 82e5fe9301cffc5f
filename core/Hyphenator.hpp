#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace velora {

// Where words may be broken at a line end, by the patterns of one language.
class Hyphenator {
public:
    virtual ~Hyphenator() = default;

    // Byte offsets strictly inside `word` where it may be broken, ascending: hyphenation points
    // of each run of letters, and the place after a hyphen that joins two of them. Punctuation
    // around the word is never broken off.
    std::vector<std::size_t> breaks(std::string_view word) const;

private:
    // Offsets strictly inside `letters`, a run of letters only, in any case.
    virtual std::vector<std::size_t> letterBreaks(std::string_view letters) const = 0;
};

} // namespace velora
