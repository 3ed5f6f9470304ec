// An independent sky to check the board's against, built on ERFA (the IAU's
// SOFA algorithms) and sharing no code with src/core/sky: the sun from
// eraEpv00 with annual aberration, the moon from eraMoon98 a light-time
// earlier, both turned to the true equator and equinox of date (IAU 2000
// precession-nutation) under the Earth rotation angle. UT is the moment as
// UTC; TT adds this file's ΔT, not the code's.
//
// A `Span` interpolates hourly (moon) or twelve-hourly (sun) ERFA nodes so
// altitudes can be scanned every few minutes cheaply; `scan` finds every zero.
#pragma once

#include <array>
#include <functional>
#include <vector>

#include "core/time/instant.h"

namespace solvane::erfa_sky {

using Vector = std::array<double, 3>;

// ΔT = TT − UT in seconds: measured to 2025, then towards Morrison and
// Stephenson's parabola, followed from 2150.
double deltaT(double year);

// Days of terrestrial time since J2000.0 at moment `t`.
double terrestrialDays(Instant t);

// The sun's apparent longitude of date, radians, `ttDays` of TT after J2000.
double apparentSolarLongitude(double ttDays);

// The moon's apparent longitude less the sun's (ecliptic of date), in (−π, π].
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

    // The sky from `from` to `to` (a few days at most).
    Span(Instant from, Instant to, Bodies bodies);

    // Radians: the sun's centre from the Earth's centre, its hour angle in
    // (−π, π], and the moon's upper limb from the place plus 34′ of
    // refraction (zero at moonrise and moonset).
    double sunAltitude(const Place& place, Instant t) const;
    double sunHourAngle(const Place& place, Instant t) const;
    double moonLimbAltitude(const Place& place, Instant t) const;

  private:
    // GCRS to true equator of date, and the equation of the origins.
    struct Frame {
        std::array<Vector, 3> toDate;
        double equationOfOrigins = 0.0;
    };
    static Frame frameAtTT(double ttDays);
    // The cubic through the nodes, `stepSeconds` apart from first_, nearest t.
    Vector interpolate(const std::vector<Vector>& nodes, double stepSeconds, Instant t) const;
    // Linear between the ends: over a few days the frame turns under 1″.
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

// Every zero of `f` in [from, to), sampled every `stepSeconds` and refined to
// 0.01 s; a turn between samples that crosses zero gives two crossings.
Scan scan(const std::function<double(Instant)>& f, Instant from, Instant to, double stepSeconds);

}  // namespace solvane::erfa_sky
