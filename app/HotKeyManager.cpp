#include "app/HotKeyManager.hpp"

#include "app/platform/Scheduler.hpp"

#include <QtGlobal>

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
    installHandlerIfNeeded();
    const auto registration = service_.registerHotKey(keyCode, modifiers);
    hotKeyRef_ = registration.handle;
    if (registration.status != 0) {
        qWarning("VeloraMac: RegisterEventHotKey failed with status %d",
                 static_cast<int>(registration.status));
    }
    return isRegistered();
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
}

} // namespace velora
