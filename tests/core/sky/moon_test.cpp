#include "core/sky/moon.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "core/sky/moon_position.h"
#include "core/sky/sky_math.h"
#include "core/sky/sun_position.h"
#include "core/test_helpers.h"

namespace solvane::sky {
namespace {

using solvane::testing::at;

TEST(MoonIllumination, WorkedExampleAndTheTrackAgree) {
    // Meeus 48.a, 1992-04-12 0h TD (58 s of ΔT before): 67.86 % lit, waxing.
    const Instant t = at("1992-04-12T00:00:00Z") - 58.0;
    const MoonIllumination lit = moonIllumination(t);
    EXPECT_NEAR(lit.fraction, 0.6786, 5e-5);
    EXPECT_LT(lit.phase, 0.5);
    // The phase and the fraction describe the same disc.
    EXPECT_NEAR((1.0 - std::cos(kTwoPi * lit.phase)) / 2.0, lit.fraction, 1e-12);
    const MoonIllumination fromTrack = moonIllumination(sunTrack(dayNumber(t) + 0.4), t);
    EXPECT_NEAR(fromTrack.fraction, lit.fraction, 1e-6);
    EXPECT_NEAR(fromTrack.phase, lit.phase, 1e-6);
    EXPECT_TRUE(std::isnan(moonIllumination(Instant{std::nan("")}).phase));
}

TEST(MoonPhaseSearch, FindsTheFirstMomentAtOrAfterTheStart) {
    // Meeus 49.a: new moon 1977-02-18 03:37:40 TD, 03:36:52 UT.
    const auto fresh = nextPhase(at("1977-02-10T00:00:00Z"), kNewMoonPhase);
    ASSERT_TRUE(fresh);
    EXPECT_NEAR(*fresh - at("1977-02-18T03:36:52Z"), 0.0, 10.0);
    // From the moment itself, or a second before, it is that moment; from a
    // second after, the next lunation's.
    EXPECT_NEAR(*nextPhase(*fresh, kNewMoonPhase) - *fresh, 0.0, 0.1);
    EXPECT_NEAR(*nextPhase(*fresh - 1.0, kNewMoonPhase) - *fresh, 0.0, 0.1);
    EXPECT_NEAR(*nextPhase(*fresh + 1.0, kNewMoonPhase) - *fresh, kMeanLunationDays * 86400.0,
                1.0 * 86400.0);
    // The quarters too (full and new moons are the reference test's).
    const Instant start = at("2024-01-01T00:00:00Z");
    const std::pair<double, const char*> phases[] = {{0.75, "2024-01-04T03:30:00Z"},
                                                     {0.25, "2024-01-18T03:53:00Z"}};
    for (const auto& [target, almanac] : phases) {
        const auto moment = nextPhase(start, target);
        ASSERT_TRUE(moment) << target;
        EXPECT_NEAR(*moment - at(almanac), 0.0, 60.0) << target;
    }
    for (const double bad : {1.0, -0.1, std::nan("")}) {
        EXPECT_FALSE(nextPhase(start, bad)) << bad;
    }
    EXPECT_FALSE(nextPhase(Instant{std::numeric_limits<double>::infinity()}, 0.5));
}

// The pair shown is the first rise and the set that ends its passage.
TEST(MoonTimes, ShownPairIsARiseAndTheSetThatEndsItsPassage) {
    const auto h = [](double hours) { return Instant{hours * 3600.0}; };
    const auto hh = [&](double hours) { return std::optional(h(hours)); };
    struct Case {
        const char* what;
        std::vector<MoonCrossing> crossings;
        MoonTimes shown;
    };
    const Case cases[] = {
        {"rise then set today", {{h(5), true}, {h(17), false}, {h(30), true}}, {hh(5), hh(17)}},
        {"set before rise today", {{h(3), false}, {h(15), true}, {h(28), false}}, {hh(15), hh(28)}},
        {"no rise today", {{h(10), false}, {h(26), true}, {h(36), false}}, {hh(26), hh(36)}},
        {"up for minutes, then the night's passage",
         {{h(2), true}, {h(2.2), false}, {h(20), true}},
         {hh(2), hh(2.2)}},
        {"no set after the rise", {{h(3), false}, {h(15), true}}, {hh(15), std::nullopt}},
        {"no rise at all", {{h(10), false}}, {std::nullopt, hh(10)}},
        {"nothing", {}, {}},
    };
    for (const auto& c : cases) {
        MoonCrossings crossings;
        for (const auto& x : c.crossings) {
            crossings.items[static_cast<std::size_t>(crossings.count++)] = x;
        }
        EXPECT_EQ(shownMoonTimes(crossings), c.shown) << c.what;
    }
}

// Whole days with the moon above or below, far north, are checked against
// the reference; here the spans the search refuses.
TEST(MoonTimes, SpansThatCannotBeSearchedHaveNoCrossings) {
    const Observer north = observerAt(80, 15);
    // No span, a reversed one, or one too long to sample: no crossings.
    const MoonTrack track = moonTrack(0.0, 2.0);
    for (const auto& [from, to] : {std::pair{0.5, 0.5}, {1.0, 0.5}, {0.0, 5.0}, {0.0, NAN}}) {
        EXPECT_EQ(moonCrossings(track, north, fromDayNumber(from), fromDayNumber(to)).count, 0)
            << from << " " << to;
    }
}

// Julian centuries since J2000.0 of a Julian day.
double centuries(double julianDay) {
    return (julianDay - 2451545.0) / kDaysPerJulianCentury;
}

double degrees(double radians) {
    const double d = radians / kRad;
    return d - 360.0 * std::floor(d / 360.0);
}

// Meeus's worked examples (Astronomical Algorithms, 2nd ed.) pin down every
// table and constant typed in from the book.
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
