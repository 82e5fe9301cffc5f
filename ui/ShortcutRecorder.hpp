#pragma once

#include <QKeyCombination>
#include <QPushButton>

namespace velora {

// A button that, once clicked, takes the next chord typed on the keyboard as a new global
// shortcut. The keyboard is grabbed while it listens, so chords the desktop holds reach it too.
// Escape alone, or a click elsewhere, gives up.
class ShortcutRecorder : public QPushButton {
    Q_OBJECT

public:
    explicit ShortcutRecorder(QWidget* parent = nullptr);

    bool isListening() const { return listening_; }

signals:
    // A chord that can serve as the global shortcut.
    void recorded(QKeyCombination keys);
    // A chord without Ctrl, Alt or Super, or a key no shortcut can use.
    void rejected();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void listen();
    void stop();

    bool listening_ = false;
};

} // namespace velora
