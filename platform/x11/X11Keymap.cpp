#include "platform/x11/X11Keymap.hpp"

#include "app/HotKeyConfig.hpp"
#include "app/StoredKey.hpp"

#include <X11/keysym.h>
#include <cstdlib>
#include <memory>
#include <unordered_map>

namespace velora {

namespace {

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};

template <typename Reply> using ReplyPtr = std::unique_ptr<Reply, FreeReply>;

} // namespace

X11Keymap::X11Keymap(xcb_connection_t* connection) {
    const xcb_setup_t* setup = xcb_get_setup(connection);
    minKeycode_ = setup->min_keycode;
    const auto count = static_cast<std::uint8_t>(setup->max_keycode - setup->min_keycode + 1);
    auto keyboardCookie = xcb_get_keyboard_mapping(connection, minKeycode_, count);
    auto modifierCookie = xcb_get_modifier_mapping(connection);

    if (ReplyPtr<xcb_get_keyboard_mapping_reply_t> keyboard{
            xcb_get_keyboard_mapping_reply(connection, keyboardCookie, nullptr)}) {
        keysymsPerKeycode_ = keyboard->keysyms_per_keycode;
        const xcb_keysym_t* first = xcb_get_keyboard_mapping_keysyms(keyboard.get());
        keysyms_.assign(first, first + xcb_get_keyboard_mapping_keysyms_length(keyboard.get()));
    }
    if (ReplyPtr<xcb_get_modifier_mapping_reply_t> modifiers{
            xcb_get_modifier_mapping_reply(connection, modifierCookie, nullptr)}) {
        keycodesPerModifier_ = modifiers->keycodes_per_modifier;
        const xcb_keycode_t* first = xcb_get_modifier_mapping_keycodes(modifiers.get());
        modifierKeycodes_.assign(first,
                                 first + xcb_get_modifier_mapping_keycodes_length(modifiers.get()));
    }
}

std::optional<xcb_keycode_t> X11Keymap::keycode(X11Keysym keysym) const {
    if (keysymsPerKeycode_ == 0) {
        return std::nullopt;
    }
    const std::size_t keys = keysyms_.size() / static_cast<std::size_t>(keysymsPerKeycode_);
    for (int column = 0; column < keysymsPerKeycode_; ++column) {
        for (std::size_t key = 0; key < keys; ++key) {
            if (keysyms_[key * static_cast<std::size_t>(keysymsPerKeycode_) +
                         static_cast<std::size_t>(column)] == keysym) {
                return static_cast<xcb_keycode_t>(minKeycode_ + key);
            }
        }
    }
    return std::nullopt;
}

std::uint16_t X11Keymap::modifierMaskOf(X11Keysym keysym) const {
    const auto key = keycode(keysym);
    if (!key || keycodesPerModifier_ == 0) {
        return 0;
    }
    for (std::size_t index = 0; index < modifierKeycodes_.size(); ++index) {
        if (modifierKeycodes_[index] == *key) {
            return static_cast<std::uint16_t>(
                1u << (index / static_cast<std::size_t>(keycodesPerModifier_)));
        }
    }
    return 0;
}

std::optional<X11Keysym> X11Keymap::keysymForKeyCode(std::uint32_t keyCode) {
    const auto key = StoredKey::key(keyCode);
    if (!key) {
        return std::nullopt;
    }
    if (*key >= Qt::Key_F1 && *key <= Qt::Key_F35) {
        return XK_F1 + static_cast<X11Keysym>(*key - Qt::Key_F1);
    }
    static const std::unordered_map<int, X11Keysym> special = {
        {Qt::Key_Return, XK_Return}, {Qt::Key_Tab, XK_Tab},     {Qt::Key_Backspace, XK_BackSpace},
        {Qt::Key_Escape, XK_Escape}, {Qt::Key_Home, XK_Home},   {Qt::Key_PageUp, XK_Prior},
        {Qt::Key_Delete, XK_Delete}, {Qt::Key_End, XK_End},     {Qt::Key_PageDown, XK_Next},
        {Qt::Key_Left, XK_Left},     {Qt::Key_Right, XK_Right}, {Qt::Key_Up, XK_Up},
        {Qt::Key_Down, XK_Down},
    };
    if (const auto found = special.find(*key); found != special.end()) {
        return found->second;
    }
    // Printable keys: the keysym of a Latin-1 character is its code, lower case for letters.
    const auto latin = static_cast<X11Keysym>(*key);
    return latin >= 'A' && latin <= 'Z' ? latin + ('a' - 'A') : latin;
}

std::uint16_t X11Keymap::modifierMaskFor(std::uint32_t carbonModifiers) {
    std::uint16_t mask = 0;
    if (carbonModifiers & HotKeyConfig::optionKey) {
        mask |= XCB_MOD_MASK_1;
    }
    if (carbonModifiers & HotKeyConfig::controlKey) {
        mask |= XCB_MOD_MASK_CONTROL;
    }
    if (carbonModifiers & HotKeyConfig::shiftKey) {
        mask |= XCB_MOD_MASK_SHIFT;
    }
    if (carbonModifiers & HotKeyConfig::cmdKey) {
        mask |= XCB_MOD_MASK_4;
    }
    return mask;
}

} // namespace velora
