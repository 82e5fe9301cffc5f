#include "ui/KeyTable.hpp"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QWidget>
#include <algorithm>

namespace velora {

namespace {

const Qt::KeyboardModifiers keypad(Qt::KeypadModifier);

bool oneOf(Qt::Key key, std::initializer_list<Qt::Key> keys) {
    return std::find(keys.begin(), keys.end(), key) != keys.end();
}

} // namespace

KeyTable::KeyTable(QWidget& scope) : QObject(&scope), scope_(scope) {
    // Application wide: a key press goes to the focused control first, and buttons and
    // sliders take arrows and Space without passing them on.
    qApp->installEventFilter(this);
}

void KeyTable::add(Binding binding) {
    bindings_.push_back(std::move(binding));
}

QString KeyTable::keysText(const Binding& binding) {
    QString text;
    for (QKeyCombination key : binding.keys) {
        const QString keys = QKeySequence(key).toString(QKeySequence::NativeText);
        text = text.isEmpty() ? keys
                              : QCoreApplication::translate("KeyTable", "%1 or %2").arg(text, keys);
    }
    return text;
}

bool KeyTable::controlUsesKey(const QWidget& control, QKeyCombination combination) {
    const Qt::Key key = combination.key();
    const bool plain = (combination.keyboardModifiers() & ~keypad) == Qt::KeyboardModifiers();
    if (!plain) {
        return false;
    }
    if (qobject_cast<const QAbstractSlider*>(&control)) {
        return oneOf(key, {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_Home,
                           Qt::Key_End, Qt::Key_PageUp, Qt::Key_PageDown});
    }
    if (qobject_cast<const QAbstractSpinBox*>(&control)) {
        return oneOf(key, {Qt::Key_Up, Qt::Key_Down, Qt::Key_PageUp, Qt::Key_PageDown});
    }
    if (qobject_cast<const QComboBox*>(&control)) {
        return oneOf(key, {Qt::Key_Up, Qt::Key_Down, Qt::Key_Home, Qt::Key_End, Qt::Key_PageUp,
                           Qt::Key_PageDown, Qt::Key_Space});
    }
    if (qobject_cast<const QAbstractButton*>(&control)) {
        return oneOf(key, {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter});
    }
    return false;
}

const KeyTable::Binding* KeyTable::find(QKeyCombination key) const {
    for (const Binding& binding : bindings_) {
        if (binding.keys.contains(key)) {
            return &binding;
        }
    }
    return nullptr;
}

bool KeyTable::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) {
        return false;
    }
    auto* target = static_cast<QWidget*>(watched);
    if (target != &scope_ && !scope_.isAncestorOf(target)) {
        return false;
    }
    const auto* press = static_cast<QKeyEvent*>(event);
    // The keypad's arrows and digits count as the plain keys.
    const QKeyCombination key(press->modifiers() & ~keypad, Qt::Key(press->key()));
    const Binding* binding = find(key);
    if (binding == nullptr || (target != &scope_ && controlUsesKey(*target, key))) {
        return false;
    }
    binding->action();
    return true;
}

} // namespace velora
