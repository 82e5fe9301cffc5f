#pragma once

#include <QStackedWidget>
#include <cstdint>
#include <optional>

class QLabel;

namespace velora {

class FlowReadingView;
class FocusReaderView;
class ReaderViewModel;
struct ThemePalette;

// The middle of the panel: an invitation while there is no text, else the reading mode's view
// of the reader's state.
class ReadingArea final : public QStackedWidget {
public:
    explicit ReadingArea(const ReaderViewModel& vm, QWidget* parent = nullptr);

    FocusReaderView& focus() const { return *focus_; }
    // The global shortcut in use, as the invitation names it; empty when there is none.
    void setShortcutDisplay(const QString& display);
    void showEngine();
    // The word at rest is said to assistive technologies once a step has settled.
    void announceAtRest();
    void applySettings(const ThemePalette& palette);
    // Full screen reads larger.
    void setFullScreen(bool fullScreen);

private:
    void buildInvitation(QWidget* page);
    double focusFontSize() const;
    double flowFontSize() const;

    const ReaderViewModel& vm_;
    QWidget* invitation_;
    QLabel* hint_ = nullptr;
    FocusReaderView* focus_;
    FlowReadingView* flow_;
    bool fullScreen_ = false;
    bool announcePending_ = false;
    // The load whose words the flow page holds, so that it is laid out again only after a load.
    std::optional<std::uint64_t> shownLoad_;
};

} // namespace velora
