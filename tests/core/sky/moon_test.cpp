#include "core/sky/moon.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>

#include "core/sky/moon_position.h"
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
    // Any position in the lunation (the full and new moons of these years
    // are the reference test's); almanac: last quarter 2024-01-04 03:30Z,
    // first quarter 01-18 03:53Z.
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

TEST(MoonTrack, FollowsTheLunarSeries) {
    std::mt19937_64 rng(7);
    std::uniform_real_distribution<double> day(-18000.0, 55000.0);
    for (int i = 0; i < 50; ++i) {
        const double from = day(rng);
        const MoonTrack track = moonTrack(from, from + 2.1);
        for (int j = 0; j <= 21; ++j) {
            const double d = from + j * 0.1;
            const MoonPosition moon = moonPosition(julianCenturiesTT(d));
            const Vec3 expected =
                (moon.distanceKm / kEarthRadiusKm) *
                equatorialDirection(moon.longitude + track.equator.nutationInLongitude,
                                    moon.latitude, track.equator);
            const Vec3 got = moonVector(track, d);
            EXPECT_LT(norm(got - expected) / norm(expected), 0.02 * kArcsecond) << d;
        }
    }
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

}  // namespace
}  // namespace solvane::sky
