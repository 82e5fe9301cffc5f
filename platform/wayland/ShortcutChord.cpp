#include "platform/wayland/ShortcutChord.hpp"

#include "app/HotKeyConfig.hpp"
#include "platform/x11/X11Keymap.hpp"

#include <QKeyCombination>
#include <X11/Xlib.h>
#include <X11/keysym.h>
#include <array>
#include <utility>

namespace velora {

namespace {

struct ModifierName {
    std::uint32_t bit;
    const char* portal;
    const char* gtk;
    const char* readable;
    Qt::KeyboardModifier qt;
};

// In the order in which the desktops' texts name them.
constexpr std::array<ModifierName, 4> modifierNames{{
    {HotKeyConfig::controlKey, "CTRL", "<Control>", "Ctrl+", Qt::ControlModifier},
    {HotKeyConfig::optionKey, "ALT", "<Alt>", "Alt+", Qt::AltModifier},
    {HotKeyConfig::shiftKey, "SHIFT", "<Shift>", "Shift+", Qt::ShiftModifier},
    {HotKeyConfig::cmdKey, "LOGO", "<Super>", "Super+", Qt::MetaModifier},
}};

std::optional<QString> keyName(std::uint32_t keyCode) {
    const auto keysym = X11Keymap::keysymForKeyCode(keyCode);
    const char* name = keysym ? XKeysymToString(*keysym) : nullptr;
    if (!name) {
        return std::nullopt;
    }
    return QString::fromLatin1(name);
}

QString modifierPrefix(std::uint32_t modifiers, const char* ModifierName::*part,
                       QLatin1String separator = {}) {
    QString prefix;
    for (const ModifierName& modifier : modifierNames) {
        if (modifiers & modifier.bit) {
            prefix += QLatin1String(modifier.*part) + separator;
        }
    }
    return prefix;
}

std::optional<Qt::Key> qtKeyFor(X11Keysym keysym) {
    if (keysym >= XK_space && keysym <= XK_asciitilde) {
        // Qt names printable keys by their upper-case Latin-1 code.
        const X11Keysym upper = keysym >= XK_a && keysym <= XK_z ? keysym - (XK_a - XK_A) : keysym;
        return static_cast<Qt::Key>(upper);
    }
    if (keysym >= XK_F1 && keysym <= XK_F35) {
        return static_cast<Qt::Key>(Qt::Key_F1 + static_cast<int>(keysym - XK_F1));
    }
    static constexpr std::array<std::pair<X11Keysym, Qt::Key>, 12> named{{
        {XK_Tab, Qt::Key_Tab},
        {XK_BackSpace, Qt::Key_Backspace},
        {XK_Escape, Qt::Key_Escape},
        {XK_Delete, Qt::Key_Delete},
        {XK_Home, Qt::Key_Home},
        {XK_End, Qt::Key_End},
        {XK_Prior, Qt::Key_PageUp},
        {XK_Next, Qt::Key_PageDown},
        {XK_Left, Qt::Key_Left},
        {XK_Right, Qt::Key_Right},
        {XK_Up, Qt::Key_Up},
        {XK_Down, Qt::Key_Down},
    }};
    for (const auto& [sym, key] : named) {
        if (sym == keysym) {
            return key;
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<QString> ShortcutChord::portalTrigger() const {
    const auto name = keyName(keyCode);
    if (!name) {
        return std::nullopt;
    }
    return modifierPrefix(modifiers, &ModifierName::portal, QLatin1String("+")) + *name;
}

std::optional<QString> ShortcutChord::gtkAccelerator() const {
    const auto name = keyName(keyCode);
    if (!name) {
        return std::nullopt;
    }
    return modifierPrefix(modifiers, &ModifierName::gtk) + *name;
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

std::optional<int> ShortcutChord::qtKey() const {
    const auto keysym = X11Keymap::keysymForKeyCode(keyCode);
    const auto key = keysym ? qtKeyFor(*keysym) : std::nullopt;
    if (!key) {
        return std::nullopt;
    }
    Qt::KeyboardModifiers held;
    for (const ModifierName& modifier : modifierNames) {
        if (modifiers & modifier.bit) {
            held |= modifier.qt;
        }
    }
    return QKeyCombination(held, *key).toCombined();
}

} // namespace velora
