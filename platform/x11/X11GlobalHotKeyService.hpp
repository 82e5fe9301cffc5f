#pragma once

#include "app/platform/GlobalHotKeyService.hpp"
#include "platform/x11/X11Session.hpp"

#include <QAbstractNativeEventFilter>
#include <map>
#include <variant>
#include <vector>

namespace velora {

// Global shortcuts as passive key grabs on the root window, one for each state of NumLock and
// CapsLock so that the locks do not disable the shortcut. Presses arrive through a native event
// filter on Qt's X connection, as do keyboard mapping changes, after which every shortcut is
// grabbed again on the key that now produces it. Outside X11 every registration is refused.
class X11GlobalHotKeyService final : public GlobalHotKeyService, public QAbstractNativeEventFilter {
public:
    // The status of a refusal when the application does not run on X11.
    static constexpr Status noDisplayStatus = -1;
    // The status of a key code with no key on this keyboard, as the server says of bad values.
    static constexpr Status unknownKeyStatus = XCB_VALUE;

    X11GlobalHotKeyService();
    ~X11GlobalHotKeyService() override;

    X11GlobalHotKeyService(const X11GlobalHotKeyService&) = delete;
    X11GlobalHotKeyService& operator=(const X11GlobalHotKeyService&) = delete;

    bool available() const override { return session_.has_value(); }
    void installHandler(std::function<void()> pressed) override;
    Registration registerHotKey(QKeyCombination keys) override;
    void unregisterHotKey(Handle handle) override;
    QString refusalReason(Status status) const override;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    struct Grab {
        QKeyCombination keys;
        xcb_keycode_t keycode;
        std::uint16_t modifiers;
        std::uint16_t lockMask;
        std::vector<std::uint16_t> variants;
    };

    // The grab in the current keyboard mapping, or the reason it was refused.
    std::variant<Grab, Status> grab(QKeyCombination keys);
    void ungrab(const Grab& grab);
    void regrabAll();

    std::optional<X11Session> session_;
    std::function<void()> pressed_;
    std::map<Handle, Grab> grabs_;
    Handle next_ = 1;
};

} // namespace velora
