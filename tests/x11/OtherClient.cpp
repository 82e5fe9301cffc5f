#include "x11/OtherClient.hpp"

#include <cstdlib>
#include <xcb/xtest.h>

namespace velora::testsupport {

OtherClient::OtherClient()
    : connection_(xcb_connect(nullptr, nullptr)),
      root_(xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root),
      keymap_(std::make_unique<X11Keymap>(connection_)) {}

OtherClient::~OtherClient() {
    xcb_disconnect(connection_);
}

int OtherClient::grab(X11Keysym key, std::uint16_t modifiers) {
    const auto cookie =
        xcb_grab_key_checked(connection_, 0, root_, modifiers, keymap_->keycode(key).value_or(0),
                             XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
    xcb_generic_error_t* error = xcb_request_check(connection_, cookie);
    const int code = error ? error->error_code : 0;
    std::free(error);
    return code;
}

void OtherClient::press(X11Keysym key) {
    fake(XCB_KEY_PRESS, key);
}

void OtherClient::release(X11Keysym key) const {
    fake(XCB_KEY_RELEASE, key);
}

int OtherClient::keycode(X11Keysym key) const {
    return keymap_->keycode(key).value_or(0);
}

void OtherClient::click(int x, int y, int count) {
    xcb_test_fake_input(connection_, XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, root_,
                        static_cast<std::int16_t>(x), static_cast<std::int16_t>(y), 0);
    for (int i = 0; i < count; ++i) {
        xcb_test_fake_input(connection_, XCB_BUTTON_PRESS, 1, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
        xcb_test_fake_input(connection_, XCB_BUTTON_RELEASE, 1, XCB_CURRENT_TIME, XCB_NONE, 0, 0,
                            0);
    }
    sync();
}

void OtherClient::sync() {
    std::free(xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
}

void OtherClient::fake(std::uint8_t type, X11Keysym key) const {
    xcb_test_fake_input(connection_, type, keymap_->keycode(key).value_or(0), XCB_CURRENT_TIME,
                        XCB_NONE, 0, 0, 0);
    xcb_flush(connection_);
}

} // namespace velora::testsupport
