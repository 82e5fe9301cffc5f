#pragma once

#include "core/ReadingHistoryEntry.hpp"
#include "core/ReadingStats.hpp"
#include "ui/SymbolButton.hpp"

#include <QWidget>
#include <cstdint>

class QLayout;
class QVBoxLayout;

namespace velora {

class LibraryViewModel;
class ReadingChart;

// The library card laid over the reader: the reading statistics and the documents read, newest
// first. Opening a document is the reader view's business.
class LibraryView : public QWidget {
    Q_OBJECT

public:
    explicit LibraryView(LibraryViewModel& library, QWidget* parent = nullptr);

    QToolButton& closeButton() { return *close_; }
    QToolButton& statisticsMenuButton() { return *menu_; }
    ReadingChart& chart() { return *chart_; }
    // The controls in reading order, for the Tab key.
    std::vector<QWidget*> tabChain() const;

signals:
    void closeRequested();
    void openRequested(const velora::ReadingHistoryEntry& entry);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLayout* statsSection(QWidget& content);
    void showStats();
    void showRecents();

    LibraryViewModel& library_;
    SymbolButton* close_;
    SymbolButton* menu_;
    QWidget* tiles_;
    ReadingChart* chart_;
    QVBoxLayout* recentColumn_;
    QWidget* recents_ = nullptr;
};

// 999, 1.5k, 2.5M: one decimal and always a point.
QString compactNumber(std::int64_t n);
// "0%", "18%" or "Done".
QString progressText(const ReadingHistoryEntry& entry);
// "45s", "2m" or "1h 2m" from the rounded seconds, in the user's language.
QString readingTimeText(const ReadingStats& stats);

} // namespace velora
