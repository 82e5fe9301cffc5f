#include "core/TimePoint.hpp"

#include <chrono>

namespace velora {

namespace {
// 2001-01-01 00:00:00 UTC in seconds of the Unix epoch.
constexpr double referenceDateUnixSeconds = 978307200.0;
} // namespace

TimePoint TimePoint::now() {
    const auto sinceEpoch = std::chrono::system_clock::now().time_since_epoch();
    return {std::chrono::duration<double>(sinceEpoch).count() - referenceDateUnixSeconds};
}

} // namespace velora
