#include "platform/x11/X11WindowHints.hpp"

#include "platform/x11/X11Session.hpp"

#include <QWindow>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

namespace velora {

namespace {

constexpr std::uint32_t allDesktops = 0xFFFFFFFF;
constexpr std::uint32_t netWmStateAdd = 1;
constexpr std::uint32_t sourceApplication = 1;

void sendToRoot(const X11Session& x11, xcb_window_t window, xcb_atom_t type,
                std::array<std::uint32_t, 5> data) {
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = type;
    for (std::size_t i = 0; i < data.size(); ++i) {
        event.data.data32[i] = data[i];
    }
    xcb_send_event(x11.connection, 0, x11.root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&event));
}

} // namespace

void X11WindowHints::keepOnAllWorkspaces(QWindow& window) {
    const auto x11 = X11Session::ofApplication();
    if (!x11) {
        return;
    }
    const auto id = static_cast<xcb_window_t>(window.winId());
    const xcb_atom_t desktop = x11->atom("_NET_WM_DESKTOP");
    const xcb_atom_t state = x11->atom("_NET_WM_STATE");
    const std::array<xcb_atom_t, 3> states{x11->atom("_NET_WM_STATE_STICKY"),
                                           x11->atom("_NET_WM_STATE_SKIP_TASKBAR"),
                                           x11->atom("_NET_WM_STATE_SKIP_PAGER")};

    xcb_change_property(x11->connection, XCB_PROP_MODE_REPLACE, id, desktop, XCB_ATOM_CARDINAL, 32,
                        1, &allDesktops);
    // Appended, so the states Qt keeps there (above, for one) stay.
    xcb_change_property(x11->connection, XCB_PROP_MODE_APPEND, id, state, XCB_ATOM_ATOM, 32,
                        static_cast<std::uint32_t>(states.size()), states.data());
    sendToRoot(*x11, id, desktop, {allDesktops, sourceApplication, 0, 0, 0});
    sendToRoot(*x11, id, state, {netWmStateAdd, states[0], 0, sourceApplication, 0});
    sendToRoot(*x11, id, state, {netWmStateAdd, states[1], states[2], sourceApplication, 0});
    xcb_flush(x11->connection);
}

bool X11WindowHints::compositorRunning() {
    const auto x11 = X11Session::ofApplication();
    if (!x11) {
        return false;
    }
    const xcb_setup_t* setup = xcb_get_setup(x11->connection);
    int screen = 0;
    for (auto it = xcb_setup_roots_iterator(setup); it.rem > 0; xcb_screen_next(&it), ++screen) {
        if (it.data->root == x11->root) {
            break;
        }
    }
    const xcb_atom_t selection = x11->atom("_NET_WM_CM_S" + std::to_string(screen));
    const std::unique_ptr<xcb_get_selection_owner_reply_t, decltype(&std::free)> owner(
        xcb_get_selection_owner_reply(x11->connection,
                                      xcb_get_selection_owner(x11->connection, selection), nullptr),
        &std::free);
    return owner && owner->owner != XCB_WINDOW_NONE;
}

void X11WindowHints::requestBlurBehind(QWindow& window, bool enabled) {
    const auto x11 = X11Session::ofApplication();
    if (!x11) {
        return;
    }
    const auto id = static_cast<xcb_window_t>(window.winId());
    const xcb_atom_t blur = x11->atom("_KDE_NET_WM_BLUR_BEHIND_REGION");
    if (enabled) {
        // An empty region means the whole window.
        xcb_change_property(x11->connection, XCB_PROP_MODE_REPLACE, id, blur, XCB_ATOM_CARDINAL, 32,
                            0, nullptr);
    } else {
        xcb_delete_property(x11->connection, id, blur);
    }
    xcb_flush(x11->connection);
}

} // namespace velora
