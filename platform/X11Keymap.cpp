#include "platform/X11Keymap.hpp"

#include "app/HotKeyConfig.hpp"

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
    static const std::unordered_map<std::uint32_t, X11Keysym> keysyms = {
        {0x00, XK_a},      {0x01, XK_s},         {0x02, XK_d},
        {0x03, XK_f},      {0x04, XK_h},         {0x05, XK_g},
        {0x06, XK_z},      {0x07, XK_x},         {0x08, XK_c},
        {0x09, XK_v},      {0x0B, XK_b},         {0x0C, XK_q},
        {0x0D, XK_w},      {0x0E, XK_e},         {0x0F, XK_r},
        {0x10, XK_y},      {0x11, XK_t},         {0x12, XK_1},
        {0x13, XK_2},      {0x14, XK_3},         {0x15, XK_4},
        {0x16, XK_6},      {0x17, XK_5},         {0x18, XK_equal},
        {0x19, XK_9},      {0x1A, XK_7},         {0x1B, XK_minus},
        {0x1C, XK_8},      {0x1D, XK_0},         {0x1E, XK_bracketright},
        {0x1F, XK_o},      {0x20, XK_u},         {0x21, XK_bracketleft},
        {0x22, XK_i},      {0x23, XK_p},         {0x24, XK_Return},
        {0x25, XK_l},      {0x26, XK_j},         {0x27, XK_apostrophe},
        {0x28, XK_k},      {0x29, XK_semicolon}, {0x2A, XK_backslash},
        {0x2B, XK_comma},  {0x2C, XK_slash},     {0x2D, XK_n},
        {0x2E, XK_m},      {0x2F, XK_period},    {0x30, XK_Tab},
        {0x31, XK_space},  {0x32, XK_grave},     {0x33, XK_BackSpace},
        {0x35, XK_Escape}, {0x60, XK_F5},        {0x61, XK_F6},
        {0x62, XK_F7},     {0x63, XK_F3},        {0x64, XK_F8},
        {0x65, XK_F9},     {0x67, XK_F11},       {0x69, XK_F13},
        {0x6B, XK_F14},    {0x6D, XK_F10},       {0x6F, XK_F12},
        {0x71, XK_F15},    {0x73, XK_Home},      {0x74, XK_Prior},
        {0x75, XK_Delete}, {0x76, XK_F4},        {0x77, XK_End},
        {0x78, XK_F2},     {0x79, XK_Next},      {0x7A, XK_F1},
        {0x7B, XK_Left},   {0x7C, XK_Right},     {0x7D, XK_Down},
        {0x7E, XK_Up},
    };
    const auto found = keysyms.find(keyCode);
    if (found == keysyms.end()) {
        return std::nullopt;
    }
    return found->second;
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
