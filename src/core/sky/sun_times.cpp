#include "core/sky/sun_times.h"

#include <cmath>

#include "core/sky/sky_math.h"

namespace solvane::sky {
namespace {

// Hour angle at which a body at declination `dec` reaches the altitude whose
// sine is `sinAltitude`, seen from latitude `phi`; not a number when it never
// does.
double hourAngle(double sinAltitude, double phi, double dec) {
    return std::acos((sinAltitude - std::sin(phi) * std::sin(dec)) /
                     (std::cos(phi) * std::cos(dec)));
}

// Julian day of the transit `ds` (days since J2000) corrected by the equation
// of time.
double solarTransitJulian(double ds, double meanAnomaly, double eclipticLongitude) {
    return kJ2000 + ds + 0.0053 * std::sin(meanAnomaly) -
           0.0069 * std::sin(2.0 * eclipticLongitude);
}

std::optional<Instant> finiteMoment(Instant t) {
    return std::isfinite(t.seconds) ? std::optional(t) : std::nullopt;
}

}  // namespace

Instant solarDayBase(Instant now, const Calendar& calendar) {
    if (const auto day = calendar.civilDate(now)) {
        if (const auto noon = calendar.date(day->year, day->month, day->day, 12)) {
            return *noon;
        }
    }
    return now;
}

namespace {

// The mean solar transit nearest `base` at the place: its cycle number, the
// sun's position then and solar noon as a Julian day.
struct Transit {
    double lw = 0;
    double phi = 0;
    double n = 0;
    SunCoordinates sun;
    double noon = 0;
};

Transit transitNear(Instant base, double latitude, double longitude) {
    Transit t;
    t.lw = -kRad * longitude;
    t.phi = kRad * latitude;
    // Kept as a double: for a moment or longitude far out of range the cycle
    // number is huge or not a number, and it only ever feeds more arithmetic.
    t.n = std::round(dayNumber(base) - kJ0 - t.lw / kTwoPi);
    const double ds = kJ0 + t.lw / kTwoPi + t.n;
    t.sun = sunCoordinates(ds);
    t.noon = solarTransitJulian(ds, t.sun.meanAnomaly, t.sun.eclipticLongitude);
    return t;
}

}  // namespace

SunTimePair sunTimePairFromBase(Instant base, double latitude, double longitude,
                                double sinAltitude) {
    const Transit t = transitNear(base, latitude, longitude);
    const double w = hourAngle(sinAltitude, t.phi, t.sun.declination);
    if (std::isnan(w)) {
        return {};
    }
    const double set = solarTransitJulian(kJ0 + (w + t.lw) / kTwoPi + t.n, t.sun.meanAnomaly,
                                          t.sun.eclipticLongitude);
    const double rise = t.noon - (set - t.noon);
    return {finiteMoment(fromJulian(rise)), finiteMoment(fromJulian(set))};
}

std::optional<AllDay> allDayFromBase(Instant base, double latitude, double longitude,
                                     double sinAltitude) {
    const Transit t = transitNear(base, latitude, longitude);
    const double cosW = (sinAltitude - std::sin(t.phi) * std::sin(t.sun.declination)) /
                        (std::cos(t.phi) * std::cos(t.sun.declination));
    const auto noon = finiteMoment(fromJulian(t.noon));
    // Beyond ±1 the hour angle has no solution: below −1 the sun clears the
    // altitude even at midnight, above 1 it stays short of it even at noon.
    if (!noon || !(cosW < -1.0 || cosW > 1.0)) {
        return std::nullopt;
    }
    return AllDay{cosW < -1.0, *noon};
}

SunTimePair sunTimePair(Instant now, double latitude, double longitude, const Calendar& calendar,
                        double sinAltitude) {
    return sunTimePairFromBase(solarDayBase(now, calendar), latitude, longitude, sinAltitude);
}

}  // namespace solvane::sky
