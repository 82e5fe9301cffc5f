#pragma once

#include "core/ReadingTheme.hpp"

#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <functional>
#include <memory>
#include <optional>

class QSizeGrip;
class QWidget;

namespace velora {

// The one floating panel in which reading happens: frameless, above ordinary windows, on every
// workspace, out of the taskbar, moved by its background and resized from its corner. It
// switches between its own frame and the screen's available area, and follows the reading
// theme's light or dark appearance, translucent for `system` where a compositor runs. The panel
// and its content are built when first needed, so a start that stays in the tray pays for
// neither. Main thread only.
class OverlayWindowController final : public QObject {
    Q_OBJECT

public:
    static constexpr QSize initialSize{760, 520};

    // Builds the hosted view, given the action that hides the panel.
    using ContentFactory = std::function<std::unique_ptr<QWidget>(std::function<void()> close)>;

    explicit OverlayWindowController(const ContentFactory& makeContent,
                                     ReadingTheme theme = ReadingTheme::system,
                                     QObject* parent = nullptr);
    ~OverlayWindowController() override;

    // Builds the panel if it was not yet.
    QWidget& panel();

    // Centres a hidden windowed panel, then raises and focuses it.
    void show();
    // Runs `then` once the panel is the active window, or after a bounded wait where the
    // compositor does not give it focus. Wayland hands the selection only to the focused window.
    void whenActive(std::function<void()> then);
    // Hides the panel; it is kept, in whichever layout it had.
    void close();
    void toggleFullScreen();
    bool isFullScreen() const { return savedFrame_.has_value(); }
    // A theme equal to the current one changes nothing.
    void applyAppearance(ReadingTheme theme);

    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    void fullScreenChanged(bool fullScreen);

private:
    void build();
    // Gives the panel the current theme's appearance.
    void paint();
    void centre();
    void placeSizeGrip();

    ContentFactory makeContent_;
    std::unique_ptr<QWidget> panel_;
    QSizeGrip* grip_ = nullptr;
    std::optional<QRect> savedFrame_;
    ReadingTheme theme_;
    bool compositor_ = false;
    // Where the button went down on the background, until the pointer moves far enough to drag.
    std::optional<QPoint> pressedAt_;
    // The pointer's offset in the panel while it is dragged by hand.
    std::optional<QPoint> dragOffset_;
};

} // namespace velora
