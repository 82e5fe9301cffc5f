#include "app/platform/GlobalHotKeyService.hpp"

namespace velora {

GlobalHotKeyService::~GlobalHotKeyService() = default;

} // namespace velora
