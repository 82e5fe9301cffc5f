#include "app/platform/StartAtLogin.hpp"

namespace velora {

StartAtLogin::~StartAtLogin() = default;

} // namespace velora
