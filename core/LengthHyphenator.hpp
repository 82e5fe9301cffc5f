#pragma once

#include "core/Hyphenator.hpp"

namespace velora {

// For languages without installed patterns: a break every few letters, never leaving fewer
// than two on either side, which counts syllables about as often as speech has them.
class LengthHyphenator final : public Hyphenator {
private:
    std::vector<std::size_t> letterBreaks(std::string_view letters) const override;
};

} // namespace velora
