#include "app/platform/GlobalHotKeyService.hpp"

namespace velora {

GlobalHotKeyService::~GlobalHotKeyService() = default;

void GlobalHotKeyService::installAnswerHandler(std::function<void(const Answer&)>) {}

QString GlobalHotKeyService::refusalReason(Status status) const {
    return QStringLiteral("the desktop declined the shortcut (status %1)").arg(status);
}

std::optional<ShortcutRoute> GlobalHotKeyService::currentRoute() const {
    return std::nullopt;
}

} // namespace velora
