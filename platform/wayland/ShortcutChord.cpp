#include "platform/wayland/ShortcutChord.hpp"

#include "platform/x11/X11Keysyms.hpp"

#include <array>

namespace velora {

namespace {

struct ModifierName {
    Qt::KeyboardModifier qt;
    const char* portal;
    const char* gtk;
    const char* readable;
};

// In the order in which the desktops' texts name them.
constexpr std::array<ModifierName, 4> modifierNames{{
    {Qt::ControlModifier, "CTRL", "<Control>", "Ctrl+"},
    {Qt::AltModifier, "ALT", "<Alt>", "Alt+"},
    {Qt::ShiftModifier, "SHIFT", "<Shift>", "Shift+"},
    {Qt::MetaModifier, "LOGO", "<Super>", "Super+"},
}};

QString modifierPrefix(Qt::KeyboardModifiers modifiers, const char* ModifierName::*part,
                       QLatin1String separator = {}) {
    QString prefix;
    for (const ModifierName& modifier : modifierNames) {
        if (modifiers & modifier.qt) {
            prefix += QLatin1String(modifier.*part) + separator;
        }
    }
    return prefix;
}

} // namespace

std::optional<QString> ShortcutChord::portalTrigger() const {
    const auto name = X11Keysyms::name(keys.key());
    if (!name) {
        return std::nullopt;
    }
    return modifierPrefix(keys.keyboardModifiers(), &ModifierName::portal, QLatin1String("+")) +
           *name;
}

std::optional<QString> ShortcutChord::gtkAccelerator() const {
    const auto name = X11Keysyms::name(keys.key());
    if (!name) {
        return std::nullopt;
    }
    return modifierPrefix(keys.keyboardModifiers(), &ModifierName::gtk) + *name;
}

QString ShortcutChord::readableAccelerator(const QString& accelerator) {
    QString readable;
    QString rest = accelerator;
    // GNOME writes Ctrl as <Primary> as well as <Control>.
    rest.replace(QLatin1String("<Primary>"), QLatin1String("<Control>"), Qt::CaseInsensitive);
    for (const ModifierName& modifier : modifierNames) {
        if (rest.contains(QLatin1String(modifier.gtk), Qt::CaseInsensitive)) {
            readable += QLatin1String(modifier.readable);
            rest.remove(QLatin1String(modifier.gtk), Qt::CaseInsensitive);
        }
    }
    if (!rest.isEmpty()) {
        rest[0] = rest[0].toUpper();
    }
    return readable + rest;
}

} // namespace velora
