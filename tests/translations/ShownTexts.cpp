#include "ShownTexts.hpp"

#include "ui/FlowReadingView.hpp"
#include "ui/FocusReaderView.hpp"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QSpinBox>
#include <QTabWidget>

namespace velora::testing {

namespace {

bool showsReadWords(const QWidget& widget) {
    for (const QWidget* each = &widget; each != nullptr; each = each->parentWidget()) {
        if (qobject_cast<const FocusReaderView*>(each) != nullptr ||
            qobject_cast<const FlowReadingView*>(each) != nullptr) {
            return each != &widget;
        }
    }
    return false;
}

void addWidget(const QWidget& widget, QStringList& texts) {
    const QString kind = QString::fromUtf8(widget.metaObject()->className());
    const auto add = [&](const char* what, const QString& text) {
        if (!text.isEmpty()) {
            texts.append(kind + QLatin1Char(' ') + QLatin1String(what) + QStringLiteral(": ") +
                         text);
        }
    };
    add("tooltip", widget.toolTip());
    add("accessible name", widget.accessibleName());
    add("accessible description", widget.accessibleDescription());
    if (widget.isWindow()) {
        add("window title", widget.windowTitle());
    }
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        add("text", label->text());
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
        add("text", button->text());
    } else if (const auto* group = qobject_cast<const QGroupBox*>(&widget)) {
        add("title", group->title());
    } else if (const auto* tabs = qobject_cast<const QTabWidget*>(&widget)) {
        for (int i = 0; i < tabs->count(); ++i) {
            add("tab", tabs->tabText(i));
        }
    } else if (const auto* box = qobject_cast<const QComboBox*>(&widget)) {
        add("placeholder", box->placeholderText());
        for (int i = 0; i < box->count(); ++i) {
            add("entry", box->itemText(i));
        }
    } else if (const auto* spin = qobject_cast<const QSpinBox*>(&widget)) {
        add("prefix", spin->prefix());
        add("suffix", spin->suffix());
    } else if (const auto* menu = qobject_cast<const QMenu*>(&widget)) {
        for (const QAction* action : menu->actions()) {
            add("entry", action->text());
        }
    }
}

} // namespace

QStringList shownTexts(const QWidget& root) {
    QStringList texts;
    addWidget(root, texts);
    for (const QWidget* each : root.findChildren<QWidget*>()) {
        if (!showsReadWords(*each)) {
            addWidget(*each, texts);
        }
    }
    return texts;
}

QStringList menuTexts(const QMenu& menu) {
    QStringList texts;
    for (const QAction* action : menu.actions()) {
        if (!action->text().isEmpty()) {
            texts.append(QStringLiteral("menu entry: ") + action->text());
        }
    }
    return texts;
}

} // namespace velora::testing
