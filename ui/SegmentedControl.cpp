#include "ui/SegmentedControl.hpp"

#include "ui/Symbols.hpp"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>
#include <QToolButton>

namespace velora {

namespace {

constexpr qreal cornerRadius = 6;
constexpr int symbolSize = 16;
constexpr int symbolGap = 6;

// One segment: the chosen one is filled with the accent, its title and symbol in the colour that
// reads on it; the others are drawn on the group's own background.
class SegmentButton final : public QToolButton {
public:
    SegmentButton(const SegmentedControl::Segment& segment, QWidget* parent)
        : QToolButton(parent), symbol_(segment.symbol) {
        setText(segment.title);
        setCheckable(true);
        setFocusPolicy(Qt::TabFocus);
        setToolButtonStyle(symbol_.empty() ? Qt::ToolButtonTextOnly : Qt::ToolButtonTextBesideIcon);
        setIconSize(QSize(symbolSize, symbolSize));
        if (!symbol_.empty()) {
            // Sizes the button; the drawing below paints the symbol in the right colour.
            setIcon(Symbols::icon(symbol_, Qt::black));
        }
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QPalette& colours = palette();
        if (isChecked()) {
            QPainterPath shape;
            shape.addRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), cornerRadius, cornerRadius);
            painter.fillPath(shape, colours.color(QPalette::Highlight));
        }
        const QColor ink =
            colours.color(isChecked() ? QPalette::HighlightedText : QPalette::ButtonText);
        const QFontMetrics metrics = fontMetrics();
        const int textWidth = metrics.horizontalAdvance(text());
        const int symbolWidth = symbol_.empty() ? 0 : symbolSize + symbolGap;
        int x = (width() - textWidth - symbolWidth) / 2;
        if (!symbol_.empty()) {
            const QPixmap drawn =
                Symbols::pixmap(symbol_, QSize(symbolSize, symbolSize), ink, devicePixelRatioF());
            painter.drawPixmap(x, (height() - symbolSize) / 2, drawn);
            x += symbolWidth;
        }
        painter.setPen(ink);
        painter.drawText(QRect(x, 0, textWidth + 1, height()), Qt::AlignVCenter, text());
    }

private:
    std::string symbol_;
};

} // namespace

SegmentedControl::SegmentedControl(const std::vector<Segment>& segments, QWidget* parent)
    : QWidget(parent), group_(new QButtonGroup(this)) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(2, 2, 2, 2);
    row->setSpacing(2);
    for (const Segment& each : segments) {
        auto* button = new SegmentButton(each, this);
        group_->addButton(button, static_cast<int>(segments_.size()));
        segments_.push_back(button);
        row->addWidget(button);
    }
    connect(group_, &QButtonGroup::idClicked, this, &SegmentedControl::indexChosen);
}

void SegmentedControl::showIndex(int index) {
    for (std::size_t i = 0; i < segments_.size(); ++i) {
        segments_[i]->setChecked(static_cast<int>(i) == index);
    }
}

int SegmentedControl::currentIndex() const {
    return group_->checkedId();
}

QToolButton& SegmentedControl::segment(int index) const {
    return *segments_.at(static_cast<std::size_t>(index));
}

void SegmentedControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath outline;
    outline.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), cornerRadius + 2,
                           cornerRadius + 2);
    painter.setPen(QPen(palette().color(QPalette::PlaceholderText), 1));
    painter.drawPath(outline);
}

} // namespace velora
