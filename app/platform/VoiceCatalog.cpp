#include "app/platform/VoiceCatalog.hpp"

namespace velora {

VoiceCatalog::~VoiceCatalog() = default;

} // namespace velora
