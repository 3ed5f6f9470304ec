#include "core/sky/sky_math.h"

#include <cmath>

namespace solvane::sky {

double dayNumber(Instant t) {
    return t.unixSeconds() / kSecondsPerDay - 0.5 + kJ1970 - kJ2000;
}

Instant fromJulian(double julianDay) {
    return Instant::fromUnix((julianDay + 0.5 - kJ1970) * kSecondsPerDay);
}

double rightAscension(double l, double b) {
    return std::atan2(std::sin(l) * kCosObliquity - std::tan(b) * kSinObliquity, std::cos(l));
}

double declination(double l, double b) {
    return std::asin(std::sin(b) * kCosObliquity + std::cos(b) * kSinObliquity * std::sin(l));
}

SunCoordinates sunCoordinates(double d) {
    SunCoordinates sun;
    sun.meanAnomaly = kRad * (357.5291 + 0.98560028 * d);
    const double m = sun.meanAnomaly;
    const double equationOfCentre =
        kRad * (1.9148 * std::sin(m) + 0.02 * std::sin(2.0 * m) + 0.0003 * std::sin(3.0 * m));
    sun.eclipticLongitude = m + equationOfCentre + kPerihelion + kPi;
    sun.declination = declination(sun.eclipticLongitude, 0.0);
    sun.rightAscension = rightAscension(sun.eclipticLongitude, 0.0);
    return sun;
}

}  // namespace solvane::sky
