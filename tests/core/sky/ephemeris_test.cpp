// The series behind the sky against the worked examples of Meeus,
// Astronomical Algorithms (2nd ed.), which pin down every table and constant
// typed in from it.
#include <gtest/gtest.h>

#include <cmath>

#include "core/sky/moon_position.h"
#include "core/sky/sky_math.h"
#include "core/sky/sun_position.h"

namespace solvane::sky {
namespace {

// Julian centuries since J2000.0 of a Julian day.
double centuries(double julianDay) {
    return (julianDay - 2451545.0) / kDaysPerJulianCentury;
}

double degrees(double radians) {
    const double d = radians / kRad;
    return d - 360.0 * std::floor(d / 360.0);
}

TEST(Ephemeris, WorkedExamples) {
    // 22.a, 1987-04-10 0h TD: Δψ −3.788″, Δε +9.443″ (the short series is good
    // to 0.5″ and 0.1″), ε0 23°26′27.407″.
    const double t22 = centuries(2446895.5);
    EXPECT_NEAR(nutation(t22).longitude / kArcsecond, -3.788, 0.5);
    EXPECT_NEAR(nutation(t22).obliquity / kArcsecond, 9.443, 0.1);
    EXPECT_NEAR(meanObliquity(t22) / kArcsecond, 84387.407, 0.001);
    // 12.b, 1987-04-10 19:21:00 UT: apparent sidereal time 8h34m56.853s.
    const double d12 = dayNumber(*parseIso8601("1987-04-10T19:21:00Z"));
    const double hours = degrees(apparentSiderealTime(d12, equatorOfDate(t22))) / 15.0;
    EXPECT_NEAR(hours * 3600.0, 8 * 3600 + 34 * 60 + 56.853, 0.02);
    // 25.b, 1992-10-13 0h TD: apparent longitude 199°54′21.818″ with Δψ
    // +15.908″, radius vector 0.99760775 (in the truncated series).
    const SunPosition sun = sunPosition(-0.072183436);
    EXPECT_NEAR((degrees(sun.longitude) - 199.0) * 3600.0 + 15.908, 54 * 60 + 21.818, 0.05);
    EXPECT_NEAR(sun.distanceAu, 0.99760775, 1e-8);
    // 47.a, 1992-04-12 0h TD: λ 133.162655°, β −3.229126°, Δ 368409.7 km.
    const MoonPosition moon = moonPosition(-0.077221081451);
    EXPECT_NEAR(degrees(moon.longitude), 133.162655, 1e-6);
    EXPECT_NEAR(moon.latitude / kRad, -3.229126, 1e-6);
    EXPECT_NEAR(moon.distanceKm, 368409.7, 0.05);
}

// The rates ride with the positions: the sun's quadratic and the moon's
// Newton steps stand on them.
TEST(Ephemeris, RatesMatchTheSeries) {
    for (const double T : {-0.5, -0.077, 0.0, 0.24, 1.5}) {
        const double h = 0.01 / kDaysPerJulianCentury;  // a hundredth of a day
        const SunPosition sun = sunPosition(T);
        const SunPosition later = sunPlace(T + h);
        const SunPosition earlier = sunPlace(T - h);
        const double rate = std::remainder(later.longitude - earlier.longitude, kTwoPi) / 0.02;
        // The aberration's rate (from the changing distance) is left out:
        // 3 × 10⁻⁸ radians a day at most.
        EXPECT_NEAR(sun.longitudeRate, rate, 1e-7) << T;
        EXPECT_NEAR(sun.longitude, sunPlace(T).longitude, 1e-12) << T;
        // Over a day the quadratic stays within a few hundredths of an
        // arcsecond (the Earth's monthly swing about the Earth–moon
        // barycentre is the term it misses).
        const double quadratic =
            sun.longitude + sun.longitudeRate + 0.5 * sun.longitudeAcceleration;
        EXPECT_NEAR(std::remainder(quadratic - sunPlace(T + 100 * h).longitude, kTwoPi), 0.0,
                    0.05 * kArcsecond)
            << T;
        const SunLongitude low = sunLongitudeLowPrecision(T);
        EXPECT_NEAR(std::remainder(low.longitude - sun.longitude, kTwoPi), 0.0, 0.01 * kRad) << T;
        EXPECT_NEAR(low.ratePerDay, sun.longitudeRate, 4e-4 * sun.longitudeRate) << T;

        const MoonLongitude moon = moonLongitude(T);
        EXPECT_NEAR(moon.longitude, moonPosition(T).longitude, 1e-12) << T;
        const double moonRate =
            std::remainder(moonPosition(T + h).longitude - moonPosition(T - h).longitude, kTwoPi) /
            0.02;
        // The additive terms' rates are left out: 6 × 10⁻⁶ of the rate at most.
        EXPECT_NEAR(moon.ratePerDay, moonRate, 2e-6) << T;
    }
}

TEST(Ephemeris, DeltaT) {
    // Espenak and Meeus's polynomials at the edges of their pieces, seconds.
    const std::pair<double, double> cases[] = {
        {1900.0, -2.79}, {1950.0, 29.07}, {2000.0, 63.86}, {2024.0, 73.87}, {2150.0, 328.48},
    };
    for (const auto& [year, seconds] : cases) {
        EXPECT_NEAR(deltaTSeconds(year), seconds, 0.01) << year;
    }
    EXPECT_NEAR(julianCenturiesTT(0.0) * kDaysPerJulianCentury * kSecondsPerDay, 63.86, 0.01);
}

}  // namespace
}  // namespace solvane::sky
