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

// The top bit of each byte of the result is set exactly where that byte of `word` lies from `low`
// to `high`, both below 128: cheaper than one `equal` per value for two or more.
inline std::uint64_t between(std::uint64_t word, unsigned char low, unsigned char high) {
    constexpr std::uint64_t low7 = 0x7F7F7F7F7F7F7F7FULL;
    constexpr std::uint64_t ones = 0x0101010101010101ULL;
    // Seven bits each: adding cannot carry into the next byte.
    const std::uint64_t bits = word & low7;
    const std::uint64_t fromLow = bits + ones * (0x80U - low);
    const std::uint64_t pastHigh = bits + ones * (0x7FU - high);
    return fromLow & ~pastHigh & ~word & topBits;
}

// Non-zero exactly when some byte of `word` is below `value`, which is at most 128.
inline std::uint64_t anyBelow(std::uint64_t word, unsigned char value) {
    return (word - 0x0101010101010101ULL * value) & ~word & topBits;
}

} // namespace velora::ByteScan
