#include "shell/OverlayWindowController.hpp"

#include "platform/x11/X11WindowHints.hpp"
#include "ui/ThemePalette.hpp"

#include <QApplication>
#include <QEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QSizeGrip>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>
#include <QWindow>
#include <utility>

namespace velora {

namespace {

// How much of the desktop shows through the translucent material.
constexpr double materialOpacity = 0.82;
// How long a capture waits for the compositor to give the panel keyboard focus.
constexpr int activationWaitMs = 1500;

// Wayland lets no window raise or focus itself, place itself, stay above others or be on every
// workspace; a newly shown window, though, opens on the user's workspace and gets focus.
bool compositorPlacesWindows() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

// The window behind the reader: the theme's own background, or for `system` the material of the
// theme's light or dark appearance, which lets the desktop show through where it can.
QPalette appearance(const ThemePalette& colours, bool translucent) {
    const bool dark = colours.colorScheme == ColorScheme::dark;
    QColor window = colours.windowColour();
    if (!colours.background && translucent) {
        window.setAlphaF(materialOpacity);
    }
    const QColor base = dark ? QColor(44, 44, 50) : QColor(255, 255, 255);
    const QColor button = dark ? QColor(58, 58, 64) : QColor(232, 232, 236);
    QPalette palette = QGuiApplication::palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Window, window);
        palette.setColor(group, QPalette::WindowText, colours.text);
        palette.setColor(group, QPalette::Text, colours.text);
        palette.setColor(group, QPalette::ButtonText, colours.text);
        palette.setColor(group, QPalette::PlaceholderText, colours.dim);
        palette.setColor(group, QPalette::Base, base);
        palette.setColor(group, QPalette::AlternateBase, button);
        palette.setColor(group, QPalette::Button, button);
        palette.setColor(group, QPalette::Highlight, colours.accent);
        palette.setColor(group, QPalette::HighlightedText, colours.onAccent());
    }
    return palette;
}

} // namespace

OverlayWindowController::OverlayWindowController(const ContentFactory& makeContent,
                                                 ReadingTheme theme, QObject* parent)
    : QObject(parent), makeContent_(makeContent), theme_(theme) {}

OverlayWindowController::~OverlayWindowController() = default;

QWidget& OverlayWindowController::panel() {
    if (!panel_) {
        build();
    }
    return *panel_;
}

void OverlayWindowController::build() {
    panel_ = std::make_unique<QWidget>();
    compositor_ = X11WindowHints::compositorRunning();
    panel_->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    panel_->setWindowTitle(QStringLiteral("VeloraMac"));
    // An alpha channel needs to be chosen before the native window exists.
    panel_->setAttribute(Qt::WA_TranslucentBackground, compositor_);
    panel_->setAutoFillBackground(true);
    panel_->resize(initialSize);

    auto* layout = new QVBoxLayout(panel_.get());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    QWidget* rawPanel = panel_.get();
    if (std::unique_ptr<QWidget> content = makeContent_([rawPanel] { rawPanel->hide(); })) {
        layout->addWidget(content.release());
    }
    grip_ = new QSizeGrip(panel_.get());
    grip_->resize(grip_->sizeHint());
    panel_->installEventFilter(this);
    placeSizeGrip();

    paint();
    centre();
}

void OverlayWindowController::centre() {
    const QScreen* screen = panel_->screen() ? panel_->screen() : QGuiApplication::primaryScreen();
    if (!screen) {
        return;
    }
    QRect frame = panel_->geometry();
    frame.moveCenter(screen->availableGeometry().center());
    panel_->move(frame.topLeft());
}

void OverlayWindowController::show() {
    panel();
    if (!panel_->isVisible() && !savedFrame_) {
        centre();
    }
    if (compositorPlacesWindows() && panel_->isVisible() && !panel_->isActiveWindow()) {
        panel_->hide();
    }
    const bool wasHidden = !panel_->isVisible();
    panel_->show();
    panel_->raise();
    panel_->activateWindow();
    // Hints go out on every mapping: a window manager drops its state for a hidden window.
    if (wasHidden && panel_->windowHandle()) {
        X11WindowHints::keepOnAllWorkspaces(*panel_->windowHandle());
        X11WindowHints::requestBlurBehind(*panel_->windowHandle(), compositor_ && !isSolid(theme_));
    }
}

void OverlayWindowController::whenActive(std::function<void()> then) {
    // Owns the wait's connections and timer; gone once `then` has run.
    auto* wait = new QObject(this);
    auto pending = std::make_shared<std::function<void()>>(std::move(then));
    const auto finish = [wait, pending] {
        wait->deleteLater();
        if (*pending) {
            std::exchange(*pending, {})();
        }
    };
    if (panel().isActiveWindow()) {
        QTimer::singleShot(0, wait, finish);
        return;
    }
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, wait, [this, finish](QWindow* focus) {
        if (focus && focus == panel_->windowHandle()) {
            finish();
        }
    });
    QTimer::singleShot(activationWaitMs, wait, finish);
}

void OverlayWindowController::close() {
    if (panel_) {
        panel_->hide();
    }
}

void OverlayWindowController::toggleFullScreen() {
    panel();
    const QScreen* screen = panel_->screen() ? panel_->screen() : QGuiApplication::primaryScreen();
    if (!screen) {
        return;
    }
    if (savedFrame_) {
        panel_->setGeometry(*savedFrame_);
        savedFrame_.reset();
    } else {
        savedFrame_ = panel_->geometry();
        panel_->setGeometry(screen->availableGeometry());
    }
    grip_->setVisible(!savedFrame_);
    panel_->raise();
    panel_->activateWindow();
    emit fullScreenChanged(savedFrame_.has_value());
}

void OverlayWindowController::applyAppearance(ReadingTheme theme) {
    if (theme_ == theme) {
        return;
    }
    theme_ = theme;
    if (panel_) {
        paint();
    }
}

void OverlayWindowController::paint() {
    const ThemePalette colours = palette(theme_, QGuiApplication::palette());
    const bool translucent = compositor_ && !colours.background;
    panel_->setPalette(appearance(colours, translucent));
    if (panel_->windowHandle() && panel_->isVisible()) {
        X11WindowHints::requestBlurBehind(*panel_->windowHandle(), translucent);
    }
}

void OverlayWindowController::placeSizeGrip() {
    grip_->move(panel_->width() - grip_->width(), panel_->height() - grip_->height());
    grip_->raise();
}

bool OverlayWindowController::eventFilter(QObject* watched, QEvent* event) {
    if (watched != panel_.get()) {
        return false;
    }
    switch (event->type()) {
    case QEvent::Resize:
        placeSizeGrip();
        break;
    case QEvent::MouseButtonPress: {
        auto* press = static_cast<QMouseEvent*>(event);
        if (press->button() != Qt::LeftButton || savedFrame_) {
            break;
        }
        pressedAt_ = press->globalPosition().toPoint();
        return true;
    }
    case QEvent::MouseMove: {
        const QPoint pointer = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
        if (dragOffset_) {
            panel_->move(pointer - *dragOffset_);
            return true;
        }
        // The move starts only once the pointer travels with the button held: a window manager
        // handed a move on a mere tap never sees the release and keeps the panel on the pointer.
        if (!pressedAt_ ||
            (pointer - *pressedAt_).manhattanLength() < QApplication::startDragDistance()) {
            break;
        }
        const QPoint from = *pressedAt_;
        pressedAt_.reset();
        // Without a window manager that moves windows, the panel follows the pointer itself.
        if (!panel_->windowHandle() || !panel_->windowHandle()->startSystemMove()) {
            dragOffset_ = from - panel_->pos();
            panel_->move(pointer - *dragOffset_);
        }
        return true;
    }
    case QEvent::MouseButtonRelease:
        pressedAt_.reset();
        dragOffset_.reset();
        break;
    default:
        break;
    }
    return false;
}

} // namespace velora
