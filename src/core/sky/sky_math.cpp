#include "core/sky/sky_math.h"

#include <cmath>

namespace solvane::sky {

double dayNumber(Instant t) {
    return (t.unixSeconds() - kJ2000Unix) / kSecondsPerDay;
}

Instant fromDayNumber(double d) {
    return Instant::fromUnix(d * kSecondsPerDay + kJ2000Unix);
}

double deltaTSeconds(double y) {
    const auto longTerm = [](double year) {
        const double u = (year - 1820.0) / 100.0;
        return -20.0 + 32.0 * u * u;
    };
    if (y < -500.0) {
        return longTerm(y);
    }
    if (y < 500.0) {
        const double u = y / 100.0;
        return 10583.6 +
               u * (-1014.41 +
                    u * (33.78311 + u * (-5.952053 +
                                         u * (-0.1798452 + u * (0.022174192 + u * 0.0090316521)))));
    }
    if (y < 1600.0) {
        const double u = (y - 1000.0) / 100.0;
        return 1574.2 +
               u * (-556.01 +
                    u * (71.23472 + u * (0.319781 + u * (-0.8503463 +
                                                         u * (-0.005050998 + u * 0.0083572073)))));
    }
    if (y < 1700.0) {
        const double t = y - 1600.0;
        return 120.0 + t * (-0.9808 + t * (-0.01532 + t / 7129.0));
    }
    if (y < 1800.0) {
        const double t = y - 1700.0;
        return 8.83 + t * (0.1603 + t * (-0.0059285 + t * (0.00013336 - t / 1174000.0)));
    }
    if (y < 1860.0) {
        const double t = y - 1800.0;
        return 13.72 +
               t * (-0.332447 +
                    t * (0.0068612 +
                         t * (0.0041116 +
                              t * (-0.00037436 + t * (0.0000121272 +
                                                      t * (-0.0000001699 + t * 0.000000000875))))));
    }
    if (y < 1900.0) {
        const double t = y - 1860.0;
        return 7.62 + t * (0.5737 +
                           t * (-0.251754 + t * (0.01680668 + t * (-0.0004473624 + t / 233174.0))));
    }
    if (y < 1920.0) {
        const double t = y - 1900.0;
        return -2.79 + t * (1.494119 + t * (-0.0598939 + t * (0.0061966 - t * 0.000197)));
    }
    if (y < 1941.0) {
        const double t = y - 1920.0;
        return 21.20 + t * (0.84493 + t * (-0.076100 + t * 0.0020936));
    }
    if (y < 1961.0) {
        const double t = y - 1950.0;
        return 29.07 + t * (0.407 + t * (-1.0 / 233.0 + t / 2547.0));
    }
    if (y < 1986.0) {
        const double t = y - 1975.0;
        return 45.45 + t * (1.067 + t * (-1.0 / 260.0 - t / 718.0));
    }
    if (y < 2005.0) {
        const double t = y - 2000.0;
        return 63.86 + t * (0.3345 + t * (-0.060374 +
                                          t * (0.0017275 + t * (0.000651814 + t * 0.00002373599))));
    }
    if (y < 2050.0) {
        const double t = y - 2000.0;
        return 62.92 + t * (0.32217 + t * 0.005589);
    }
    if (y < 2150.0) {
        return longTerm(y) - 0.5628 * (2150.0 - y);
    }
    return longTerm(y);
}

double julianCenturiesTT(double d) {
    const double year = 2000.0 + d / kDaysPerJulianYear;
    return (d + deltaTSeconds(year) / kSecondsPerDay) / kDaysPerJulianCentury;
}

Nutation nutation(double T) {
    // The moon's ascending node, and the mean longitudes of the sun and moon.
    const double node = kRad * (125.04452 + T * (-1934.136261 + T * (0.0020708 + T / 450000.0)));
    const double sun = kRad * (280.4665 + 36000.7698 * T);
    const double moon = kRad * (218.3165 + 481267.8813 * T);
    Nutation n;
    n.longitude = kArcsecond * (-17.20 * std::sin(node) - 1.32 * std::sin(2.0 * sun) -
                                0.23 * std::sin(2.0 * moon) + 0.21 * std::sin(2.0 * node));
    n.obliquity = kArcsecond * (9.20 * std::cos(node) + 0.57 * std::cos(2.0 * sun) +
                                0.10 * std::cos(2.0 * moon) - 0.09 * std::cos(2.0 * node));
    return n;
}

double meanObliquity(double T) {
    // 23°26′21.448″ and its secular change, arcseconds.
    return kArcsecond * (84381.448 + T * (-46.8150 + T * (-0.00059 + T * 0.001813)));
}

EquatorOfDate equatorOfDate(double T) {
    const Nutation n = nutation(T);
    const double obliquity = meanObliquity(T) + n.obliquity;
    EquatorOfDate e;
    e.nutationInLongitude = n.longitude;
    e.sinObliquity = std::sin(obliquity);
    e.cosObliquity = std::cos(obliquity);
    e.equationOfEquinoxes = n.longitude * e.cosObliquity;
    return e;
}

double apparentSiderealTime(double d, const EquatorOfDate& equator) {
    const double T = d / kDaysPerJulianCentury;
    const double meanDegrees =
        280.46061837 + 360.98564736629 * d + T * T * (0.000387933 - T / 38710000.0);
    return kRad * meanDegrees + equator.equationOfEquinoxes;
}

Vec3 equatorialDirection(double l, double b, const EquatorOfDate& equator) {
    const double cosB = std::cos(b);
    const double sinB = std::sin(b);
    const double sinL = std::sin(l);
    return {cosB * std::cos(l), cosB * sinL * equator.cosObliquity - sinB * equator.sinObliquity,
            cosB * sinL * equator.sinObliquity + sinB * equator.cosObliquity};
}

Observer observerAt(double latitude, double longitude) {
    const double phi = kRad * latitude;
    // The reduced latitude u of a point at sea level (Meeus 11.1, height 0).
    const double u = std::atan((1.0 - kEarthFlattening) * std::tan(phi));
    Observer o;
    o.sinLatitude = std::sin(phi);
    o.cosLatitude = std::cos(phi);
    o.longitude = kRad * longitude;
    o.axisDistance = std::cos(u);
    o.equatorDistance = (1.0 - kEarthFlattening) * std::sin(u);
    return o;
}

Horizon horizonAt(const Observer& observer, double siderealTime) {
    const double local = siderealTime + observer.longitude;
    const double c = std::cos(local);
    const double s = std::sin(local);
    return {{observer.cosLatitude * c, observer.cosLatitude * s, observer.sinLatitude},
            {observer.axisDistance * c, observer.axisDistance * s, observer.equatorDistance}};
}

}  // namespace solvane::sky
