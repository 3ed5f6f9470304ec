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

SunTimePair sunTimePairFromBase(Instant base, double latitude, double longitude,
                                double sinAltitude) {
    const double lw = -kRad * longitude;
    const double phi = kRad * latitude;
    const double d = dayNumber(base);
    // Kept as a double: for a moment or longitude far out of range the cycle
    // number is huge or not a number, and it only ever feeds more arithmetic.
    const double n = std::round(d - kJ0 - lw / kTwoPi);
    const double ds = kJ0 + lw / kTwoPi + n;
    const SunCoordinates sun = sunCoordinates(ds);
    const double noon = solarTransitJulian(ds, sun.meanAnomaly, sun.eclipticLongitude);

    const double w = hourAngle(sinAltitude, phi, sun.declination);
    if (std::isnan(w)) {
        return {};
    }
    const double set =
        solarTransitJulian(kJ0 + (w + lw) / kTwoPi + n, sun.meanAnomaly, sun.eclipticLongitude);
    const double rise = noon - (set - noon);
    return {finiteMoment(fromJulian(rise)), finiteMoment(fromJulian(set))};
}

SunTimePair sunTimePair(Instant now, double latitude, double longitude, const Calendar& calendar,
                        double sinAltitude) {
    return sunTimePairFromBase(solarDayBase(now, calendar), latitude, longitude, sinAltitude);
}

}  // namespace solvane::sky
