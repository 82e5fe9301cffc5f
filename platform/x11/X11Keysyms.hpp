#pragma once

#include <QString>
#include <Qt>
#include <cstdint>
#include <optional>

namespace velora {

using X11Keysym = std::uint32_t;

// Qt's keys in X11's terms, which the desktops' own shortcut services use as well.
class X11Keysyms {
public:
    // None for a key without a keysym here.
    static std::optional<X11Keysym> forKey(Qt::Key key);
    // X11's name of the key's keysym: "space", "r", "F5", "Prior".
    static std::optional<QString> name(Qt::Key key);
};

} // namespace velora
