#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velora {

// The pause class of a word, by the punctuation that ends it.
enum class PunctuationWeight : std::uint8_t { none, minor, major };

inline constexpr std::array<PunctuationWeight, 3> allPunctuationWeights{
    PunctuationWeight::none, PunctuationWeight::minor, PunctuationWeight::major};

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
    std::int64_t orp = 0;
    PunctuationWeight punctuation = PunctuationWeight::none;
    bool isParagraphEnd = false;

    // The text cut around its pivot character; the pivot index is clamped to the text.
    OrpParts orpParts() const;

    // Texts compare by canonical equivalence.
    bool operator==(const Word& other) const;
};

} // namespace velora
