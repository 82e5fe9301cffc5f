#include "app/platform/KeyEventPoster.hpp"

namespace velora {

KeyEventPoster::~KeyEventPoster() = default;

} // namespace velora
