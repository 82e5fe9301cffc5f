#include "ui/LibraryView.hpp"

#include "app/LibraryViewModel.hpp"
#include "ui/Card.hpp"
#include "ui/ElidedLabel.hpp"
#include "ui/ReadingChart.hpp"
#include "ui/SymbolButton.hpp"
#include "ui/SymbolLabel.hpp"
#include "ui/TextStyle.hpp"

#include <QAbstractButton>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QProgressBar>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace velora {

namespace {

QColor faint(const QWidget& widget, double opacity) {
    QColor colour = widget.palette().color(QPalette::WindowText);
    colour.setAlphaF(0.1 * opacity);
    return colour;
}

void paintRounded(QWidget& widget, const QColor& fill) {
    QPainter painter(&widget);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(widget.rect()), 10, 10);
    painter.fillPath(shape, fill);
}

class StatTile final : public QWidget {
public:
    StatTile(const QString& value, const QString& label, const char* symbol, QWidget* parent)
        : QWidget(parent) {
        auto* column = new QVBoxLayout(this);
        column->setContentsMargins(4, 12, 4, 12);
        column->setSpacing(4);
        column->addWidget(new SymbolLabel(symbol, QPalette::Highlight, 20, this), 0,
                          Qt::AlignHCenter);
        QLabel* shown = styledLabel(value, TextStyle::title3, Tone::primary, this, true);
        shown->setObjectName(QStringLiteral("value"));
        column->addWidget(shown, 0, Qt::AlignHCenter);
        column->addWidget(styledLabel(label, TextStyle::caption2, Tone::secondary, this), 0,
                          Qt::AlignHCenter);
    }

protected:
    void paintEvent(QPaintEvent*) override { paintRounded(*this, faint(*this, 0.5)); }
};

// One remembered document; the whole row opens it, the trash button only removes it.
class RecentRow final : public QAbstractButton {
public:
    RecentRow(const ReadingHistoryEntry& entry, QWidget* parent) : QAbstractButton(parent) {
        setCursor(Qt::PointingHandCursor);
        setFocusPolicy(Qt::TabFocus);
        setAccessibleName(QString::fromStdString(entry.title));
        setAccessibleDescription(progressText(entry));
        auto* row = new QHBoxLayout(this);
        row->setContentsMargins(10, 8, 10, 8);
        row->setSpacing(12);
        row->addWidget(new SymbolLabel(entry.kind == ReadingHistoryEntry::Kind::file ? "doc.rich"
                                                                                     : "text.quote",
                                       QPalette::Highlight, 24, this));

        auto* column = new QVBoxLayout;
        column->setSpacing(4);
        auto* title = new ElidedLabel(QString::fromStdString(entry.title), this);
        title->setObjectName(QStringLiteral("title"));
        applyTextStyle(*title, TextStyle::callout);
        QFont medium = title->font();
        medium.setWeight(QFont::Medium);
        title->setFont(medium);
        column->addWidget(title);
        auto* progressRow = new QHBoxLayout;
        progressRow->setSpacing(6);
        auto* bar = new QProgressBar(this);
        bar->setRange(0, 1000);
        bar->setValue(static_cast<int>(std::lround(entry.progress() * 1000)));
        bar->setTextVisible(false);
        bar->setMaximumWidth(140);
        bar->setMaximumHeight(6);
        progressRow->addWidget(bar, 1);
        QLabel* status =
            styledLabel(progressText(entry), TextStyle::caption2, Tone::secondary, this);
        status->setObjectName(QStringLiteral("status"));
        progressRow->addWidget(status);
        progressRow->addStretch();
        column->addLayout(progressRow);
        row->addLayout(column, 1);

        remove = new SymbolButton("trash", QPalette::PlaceholderText,
                                  LibraryView::tr("Remove from history"), 14, this);
        remove->setAccessibleDescription(accessibleName());
        row->addWidget(remove);
    }

    QSize sizeHint() const override { return layout()->sizeHint(); }

    SymbolButton* remove;

protected:
    void paintEvent(QPaintEvent*) override { paintRounded(*this, faint(*this, 0.4)); }
};

QLabel* sectionHeading(const QString& text, QWidget* parent) {
    return styledLabel(text, TextStyle::caption, Tone::secondary, parent, true);
}

} // namespace

QString compactNumber(std::int64_t n) {
    if (n < 1000) {
        return QString::number(n);
    }
    if (n < 1000000) {
        return QString::number(static_cast<double>(n) / 1000.0, 'f', 1) + QLatin1Char('k');
    }
    return QString::number(static_cast<double>(n) / 1000000.0, 'f', 1) + QLatin1Char('M');
}

QString progressText(const ReadingHistoryEntry& entry) {
    if (entry.wordCount < 1) {
        return QStringLiteral("0%");
    }
    if (entry.lastIndex >= entry.wordCount) {
        return LibraryView::tr("Done");
    }
    // Wide enough that no stored index can overflow the product.
    const auto read = static_cast<__int128>(std::max<std::int64_t>(entry.lastIndex, 0));
    const auto percent = static_cast<std::int64_t>(read * 100 / entry.wordCount);
    return QString::number(percent) + QLatin1Char('%');
}

QString readingTimeText(const ReadingStats& stats) {
    const std::int64_t s = stats.roundedSecondsRead();
    if (s >= 3600) {
        return LibraryView::tr("%L1h %L2m").arg(s / 3600).arg((s % 3600) / 60);
    }
    if (s >= 60) {
        return LibraryView::tr("%L1m").arg(s / 60);
    }
    return LibraryView::tr("%L1s").arg(s);
}

LibraryView::LibraryView(LibraryViewModel& library, QWidget* parent)
    : QWidget(parent), library_(library),
      close_(new SymbolButton("xmark.circle.fill", QPalette::PlaceholderText, tr("Close (Esc)"), 20,
                              this)),
      menu_(new SymbolButton("ellipsis.circle", QPalette::WindowText, tr("Statistics and history"),
                             16, this)) {
    decorateCard(*this, 460, 500);
    const CardBody body = layOutCard(*this, "books.vertical", tr("Library"), close_);
    body.scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    body.column->addLayout(statsSection(*body.content));
    recentColumn_ = new QVBoxLayout;
    recentColumn_->setSpacing(10);
    recentColumn_->addWidget(sectionHeading(tr("RECENT"), body.content));
    body.column->addLayout(recentColumn_);
    body.column->addStretch();

    connect(close_, &QToolButton::clicked, this, &LibraryView::closeRequested);
    connect(&library_, &LibraryViewModel::statsChanged, this, &LibraryView::showStats);
    connect(&library_, &LibraryViewModel::entriesChanged, this, &LibraryView::showRecents);
    showStats();
    showRecents();
}

QLayout* LibraryView::statsSection(QWidget& content) {
    auto* stats = new QVBoxLayout;
    stats->setSpacing(10);
    auto* heading = new QHBoxLayout;
    heading->addWidget(sectionHeading(tr("YOUR READING"), &content));
    heading->addStretch();
    menu_->setParent(&content);
    menu_->setPopupMode(QToolButton::InstantPopup);
    auto* actions = new QMenu(menu_);
    actions->addAction(tr("Reset statistics"), this, [this] { library_.resetStats(); });
    actions->addAction(tr("Clear history"), this, [this] { library_.clearHistory(); });
    menu_->setMenu(actions);
    heading->addWidget(menu_);
    stats->addLayout(heading);
    tiles_ = new QWidget(&content);
    new QHBoxLayout(tiles_);
    tiles_->layout()->setContentsMargins(0, 0, 0, 0);
    tiles_->layout()->setSpacing(12);
    stats->addWidget(tiles_);
    chart_ = new ReadingChart(&content);
    stats->addWidget(chart_);
    return stats;
}

void LibraryView::showStats() {
    // Old tiles go once the current event is over: a menu action may still be running.
    for (QWidget* tile : tiles_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        tile->hide();
        tile->deleteLater();
    }
    const ReadingStats& stats = library_.stats();
    const std::array<std::tuple<QString, QString, const char*>, 4> tiles{{
        {readingTimeText(stats), tr("Time read"), "clock"},
        {compactNumber(stats.totalWordsRead), tr("Words read"), "text.word.spacing"},
        {QString::number(stats.averageWPM()), tr("Avg WPM"), "speedometer"},
        {QString::number(stats.documentsOpened), tr("Documents"), "doc.text"},
    }};
    for (const auto& [value, label, symbol] : tiles) {
        auto* tile = new StatTile(value, label, symbol, tiles_);
        static_cast<QHBoxLayout*>(tiles_->layout())->addWidget(tile, 1);
        tile->show();
    }
    chart_->setDays(library_.lastDays(ReadingChart::shownDays));
}

void LibraryView::showRecents() {
    // The clicked trash button belongs to the old list, so it is deleted later, not now.
    if (recents_ != nullptr) {
        recents_->hide();
        recents_->deleteLater();
    }
    recents_ = new QWidget(recentColumn_->parentWidget());
    auto* rows = new QVBoxLayout(recents_);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(10);
    const std::vector<ReadingHistoryEntry> recents = library_.recents();
    if (recents.empty()) {
        QLabel* nothing =
            styledLabel(tr("Nothing yet. Read something and it'll show up here so you can pick up "
                           "where you left off."),
                        TextStyle::callout, Tone::secondary, recents_);
        nothing->setObjectName(QStringLiteral("nothingYet"));
        nothing->setWordWrap(true);
        nothing->setContentsMargins(0, 8, 0, 8);
        rows->addWidget(nothing);
    }
    for (const ReadingHistoryEntry& entry : recents) {
        auto* row = new RecentRow(entry, recents_);
        rows->addWidget(row);
        connect(row, &QAbstractButton::clicked, this, [this, entry] { emit openRequested(entry); });
        connect(row->remove, &QToolButton::clicked, this,
                [this, id = entry.id] { library_.remove(id); });
    }
    recentColumn_->addWidget(recents_);
    recents_->show();
}

std::vector<QWidget*> LibraryView::tabChain() const {
    std::vector<QWidget*> chain{close_, menu_};
    QLayout* rows = recents_->layout();
    for (int i = 0; i < rows->count(); ++i) {
        if (auto* row = dynamic_cast<RecentRow*>(rows->itemAt(i)->widget())) {
            chain.push_back(row);
            chain.push_back(row->remove);
        }
    }
    return chain;
}

void LibraryView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintCard(*this, painter);
}

} // namespace velora
