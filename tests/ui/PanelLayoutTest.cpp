#include "ReaderViewFixture.hpp"
#include "ui/ElidedLabel.hpp"
#include "ui/FocusReaderView.hpp"

#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace velora {
namespace {

using testing::ReaderViewTest;

constexpr QSize smallest(640, 440);

// Inside `outer`, in the coordinates of `outer`.
QRect placeIn(const QWidget& widget, const QWidget& outer) {
    return QRect(widget.mapTo(&outer, QPoint()), widget.size());
}

TEST_F(ReaderViewTest, LongStatusIsCutOffAndNeverWidensThePanel) {
    ReaderView& reader = view();
    const int before = reader.minimumSizeHint().width();
    const QString message =
        QStringLiteral("Couldn't read ") + QString(300, QLatin1Char('x')) + QStringLiteral(".pdf");
    vm_->setStatusMessage(message);
    reader.resize(smallest);
    reader.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(reader.minimumSizeHint().width(), before);
    EXPECT_LE(reader.statusLine().width(), smallest.width());
    EXPECT_TRUE(reader.statusLine().isElided());
    EXPECT_EQ(reader.statusLine().toolTip(), message);

    vm_->setStatusMessage(QStringLiteral("Read from clipboard"));
    EXPECT_TRUE(reader.statusLine().toolTip().isEmpty()) << "a message that fits needs none";
}

TEST_F(ReaderViewTest, LibraryFitsTheSmallestPanel) {
    for (int i = 0; i < 3; ++i) {
        const std::string id = "doc" + std::to_string(i);
        library_->registerDocument(
            id, "A remarkably long document title that cannot fit on one row " + id,
            ReadingHistoryEntry::Kind::text, 1000, std::nullopt, "text " + id);
    }
    library_->addReading(2'500'000, 36000);
    ReaderView& reader = view();
    reader.resize(smallest);
    reader.show();
    reader.cards().setShown(ReaderCard::library, true);
    testing::finishAnimations(reader);
    QWidget& card = reader.cards().library();
    EXPECT_TRUE(reader.rect().contains(placeIn(card, reader)));

    const QWidget* viewport = card.findChild<QScrollArea*>()->viewport();
    const QRect visible = placeIn(*viewport, card);
    for (QLabel* value : card.findChildren<QLabel*>(QStringLiteral("value"))) {
        EXPECT_LE(placeIn(*value->parentWidget(), card).right(), visible.right())
            << value->text().toStdString();
    }
    const auto titles = card.findChildren<ElidedLabel*>(QStringLiteral("title"));
    ASSERT_EQ(titles.size(), 3);
    for (ElidedLabel* title : titles) {
        EXPECT_TRUE(title->isElided());
        const auto* remove = title->parentWidget()->findChild<QToolButton*>();
        EXPECT_LE(placeIn(*remove, card).right(), visible.right());
    }
}

// At the smallest panel, the largest text and four words at a time, the last word still shows:
// changing its last letter changes what is drawn.
TEST_F(ReaderViewTest, EveryWordOfAChunkShowsAtTheLargestSize) {
    const auto render = [](const std::string& last) {
        FocusReaderView view;
        view.resize(smallest.width(), 300);
        view.setThemePalette(palette(ReadingTheme::dark, QPalette()));
        view.setFontSize(ReadingSettings{.fontScale = 9.0}.clampedFontScale() * 52);
        const std::vector<Word> chunk{testing::word(0, "understanding", 3),
                                      testing::word(1, "everything", 2), testing::word(2, "you", 1),
                                      testing::word(3, last, 2)};
        view.setChunk(chunk);
        testing::finishAnimations(view);
        return testing::render(view, Qt::black);
    };
    EXPECT_NE(render("received."), render("receiveD."));
}

TEST_F(ReaderViewTest, WheelOverAnUnchosenControlScrollsTheCard) {
    ReaderView& reader = activeView();
    reader.resize(smallest);
    reader.cards().setShown(ReaderCard::settings, true);
    testing::finishAnimations(reader);
    QSlider& speed = *reader.cards().settings().controls().speed;
    QScrollBar& scroll = *reader.cards().settings().findChild<QScrollArea*>()->verticalScrollBar();
    ASSERT_GT(scroll.maximum(), 0);
    const auto turn = [&speed] {
        const QPointF at(speed.width() / 2.0, speed.height() / 2.0);
        QWheelEvent wheel(at, speed.mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(&speed, &wheel);
    };
    turn();
    EXPECT_EQ(vm_->settings().wpm, 300);
    EXPECT_GT(scroll.value(), 0);

    speed.setFocus(Qt::TabFocusReason);
    turn();
    EXPECT_NE(vm_->settings().wpm, 300) << "a chosen control takes the wheel";
}

} // namespace
} // namespace velora
