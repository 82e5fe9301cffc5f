#include "ui/FocusReaderView.hpp"

#include "ui/Fade.hpp"
#include "ui/Motion.hpp"
#include "ui/ReaderFonts.hpp"
#include "ui/SentenceStrip.hpp"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>
#include <QVariantAnimation>
#include <algorithm>
#include <cmath>
#include <utility>

namespace velora {

namespace {

std::optional<std::int64_t> key(std::span<const Word> chunk) {
    return chunk.empty() ? std::nullopt : std::optional(chunk.front().id);
}

QString readyText() {
    return FocusReaderView::tr("Ready");
}

// Offers the words on show as the view's value, which the desktop's screen reader can read.
class FocusViewAccessible final : public QAccessibleWidget {
public:
    explicit FocusViewAccessible(FocusReaderView* view)
        : QAccessibleWidget(view, QAccessible::StaticText) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value) {
            return static_cast<const FocusReaderView*>(widget())->spokenText();
        }
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* focusViewAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String(FocusReaderView::staticMetaObject.className())) {
        return new FocusViewAccessible(static_cast<FocusReaderView*>(object));
    }
    return nullptr;
}

} // namespace

FocusReaderView::FocusReaderView(QWidget* parent)
    : QWidget(parent), palette_(velora::palette(ReadingTheme::system, QWidget::palette())),
      animation_(new QVariantAnimation(this)), context_(new SentenceStrip(this)) {
    static const bool accessible = (QAccessible::installFactory(focusViewAccessible), true);
    Q_UNUSED(accessible);
    setAccessibleName(tr("Current words"));
    context_->hide();
    context_->setFontSize(fontSize_);
    animation_->setStartValue(0.0);
    animation_->setEndValue(1.0);
    connect(animation_, &QVariantAnimation::valueChanged, this,
            [this](const QVariant& value) { applyProgress(value.toReal()); });
    connect(animation_, &QVariantAnimation::finished, this, [this] {
        outgoing_.reset();
        refresh();
    });
    incoming_ = makeContent();
}

void FocusReaderView::setChunk(std::span<const Word> chunk) {
    if (std::exchange(blank_, false)) {
        // What the blank beat hid does not come back to fade out.
        incoming_.opacity = 0;
    }
    const bool replaced = key(chunk) != key(chunk_);
    chunk_.assign(chunk.begin(), chunk.end());
    if (!replaced) {
        rebuild();
        return;
    }
    animation_->stop();
    if (transition_ == WordTransition::hard) {
        outgoing_.reset();
        incoming_ = makeContent();
        refresh();
        return;
    }
    // A chunk that arrives mid-transition takes over: the one still arriving leaves from where
    // it stands, and the one that was leaving is gone.
    outgoing_ = std::move(incoming_);
    outgoingOpacity_ = outgoing_->opacity;
    outgoingScale_ = outgoing_->scale;
    incoming_ = makeContent();
    const bool slow = transition_ == WordTransition::slow;
    animation_->setDuration(Motion::milliseconds(duration(transition_)));
    animation_->setEasingCurve(slow ? Motion::easeInOut() : Motion::easeOut());
    applyProgress(0);
    animation_->start();
}

QString FocusReaderView::spokenText() const {
    if (chunk_.empty()) {
        return readyText();
    }
    QStringList words;
    for (const Word& word : chunk_) {
        words.append(QString::fromStdString(word.text));
    }
    return words.join(QLatin1Char(' '));
}

void FocusReaderView::announce() {
    QAccessibleValueChangeEvent event(this, spokenText());
    QAccessible::updateAccessibility(&event);
    emit announced(event.value().toString());
}

void FocusReaderView::setBlank(bool blank) {
    if (blank == blank_) {
        return;
    }
    blank_ = blank;
    animation_->stop();
    outgoing_.reset();
    refresh();
}

void FocusReaderView::setSettings(const ReadingSettings& settings) {
    if (settings.transition == transition_ && settings.highlightPivot == highlightPivot_ &&
        settings.readingFont == readingFont_) {
        return;
    }
    transition_ = settings.transition;
    highlightPivot_ = settings.highlightPivot;
    if (settings.readingFont != readingFont_) {
        readingFont_ = settings.readingFont;
        context_->setFontSize(fontSize_);
    }
    rebuild();
}

void FocusReaderView::setThemePalette(const ThemePalette& palette) {
    if (palette == palette_) {
        return;
    }
    palette_ = palette;
    context_->setThemePalette(palette);
    rebuild();
}

void FocusReaderView::setFontSize(qreal size) {
    if (size == fontSize_) {
        return;
    }
    fontSize_ = size;
    context_->setFontSize(size);
    rebuild();
    updateGeometry();
}

void FocusReaderView::showContext(std::span<const Word> sentence, std::int64_t current) {
    const auto motion = std::chrono::milliseconds(Motion::milliseconds(duration(transition_)));
    if (sentence.empty()) {
        fade(*context_, false, motion, QEasingCurve::OutCubic);
        return;
    }
    context_->setSentence(sentence, current);
    placeContext(geometry());
    fade(*context_, true, motion, QEasingCurve::OutCubic);
}

void FocusReaderView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!context_->isHidden()) {
        placeContext(geometry());
    }
}

void FocusReaderView::placeContext(const Geometry& frame) {
    const int top = static_cast<int>(std::ceil(frame.bottomTick.bottom() + 2 * spacing));
    const int width = std::max(0, static_cast<int>(this->width() - 2 * sidePadding));
    const int room = std::max(0, height() - top);
    // Clipped to the room left when not even the current word fits.
    context_->setGeometry(static_cast<int>(sidePadding), top, width,
                          std::min(room, context_->fit(width, room)));
}

QSize FocusReaderView::sizeHint() const {
    return minimumSizeHint() + QSize(0, static_cast<int>(std::ceil(heightOf(incoming_))));
}

QSize FocusReaderView::minimumSizeHint() const {
    const qreal stack = 2 * tickHeight + 2 * spacing;
    return {static_cast<int>(2 * sidePadding), static_cast<int>(stack)};
}

bool FocusReaderView::highlighted() const {
    return highlightPivot_ && chunk_.size() <= 1;
}

FocusReaderView::Content FocusReaderView::makeContent() const {
    Content content;
    if (!chunk_.empty()) {
        content.line.emplace(chunk_, palette_, highlightPivot_, ReaderFonts::focusWord(fontSize_));
    }
    return content;
}

void FocusReaderView::rebuild() {
    Content content = makeContent();
    content.opacity = incoming_.opacity;
    content.scale = incoming_.scale;
    incoming_ = std::move(content);
    scheduled_.reset();
    refresh();
}

void FocusReaderView::applyProgress(qreal progress) {
    const bool slow = transition_ == WordTransition::slow;
    incoming_.opacity = progress;
    incoming_.scale = slow ? slowStartScale + (1 - slowStartScale) * progress : 1;
    if (outgoing_) {
        outgoing_->opacity = outgoingOpacity_ * (1 - progress);
        outgoing_->scale =
            slow ? outgoingScale_ + (slowStartScale - outgoingScale_) * progress : outgoingScale_;
    }
    refresh();
}

qreal FocusReaderView::heightOf(const Content& content) const {
    if (content.line) {
        return content.line->height();
    }
    return QFontMetricsF(ReaderFonts::placeholder(fontSize_ * placeholderScale)).height();
}

void FocusReaderView::paintContent(QPainter& painter, const Content& content,
                                   const QRectF& area) const {
    if (content.opacity <= 0) {
        return;
    }
    painter.save();
    painter.setOpacity(content.opacity);
    painter.translate(area.center());
    painter.scale(content.scale, content.scale);
    painter.translate(-area.center());
    if (content.line) {
        content.line->paint(painter, area);
    } else {
        painter.setFont(ReaderFonts::placeholder(fontSize_ * placeholderScale));
        painter.setPen(palette_.dim);
        painter.drawText(area, Qt::AlignCenter, readyText());
    }
    painter.restore();
}

FocusReaderView::Geometry FocusReaderView::geometry() const {
    const qreal areaHeight =
        std::max(heightOf(incoming_), outgoing_ ? heightOf(*outgoing_) : qreal(0));
    const qreal stack = areaHeight + 2 * tickHeight + 2 * spacing;
    const qreal top = (height() - stack) / 2;
    const qreal tickLeft = (width() - tickWidth) / 2;
    return {QRectF(sidePadding, top + tickHeight + spacing,
                   std::max<qreal>(0, width() - 2 * sidePadding), areaHeight),
            QRectF(tickLeft, top, tickWidth, tickHeight),
            QRectF(tickLeft, top + stack - tickHeight, tickWidth, tickHeight), highlighted()};
}

void FocusReaderView::refresh() {
    const Geometry now = geometry();
    if (scheduled_ != now && !context_->isHidden()) {
        placeContext(now);
    }
    if (scheduled_ == now) {
        // Across the full width: a shrunk or elided line never passes the padding, but the
        // padding is cheap to include and keeps the rule simple.
        const qreal reach = now.area.height() * ORPLine::overhang;
        update(QRectF(0, now.area.top() - reach, width(), now.area.height() + 2 * reach)
                   .toAlignedRect());
    } else {
        update();
    }
    scheduled_ = now;
}

void FocusReaderView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    // A painter takes the application's direction, which a mirrored interface reverses.
    painter.setLayoutDirection(layoutDirection());
    painter.setClipRegion(event->region());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    if (palette_.background) {
        painter.fillRect(event->rect(), *palette_.background);
    }
    const Geometry frame = geometry();
    scheduled_ = frame;
    if (frame.ticks) {
        QColor tick = palette_.pivot;
        tick.setAlphaF(static_cast<float>(tick.alphaF() * tickOpacity));
        painter.fillRect(frame.topTick, tick);
        painter.fillRect(frame.bottomTick, tick);
    }
    if (blank_) {
        return;
    }
    if (outgoing_) {
        paintContent(painter, *outgoing_, frame.area);
    }
    paintContent(painter, incoming_, frame.area);
}

} // namespace velora
