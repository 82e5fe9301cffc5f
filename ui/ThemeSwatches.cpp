#include "ui/ThemeSwatches.hpp"

#include "ui/EnumTitles.hpp"
#include "ui/ThemePalette.hpp"

#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>

namespace velora {

namespace {

class Swatch final : public QAbstractButton {
public:
    Swatch(ReadingTheme theme, QWidget* parent) : QAbstractButton(parent), theme_(theme) {
        setCheckable(true);
        setFixedSize(34, 26);
        setCursor(Qt::PointingHandCursor);
        setFocusPolicy(Qt::TabFocus);
        setToolTip(displayTitle(theme));
        setAccessibleName(ThemeSwatches::tr("%1 theme").arg(toolTip()));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        const ThemePalette colours = velora::palette(theme_, QWidget::palette());
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        QPainterPath shape;
        shape.addRoundedRect(QRectF(rect()), 6, 6);
        QColor fill(128, 128, 128);
        fill.setAlphaF(0.35);
        painter.fillPath(shape, colours.background.value_or(fill));

        QFont font = painter.font();
        font.setPixelSize(13);
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(colours.text);
        painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("A"));

        QColor edge(255, 255, 255);
        edge.setAlphaF(0.15);
        const double width = isChecked() ? 2.0 : 1.0;
        painter.setPen(
            QPen(isChecked() ? QWidget::palette().color(QPalette::Highlight) : edge, width));
        painter.setBrush(Qt::NoBrush);
        const double inset = width / 2;
        painter.drawRoundedRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset), 6, 6);
    }

private:
    ReadingTheme theme_;
};

} // namespace

ThemeSwatches::ThemeSwatches(QWidget* parent) : QWidget(parent) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(8);
    for (ReadingTheme theme : allReadingThemes) {
        auto* swatch = new Swatch(theme, this);
        swatches_.push_back(swatch);
        row->addWidget(swatch);
        connect(swatch, &QAbstractButton::clicked, this, [this, swatch, theme] {
            // The outline follows the stored theme, not the click.
            swatch->setChecked(!swatch->isChecked());
            emit themeChosen(theme);
        });
    }
    row->addStretch();
}

void ThemeSwatches::showTheme(ReadingTheme theme) {
    for (std::size_t i = 0; i < swatches_.size(); ++i) {
        swatches_[i]->setChecked(allReadingThemes[i] == theme);
    }
}

QAbstractButton* ThemeSwatches::swatch(ReadingTheme theme) const {
    return swatches_.at(static_cast<std::size_t>(theme));
}

} // namespace velora
