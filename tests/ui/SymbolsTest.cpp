#include "ui/Symbols.hpp"

#include "core/ReadingMode.hpp"

#include <QPainter>
#include <QStringList>
#include <gtest/gtest.h>

namespace velora {
namespace {

// Every symbol the reader, its panels and the tray ask for.
const QStringList names =
    QString::fromLatin1(
        "arrow.down.doc arrow.down.right.and.arrow.up.left arrow.up.left.and.arrow.down.right "
        "backward.end.fill book books.vertical "
        "clock doc.on.clipboard doc.rich doc.text ellipsis.circle flashlight.on.fill gobackward.10 "
        "goforward.10 info.circle keyboard pause.circle.fill play.circle.fill scope "
        "slider.horizontal.3 speaker.badge.exclamationmark.fill speaker.slash.fill speaker.wave.2 "
        "speaker.wave.2.fill speedometer "
        "text.alignleft text.quote text.viewfinder text.word.spacing tray.and.arrow.down trash "
        "xmark.circle.fill")
        .split(u' ');

class SymbolsTest : public ::testing::TestWithParam<QString> {};

TEST_P(SymbolsTest, DrawsInTheAskedColourOnlyAndFadesWhenDisabled) {
    const std::string name = GetParam().toStdString();
    const QColor orange(230, 120, 20);
    const QImage image = Symbols::pixmap(name, {24, 24}, orange, 2).toImage();
    ASSERT_EQ(image.size(), QSize(48, 48));
    int opaque = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (pixel.alpha() == 255) {
                ++opaque;
                ASSERT_EQ(pixel.rgb(), orange.rgb());
            }
        }
    }
    // A line drawing, neither empty nor a filled square.
    EXPECT_GT(opaque, 48);
    EXPECT_LT(opaque, 48 * 48 * 3 / 4);
    const QImage disabled = Symbols::icon(name, Qt::white).pixmap(32, QIcon::Disabled).toImage();
    for (int y = 0; y < disabled.height(); ++y) {
        for (int x = 0; x < disabled.width(); ++x) {
            ASSERT_LT(disabled.pixelColor(x, y).alpha(), 128);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Names, SymbolsTest, ::testing::ValuesIn(names), [](const auto& info) {
    std::string name = info.param.toStdString();
    std::replace(name.begin(), name.end(), '.', '_');
    return name;
});

TEST(Symbols, ModePickersFindTheirSymbolsAndUnknownNamesGiveNothing) {
    for (ReadingMode mode : allReadingModes) {
        EXPECT_TRUE(Symbols::contains(symbolName(mode))) << toString(mode);
    }
    EXPECT_TRUE(Symbols::icon("no.such.symbol", Qt::red).isNull());
    EXPECT_TRUE(Symbols::pixmap("trash.fill", {16, 16}, Qt::red).isNull());
}

// The mark keeps its own colours wherever it is shown: white bolt on blue, red pivot.
TEST(Symbols, MarkIsDrawnInItsOwnColours) {
    const QImage image = Symbols::mark().pixmap(64).toImage();
    ASSERT_EQ(image.size(), QSize(64, 64));
    EXPECT_GT(image.pixelColor(32, 58).blue(), 150) << "the disc";
    EXPECT_EQ(image.pixelColor(20, 32).rgb(), QColor(Qt::white).rgb()) << "the bolt";
    const QColor pivot = image.pixelColor(31, 20);
    EXPECT_GT(pivot.red(), 200);
    EXPECT_LT(pivot.green(), 120);
}

} // namespace
} // namespace velora
