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
    if (!current_) {
        return;
    }
    const Handle outer = current_->handle;
    const Registration registration = route_.service->registerHotKey(current_->keys);
    if (registration.status == awaitingAnswer) {
        current_->inner = registration.handle;
        return;
    }
    if (registration.status == 0) {
        current_->inner = registration.handle;
    } else {
        current_.reset();
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
    current_ = Current{next_++, std::nullopt, keys};
    if (choose_) {
        return {awaitingAnswer, current_->handle};
    }
    const Registration registration = route_.service->registerHotKey(keys);
    if (registration.status != 0 && registration.status != awaitingAnswer) {
        current_.reset();
        return registration;
    }
    current_->inner = registration.handle;
    return {registration.status, current_->handle};
}

void ProbedHotKeyService::unregisterHotKey(Handle handle) {
    if (!current_ || current_->handle != handle) {
        return;
    }
    if (current_->inner) {
        route_.service->unregisterHotKey(*current_->inner);
    }
    current_.reset();
}

void ProbedHotKeyService::innerAnswered(const Answer& answer) {
    if (!current_ || current_->inner != answer.handle) {
        return;
    }
    const Handle outer = current_->handle;
    if (answer.status != 0) {
        current_.reset();
    }
    this->answer({outer, answer.status, answer.chord});
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
