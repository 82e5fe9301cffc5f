#pragma once

namespace velora {

// A wall-clock instant as seconds since 2001-01-01 00:00:00 UTC. Kept as the double that is
// stored, so a value read from disk compares equal to the one that was written.
struct TimePoint {
    double secondsSinceReferenceDate = 0.0;

    static TimePoint now();

    // Spelled out rather than <=>: moc, which reads headers of Qt objects, chokes on <compare>.
    bool operator==(const TimePoint&) const = default;
    bool operator<(const TimePoint& other) const {
        return secondsSinceReferenceDate < other.secondsSinceReferenceDate;
    }
    bool operator>(const TimePoint& other) const { return other < *this; }
};

} // namespace velora
