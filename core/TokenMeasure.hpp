#pragma once

#include "core/Word.hpp"

#include <array>
#include <cstdint>
#include <string_view>

namespace velora::TokenMeasure {

struct Measure {
    std::int64_t orp = 0;
    PunctuationWeight punctuation = PunctuationWeight::none;
    bool operator==(const Measure&) const = default;
};

// ORP::index and Punctuation::weight of a token. Nearly every word is made of characters that are
// one code point, or a base with plain marks, whose bounds need no break iterator: such a token is
// measured in one walk, any other the general way.
Measure of(std::string_view token);

// The middle character of the letters and numbers from the first to the last, the left one of two
// middles; of all characters when there is none (`first` is then negative).
inline std::int64_t pivot(std::int64_t characters, std::int64_t first, std::int64_t last) {
    if (first < 0) {
        return characters == 0 ? 0 : (characters - 1) / 2;
    }
    return first + (last - first) / 2;
}

// The same for tokens of ASCII without CR, where each byte is a character, read a byte at a time
// as a tokenizer meets them; one walk serves any number of tokens in turn.
class AsciiWalk {
public:
    // Inline, so that the walk's counters can live in registers rather than in an object whose
    // address has escaped, which every byte read from the text might alias.
    AsciiWalk() : traits_(asciiTraits()), weights_(weights()) {}

    void start() {
        characters_ = 0;
        firstCore_ = -1;
        lastCore_ = -1;
        counting_ = 0;
    }

    void add(unsigned char byte) {
        const std::uint8_t traits = traits_[byte];
        if ((traits & alphanumericBit) != 0) {
            firstCore_ = firstCore_ < 0 ? characters_ : firstCore_;
            lastCore_ = characters_;
        }
        const auto kind = static_cast<std::uint8_t>(traits >> kindShift);
        counting_ = kind == skippable ? counting_ : kind;
        ++characters_;
    }

    Measure measure() const {
        return {pivot(characters_, firstCore_, lastCore_), weights_[counting_]};
    }

    // A code point's traits in one byte: its joining in the low bits, then whether it is a letter
    // or number, then its pause kind.
    static constexpr std::uint8_t joiningBits = 0x3;
    static constexpr std::uint8_t alphanumericBit = 0x4;
    static constexpr int kindShift = 3;

private:
    static constexpr std::uint8_t skippable = 3;

    // The traits of the 128 ASCII code points, and the weight of each pause kind.
    static const std::uint8_t* asciiTraits();
    static const PunctuationWeight* weights();

    const std::uint8_t* traits_;
    const PunctuationWeight* weights_;
    std::int64_t characters_ = 0;
    std::int64_t firstCore_ = -1;
    std::int64_t lastCore_ = -1;
    std::uint8_t counting_ = 0;
};

} // namespace velora::TokenMeasure
