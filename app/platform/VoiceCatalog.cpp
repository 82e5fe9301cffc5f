#include "app/platform/VoiceCatalog.hpp"

namespace velora {

VoiceCatalog::~VoiceCatalog() = default;

void VoiceCatalog::setOnVoicesChanged(std::function<void()> /*callback*/) {}

bool VoiceCatalog::isLoaded() const {
    return true;
}

void VoiceCatalog::load() {}

} // namespace velora
