#include "ui/BidiLevels.hpp"

#include "ui/FlowLayout.hpp"

#include <QString>
#include <QStringList>
#include <gtest/gtest.h>
#include <limits>

namespace velora {
namespace {

// Hebrew words stand for any right-to-left ones, Latin ones for left-to-right.
const QString shalom = QStringLiteral("\u05E9\u05DC\u05D5\u05DD");
const QString olam = QStringLiteral("\u05E2\u05D5\u05DC\u05DD");
const QString marhaba = QStringLiteral("\u0645\u0631\u062D\u0628\u0627");

struct OrderCase {
    const char* name;
    QStringList words;
    std::vector<std::uint8_t> paragraphEnds;
    QStringList shown; // left to right, each paragraph on a line of its own
};

class BidiOrder : public ::testing::TestWithParam<OrderCase> {};

TEST_P(BidiOrder, WordsShowInTheOrderUnicodeGives) {
    const OrderCase& c = GetParam();
    std::vector<BidiLevels::Direction> directions;
    for (const QString& word : c.words) {
        directions.push_back(BidiLevels::of(word));
    }
    const std::vector<BidiLevels::WordLevel> levels =
        BidiLevels::resolve(directions, c.paragraphEnds);
    QStringList shown;
    const auto count = static_cast<std::size_t>(c.words.size());
    std::size_t start = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const bool ends = i + 1 == count || (i < c.paragraphEnds.size() && c.paragraphEnds[i]);
        if (!ends) {
            continue;
        }
        if (levels.empty()) {
            shown +=
                c.words.mid(static_cast<qsizetype>(start), static_cast<qsizetype>(i + 1 - start));
        } else {
            for (std::size_t at :
                 BidiLevels::visualOrder(std::span(levels).subspan(start, i + 1 - start))) {
                shown.append(c.words[static_cast<qsizetype>(start + at)]);
            }
        }
        start = i + 1;
    }
    EXPECT_EQ(shown, c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Paragraphs, BidiOrder,
    ::testing::Values(
        OrderCase{"LeftToRightUntouched", {"a", "b", "1", "."}, {}, {"a", "b", "1", "."}},
        OrderCase{"RightToLeftReversed", {shalom, olam, marhaba}, {}, {marhaba, olam, shalom}},
        // Latin words and numbers inside keep their own order in their place.
        OrderCase{"LatinAndNumbersInside",
                  {shalom, "new", "York", "2024", olam},
                  {},
                  {olam, "new", "York", "2024", shalom}},
        OrderCase{"NumberBetweenRightToLeftWords", {shalom, "12", olam}, {}, {olam, "12", shalom}},
        OrderCase{"RightToLeftInsideLatin",
                  {"see", shalom, olam, "now"},
                  {},
                  {"see", olam, shalom, "now"}},
        // A number after right-to-left words belongs to them, even in a left-to-right paragraph.
        OrderCase{"NumberAfterRightToLeftInLatin",
                  {"a", shalom, "12", olam},
                  {},
                  {"a", olam, "12", shalom}},
        OrderCase{"DashBetweenRightToLeftWords",
                  {"a", shalom, "\u2014", olam},
                  {},
                  {"a", olam, "\u2014", shalom}},
        OrderCase{"DashBetweenDirectionsTakesTheParagraphs",
                  {shalom, "\u2014", "word"},
                  {},
                  {"word", "\u2014", shalom}},
        // Each paragraph takes the direction of its first strong word.
        OrderCase{"EachParagraphItsOwnDirection",
                  {"\u2026", shalom, olam, "one", "two"},
                  {0, 0, 1, 0, 0},
                  {olam, shalom, "\u2026", "one", "two"}},
        OrderCase{"NoStrongWordIsLeftToRight",
                  {"1", "\u2014", "2", shalom},
                  {0, 0, 1, 0},
                  {"1", "\u2014", "2", shalom}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FlowLayoutBidi, RightToLeftParagraphRunsFromTheRightEdgeAndWraps) {
    const std::vector<QSizeF> sizes{{30, 10}, {30, 10}, {30, 10}, {20, 10}, {20, 10}};
    const std::vector<std::uint8_t> ends{0, 0, 1, 0, 0};
    const std::vector<BidiLevels::WordLevel> levels{
        {1, true}, {1, true}, {1, true}, {0, false}, {0, false}};
    FlowLayout layout;
    layout.spacing = 5;
    const QRectF bounds(10, 0, 80, std::numeric_limits<qreal>::max());
    const FlowLayout::Placement placement = layout.place(sizes, bounds, ends, levels);
    ASSERT_EQ(placement.lines.size(), 3U);
    EXPECT_FLOAT_EQ(placement.x[0] + 30, 90); // the first word at the right edge
    EXPECT_FLOAT_EQ(placement.x[1], 25);
    EXPECT_FLOAT_EQ(placement.x[2] + 30, 90); // wrapped, again from the right
    EXPECT_FLOAT_EQ(placement.x[3], 10);      // the next paragraph from the left
    EXPECT_FLOAT_EQ(placement.x[4], 35);

    // Re-wrapping after a change keeps the order.
    FlowLayout::Placement changed = placement;
    std::vector<QSizeF> wider = sizes;
    wider[1] = {35, 10};
    layout.replace(changed, wider, bounds, 1, 2, ends, levels);
    EXPECT_EQ(changed.x, layout.place(wider, bounds, ends, levels).x);
    EXPECT_FLOAT_EQ(changed.x[1], 20);
}

} // namespace
} // namespace velora
