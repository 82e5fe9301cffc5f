#pragma once

#include "platform/x11/X11Keysyms.hpp"

#include <Qt>
#include <cstdint>
#include <optional>
#include <vector>
#include <xcb/xcb.h>

namespace velora {

// The server's current keyboard and modifier mappings.
class X11Keymap {
public:
    explicit X11Keymap(xcb_connection_t* connection);

    // The first key that produces `keysym`, preferring keys where it needs no Shift.
    std::optional<xcb_keycode_t> keycode(X11Keysym keysym) const;
    // The modifier bit that a key producing `keysym` sets, or 0 when no such key is a modifier.
    std::uint16_t modifierMaskOf(X11Keysym keysym) const;

    // Alt is Mod1 and Super (Qt's Meta) Mod4, as the common keyboard maps set them.
    static std::uint16_t modifierMaskFor(Qt::KeyboardModifiers modifiers);

private:
    xcb_keycode_t minKeycode_ = 0;
    int keysymsPerKeycode_ = 0;
    std::vector<X11Keysym> keysyms_;
    int keycodesPerModifier_ = 0;
    std::vector<xcb_keycode_t> modifierKeycodes_;
};

} // namespace velora
