#pragma once

#include "platform/x11/X11Keymap.hpp"

#include <memory>
#include <xcb/xcb.h>

namespace velora::testsupport {

// Another program on the test's X server: a connection of its own that grabs keys and types
// through XTest as a user would.
class OtherClient {
public:
    OtherClient();
    ~OtherClient();

    OtherClient(const OtherClient&) = delete;
    OtherClient& operator=(const OtherClient&) = delete;

    // 0 when granted, otherwise the X error code.
    int grab(X11Keysym key, std::uint16_t modifiers);
    // The key that produces `key` in the mapping this client read when it connected.
    int keycode(X11Keysym key) const;
    void press(X11Keysym key);
    void release(X11Keysym key) const;
    // Moves the pointer and clicks the first button `count` times in a row.
    void click(int x, int y, int count);
    // Returns once the server has handled everything sent so far.
    void sync();

private:
    void fake(std::uint8_t type, X11Keysym key) const;

    xcb_connection_t* connection_;
    xcb_window_t root_;
    std::unique_ptr<X11Keymap> keymap_;
};

} // namespace velora::testsupport
