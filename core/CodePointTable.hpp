#pragma once

#include <cstdint>
#include <type_traits>
#include <vector>

namespace velora {

// The answers of a pure function of one code point, kept for the Basic Multilingual Plane, where
// nearly all text lies, and asked afresh beyond it. Property look-ups in ICU cost several calls
// each; the hot loops over text ask once per code point.
template <typename T, T (*compute)(std::int32_t)> class CodePointTable {
public:
    CodePointTable() : answers_(planeSize) {
        for (std::int32_t c = 0; c < planeSize; ++c) {
            answers_[static_cast<std::size_t>(c)] = compute(c);
        }
    }

    T operator()(std::int32_t c) const {
        return c >= 0 && c < planeSize ? static_cast<T>(answers_[static_cast<std::size_t>(c)])
                                       : compute(c);
    }

private:
    static constexpr std::int32_t planeSize = 0x10000;
    // Whole bytes even for Booleans: a packed bit costs more to reach than it saves.
    std::vector<std::conditional_t<std::is_same_v<T, bool>, std::uint8_t, T>> answers_;
};

} // namespace velora
