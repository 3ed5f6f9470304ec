// The moon as the board shows it: how much of it is lit, where it is in its
// cycle, when it rises and sets, and when the next full and new moon come.
//
// Positions come from the lunar series (moon_position.h) and the solar one
// (sun_position.h). Illumination is that of the disc seen from the Earth's
// centre, from the true angle between sun and moon; the phase runs 0 (new) →
// 0.25 (first quarter) → 0.5 (full) → 0.75 (last quarter) → 1 and wraps to 0
// at the next new moon.
//
// Rise and set are those of the upper limb, seen from the place (the parallax
// of up to a degree included) with the standard 34′ of horizontal refraction,
// at sea level. Over the day or two being searched the lunar series is
// evaluated at a few moments only and the moon's path between them is a
// Chebyshev series (MoonTrack), so the altitude can be sampled every hour and
// each crossing refined to a twentieth of a second; a passage too short to
// show between two samples is caught where the altitude peaks (or dips) near
// the horizon.
//
// The next full or new moon is the moment the moon's longitude stands 180° or
// 0° from the sun's, found to a fraction of a second of the series.
//
//   moonIllumination(*parseIso8601("2024-03-20T15:00:00Z"))
//       // fraction ≈ 0.8164, phase ≈ 0.3590
//   nextPhase(*parseIso8601("2024-03-20T00:00:00Z"), kFullMoonPhase)
//       // 2024-03-25T07:00:16Z (almanac: 07:00)
#pragma once

#include <array>
#include <optional>

#include "core/sky/sky_math.h"
#include "core/sky/sun_position.h"
#include "core/time/instant.h"

namespace solvane::sky {

// Length of the mean lunation (new moon to new moon), days.
inline constexpr double kMeanLunationDays = 29.530588853;
inline constexpr double kFullMoonPhase = 0.5;
inline constexpr double kNewMoonPhase = 0.0;

// Standard refraction at the horizon, and the moon's radius in Earth radii.
inline constexpr double kHorizonRefraction = 34.0 / 60.0 * kRad;
inline constexpr double kMoonRadiusInEarthRadii = 0.2725076;

struct MoonIllumination {
    double fraction = 0.0;  // lit share of the disc, 0…1
    double phase = 0.0;     // position in the lunation, 0…1
};

// Illumination at moment `t`; both values are not a number when `t` is not
// finite.
MoonIllumination moonIllumination(Instant t);

// The same with the sun taken from `sun`, a track of the day of `t`: what a
// snapshot, which holds one, pays for it is the moon's position alone.
MoonIllumination moonIllumination(const SunTrack& sun, Instant t);

// The first moment at or after `start` at which the phase reaches `target`
// (0 new moon, 0.25 first quarter, 0.5 full moon, 0.75 last quarter, or any
// position in between), measured as the moon's longitude less the sun's.
// Absent when the target lies outside 0…1 (1 excluded) or `start` is not
// finite.
std::optional<Instant> nextPhase(Instant start, double target);

// Nodes of a MoonTrack. Over two days the series through them stays within
// 0.02″ of the lunar series.
inline constexpr int kMoonTrackNodes = 6;

// The moon's geocentric position from day number `from` to `to` (a span of up
// to about two days), in Earth radii and the true equator of date.
struct MoonTrack {
    double from = 0.0;
    double to = 0.0;
    std::array<Vec3, kMoonTrackNodes> coefficients{};
    EquatorOfDate equator;
};
MoonTrack moonTrack(double from, double to);
Vec3 moonVector(const MoonTrack& track, double d);

// The altitude of the moon's upper limb, radians, seen from `observer` at day
// number `d` within the track, as it would look through the standard
// horizontal refraction: zero at moonrise and moonset.
double moonLimbAltitude(const MoonTrack& track, const Observer& observer, double d);

struct MoonCrossing {
    Instant at;
    bool rise = false;
};

// Every moonrise and moonset from `from` (included) to `to` (excluded), in
// order. At most kMaxMoonCrossings; two days hold four, or a few more where
// the moon grazes the horizon at high latitudes.
inline constexpr int kMaxMoonCrossings = 16;
struct MoonCrossings {
    std::array<MoonCrossing, kMaxMoonCrossings> items{};
    int count = 0;
};
MoonCrossings moonCrossings(const MoonTrack& track, const Observer& observer, Instant from,
                            Instant to);

struct MoonTimes {
    std::optional<Instant> rise;
    std::optional<Instant> set;
    bool operator==(const MoonTimes&) const = default;
};

// The moonrise and moonset shown for a day, from the crossings of that day and
// the next: the first rise (today's, else tomorrow's) and the first set after
// it, so that the pair brackets one passage of the moon even when it sets
// tomorrow; without any rise, the first set.
MoonTimes shownMoonTimes(const MoonCrossings& crossings);

}  // namespace solvane::sky
