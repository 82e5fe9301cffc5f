#pragma once

#include <bit>
#include <cstdint>
#include <cstring>

// Looks at eight bytes at a time. In UTF-8 no byte of a multi-byte sequence is ASCII, so ASCII
// separators can be found bytewise in any text.
namespace velora::ByteScan {

// Callers count trailing zero bits to find the first byte in text order.
static_assert(std::endian::native == std::endian::little);

inline constexpr std::uint64_t topBits = 0x8080808080808080ULL;

inline std::uint64_t load(const char* eight) {
    std::uint64_t word = 0;
    std::memcpy(&word, eight, sizeof word);
    return word;
}

// The top bit of each byte of the result is set exactly where that byte of `word` is `value`.
inline std::uint64_t equal(std::uint64_t word, unsigned char value) {
    constexpr std::uint64_t low7 = 0x7F7F7F7F7F7F7F7FULL;
    const std::uint64_t x = word ^ (0x0101010101010101ULL * value);
    return ~(((x & low7) + low7) | x | low7);
}

// Non-zero exactly when some byte of `word` is below `value`, which is at most 128.
inline std::uint64_t anyBelow(std::uint64_t word, unsigned char value) {
    return (word - 0x0101010101010101ULL * value) & ~word & topBits;
}

} // namespace velora::ByteScan
