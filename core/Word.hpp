#pragma once

#include "core/EnumTable.hpp"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace velora {

// The pause class of a word, by the punctuation that ends it.
enum class PunctuationWeight : std::uint8_t { none, minor, major };

struct PunctuationWeightNames {
    PunctuationWeight value;
    std::string_view raw;
};

inline constexpr std::array<PunctuationWeightNames, 3> punctuationWeightNames{{
    {PunctuationWeight::none, "none"},
    {PunctuationWeight::minor, "minor"},
    {PunctuationWeight::major, "major"},
}};

inline constexpr std::array allPunctuationWeights = EnumTable::values(punctuationWeightNames);

std::string_view toString(PunctuationWeight weight);
std::optional<PunctuationWeight> punctuationWeightFromString(std::string_view raw);

// One displayed token. Built by TextEngine::tokenize; `id` is its index in the word list.
struct Word {
    struct OrpParts {
        std::string left;
        std::string pivot;
        std::string right;
        bool operator==(const OrpParts&) const = default;
    };

    std::int64_t id = 0;
    std::string text;
    // A character index, half the width of `id`: a word takes 48 bytes rather than 56.
    std::int32_t orp = 0;
    PunctuationWeight punctuation = PunctuationWeight::none;
    bool isParagraphEnd = false;

    // A pivot index as `orp` holds it: one past its range, in a token of over two billion
    // characters, is kept at its end, and orpParts clamps it to the text.
    static std::int32_t pivotAt(std::int64_t index) {
        return static_cast<std::int32_t>(
            std::clamp<std::int64_t>(index, std::numeric_limits<std::int32_t>::min(),
                                     std::numeric_limits<std::int32_t>::max()));
    }

    // The text cut around its pivot character; the pivot index is clamped to the text.
    OrpParts orpParts() const;

    // Texts compare by canonical equivalence.
    bool operator==(const Word& other) const;
};

} // namespace velora
