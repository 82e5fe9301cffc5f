#include "ui/FlowLayout.hpp"

#include <gtest/gtest.h>
#include <limits>
#include <random>

namespace velora {
namespace {

const QRectF page(0, 0, 100, std::numeric_limits<qreal>::max());

struct SizeCase {
    const char* name;
    std::vector<QSizeF> sizes;
    std::optional<qreal> proposedWidth;
    QSizeF expected;
};

class FlowLayoutSize : public ::testing::TestWithParam<SizeCase> {};

TEST_P(FlowLayoutSize, MatchesTheWrappedLines) {
    const SizeCase& c = GetParam();
    EXPECT_EQ(FlowLayout{}.size(c.sizes, c.proposedWidth), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, FlowLayoutSize,
    ::testing::Values(
        // 40 + 8 + 40 = 88 fits in 100; the third wraps, 14 below the first line.
        SizeCase{"ThirdWraps", {{40, 20}, {40, 20}, {40, 20}}, 100, {100, 20 + 14 + 20}},
        SizeCase{"NoWidthIsOneLine", {{40, 20}, {40, 20}, {40, 20}}, std::nullopt, {136, 20}},
        SizeCase{
            "TallestElementSetsTheLine", {{40, 20}, {40, 31}, {40, 18}}, 100, {100, 31 + 14 + 18}},
        SizeCase{"ExactFitStays", {{46, 20}, {46, 20}}, 100, {100, 20}},
        SizeCase{
            "WideWordAloneOnItsLine", {{30, 20}, {150, 20}, {30, 20}}, 100, {100, 3 * 20 + 2 * 14}},
        SizeCase{"EmptyWithWidth", {}, 100, {100, 0}},
        SizeCase{"EmptyWithoutWidth", {}, std::nullopt, {0, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

// Re-wrapping only around changed elements must give the page a full layout gives.
class FlowLayoutReplace : public ::testing::TestWithParam<unsigned> {};

TEST_P(FlowLayoutReplace, EqualsAFreshLayout) {
    std::mt19937 random(GetParam());
    std::uniform_real_distribution<qreal> width(5, 60);
    std::vector<QSizeF> sizes(2000);
    std::vector<std::uint8_t> paragraphEnds(sizes.size());
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        sizes[i] = {width(random), 20};
        paragraphEnds[i] = random() % 40 == 0 ? 1 : 0;
    }
    FlowLayout layout;
    layout.paragraphSpacing = 11;
    FlowLayout::Placement placement = layout.place(sizes, page, paragraphEnds);
    std::uniform_int_distribution<std::size_t> at(0, sizes.size() - 1);
    std::uniform_int_distribution<std::size_t> span(1, 4);
    std::uniform_real_distribution<qreal> height(18, 26);
    for (int round = 0; round < 200; ++round) {
        const std::size_t first = at(random);
        const std::size_t last = std::min(sizes.size(), first + span(random));
        for (std::size_t i = first; i < last; ++i) {
            sizes[i] = {width(random) * 1.5, height(random)};
        }
        layout.replace(placement, sizes, page, first, last, paragraphEnds);
        const FlowLayout::Placement fresh = layout.place(sizes, page, paragraphEnds);
        ASSERT_EQ(placement.x, fresh.x) << "round " << round;
        ASSERT_EQ(placement.lines.size(), fresh.lines.size()) << "round " << round;
        for (std::size_t l = 0; l < fresh.lines.size(); ++l) {
            ASSERT_EQ(placement.lines[l].first, fresh.lines[l].first) << "line " << l;
            ASSERT_NEAR(placement.lines[l].y, fresh.lines[l].y, 1e-6) << "line " << l;
            ASSERT_DOUBLE_EQ(placement.lines[l].height, fresh.lines[l].height) << "line " << l;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, FlowLayoutReplace, ::testing::Values(1U, 2U, 3U));

TEST(FlowLayout, AParagraphEndEndsTheLineAndSpacesTheNext) {
    FlowLayout layout;
    layout.paragraphSpacing = 11;
    const std::vector<QSizeF> sizes(4, QSizeF(40, 20));
    const std::vector<std::uint8_t> paragraphEnds{0, 1};
    const FlowLayout::Placement placement =
        layout.place(sizes, QRectF(0, 0, 1000, 0), paragraphEnds);
    ASSERT_EQ(placement.lines.size(), 2U);
    EXPECT_EQ(placement.lines[1].first, 2U);
    EXPECT_EQ(placement.lines[1].y, 20 + 14 + 11);
    EXPECT_EQ(placement.x, (std::vector<float>{0, 48, 0, 48}));
}

} // namespace
} // namespace velora
