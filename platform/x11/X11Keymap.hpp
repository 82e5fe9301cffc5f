#pragma once

#include <cstdint>
#include <optional>
#include <vector>
#include <xcb/xcb.h>

namespace velora {

using X11Keysym = std::uint32_t;

// The server's current keyboard and modifier mappings, and the translation of the stored key
// codes and modifier bits into X11 terms.
class X11Keymap {
public:
    explicit X11Keymap(xcb_connection_t* connection);

    // The first key that produces `keysym`, preferring keys where it needs no Shift.
    std::optional<xcb_keycode_t> keycode(X11Keysym keysym) const;
    // The modifier bit that a key producing `keysym` sets, or 0 when no such key is a modifier.
    std::uint16_t modifierMaskOf(X11Keysym keysym) const;

    // The keysym for a stored key code (the ANSI layout's positions), none when unknown.
    static std::optional<X11Keysym> keysymForKeyCode(std::uint32_t keyCode);
    // Option to Alt (Mod1), Control to Control, Shift to Shift, Command to Super (Mod4).
    static std::uint16_t modifierMaskFor(std::uint32_t carbonModifiers);

private:
    xcb_keycode_t minKeycode_ = 0;
    int keysymsPerKeycode_ = 0;
    std::vector<X11Keysym> keysyms_;
    int keycodesPerModifier_ = 0;
    std::vector<xcb_keycode_t> modifierKeycodes_;
};

} // namespace velora
