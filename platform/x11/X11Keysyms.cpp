#include "platform/x11/X11Keysyms.hpp"

#include <X11/Xlib.h>
#include <X11/keysym.h>
#include <array>
#include <utility>

namespace velora {

std::optional<X11Keysym> X11Keysyms::forKey(Qt::Key key) {
    if (key >= Qt::Key_F1 && key <= Qt::Key_F35) {
        return XK_F1 + static_cast<X11Keysym>(key - Qt::Key_F1);
    }
    static constexpr std::array<std::pair<Qt::Key, X11Keysym>, 13> named{{
        {Qt::Key_Return, XK_Return},
        {Qt::Key_Tab, XK_Tab},
        {Qt::Key_Backspace, XK_BackSpace},
        {Qt::Key_Escape, XK_Escape},
        {Qt::Key_Home, XK_Home},
        {Qt::Key_PageUp, XK_Prior},
        {Qt::Key_Delete, XK_Delete},
        {Qt::Key_End, XK_End},
        {Qt::Key_PageDown, XK_Next},
        {Qt::Key_Left, XK_Left},
        {Qt::Key_Right, XK_Right},
        {Qt::Key_Up, XK_Up},
        {Qt::Key_Down, XK_Down},
    }};
    for (const auto& [known, keysym] : named) {
        if (known == key) {
            return keysym;
        }
    }
    // Printable keys: the keysym of an ASCII character is its code, lower case for letters.
    const auto latin = static_cast<X11Keysym>(key);
    if (latin < XK_space || latin > XK_asciitilde) {
        return std::nullopt;
    }
    return latin >= XK_A && latin <= XK_Z ? latin + (XK_a - XK_A) : latin;
}

std::optional<QString> X11Keysyms::name(Qt::Key key) {
    const auto keysym = forKey(key);
    const char* name = keysym ? XKeysymToString(*keysym) : nullptr;
    if (!name) {
        return std::nullopt;
    }
    return QString::fromLatin1(name);
}

} // namespace velora
