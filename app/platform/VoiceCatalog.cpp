#include "app/platform/VoiceCatalog.hpp"

namespace velora {

VoiceCatalog::~VoiceCatalog() = default;

void VoiceCatalog::setOnVoicesChanged(std::function<void()> /*callback*/) {}

} // namespace velora
