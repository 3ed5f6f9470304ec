// The moon: where it stands, how much of it is lit, when it rises and sets on
// a day, and when the next full and new moon come.
//
// Position is a three-term series (mean longitude with the largest periodic
// term, a latitude term and a distance term). The altitude adds Meeus'
// refraction so that rise and set are meant as the observer sees them.
// Illumination comes from the angle between sun and moon seen from the Earth;
// the phase runs 0 (new) → 0.25 (first quarter) → 0.5 (full) → 0.75 (last
// quarter) → 1, and wraps to 0 at the next new moon.
//
// The searches sample time on coarse grids on purpose, and their results keep
// the grid: rise and set come from parabolas fitted through altitudes two
// hours apart, and the next full or new moon is the first whole hour after the
// crossing, counted from the start of the search (not interpolated, so up to
// an hour late). Both are bounded: at most 25 altitudes for a day's rise and
// set, at most 745 phases for a phase search.
//
//   moonIllumination(*parseIso8601("2024-03-20T15:00:00Z"))
//       // fraction ≈ 0.8172, phase ≈ 0.3594
//   nextPhase(*parseIso8601("2024-03-19T23:00:00Z"), kFullMoonPhase)
//       // 2024-03-25T06:00:00Z, on the hour grid of the start
#pragma once

#include <optional>

#include "core/time/instant.h"

namespace solvane::sky {

// Length of the mean lunation (new moon to new moon), days.
inline constexpr double kMeanLunationDays = 29.530588853;
// Hourly steps of a phase search: 31 days, more than any lunation.
inline constexpr int kPhaseSearchHours = 744;
// Phase search targets.
inline constexpr double kFullMoonPhase = 0.5;
inline constexpr double kNewMoonPhase = 0.0;

struct MoonCoordinates {
    double rightAscension = 0.0;  // radians
    double declination = 0.0;     // radians
    double distanceKm = 0.0;
};

// Geocentric position of the moon for day number `d` (days since J2000).
MoonCoordinates moonCoordinates(double d);

// The moon's altitude above the horizon in radians at moment `t`, seen from
// latitude and longitude in degrees, refraction included. The refraction is
// that of the horizon for every altitude below it, so the result stays finite
// below the horizon.
double moonAltitude(Instant t, double latitude, double longitude);

struct MoonIllumination {
    double fraction = 0.0;  // lit share of the disc, 0…1
    double phase = 0.0;     // position in the lunation, 0…1
};

// Illumination at moment `t`; both values are not a number when `t` is not
// finite.
MoonIllumination moonIllumination(Instant t);

struct MoonTimes {
    std::optional<Instant> rise;
    std::optional<Instant> set;
    bool operator==(const MoonTimes&) const = default;
};

// Moonrise and moonset within the 24 hours from `dayStart`, searched in
// two-hour windows. The search stops at the first window by which both are
// known; until then a later crossing in the same direction replaces an
// earlier one (so a set, rise, set day keeps the first set when the rise
// and the second set fall in different windows). Both are absent when the moon stays up or down all
// day, or when the inputs are not finite.
MoonTimes moonTimes(Instant dayStart, double latitude, double longitude);

// The moonrise and moonset shown for a day, from the moon times of that day
// and of the next: the day's rise (else the next day's), followed by the first
// set after it, so that the pair brackets one passage of the moon even when it
// sets tomorrow. Without any rise, the day's set, else the next day's.
MoonTimes shownMoonTimes(const MoonTimes& today, const MoonTimes& tomorrow);

// The first moment start + k hours (k = 1 … 744) at which the phase has passed
// `target`: for the new moon (target 0) the hour at which it wraps from above
// 0.9 to below 0.1, for any other target the first hour at or past it after an
// hour before it. Absent when no such hour comes within 744 hours, or when
// `start` is not finite.
//
// For the full and new moon it evaluates the phase about a dozen times
// instead of up to 745: it jumps to some hours before the crossing predicted
// from the lunar and solar longitudes and scans hourly from there, on the same
// grid, and falls back to the full scan whenever it cannot show that the
// skipped hours hold no crossing. Its result is always that of
// nextPhaseReference.
std::optional<Instant> nextPhase(Instant start, double target);

// The plain hourly scan from start + 1 hour, one phase per hour.
std::optional<Instant> nextPhaseReference(Instant start, double target);

}  // namespace solvane::sky
