#include "platform/X11KeyEventPoster.hpp"

#include "platform/X11Keymap.hpp"
#include "platform/X11Session.hpp"

#include <X11/keysym.h>
#include <cstdlib>
#include <memory>
#include <xcb/xtest.h>

namespace velora {

namespace {

void fakeKey(xcb_connection_t* connection, std::uint8_t type, xcb_keycode_t key) {
    xcb_test_fake_input(connection, type, key, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
}

// The shortcut that started the capture is usually still held: its modifiers would turn the
// stroke into Control-Alt-C, and its key keeps the keyboard grabbed by this very program, so
// every held key is let go first.
void releaseHeldKeys(xcb_connection_t* connection) {
    std::unique_ptr<xcb_query_keymap_reply_t, decltype(&std::free)> held{
        xcb_query_keymap_reply(connection, xcb_query_keymap(connection), nullptr), &std::free};
    if (!held) {
        return;
    }
    for (int byte = 0; byte < 32; ++byte) {
        for (int bit = 0; bit < 8; ++bit) {
            if (held->keys[byte] & (1u << bit)) {
                fakeKey(connection, XCB_KEY_RELEASE, static_cast<xcb_keycode_t>(byte * 8 + bit));
            }
        }
    }
}

} // namespace

void X11KeyEventPoster::postCopyStroke() {
    const auto session = X11Session::ofApplication();
    if (!session || !session->hasXTest()) {
        return;
    }
    const X11Keymap keymap(session->connection);
    const auto control = keymap.keycode(XK_Control_L);
    const auto c = keymap.keycode(XK_c);
    if (!control || !c) {
        return;
    }
    xcb_connection_t* connection = session->connection;
    releaseHeldKeys(connection);
    fakeKey(connection, XCB_KEY_PRESS, *control);
    fakeKey(connection, XCB_KEY_PRESS, *c);
    fakeKey(connection, XCB_KEY_RELEASE, *c);
    fakeKey(connection, XCB_KEY_RELEASE, *control);
    xcb_flush(connection);
}

} // namespace velora
