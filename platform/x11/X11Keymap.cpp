#include "platform/x11/X11Keymap.hpp"

#include <cstdlib>
#include <memory>

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

std::uint16_t X11Keymap::modifierMaskFor(Qt::KeyboardModifiers modifiers) {
    std::uint16_t mask = 0;
    if (modifiers & Qt::AltModifier) {
        mask |= XCB_MOD_MASK_1;
    }
    if (modifiers & Qt::ControlModifier) {
        mask |= XCB_MOD_MASK_CONTROL;
    }
    if (modifiers & Qt::ShiftModifier) {
        mask |= XCB_MOD_MASK_SHIFT;
    }
    if (modifiers & Qt::MetaModifier) {
        mask |= XCB_MOD_MASK_4;
    }
    return mask;
}

} // namespace velora
