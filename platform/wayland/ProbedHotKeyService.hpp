#pragma once

#include "app/platform/GlobalHotKeyService.hpp"
#include "platform/wayland/HotKeyRoute.hpp"
#include "platform/wayland/RelayedRegistration.hpp"
#include "platform/wayland/ShortcutRouteProbe.hpp"

#include <memory>

namespace velora {

// The shortcut on a route chosen once the session bus has told which services answer, so the
// start never waits for a portal. A registration asked for before then awaits the desktop's
// answer as any portal registration does, and is made on the chosen route.
class ProbedHotKeyService final : public GlobalHotKeyService {
public:
    // Gives a service for every answer, one that refuses every registration where none fits.
    using Choose = std::function<HotKeyRoute(const ShortcutRouteProbe::Offers&)>;

    // `tentative` is the route shown until the answer; `chosen` runs once, with it.
    ProbedHotKeyService(const QDBusConnection& bus, ShortcutRouteProbe::Questions questions,
                        ShortcutRoute tentative, Choose choose,
                        std::function<void(ShortcutRoute)> chosen = {});
    ~ProbedHotKeyService() override;

    bool available() const override;
    void installHandler(std::function<void()> pressed) override;
    Registration registerHotKey(QKeyCombination keys) override;
    void unregisterHotKey(Handle handle) override;
    void installAnswerHandler(std::function<void(const Answer&)> answered) override;
    QString refusalReason(Status status) const override;
    std::optional<ShortcutRoute> currentRoute() const override;

private:
    void takeRoute(const ShortcutRouteProbe::Offers& offers);
    void innerAnswered(const Answer& answer);
    void answer(const Answer& answer);

    ShortcutRoute tentative_;
    Choose choose_;
    std::function<void(ShortcutRoute)> chosen_;
    HotKeyRoute route_;
    std::function<void()> pressed_;
    std::function<void(const Answer&)> answered_;
    RelayedRegistration relayed_;
    // Last, so that its answer never reaches a half-destroyed service.
    std::unique_ptr<ShortcutRouteProbe> probe_;
};

} // namespace velora
