#include "platform/x11/X11KeyEventPoster.hpp"

#include "platform/x11/TerminalWindowClass.hpp"
#include "platform/x11/X11FocusedWindow.hpp"
#include "platform/x11/X11Keymap.hpp"
#include "platform/x11/X11Session.hpp"

#include <QGuiApplication>
#include <QWindow>
#include <X11/keysym.h>
#include <algorithm>
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

bool isOwnWindow(xcb_window_t window) {
    const auto windows = QGuiApplication::allWindows();
    return std::any_of(windows.begin(), windows.end(), [window](const QWindow* own) {
        return own->handle() && static_cast<xcb_window_t>(own->winId()) == window;
    });
}

} // namespace

bool X11KeyEventPoster::focusTakesCopyStroke() const {
    if (!session_.hasXTest() || QGuiApplication::focusWindow()) {
        return false;
    }
    const auto focused = X11FocusedWindow::of(session_);
    if (!focused) {
        return false;
    }
    for (const xcb_window_t window : X11FocusedWindow::lineage(session_, *focused)) {
        if (isOwnWindow(window)) {
            return false;
        }
        const auto names = X11FocusedWindow::windowClass(session_, window);
        if (!names.empty()) {
            return std::none_of(names.begin(), names.end(), TerminalWindowClass::isTerminal);
        }
    }
    return true;
}

void X11KeyEventPoster::postCopyStroke() {
    if (!session_.hasXTest()) {
        return;
    }
    const X11Keymap keymap(session_.connection);
    const auto control = keymap.keycode(XK_Control_L);
    const auto c = keymap.keycode(XK_c);
    if (!control || !c) {
        return;
    }
    xcb_connection_t* connection = session_.connection;
    releaseHeldKeys(connection);
    fakeKey(connection, XCB_KEY_PRESS, *control);
    fakeKey(connection, XCB_KEY_PRESS, *c);
    fakeKey(connection, XCB_KEY_RELEASE, *c);
    fakeKey(connection, XCB_KEY_RELEASE, *control);
    xcb_flush(connection);
}

} // namespace velora
