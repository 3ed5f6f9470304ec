// An independent sky to check the board's against, built on ERFA (the IAU's
// SOFA algorithms) and sharing no code with src/core/sky.
//
// The sun: the Earth's heliocentric position and barycentric velocity from
// eraEpv00 (within a few km of the JPL ephemeris), turned round and displaced
// by the annual aberration. The moon: eraMoon98 (the same ELP truncation, with
// its own frame handling), taken one light-time earlier. Both are turned from
// the GCRS to the true equator and equinox of date with IAU 2000 precession
// and nutation (the 2000B series in altitude scans, 2006/2000A elsewhere), and
// the Earth is turned under them by the Earth rotation angle less the
// equation of the origins. Universal time is taken
// from the moment as UTC; terrestrial time adds this file's ΔT (measured
// values, then a forecast), not the code's.
//
// A `Span` evaluates ERFA every hour for the moon and every twelve hours for
// the sun and interpolates between (cubic in time, within 0.001″), so that
// altitudes can be scanned every few minutes cheaply; `scan` finds every zero of an altitude by
// sign changes, bisection and a close look at every turn between samples.
#pragma once

#include <array>
#include <functional>
#include <vector>

#include "core/time/instant.h"

namespace solvane::erfa_sky {

using Vector = std::array<double, 3>;

// ΔT = TT − UT in seconds: measured 5-year means up to 2025, then a straight
// line to the long-term parabola of Morrison and Stephenson, which it follows
// from 2150.
double deltaT(double year);

// Days of terrestrial time since J2000.0 at moment `t`.
double terrestrialDays(Instant t);

// The sun's apparent geocentric longitude in the true ecliptic and equinox of
// date, radians, at `ttDays` days of TT since J2000.0.
double apparentSolarLongitude(double ttDays);

// The moon's apparent geocentric longitude less the sun's, in the ecliptic of
// date, radians in (−π, π].
double elongation(Instant t);

// The share of the moon's disc lit as seen from the Earth's centre.
double illuminatedFraction(Instant t);

// A place at sea level on the WGS 84 ellipsoid.
struct Place {
    double latitude = 0.0;   // degrees
    double longitude = 0.0;  // degrees, east positive
};

class Span {
  public:
    enum class Bodies { sun, moon };

    // The sky from `from` to `to` (a few days at most), with the sun or the
    // moon.
    Span(Instant from, Instant to, Bodies bodies);

    // Altitude of the sun's centre seen from the Earth's centre, radians.
    double sunAltitude(const Place& place, Instant t) const;
    // The sun's local hour angle, radians in (−π, π].
    double sunHourAngle(const Place& place, Instant t) const;
    // Altitude of the moon's upper limb seen from the place, plus 34′ of
    // horizontal refraction: zero at moonrise and moonset.
    double moonLimbAltitude(const Place& place, Instant t) const;

  private:
    // The turn from the GCRS to the true equator and equinox of date, and the
    // equation of the origins (Earth rotation angle less apparent sidereal
    // time), at one moment.
    struct Frame {
        std::array<Vector, 3> toDate;
        double equationOfOrigins = 0.0;
    };
    static Frame frameAtTT(double ttDays);
    // The cubic through the nodes, `stepSeconds` apart from first_, nearest t.
    Vector interpolate(const std::vector<Vector>& nodes, double stepSeconds, Instant t) const;
    // The frame at `t`, interpolated along a straight line between the ends:
    // over a few days precession and nutation turn it by under an arcsecond,
    // nearly uniformly.
    Frame frameAt(Instant t) const;
    // Greenwich apparent sidereal time plus the place's longitude, radians.
    double localSiderealTime(const Place& place, Instant t, const Frame& frame) const;

    Instant first_;
    Instant last_;
    std::vector<Vector> sun_;   // apparent direction (unit), GCRS
    std::vector<Vector> moon_;  // position a light-time earlier, GCRS, metres
    Frame firstFrame_;
    Frame lastFrame_;
};

struct Crossing {
    Instant at;
    bool rise = false;
};

struct Turn {
    Instant at;
    double value = 0.0;  // of f there
};

struct Scan {
    std::vector<Crossing> crossings;  // in order
    std::vector<Turn> turns;          // every peak and dip of f between the ends
};

// Every zero of `f` from `from` (included) to `to` (excluded), sampled every
// `stepSeconds` and refined to a hundredth of a second; a turn between samples
// is located to a second and, if it crosses zero, gives two crossings.
Scan scan(const std::function<double(Instant)>& f, Instant from, Instant to, double stepSeconds);

}  // namespace solvane::erfa_sky
