#include "platform/x11/X11GlobalHotKeyService.hpp"

#include "app/LogCategories.hpp"
#include "platform/x11/X11Keymap.hpp"
#include "platform/x11/X11Keysyms.hpp"

#include <QCoreApplication>
#include <QtGlobal>
#include <X11/keysym.h>
#include <algorithm>
#include <cstdlib>

namespace velora {

namespace {

constexpr std::uint16_t allModifiers = 0xff;

} // namespace

X11GlobalHotKeyService::X11GlobalHotKeyService() : session_(X11Session::ofApplication()) {
    if (session_) {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
}

X11GlobalHotKeyService::~X11GlobalHotKeyService() {
    for (const auto& [handle, grab] : grabs_) {
        ungrab(grab);
    }
    if (session_) {
        xcb_flush(session_->connection);
        if (auto* application = QCoreApplication::instance()) {
            application->removeNativeEventFilter(this);
        }
    }
}

void X11GlobalHotKeyService::installHandler(std::function<void()> pressed) {
    pressed_ = std::move(pressed);
}

GlobalHotKeyService::Registration X11GlobalHotKeyService::registerHotKey(QKeyCombination keys) {
    if (!session_) {
        return {noDisplayStatus, std::nullopt};
    }
    auto granted = grab(keys);
    if (const Status* refusal = std::get_if<Status>(&granted)) {
        return {*refusal, std::nullopt};
    }
    const Handle handle = next_++;
    grabs_.emplace(handle, std::get<Grab>(std::move(granted)));
    return {0, handle};
}

std::variant<X11GlobalHotKeyService::Grab, GlobalHotKeyService::Status>
X11GlobalHotKeyService::grab(QKeyCombination keys) {
    xcb_connection_t* connection = session_->connection;
    const X11Keymap keymap(connection);
    const auto keysym = X11Keysyms::forKey(keys.key());
    const auto keycode = keysym ? keymap.keycode(*keysym) : std::nullopt;
    if (!keycode) {
        return unknownKeyStatus;
    }
    const std::uint16_t numLock = keymap.modifierMaskOf(XK_Num_Lock);
    const std::uint16_t lockMask = static_cast<std::uint16_t>(numLock | XCB_MOD_MASK_LOCK);
    const std::uint16_t mask = X11Keymap::modifierMaskFor(keys.keyboardModifiers());
    Grab result{keys, *keycode, mask, lockMask, {}};
    for (const std::uint16_t locks :
         {std::uint16_t{0}, numLock, std::uint16_t{XCB_MOD_MASK_LOCK}, lockMask}) {
        const auto variant = static_cast<std::uint16_t>(mask | locks);
        if (std::find(result.variants.begin(), result.variants.end(), variant) ==
            result.variants.end()) {
            result.variants.push_back(variant);
        }
    }

    // Checked requests report a refusal right here. Any refusal undoes the variants granted;
    // releasing the refused ones is harmless, since a client only ever releases its own grabs.
    std::vector<xcb_void_cookie_t> cookies;
    for (const std::uint16_t variant : result.variants) {
        cookies.push_back(xcb_grab_key_checked(connection, 0, session_->root, variant, *keycode,
                                               XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
    }
    std::optional<Status> refusal;
    for (const xcb_void_cookie_t cookie : cookies) {
        if (xcb_generic_error_t* error = xcb_request_check(connection, cookie)) {
            refusal = refusal.value_or(error->error_code);
            std::free(error);
        }
    }
    if (refusal) {
        ungrab(result);
        xcb_flush(connection);
        return *refusal;
    }
    return result;
}

void X11GlobalHotKeyService::regrabAll() {
    for (auto& [handle, current] : grabs_) {
        ungrab(current);
        auto moved = grab(current.keys);
        if (Grab* granted = std::get_if<Grab>(&moved)) {
            current = std::move(*granted);
        } else {
            // The handle stays, so the caller can still release it; nothing is held meanwhile.
            current.variants.clear();
            qCWarning(lcHotKey,
                      "VeloraMac: the shortcut could not be grabbed again after a keyboard "
                      "change (status %d)",
                      static_cast<int>(std::get<Status>(moved)));
        }
    }
    xcb_flush(session_->connection);
}

void X11GlobalHotKeyService::unregisterHotKey(Handle handle) {
    const auto found = grabs_.find(handle);
    if (found == grabs_.end()) {
        return;
    }
    ungrab(found->second);
    xcb_flush(session_->connection);
    grabs_.erase(found);
}

void X11GlobalHotKeyService::ungrab(const Grab& grab) {
    for (const std::uint16_t variant : grab.variants) {
        xcb_ungrab_key(session_->connection, grab.keycode, session_->root, variant);
    }
}

bool X11GlobalHotKeyService::nativeEventFilter(const QByteArray& eventType, void* message,
                                               qintptr*) {
    if (eventType != "xcb_generic_event_t") {
        return false;
    }
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    const auto type = event->response_type & 0x7f;
    if (type == XCB_MAPPING_NOTIFY) {
        const auto* mapping = static_cast<const xcb_mapping_notify_event_t*>(message);
        if (mapping->request != XCB_MAPPING_POINTER) {
            regrabAll();
        }
        // Qt updates its own keymap from the same event.
        return false;
    }
    if (type != XCB_KEY_PRESS) {
        return false;
    }
    const auto* press = static_cast<const xcb_key_press_event_t*>(message);
    if (press->event != session_->root) {
        return false;
    }
    for (const auto& [handle, grab] : grabs_) {
        const auto held = static_cast<std::uint16_t>(press->state & allModifiers & ~grab.lockMask);
        if (press->detail == grab.keycode && held == grab.modifiers) {
            if (pressed_) {
                pressed_();
            }
            return true;
        }
    }
    return false;
}

QString X11GlobalHotKeyService::refusalReason(Status status) const {
    if (status == noDisplayStatus) {
        return QStringLiteral("the program does not run on an X11 display");
    }
    if (status == unknownKeyStatus) {
        return QStringLiteral("no key of this keyboard makes the chord (X error %1)").arg(status);
    }
    return QStringLiteral("another program holds the chord (X error %1)").arg(status);
}

} // namespace velora
