#include "ui/Backdrop.hpp"

#include "ViewImages.hpp"

#include <gtest/gtest.h>

namespace velora {
namespace {

class BackdropCard : public ::testing::TestWithParam<bool> {};

// While it enters or leaves, the card is drawn at 96% of its size about its centre; at the end
// the real card is there again, to be used.
TEST_P(BackdropCard, IsDrawnScaledAboutItsCentreWhileItMoves) {
    const bool entering = GetParam();
    QWidget parent;
    parent.resize(300, 300);
    auto* card = new QWidget;
    card->setFixedSize(200, 100);
    card->setAutoFillBackground(true);
    card->setPalette(QPalette(Qt::white));
    Backdrop backdrop(
        card, [] {}, &parent);
    backdrop.resize(300, 300);
    parent.show();

    backdrop.animateCard(entering, std::chrono::milliseconds(150));
    testing::advanceAnimations(backdrop, entering ? 0 : 149);
    EXPECT_FALSE(card->isVisible());
    const QRect small = testing::areaOf(testing::render(backdrop, Qt::black), Qt::white);
    EXPECT_NEAR(small.width(), 192, 2);
    EXPECT_NEAR(small.center().x(), 150, 2);

    testing::finishAnimations(backdrop);
    EXPECT_TRUE(card->isVisible());
    const QRect full = testing::areaOf(testing::render(backdrop, Qt::black), Qt::white);
    EXPECT_EQ(full.width(), 200);
}

INSTANTIATE_TEST_SUITE_P(Directions, BackdropCard, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "entering" : "leaving"; });

} // namespace
} // namespace velora
