#pragma once

#include <compare>

namespace velora {

// A wall-clock instant as seconds since 2001-01-01 00:00:00 UTC. Kept as the double that is
// stored, so a value read from disk compares equal to the one that was written.
struct TimePoint {
    double secondsSinceReferenceDate = 0.0;

    static TimePoint now();

    auto operator<=>(const TimePoint&) const = default;
};

} // namespace velora
