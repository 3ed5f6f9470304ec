#include "core/sky/sky_snapshot.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "core/sky/moon.h"
#include "core/sky/moon_position.h"
#include "core/sky/sky_math.h"
#include "core/sky/sun_position.h"
#include "core/test_helpers.h"
#include "core/time/text_format.h"

namespace solvane {
namespace {

using namespace sky;
using testing::at;
using testing::cal;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// UTC to the whole second, the precision the almanac figures are given in.
std::string toSecond(std::optional<Instant> t) {
    return t ? formatIso8601(*t).value_or("?").substr(0, 19) : "none";
}

// Sunrise, sunset, golden start, blue start and blue end as UTC clock times.
std::string sunTimes(const SkySnapshot& s) {
    std::string out;
    for (const auto& t : {s.sunrise, s.sunset, s.goldenStart, s.blueStart, s.blueEnd}) {
        out += (out.empty() ? "" : " ") + (t ? toSecond(t).substr(11) : "none");
    }
    return out;
}

// Within a second of the ERFA reference (sky_reference_test.cpp).
TEST(SkySnapshot, EquatorAtTheMarchEquinox) {
    const auto s = SkySnapshot::compute(at("2024-03-20T15:00:00Z"), 0, 0, cal("UTC"));
    EXPECT_EQ(toSecond(s.sunrise), "2024-03-20T06:04:02");
    EXPECT_EQ(sunTimes(s), "06:04:02 18:10:33 17:43:14 18:23:13 18:31:13");
    EXPECT_NEAR(s.sunProgress.value_or(-1), 0.7377, 5e-5);
    EXPECT_NEAR(s.goldenProgress, 0.9624, 5e-5);
    EXPECT_NEAR(s.moonFraction, 0.8164, 5e-5);
    EXPECT_NEAR(s.moonPhase, 0.3590, 5e-5);
    EXPECT_EQ(s.phaseName(), "Waxing gibbous");
    // Today's set (02:36) came before today's rise: tomorrow's is shown.
    EXPECT_EQ(toSecond(s.moonRise), "2024-03-20T15:00:22");
    EXPECT_EQ(toSecond(s.moonSet), "2024-03-21T03:22:31");
    EXPECT_EQ(toSecond(s.nextFull), "2024-03-25T07:00:15");
    EXPECT_EQ(toSecond(s.nextNew), "2024-04-08T18:20:50");
}

// The days the midnight sun and the polar night begin and end at Tromsø.
TEST(SkySnapshot, PolarDaysBeginAndEndOnTheirDay) {
    const Calendar oslo = cal("Europe/Oslo", "en_GB");  // a 24-hour clock
    const auto local = [&](std::optional<Instant> t) {
        return t ? clockText(*t, oslo) : std::string("none");
    };
    const struct {
        const char* day;
        const char* times;  // sunrise and sunset, local clock
        std::optional<AllDaySun> allDay;
    } days[] = {
        {"2024-05-16", "01:25 00:12", std::nullopt},  {"2024-05-17", "01:07 none", std::nullopt},
        {"2024-05-18", "none none", AllDaySun::up},   {"2024-07-24", "none none", AllDaySun::up},
        {"2024-07-25", "none 00:23", std::nullopt},   {"2024-11-26", "11:05 11:56", std::nullopt},
        {"2024-11-27", "none none", AllDaySun::down}, {"2025-01-14", "none none", AllDaySun::down},
        {"2025-01-15", "11:24 12:23", std::nullopt},
    };
    for (const auto& d : days) {
        const auto s = SkySnapshot::compute(*parseIso8601(std::string(d.day) + "T12:00:00+01:00"),
                                            69.6496, 18.9560, oslo);
        EXPECT_EQ(local(s.sunrise) + " " + local(s.sunset), d.times) << d.day;
        EXPECT_EQ(s.allDaySun, d.allDay) << d.day;
    }
}

TEST(SkySnapshot, SunProgressRunsFromSunriseToSunsetInclusive) {
    const Calendar newYork = cal("America/New_York");
    const auto progressAt = [&](Instant now) {
        return SkySnapshot::compute(now, 40.7, -74.0, newYork).sunProgress;
    };
    const auto noon = SkySnapshot::compute(at("2024-07-04T12:00:00-04:00"), 40.7, -74.0, newYork);
    EXPECT_EQ(progressAt(*noon.sunrise), 0.0);
    EXPECT_EQ(progressAt(*noon.sunset), 1.0);
    EXPECT_FALSE(progressAt(*noon.sunrise - 0.001));
    EXPECT_FALSE(progressAt(*noon.sunset + 0.001));
    // Late in the evening (already tomorrow in UTC) the times still describe today.
    const auto late = SkySnapshot::compute(at("2024-07-04T23:30:00-04:00"), 40.7, -74.0, newYork);
    EXPECT_EQ(sunTimes(late), sunTimes(noon));

    const Instant r = noon.sunrise.value();
    const Instant s = r + 36000.0;
    EXPECT_EQ(goldenProgressFor(r, s, r - 60.0), 0.0);  // golden start before sunrise
    EXPECT_EQ(goldenProgressFor(r, s, s + 60.0), 1.0);  // … after sunset
    EXPECT_EQ(goldenProgressFor(s, r, r), 0.9);         // sunset not after sunrise
    EXPECT_FALSE(sunProgressAt(r, r, r));
}

TEST(SkySnapshot, PhaseNamesChangeAtTheirLowerBounds) {
    const std::pair<double, const char*> cases[] = {
        {0.0, "New moon"},         {0.03, "Waxing crescent"},   {0.22, "First quarter"},
        {0.28, "Waxing gibbous"},  {0.4699, "Waxing gibbous"},  {0.47, "Full moon"},
        {0.5, "Full moon"},        {0.53, "Waning gibbous"},    {0.72, "Last quarter"},
        {0.78, "Waning crescent"}, {0.9699, "Waning crescent"}, {0.97, "New moon"},
    };
    for (const auto& [phase, name] : cases) {
        SkySnapshot s;
        s.moonPhase = phase;
        EXPECT_EQ(s.phaseName(), name) << phase;
    }
}

// The next full or new moon is the first at or after the start of today, on
// the local day of its moment.
TEST(SkySnapshot, NextPhasesAreOnTheLocalDayOfTheirMoment) {
    const struct {
        const char* zone;
        const char* now;
        const char* nextFull;
        const char* nextNew;
    } cases[] = {
        // New moon 2020-03-24 09:28Z, 04:28 in Quito: still today's at noon.
        {"America/Guayaquil", "2020-03-24T12:00:00-05:00", "2020-04-08T02:34:54",
         "2020-03-24T09:28:10"},
        // Full moon 2024-03-25 07:00:15Z: 01:00 in Regina and 00:00:15 at
        // UTC−7, both on the 25th; 23:00 on the 24th at UTC−8.
        {"America/Regina", "2024-03-25T23:00:00-06:00", "2024-03-25T07:00:15",
         "2024-04-08T18:20:50"},
        {"Etc/GMT+7", "2024-03-25T00:00:00-07:00", "2024-03-25T07:00:15", "2024-04-08T18:20:50"},
        {"Etc/GMT+8", "2024-03-25T00:00:00-08:00", "2024-04-23T23:48:58", "2024-04-08T18:20:50"},
        {"Etc/GMT+8", "2024-03-24T23:59:00-08:00", "2024-03-25T07:00:15", "2024-04-08T18:20:50"},
    };
    for (const auto& c : cases) {
        const auto s = SkySnapshot::compute(at(c.now), 0, 0, cal(c.zone));
        EXPECT_EQ(toSecond(s.nextFull), c.nextFull) << c.zone << " " << c.now;
        EXPECT_EQ(toSecond(s.nextNew), c.nextNew) << c.zone << " " << c.now;
    }
}

TEST(SkySnapshot, BadPlacesAndMomentsLeaveFieldsAbsent) {
    const Calendar utc = cal("UTC");
    for (const auto& [lat, lon] :
         {std::pair{90.5, 0.0}, {-91.0, 0.0}, {kNaN, 0.0}, {0.0, kInf}, {0.0, kNaN}}) {
        const auto s = SkySnapshot::compute(at("2024-03-20T15:00:00Z"), lat, lon, utc);
        EXPECT_EQ(sunTimes(s), "none none none none none") << lat << " " << lon;
        EXPECT_FALSE(s.sunProgress || s.moonRise || s.moonSet);
        EXPECT_EQ(s.goldenProgress, 0.9);
        EXPECT_EQ(toSecond(s.nextFull), "2024-03-25T07:00:15");  // needs no place
    }
    for (const double t : {kNaN, kInf, -kInf}) {
        const auto s = SkySnapshot::compute(Instant{t}, 10, 20, utc);
        EXPECT_EQ(sunTimes(s), "none none none none none") << t;
        EXPECT_FALSE(s.sunProgress || s.moonRise || s.moonSet || s.nextFull || s.nextNew);
        EXPECT_EQ(s.goldenProgress, 0.9);
        EXPECT_TRUE(std::isnan(s.moonPhase));
    }
    // Beyond the calendar's range there is no day to search the moon in…
    const auto beyond = SkySnapshot::compute(Instant{1e300}, 10, 20, utc);
    EXPECT_FALSE(beyond.moonRise || beyond.moonSet || beyond.nextFull || beyond.nextNew);
    // … while far from today it still counts days, so everything is there.
    for (const char* far : {"0001-01-01T12:00:00Z", "9999-12-31T12:00:00Z"}) {
        const auto s = SkySnapshot::compute(at(far), 45, 7, utc);
        EXPECT_TRUE(s.sunrise && s.blueEnd && s.moonRise && s.nextFull && s.nextNew) << far;
        EXPECT_LT(*s.nextNew, at(far) + 31 * 86400.0);
    }
}

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
}  // namespace solvane
