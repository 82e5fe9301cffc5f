#include "ui/Symbols.hpp"

#include "ReaderViewFixture.hpp"
#include "core/ReadingMode.hpp"
#include "ui/SymbolButton.hpp"
#include "ui/SymbolLabel.hpp"

#include <QDir>
#include <QPainter>
#include <QStringList>
#include <gtest/gtest.h>
#include <set>

namespace velora {
namespace {

using testing::ReaderViewTest;

// Every drawing the program carries but the mark, which keeps its own colours.
QStringList drawings() {
    // Asking for the mark loads the drawings.
    Symbols::mark();
    QStringList names = QDir(QStringLiteral(":/symbols")).entryList({QStringLiteral("*.svg")});
    for (QString& name : names) {
        name.chop(4);
    }
    names.removeOne(QStringLiteral("veloramac"));
    return names;
}

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

INSTANTIATE_TEST_SUITE_P(Names, SymbolsTest, ::testing::ValuesIn(drawings()), [](const auto& info) {
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

// What the panel, its cards and the settings window ask for, in every state that changes a
// symbol, is something the program draws.
TEST_F(ReaderViewTest, EverySymbolTheViewsShowIsDrawn) {
    for (const auto kind : {ReadingHistoryEntry::Kind::file, ReadingHistoryEntry::Kind::text}) {
        library_->registerDocument(std::to_string(int(kind)), "Title", kind, 10, std::nullopt,
                                   "text");
    }
    ReaderView& reader = view();
    HotKeySetting shortcut(preferences_);
    SettingsView window(*speech_, shortcut);
    std::set<std::string> shown;
    const auto collect = [&] {
        for (const QWidget* root :
             {static_cast<QWidget*>(&reader), static_cast<QWidget*>(&window)}) {
            for (const QWidget* each : root->findChildren<QWidget*>()) {
                if (dynamic_cast<const SymbolButton*>(each) != nullptr ||
                    dynamic_cast<const SymbolLabel*>(each) != nullptr) {
                    shown.insert(each->objectName().toStdString());
                }
            }
        }
    };
    collect();
    reader.setFullScreen(true);
    reader.controlBar().showPlaying(true);
    reader.controlBar().showSpeechEnabled(true);
    collect();
    reader.controlBar().showSpeechProblem(QStringLiteral("No audio device"));
    collect();

    EXPECT_GT(shown.size(), 25U) << "the walk found the views";
    for (const std::string& name : shown) {
        EXPECT_TRUE(Symbols::contains(name)) << name;
    }
    for (int i = 0; i < window.tabs().count(); ++i) {
        EXPECT_FALSE(window.tabs().tabIcon(i).isNull()) << window.tabs().tabText(i).toStdString();
    }
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
