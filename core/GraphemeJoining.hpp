#pragma once

#include <cstdint>

namespace velora::Graphemes {

// How a code point takes part in character boundaries, as far as the shortcuts around the break
// iterator need to know.
enum class Joining : std::uint8_t {
    // Anything else: left to the break iterator.
    complex,
    // A boundary lies before and after it whatever surrounds it, except that marks may follow:
    // precomposed Hangul syllables join only single jamo, which are not among them.
    base,
    // Control characters and line feeds: a boundary on both sides, marks included.
    control,
    // Marks (Extend, SpacingMark) that always join whatever character they follow, unless it is a
    // control; a virama is left out, as newer rules join consonants across it.
    mark,
};

// Complex for -1, the value of an ill-formed sequence.
Joining joiningOf(std::int32_t codePoint);

inline bool standsAlone(Joining joining) {
    return joining == Joining::base || joining == Joining::control;
}

// Whether a boundary lies after this code point whenever a base or control follows it.
inline bool endsBeforeAnyBase(Joining joining) {
    return joining != Joining::complex;
}

} // namespace velora::Graphemes
