#include "ui/ReaderCards.hpp"

#include "ui/Backdrop.hpp"
#include "ui/Fade.hpp"
#include "ui/KeysCard.hpp"
#include "ui/LibraryView.hpp"
#include "ui/QuickSettingsView.hpp"

#include <QApplication>
#include <QEvent>
#include <QToolButton>

namespace velora {

namespace {

constexpr std::chrono::milliseconds cardFade{150};

} // namespace

ReaderCards::ReaderCards(QWidget& view, QuickSettingsView* settings, LibraryView* library,
                         KeysCard* keys)
    : QObject(&view), view_(view), settings_(*settings), library_(*library), keys_(*keys) {
    const std::initializer_list<std::pair<ReaderCard, QWidget*>> cards{
        {ReaderCard::settings, settings}, {ReaderCard::keys, keys}, {ReaderCard::library, library}};
    for (const auto& [card, widget] : cards) {
        auto* backdrop = new Backdrop(
            widget, [this, card] { setShown(card, false); }, &view);
        backdrop->hide();
        backdrops_[static_cast<std::size_t>(card)] = backdrop;
    }
    connect(settings, &QuickSettingsView::closeRequested, this, [this] { close(); });
    connect(library, &LibraryView::closeRequested, this, [this] { close(); });
    connect(keys, &KeysCard::closeRequested, this, [this] { close(); });
    view.installEventFilter(this);
}

void ReaderCards::setShown(ReaderCard card, bool shown) {
    if (isOpen(card) == shown) {
        return;
    }
    const std::optional<ReaderCard> closing = shown ? open_ : card;
    open_ = shown ? std::optional(card) : std::nullopt;
    if (closing) {
        hide(*closing);
    }
    if (shown) {
        reveal(card);
    }
}

bool ReaderCards::close() {
    if (!open_) {
        return false;
    }
    setShown(*open_, false);
    return true;
}

std::vector<QWidget*> ReaderCards::tabChain() const {
    if (!open_) {
        return {};
    }
    switch (*open_) {
    case ReaderCard::settings:
        return settings_.tabChain();
    case ReaderCard::library:
        return library_.tabChain();
    case ReaderCard::keys:
        break;
    }
    return {&keys_.closeButton()};
}

void ReaderCards::hide(ReaderCard card) {
    Backdrop& closing = backdrop(card);
    // Focus leaves a closing card before the card hides, which would hand it on by itself.
    if (const QWidget* focus = QApplication::focusWidget();
        focus == nullptr || closing.isAncestorOf(focus)) {
        view_.setFocus(Qt::OtherFocusReason);
    }
    closing.animateCard(false, cardFade);
    fade(closing, false, cardFade);
}

void ReaderCards::reveal(ReaderCard card) {
    Backdrop& opening = backdrop(card);
    // Focus moves into an opening card once it is there to take it.
    opening.animateCard(true, cardFade, [this, card] {
        if (open_ == card) {
            focusFirstControl();
        }
    });
    fade(opening, true, cardFade);
    opening.raise();
}

void ReaderCards::focusFirstControl() {
    backdrop(*open_).card().setFocus(Qt::OtherFocusReason);
    for (QWidget* control : tabChain()) {
        if (control->isVisible() && control->isEnabled()) {
            control->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

bool ReaderCards::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &view_ && event->type() == QEvent::Resize) {
        for (Backdrop* each : backdrops_) {
            each->setGeometry(view_.rect());
        }
    }
    return false;
}

} // namespace velora
