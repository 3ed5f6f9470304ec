// Where the sun stands seen from the Earth's centre.
//
// The Earth's heliocentric position comes from VSOP87 (Bretagnon and Francou,
// 1988) in the truncation Meeus publishes (Astronomical Algorithms, 2nd ed.,
// ch. 25 and 32, appendix III): about 200 periodic terms, within about an
// arcsecond of the full theory for centuries around 2000. Turned round to the
// sun, moved to the FK5 frame and displaced by the annual aberration, it gives
// the sun's longitude in the mean equinox of date; adding the nutation in
// longitude (EquatorOfDate) makes it the apparent longitude.
//
// The longitude comes with its first two time derivatives, taken from the same
// series, so that one evaluation describes the sun over a whole day: the
// quadratic through them stays within a few hundredths of an arcsecond of the
// series for a day either side.
//
//   sunPosition(0.0)   // J2000.0: longitude ≈ 280.37°, distance ≈ 0.9833 au
#pragma once

#include "core/sky/sky_math.h"

namespace solvane::sky {

struct SunPosition {
    double longitude = 0.0;              // radians, mean equinox of date, aberration included
    double latitude = 0.0;               // radians
    double distanceAu = 0.0;             // from the Earth's centre
    double longitudeRate = 0.0;          // radians per day
    double longitudeAcceleration = 0.0;  // radians per day²
};

// The sun at T Julian centuries of terrestrial time since J2000.0. Not finite
// when T is not.
SunPosition sunPosition(double T);

// The same without the longitude's derivatives (left 0), for two thirds of
// the cost.
SunPosition sunPlace(double T);

struct SunLongitude {
    double longitude = 0.0;   // radians
    double ratePerDay = 0.0;  // radians per day
};

// The sun's longitude (as sunPosition's) to about 0.01° and its rate to 4
// parts in 10⁴, from the equation of the centre (Meeus ch. 25), for a
// fiftieth of the cost: for searches that then finish on sunPlace.
SunLongitude sunLongitudeLowPrecision(double T);

// The sun's apparent place over one day: its longitude (nutation included)
// as a quadratic in time about `epoch` (a day number), its latitude and
// distance held, and the equator of that day.
struct SunTrack {
    double epoch = 0.0;
    double longitude = 0.0;
    double rate = 0.0;              // radians per day
    double halfAcceleration = 0.0;  // radians per day²
    double latitude = 0.0;
    double distanceAu = 0.0;
    EquatorOfDate equator;
    // The latitude's part in equatorialDirection, worked out once.
    double cosLatitude = 1.0;
    double latitudeToY = 0.0;  // −sin β sin ε
    double latitudeToZ = 0.0;  // sin β cos ε
};

// The track about day number `d`; within a few hundredths of an arcsecond of
// the series for a day either side.
SunTrack sunTrack(double d);

// The unit vector towards the sun at day number `d` (equatorialDirection's
// frame).
Vec3 sunDirection(const SunTrack& track, double d);

}  // namespace solvane::sky
