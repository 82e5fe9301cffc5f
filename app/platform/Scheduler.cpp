#include "app/platform/Scheduler.hpp"

namespace velora {

Scheduler::~Scheduler() = default;

} // namespace velora
