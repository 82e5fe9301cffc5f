#pragma once

#include <QKeyCombination>
#include <QList>
#include <QObject>
#include <QString>
#include <functional>
#include <vector>

class QWidget;

namespace velora {

// The reader's keys, one entry per action, active while its window is the active one. A key
// that the focused control uses itself (Space on a button, arrows on a slider, Up and Down in a
// box) stays with that control; every other key of the table acts wherever focus is.
class KeyTable final : public QObject {
public:
    struct Binding {
        QList<QKeyCombination> keys;
        // What the key card says the keys do.
        QString name;
        std::function<void()> action;
    };

    // Watches the key presses of `scope` and everything inside it.
    explicit KeyTable(QWidget& scope);

    void add(Binding binding);
    const std::vector<Binding>& bindings() const { return bindings_; }
    // The keys of a binding as the desktop writes them: "F11 or Ctrl+F".
    static QString keysText(const Binding& binding);
    // Whether `control`, holding focus, does something of its own with `key`.
    static bool controlUsesKey(const QWidget& control, QKeyCombination key);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const Binding* find(QKeyCombination key) const;

    QWidget& scope_;
    std::vector<Binding> bindings_;
};

} // namespace velora
