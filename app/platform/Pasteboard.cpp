#include "app/platform/Pasteboard.hpp"

namespace velora {

Pasteboard::~Pasteboard() = default;

} // namespace velora
