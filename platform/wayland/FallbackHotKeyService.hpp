#pragma once

#include "app/platform/GlobalHotKeyService.hpp"
#include "platform/wayland/HotKeyRoute.hpp"
#include "platform/wayland/RelayedRegistration.hpp"

#include <memory>

namespace velora {

// One route to the shortcut, then another once the first cannot bind it: KDE's portal, for
// one, may answer without binding anything while KDE's own shortcut service would. After the
// move the second route stays for the rest of the run.
class FallbackHotKeyService final : public GlobalHotKeyService {
public:
    using Route = HotKeyRoute;

    FallbackHotKeyService(Route first, Route second);

    bool available() const override { return true; }
    void installHandler(std::function<void()> pressed) override;
    Registration registerHotKey(QKeyCombination keys) override;
    void unregisterHotKey(Handle handle) override;
    void installAnswerHandler(std::function<void(const Answer&)> answered) override;
    QString refusalReason(Status status) const override;
    std::optional<ShortcutRoute> currentRoute() const override;

private:
    GlobalHotKeyService& active() const;
    void answered(const Answer& answer);
    // Asks the second route for the current registration; false when it refused at once.
    Registration moveOn();

    Route first_;
    Route second_;
    bool onSecond_ = false;
    RelayedRegistration relayed_;
    std::function<void(const Answer&)> answered_;
};

} // namespace velora
