// Positional astronomy shared by the sun and the moon: time scales, the
// Earth's orientation and figure, and the turn from ecliptic to equator.
//
// A moment is counted twice. The Earth's rotation runs on universal time, so
// sidereal time takes days of UT since J2000.0 (`dayNumber`; UTC stands in for
// UT1, whose gap of under a second moves a rise by less than that). The sun and
// moon series run on terrestrial time, TT = UT + ΔT, in Julian centuries since
// J2000.0 (`julianCenturiesTT`).
//
// Nutation and the obliquity change by well under an arcsecond in a day, so a
// day's worth of positions shares one `EquatorOfDate`. Angles are radians,
// places degrees (north and east positive), distances Earth radii unless a name
// says otherwise.
//
// Sources: Meeus, Astronomical Algorithms (2nd ed., 1998): the Earth's figure
// ch. 11, sidereal time ch. 12, nutation and obliquity ch. 22; ΔT from Espenak
// and Meeus, Five Millennium Canon of Solar Eclipses (NASA, 2006).
//
//   dayNumber(Instant::fromUnix(946728000))   // 0.0: 2000-01-01T12:00:00Z
//   deltaTSeconds(2024.0)                     // ≈ 73.9 (the canon's forecast)
#pragma once

#include <cmath>
#include <numbers>

#include "core/time/instant.h"

namespace solvane::sky {

inline constexpr double kPi = std::numbers::pi;
inline constexpr double kTwoPi = 2.0 * kPi;
// Radians per degree and per arcsecond.
inline constexpr double kRad = kPi / 180.0;
inline constexpr double kArcsecond = kRad / 3600.0;

inline constexpr double kSecondsPerDay = 86400.0;
// How closely rises, sets and phases are found, days: a twentieth of a second.
inline constexpr double kTimeTolerance = 0.05 / kSecondsPerDay;
inline constexpr double kDaysPerJulianCentury = 36525.0;
inline constexpr double kDaysPerJulianYear = 365.25;
// Unix time of the J2000.0 epoch, 2000-01-01T12:00:00.
inline constexpr double kJ2000Unix = 946728000.0;

// Equatorial radius of the Earth (WGS 84), km, and its flattening.
inline constexpr double kEarthRadiusKm = 6378.137;
inline constexpr double kEarthFlattening = 1.0 / 298.257223563;
// The astronomical unit, km.
inline constexpr double kAstronomicalUnitKm = 149597870.7;

// Days of universal time since J2000.0 (fractional), and back. Not finite when
// the moment is not.
double dayNumber(Instant t);
Instant fromDayNumber(double d);

// ΔT = TT − UT in seconds for a decimal year: the canon's polynomials, fitted
// to observations up to 2005 and extrapolated after (in 2025 they run about 5 s
// ahead of the measured value, which moves the moon by 3″).
double deltaTSeconds(double year);

// Julian centuries of terrestrial time since J2000.0 at day number `d`.
double julianCenturiesTT(double d);

// Nutation in longitude Δψ and in obliquity Δε, radians, for T in Julian
// centuries of TT: the four largest terms of each, good to 0.5″ and 0.1″.
struct Nutation {
    double longitude = 0.0;
    double obliquity = 0.0;
};
Nutation nutation(double T);

// Mean obliquity of the ecliptic (IAU 1980), radians.
double meanObliquity(double T);

// What turns an apparent ecliptic position into an equatorial one and the
// Earth's rotation into apparent sidereal time on one day.
struct EquatorOfDate {
    double nutationInLongitude = 0.0;  // Δψ, added to ecliptic longitudes
    double sinObliquity = 0.0;         // of the true obliquity ε0 + Δε
    double cosObliquity = 1.0;
    double equationOfEquinoxes = 0.0;  // Δψ cos ε: apparent less mean sidereal time
};
EquatorOfDate equatorOfDate(double T);

// Greenwich apparent sidereal time, radians (not reduced to one turn), at day
// number `d`.
double apparentSiderealTime(double d, const EquatorOfDate& equator);

struct Vec3 {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

inline Vec3 operator-(Vec3 a, Vec3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline Vec3 operator*(double k, Vec3 a) {
    return {k * a.x, k * a.y, k * a.z};
}
inline double dot(Vec3 a, Vec3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
inline double norm(Vec3 a) {
    return std::sqrt(dot(a, a));
}

// The unit vector towards apparent ecliptic longitude `l` and latitude `b`, in
// the true equator and equinox of date: x towards the equinox, z towards the
// north celestial pole.
Vec3 equatorialDirection(double l, double b, const EquatorOfDate& equator);

// An observer at sea level on the Earth's ellipsoid.
struct Observer {
    double sinLatitude = 0.0;  // geodetic: the zenith's direction
    double cosLatitude = 1.0;
    double longitude = 0.0;  // radians, east positive
    // Distance from the Earth's axis and from the equator plane, Earth radii
    // (ρ cos φ′ and ρ sin φ′).
    double axisDistance = 1.0;
    double equatorDistance = 0.0;
};
Observer observerAt(double latitude, double longitude);

// The observer's zenith and position from the Earth's centre at one moment, in
// the frame of equatorialDirection, for the Greenwich apparent sidereal time
// `siderealTime`.
struct Horizon {
    Vec3 zenith;
    Vec3 position;  // Earth radii
};
Horizon horizonAt(const Observer& observer, double siderealTime);

// The root of a continuous f between a and b, where f(a) = fa and f(b) = fb
// lie on opposite sides of zero (or one is zero), to within `tolerance`:
// regula falsi with the Illinois step, which halves the weight of an end that
// has stayed put, so both ends close in. At most 60 evaluations.
template <typename F>
double findRoot(F&& f, double a, double fa, double b, double fb, double tolerance) {
    if (fa == 0.0) {
        return a;
    }
    if (fb == 0.0) {
        return b;
    }
    int keptSide = 0;
    for (int i = 0; i < 60 && std::fabs(b - a) > tolerance; ++i) {
        double c = (a * fb - b * fa) / (fb - fa);
        // A step onto an end (rounding, or a flat stretch) would stall; halve
        // instead.
        if (!(c > std::fmin(a, b) && c < std::fmax(a, b))) {
            c = 0.5 * (a + b);
        }
        const double fc = f(c);
        if (fc == 0.0) {
            return c;
        }
        if ((fc < 0.0) == (fb < 0.0)) {
            b = c;
            fb = fc;
            if (keptSide == -1) {
                fa *= 0.5;
            }
            keptSide = -1;
        } else {
            a = c;
            fa = fc;
            if (keptSide == 1) {
                fb *= 0.5;
            }
            keptSide = 1;
        }
    }
    return 0.5 * (a + b);
}

}  // namespace solvane::sky
