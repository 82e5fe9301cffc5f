#include "app/HotKeyManager.hpp"

#include "app/LogCategories.hpp"
#include "app/platform/Scheduler.hpp"

namespace velora {

HotKeyManager::HotKeyManager(GlobalHotKeyService& service, Scheduler& scheduler)
    : service_(service), scheduler_(scheduler), self_(std::make_shared<HotKeyManager*>(this)) {}

HotKeyManager::~HotKeyManager() {
    if (hotKeyRef_) {
        service_.unregisterHotKey(*hotKeyRef_);
    }
}

bool HotKeyManager::registerKeyCode(std::uint32_t keyCode, std::uint32_t modifiers) {
    if (hotKeyRef_) {
        service_.unregisterHotKey(*hotKeyRef_);
        hotKeyRef_.reset();
    }
    boundChord_.reset();
    refusal_.reset();
    installHandlerIfNeeded();
    const auto registration = service_.registerHotKey(keyCode, modifiers);
    awaitingAnswer_ = registration.status == GlobalHotKeyService::awaitingAnswer;
    hotKeyRef_ = registration.status == 0 || awaitingAnswer_ ? registration.handle : std::nullopt;
    if (registration.status != 0 && !awaitingAnswer_) {
        refused(registration.status);
    }
    return isRegistered();
}

void HotKeyManager::refused(GlobalHotKeyService::Status status) {
    refusal_ = service_.refusalReason(status);
    qCWarning(lcHotKey, "VeloraMac: shortcut not registered: %s", qUtf8Printable(*refusal_));
}

void HotKeyManager::answered(const GlobalHotKeyService::Answer& answer) {
    // An answer to a registration since replaced is of no interest.
    if (hotKeyRef_ != answer.handle) {
        return;
    }
    awaitingAnswer_ = false;
    if (answer.status == 0) {
        boundChord_ = answer.chord.isEmpty() ? std::nullopt : std::optional(answer.chord);
    } else {
        refused(answer.status);
        hotKeyRef_.reset();
        boundChord_.reset();
    }
    if (onRegistrationChanged) {
        onRegistrationChanged();
    }
}

void HotKeyManager::installHandlerIfNeeded() {
    if (handlerInstalled_) {
        return;
    }
    handlerInstalled_ = true;
    service_.installHandler([weakSelf = std::weak_ptr<HotKeyManager*>(self_)] {
        const auto self = weakSelf.lock();
        if (!self) {
            return;
        }
        (*self)->scheduler_.after(Scheduler::Seconds{0}, [weakSelf] {
            const auto stillThere = weakSelf.lock();
            if (stillThere && (*stillThere)->onTrigger) {
                (*stillThere)->onTrigger();
            }
        });
    });
    service_.installAnswerHandler([weakSelf = std::weak_ptr<HotKeyManager*>(self_)](
                                      const GlobalHotKeyService::Answer& answer) {
        if (const auto self = weakSelf.lock()) {
            (*self)->answered(answer);
        }
    });
}

} // namespace velora
