#include "ui/ShortcutRecorder.hpp"

#include "app/HotKeyConfig.hpp"

#include <QKeyEvent>

namespace velora {

namespace {

bool isModifierKey(int key) {
    return key == Qt::Key_Control || key == Qt::Key_Alt || key == Qt::Key_Shift ||
           key == Qt::Key_Meta || key == Qt::Key_Super_L || key == Qt::Key_Super_R ||
           key == Qt::Key_AltGr || key == Qt::Key_CapsLock || key == Qt::Key_NumLock;
}

QString idleText() {
    return ShortcutRecorder::tr("Record Shortcut…");
}

} // namespace

ShortcutRecorder::ShortcutRecorder(QWidget* parent) : QPushButton(idleText(), parent) {
    connect(this, &QPushButton::clicked, this, &ShortcutRecorder::listen);
}

void ShortcutRecorder::listen() {
    listening_ = true;
    setText(tr("Press a shortcut…"));
    grabKeyboard();
}

void ShortcutRecorder::stop() {
    listening_ = false;
    setText(idleText());
    releaseKeyboard();
}

void ShortcutRecorder::keyPressEvent(QKeyEvent* event) {
    if (!listening_) {
        QPushButton::keyPressEvent(event);
        return;
    }
    event->accept();
    const int key = event->key();
    if (isModifierKey(key)) {
        return;
    }
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (key == Qt::Key_Escape && modifiers == Qt::NoModifier) {
        stop();
        return;
    }
    const auto chosen = HotKeyConfig::from(QKeyCombination(modifiers, static_cast<Qt::Key>(key)));
    if (!chosen) {
        emit rejected();
        return;
    }
    stop();
    emit recorded(chosen->keys);
}

void ShortcutRecorder::focusOutEvent(QFocusEvent* event) {
    if (listening_) {
        stop();
    }
    QPushButton::focusOutEvent(event);
}

} // namespace velora
