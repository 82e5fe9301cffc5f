#include "ui/ReadingChart.hpp"

#include <QDate>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace velora {

namespace {

constexpr int chartHeight = 96;
constexpr qreal barGap = 2;
constexpr qreal emptyDot = 2.5;
constexpr qreal lineWidth = 1.5;
constexpr qreal top = 6;

QDate dateOf(std::int64_t day) {
    return QDate(2001, 1, 1).addDays(day);
}

} // namespace

ReadingChart::ReadingChart(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setAccessibleName(tr("Reading over the last 30 days"));
    setDays({});
}

void ReadingChart::setDays(std::vector<DayReading> days) {
    days_ = std::move(days);
    setAccessibleDescription(describe(days_));
    setToolTip(accessibleDescription());
    update();
}

QString ReadingChart::describe(const std::vector<DayReading>& days) {
    const QLocale locale;
    QStringList parts;
    for (const DayReading& day : days) {
        const QString date = locale.toString(dateOf(day.day), tr("d MMM", "a day in the chart"));
        parts << (day.words > 0 ? tr("%1, %2 words at %3 WPM", "a day in the chart")
                                      .arg(date, locale.toString(static_cast<qlonglong>(day.words)))
                                      .arg(day.averageWPM())
                                : tr("%1, none", "a day without reading").arg(date));
    }
    return tr("Words read per day, last %n days: ", nullptr, shownDays) + parts.join(u"; ");
}

QSize ReadingChart::sizeHint() const {
    return {shownDays * 10, chartHeight};
}

void ReadingChart::paintEvent(QPaintEvent*) {
    if (days_.empty()) {
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor bar = palette().color(QPalette::Highlight);
    QColor dim = palette().color(QPalette::PlaceholderText);
    const QColor line = palette().color(QPalette::WindowText);
    const qreal base = height() - emptyDot * 2;
    const qreal room = base - top;
    const qreal slot = static_cast<qreal>(width()) / static_cast<qreal>(days_.size());
    const auto most =
        std::max_element(days_.begin(), days_.end(), [](const auto& a, const auto& b) {
            return a.words < b.words;
        })->words;
    std::int64_t fastest = 0;
    for (const DayReading& day : days_) {
        fastest = std::max(fastest, day.averageWPM());
    }
    QPainterPath speed;
    for (std::size_t i = 0; i < days_.size(); ++i) {
        const DayReading& day = days_[i];
        const qreal x = slot * static_cast<qreal>(i);
        if (day.words <= 0) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(dim);
            painter.drawEllipse(QPointF(x + slot / 2, base), emptyDot, emptyDot);
            continue;
        }
        const qreal h =
            std::max<qreal>(1, room * static_cast<qreal>(day.words) / static_cast<qreal>(most));
        painter.fillRect(QRectF(x + barGap / 2, base - h, slot - barGap, h), bar);
        const QPointF point(x + slot / 2,
                            base - room * static_cast<qreal>(day.averageWPM()) /
                                       static_cast<qreal>(std::max<std::int64_t>(fastest, 1)));
        if (speed.elementCount() == 0) {
            speed.moveTo(point);
        } else {
            speed.lineTo(point);
        }
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(line, lineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(speed);
}

} // namespace velora
