#include "platform/wayland/ProbedHotKeyService.hpp"

namespace velora {

ProbedHotKeyService::ProbedHotKeyService(const QDBusConnection& bus,
                                         ShortcutRouteProbe::Questions questions,
                                         ShortcutRoute tentative, Choose choose,
                                         std::function<void(ShortcutRoute)> chosen)
    : tentative_(tentative), choose_(std::move(choose)), chosen_(std::move(chosen)),
      probe_(std::make_unique<ShortcutRouteProbe>(
          bus, questions,
          [this](const ShortcutRouteProbe::Offers& offers) { takeRoute(offers); })) {}

ProbedHotKeyService::~ProbedHotKeyService() = default;

void ProbedHotKeyService::takeRoute(const ShortcutRouteProbe::Offers& offers) {
    route_ = std::exchange(choose_, {})(offers);
    probe_.release()->deleteLater();
    if (chosen_) {
        chosen_(route_.route);
    }
    if (pressed_) {
        route_.service->installHandler(pressed_);
    }
    route_.service->installAnswerHandler([this](const Answer& answer) { innerAnswered(answer); });
    if (!relayed_.active()) {
        return;
    }
    const Handle outer = relayed_.handle();
    const Registration registration = relayed_.relay(*route_.service);
    if (registration.status == awaitingAnswer) {
        return;
    }
    if (registration.status != 0) {
        relayed_.forget();
    }
    answer({outer, registration.status, {}});
}

bool ProbedHotKeyService::available() const {
    return choose_ ? true : route_.service->available();
}

void ProbedHotKeyService::installHandler(std::function<void()> pressed) {
    pressed_ = pressed;
    if (!choose_) {
        route_.service->installHandler(std::move(pressed));
    }
}

void ProbedHotKeyService::installAnswerHandler(std::function<void(const Answer&)> answered) {
    answered_ = std::move(answered);
}

GlobalHotKeyService::Registration ProbedHotKeyService::registerHotKey(QKeyCombination keys) {
    const Handle handle = relayed_.begin(keys);
    if (choose_) {
        return {awaitingAnswer, handle};
    }
    const Registration registration = relayed_.relay(*route_.service);
    if (!RelayedRegistration::holds(registration)) {
        relayed_.forget();
    }
    return registration;
}

void ProbedHotKeyService::unregisterHotKey(Handle handle) {
    if (const std::optional<Handle> inner = relayed_.release(handle)) {
        route_.service->unregisterHotKey(*inner);
    }
}

void ProbedHotKeyService::innerAnswered(const Answer& answer) {
    if (relayed_.isAbout(answer)) {
        this->answer(relayed_.translate(answer));
    }
}

void ProbedHotKeyService::answer(const Answer& answer) {
    if (answered_) {
        answered_(answer);
    }
}

QString ProbedHotKeyService::refusalReason(Status status) const {
    return choose_ ? GlobalHotKeyService::refusalReason(status)
                   : route_.service->refusalReason(status);
}

std::optional<ShortcutRoute> ProbedHotKeyService::currentRoute() const {
    if (choose_) {
        return tentative_;
    }
    return route_.service->currentRoute().value_or(route_.route);
}

} // namespace velora
