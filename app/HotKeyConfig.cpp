#include "app/HotKeyConfig.hpp"

#include "app/StoredShortcut.hpp"
#include "app/platform/PreferencesStore.hpp"

#include <QStringList>

namespace velora {

namespace {

// The name printed on the key: "Space", "R", "F5", "Left".
QString keyName(Qt::Key key) {
    if (key >= Qt::Key_F1 && key <= Qt::Key_F35) {
        return QStringLiteral("F") + QString::number(key - Qt::Key_F1 + 1);
    }
    switch (key) {
    case Qt::Key_Space:
        return QStringLiteral("Space");
    case Qt::Key_Return:
        return QStringLiteral("Enter");
    case Qt::Key_Tab:
        return QStringLiteral("Tab");
    case Qt::Key_Backspace:
        return QStringLiteral("Backspace");
    case Qt::Key_Escape:
        return QStringLiteral("Esc");
    case Qt::Key_Home:
        return QStringLiteral("Home");
    case Qt::Key_End:
        return QStringLiteral("End");
    case Qt::Key_PageUp:
        return QStringLiteral("Page Up");
    case Qt::Key_PageDown:
        return QStringLiteral("Page Down");
    case Qt::Key_Delete:
        return QStringLiteral("Delete");
    case Qt::Key_Left:
        return QStringLiteral("Left");
    case Qt::Key_Right:
        return QStringLiteral("Right");
    case Qt::Key_Up:
        return QStringLiteral("Up");
    case Qt::Key_Down:
        return QStringLiteral("Down");
    default:
        // Letters, digits and punctuation are their own Latin-1 character.
        return QString(QChar(static_cast<char16_t>(key)));
    }
}

constexpr Qt::KeyboardModifiers ctrlAlt = Qt::ControlModifier | Qt::AltModifier;

} // namespace

const std::array<HotKeyConfig, 4>& HotKeyConfig::presets() {
    static const std::array<HotKeyConfig, 4> list = {
        HotKeyConfig{},
        HotKeyConfig{QKeyCombination(ctrlAlt | Qt::ShiftModifier, Qt::Key_Space)},
        HotKeyConfig{QKeyCombination(ctrlAlt, Qt::Key_S)},
        HotKeyConfig{QKeyCombination(ctrlAlt | Qt::ShiftModifier, Qt::Key_S)},
    };
    return list;
}

std::optional<HotKeyConfig> HotKeyConfig::from(QKeyCombination keys) {
    const Qt::KeyboardModifiers modifiers = keys.keyboardModifiers();
    if (!StoredShortcut::canStore(keys.key()) ||
        !(modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        return std::nullopt;
    }
    return HotKeyConfig{
        QKeyCombination(modifiers & (ctrlAlt | Qt::ShiftModifier | Qt::MetaModifier), keys.key())};
}

QString HotKeyConfig::display() const {
    static const std::array<std::pair<Qt::KeyboardModifier, QLatin1String>, 4> names = {{
        {Qt::ControlModifier, QLatin1String("Ctrl")},
        {Qt::AltModifier, QLatin1String("Alt")},
        {Qt::ShiftModifier, QLatin1String("Shift")},
        {Qt::MetaModifier, QLatin1String("Super")},
    }};
    QStringList parts;
    for (const auto& [modifier, name] : names) {
        if (keys.keyboardModifiers() & modifier) {
            parts.append(name);
        }
    }
    parts.append(keyName(keys.key()));
    return parts.join(QLatin1Char('+'));
}

std::optional<HotKeyConfig> HotKeyConfig::loadStored(const PreferencesStore& store) {
    const auto bytes = store.data(preferencesKey);
    const auto keys = bytes ? StoredShortcut::decode(*bytes) : std::nullopt;
    return keys ? std::optional(HotKeyConfig{*keys}) : std::nullopt;
}

HotKeyConfig HotKeyConfig::load(const PreferencesStore& store) {
    return loadStored(store).value_or(HotKeyConfig{});
}

void HotKeyConfig::save(PreferencesStore& store) const {
    if (const auto bytes = StoredShortcut::encode(keys, display())) {
        store.setData(preferencesKey, *bytes);
    }
}

} // namespace velora
