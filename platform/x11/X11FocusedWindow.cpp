#include "platform/x11/X11FocusedWindow.hpp"

#include <cstdlib>
#include <memory>

namespace velora {

namespace {

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};

template <typename Reply> using ReplyPtr = std::unique_ptr<Reply, FreeReply>;

// Deep enough for any toolkit's nesting; a broken tree must not loop forever.
constexpr int maxDepth = 32;

std::optional<xcb_window_t> activeWindow(const X11Session& session) {
    const xcb_atom_t active = session.atom("_NET_ACTIVE_WINDOW");
    if (active == XCB_ATOM_NONE) {
        return std::nullopt;
    }
    const ReplyPtr<xcb_get_property_reply_t> reply{xcb_get_property_reply(
        session.connection,
        xcb_get_property(session.connection, 0, session.root, active, XCB_ATOM_WINDOW, 0, 1),
        nullptr)};
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) < 4) {
        return std::nullopt;
    }
    const auto window = *static_cast<const xcb_window_t*>(xcb_get_property_value(reply.get()));
    if (window == XCB_WINDOW_NONE) {
        return std::nullopt;
    }
    return window;
}

std::optional<xcb_window_t> windowUnderPointer(const X11Session& session) {
    const ReplyPtr<xcb_query_pointer_reply_t> pointer{xcb_query_pointer_reply(
        session.connection, xcb_query_pointer(session.connection, session.root), nullptr)};
    if (!pointer || pointer->child == XCB_WINDOW_NONE) {
        return std::nullopt;
    }
    return pointer->child;
}

} // namespace

std::optional<xcb_window_t> X11FocusedWindow::of(const X11Session& session) {
    if (auto active = activeWindow(session)) {
        return active;
    }
    const ReplyPtr<xcb_get_input_focus_reply_t> focus{xcb_get_input_focus_reply(
        session.connection, xcb_get_input_focus(session.connection), nullptr)};
    if (!focus || focus->focus == XCB_WINDOW_NONE) {
        return std::nullopt;
    }
    if (focus->focus == XCB_INPUT_FOCUS_POINTER_ROOT || focus->focus == session.root) {
        return windowUnderPointer(session);
    }
    return focus->focus;
}

std::vector<xcb_window_t> X11FocusedWindow::lineage(const X11Session& session,
                                                    xcb_window_t window) {
    std::vector<xcb_window_t> windows;
    while (window != XCB_WINDOW_NONE && window != session.root &&
           windows.size() < static_cast<std::size_t>(maxDepth)) {
        windows.push_back(window);
        const ReplyPtr<xcb_query_tree_reply_t> tree{xcb_query_tree_reply(
            session.connection, xcb_query_tree(session.connection, window), nullptr)};
        window = tree ? tree->parent : xcb_window_t{XCB_WINDOW_NONE};
    }
    return windows;
}

std::vector<std::string> X11FocusedWindow::windowClass(const X11Session& session,
                                                       xcb_window_t window) {
    const ReplyPtr<xcb_get_property_reply_t> reply{xcb_get_property_reply(
        session.connection,
        xcb_get_property(session.connection, 0, window, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 0, 256),
        nullptr)};
    std::vector<std::string> names;
    if (!reply || reply->format != 8) {
        return names;
    }
    const auto* bytes = static_cast<const char*>(xcb_get_property_value(reply.get()));
    const auto length = static_cast<std::size_t>(xcb_get_property_value_length(reply.get()));
    std::size_t start = 0;
    for (std::size_t i = 0; i <= length; ++i) {
        if (i == length || bytes[i] == '\0') {
            if (i > start) {
                names.emplace_back(bytes + start, i - start);
            }
            start = i + 1;
        }
    }
    return names;
}

} // namespace velora
