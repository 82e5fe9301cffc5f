#pragma once

#include "core/Hyphenator.hpp"

#include <memory>
#include <string_view>

namespace velora {

// Picks the hyphenation patterns for a text by its language.
class HyphenationSource {
public:
    virtual ~HyphenationSource() = default;

    // Never null: a text in a language without patterns gets the length rule. Safe to call from
    // any thread; the answer may be used from any thread.
    virtual std::shared_ptr<const Hyphenator> forText(std::string_view sample) const = 0;
};

} // namespace velora
