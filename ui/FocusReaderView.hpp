#pragma once

#include "core/ReadingSettings.hpp"
#include "core/Word.hpp"
#include "core/WordTransition.hpp"
#include "ui/ORPLine.hpp"
#include "ui/ThemePalette.hpp"

#include <QWidget>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

class QVariantAnimation;

namespace velora {

class SentenceStrip;

// The focus mode: the current chunk between two tick marks at a fixed place, or "Ready" when
// there is none. A change of the chunk's first word replaces the line with the chosen
// transition; any other change redraws in place. While paused, the sentence around the current
// word fades in under the line.
class FocusReaderView : public QWidget {
    Q_OBJECT

public:
    static constexpr qreal tickWidth = 2;
    static constexpr qreal tickHeight = 12;
    static constexpr qreal spacing = 10;
    static constexpr qreal sidePadding = 24;
    static constexpr qreal tickOpacity = 0.55;
    static constexpr qreal placeholderScale = 0.6;
    static constexpr qreal slowStartScale = 0.9;

    explicit FocusReaderView(QWidget* parent = nullptr);

    // The words shown now, in reading order; copied.
    void setChunk(std::span<const Word> chunk);
    // The blank beat: the marks stay, the words go until the next chunk.
    void setBlank(bool blank);
    // Takes the transition, the pivot highlight and the reading font.
    void setSettings(const ReadingSettings& settings);
    void setThemePalette(const ThemePalette& palette);
    // The word size in points (logical pixels).
    void setFontSize(qreal size);
    // The sentence to show under the line, or none (empty) to fade it out.
    void showContext(std::span<const Word> sentence, std::int64_t current);

    SentenceStrip& context() const { return *context_; }

    // The words shown now as a screen reader says them; "Ready" when there are none.
    QString spokenText() const;
    // Tells a screen reader the words now at rest. Never called per flashed word: that would be
    // hundreds of announcements a minute.
    void announce();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // The words a screen reader was told of.
    void announced(const QString& words);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // What the word area holds: a line, or the placeholder when there is none.
    struct Content {
        std::optional<ORPLine> line;
        qreal opacity = 1;
        qreal scale = 1;
    };

    // Where the parts go for the content shown now.
    struct Geometry {
        QRectF area;
        QRectF topTick;
        QRectF bottomTick;
        bool ticks = false;
        bool operator==(const Geometry&) const = default;
    };

    Geometry geometry() const;
    // Schedules a repaint of what changed: the word area alone while the frame stays put.
    void refresh();
    bool highlighted() const;
    Content makeContent() const;
    void rebuild();
    void applyProgress(qreal progress);
    qreal heightOf(const Content& content) const;
    void paintContent(QPainter& painter, const Content& content, const QRectF& area) const;
    void placeContext(const Geometry& frame);

    std::vector<Word> chunk_;
    ThemePalette palette_;
    WordTransition transition_ = WordTransition::soft;
    bool highlightPivot_ = true;
    std::string readingFont_;
    bool blank_ = false;
    qreal fontSize_ = 52;

    Content incoming_;
    std::optional<Content> outgoing_;
    qreal outgoingOpacity_ = 1; // where the leaving content started its fade
    qreal outgoingScale_ = 1;
    QVariantAnimation* animation_;
    std::optional<Geometry> scheduled_; // the frame last painted or asked for
    SentenceStrip* context_;
};

} // namespace velora
