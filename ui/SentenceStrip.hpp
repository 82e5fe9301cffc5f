#pragma once

#include "core/Word.hpp"
#include "ui/BidiLevels.hpp"
#include "ui/ThemePalette.hpp"

#include <QFont>
#include <QRectF>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace velora {

// The sentence around the current word, in small running text with that word marked, so that a
// paused reader sees where they are. A click on a word chooses it.
class SentenceStrip : public QWidget {
    Q_OBJECT

public:
    // Of a longer sentence at most this many words on either side of the current one are shown.
    static constexpr std::size_t wordsAround = 16;
    // The strip's text size as a share of the focus word's.
    static constexpr qreal fontShare = 0.32;

    explicit SentenceStrip(QWidget* parent = nullptr);

    // The sentence's words, in order, and the id of the current one; copied.
    void setSentence(std::span<const Word> sentence, std::int64_t current);
    void setThemePalette(const ThemePalette& palette);
    // The focus word's size; the strip's is a share of it.
    void setFontSize(qreal focusSize);
    // Lays the words out in lines `width` wide, as many around the current word as fit in
    // `height`, and answers the height they take.
    int fit(int width, int height);

    // Where the word with `id` is drawn; none when it is not shown.
    std::optional<QRectF> wordBounds(std::int64_t id) const;

signals:
    void wordChosen(std::int64_t id);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    struct Piece {
        QString text;
        std::optional<std::int64_t> id; // none for the marks of left-out words
    };

    // The words within `around` of the current one, with a mark where words are left out.
    std::vector<Piece> piecesAround(std::size_t around) const;
    // Lays the pieces out in lines centred in `width`, each line in its visual order.
    void place(qreal width);
    QFont fontFor(const Piece& piece) const;

    // The words within reach of the current one, and whether the sentence goes on past them.
    std::vector<Piece> sentence_;
    bool goesOnBefore_ = false;
    bool goesOnAfter_ = false;
    std::size_t current_ = 0;
    std::int64_t currentId_ = -1;
    std::vector<Piece> pieces_;
    std::vector<QRectF> bounds_;
    std::vector<BidiLevels::WordLevel> levels_; // empty when all runs left to right
    ThemePalette palette_;
    QFont regular_;
    QFont bold_;
};

} // namespace velora
