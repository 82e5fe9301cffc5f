#pragma once

#include "core/ReadingStats.hpp"

#include <QWidget>
#include <vector>

namespace velora {

// Words read per day as bars and the average speed of each day as a line, oldest day at the
// left; a day without reading is a dot on the base line. Screen readers get the figures as the
// widget's description.
class ReadingChart : public QWidget {
    Q_OBJECT

public:
    static constexpr int shownDays = 30;

    explicit ReadingChart(QWidget* parent = nullptr);

    void setDays(std::vector<DayReading> days);
    const std::vector<DayReading>& days() const { return days_; }

    // "Words read per day, last 30 days: 7 Nov, none; 8 Nov, 1,200 words at 250 WPM; ..."
    static QString describe(const std::vector<DayReading>& days);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<DayReading> days_;
};

} // namespace velora
