#include "core/ByteScan.hpp"

#include <array>
#include <gtest/gtest.h>

namespace velora {
namespace {

struct ByteRange {
    unsigned char low;
    unsigned char high;
};

class ByteScanBetween : public testing::TestWithParam<ByteRange> {};

// A carry or borrow from a neighbouring byte would mark a byte wrongly, so every byte is tried
// beside neighbours at the edges of the range and of the byte.
TEST_P(ByteScanBetween, MarksExactlyTheBytesInTheRange) {
    const ByteRange range = GetParam();
    const std::array<unsigned, 8> neighbours{
        0x00U, 0x7FU, 0x80U, 0xFFU, range.low - 1U, range.low, range.high, range.high + 1U};
    for (unsigned byte = 0; byte < 256; ++byte) {
        for (const unsigned neighbour : neighbours) {
            std::uint64_t word = 0;
            for (int lane = 0; lane < 8; ++lane) {
                const std::uint64_t value = lane % 2 == 0 ? byte : neighbour & 0xFFU;
                word |= value << (8 * lane);
            }
            const std::uint64_t marks = ByteScan::between(word, range.low, range.high);
            for (int lane = 0; lane < 8; ++lane) {
                const unsigned value = (word >> (8 * lane)) & 0xFFU;
                const bool inside = value >= range.low && value <= range.high;
                EXPECT_EQ(((marks >> (8 * lane + 7)) & 1U) != 0, inside)
                    << "byte " << value << " in lane " << lane << " beside " << neighbour;
            }
            EXPECT_EQ(marks & ~ByteScan::topBits, 0U);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Ranges, ByteScanBetween,
                         testing::Values(ByteRange{'\t', '\n'}, ByteRange{0x00, 0x20},
                                         ByteRange{'A', 'Z'}, ByteRange{0x7F, 0x7F},
                                         ByteRange{0x00, 0x7F}));

} // namespace
} // namespace velora
