// Low-precision positional astronomy shared by the sun and the moon.
//
// The board needs sun and moon times good to about a minute, not an almanac,
// so everything here is the short closed-form series: mean elements that grow
// linearly with the day number, a few periodic corrections, and the rotation
// from ecliptic to equatorial coordinates through a fixed obliquity. Angles are
// radians, places are degrees (north and east positive), and moments enter and
// leave through Unix time counted in days from the J2000.0 epoch.
//
// The order of every arithmetic step is part of the contract: the sun and moon
// times are compared to the second, and the phase search samples whole hours,
// so regrouping a sum can move a result across a boundary. Keep expressions as
// they are written here.
//
//   dayNumber(Instant::fromUnix(946728000))      // 0.0: 2000-01-01T12:00:00Z
//   sunCoordinates(0.0).declination              // ≈ −0.4020 rad (−23.03°)
#pragma once

#include <numbers>

#include "core/time/instant.h"

namespace solvane::sky {

inline constexpr double kPi = std::numbers::pi;
inline constexpr double kTwoPi = 2.0 * kPi;
// Degrees to radians.
inline constexpr double kRad = 0.017453292519943295;

// Julian day of 1970-01-01 in the noon-based count used by dayNumber.
inline constexpr double kJ1970 = 2440588.0;
// Julian day of the J2000.0 epoch.
inline constexpr double kJ2000 = 2451545.0;
inline constexpr double kSecondsPerDay = 86400.0;
// Obliquity of the ecliptic, ε = 23.4397°.
inline constexpr double kSinObliquity = 0.39778370349342274;
inline constexpr double kCosObliquity = 0.9174792233260962;
// Ecliptic longitude of the Earth's perihelion, rad × 102.9372.
inline constexpr double kPerihelion = 1.796593062783907;
// Correction of the mean solar transit, days.
inline constexpr double kJ0 = 0.0009;

// Days since J2000.0 (fractional) of a moment. Not finite when the moment is
// not.
double dayNumber(Instant t);

// The moment of Julian day `julianDay`.
Instant fromJulian(double julianDay);

// Equatorial coordinates of a point at ecliptic longitude `l` and latitude `b`
// (radians). Right ascension in (−π, π], declination in [−π/2, π/2].
double rightAscension(double l, double b);
double declination(double l, double b);

// The sun's mean anomaly and ecliptic longitude with its equatorial
// coordinates, all radians, for day number `d`. The sun times need the two
// intermediate angles as well as the position, so they travel together.
struct SunCoordinates {
    double meanAnomaly = 0.0;
    double eclipticLongitude = 0.0;
    double declination = 0.0;
    double rightAscension = 0.0;
};

SunCoordinates sunCoordinates(double d);

}  // namespace solvane::sky
