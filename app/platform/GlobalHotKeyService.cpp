#include "app/platform/GlobalHotKeyService.hpp"

namespace velora {

GlobalHotKeyService::~GlobalHotKeyService() = default;

void GlobalHotKeyService::installAnswerHandler(std::function<void(const Answer&)>) {}

} // namespace velora
