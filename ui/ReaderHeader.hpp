#pragma once

#include <QWidget>
#include <vector>

class QToolButton;

namespace velora {

class SymbolButton;

// The row above the text: the program's name and the panel's buttons.
class ReaderHeader final : public QWidget {
    Q_OBJECT

public:
    // `closable`: the row ends with a Close button.
    explicit ReaderHeader(bool closable, QWidget* parent = nullptr);

    // In reading order, for the Tab key.
    std::vector<QWidget*> tabChain() const;
    QToolButton* closeButton() const;
    QToolButton& fullScreenButton() const;
    // The full-screen button offers the way back while the window is full screen.
    void showFullScreen(bool fullScreen);

signals:
    void clipboardRequested();
    void importRequested();
    void libraryRequested();
    void fullScreenRequested();
    void settingsRequested();
    void closeRequested();

private:
    SymbolButton* addButton(const char* symbol, const QString& help,
                            void (ReaderHeader::*clicked)());

    std::vector<SymbolButton*> buttons_;
    SymbolButton* fullScreen_ = nullptr;
    SymbolButton* close_ = nullptr;
};

} // namespace velora
