// The board's sun times against an independent sky (erfa_sky.h) over random
// places and days from 1950 to 2150, latitudes −66° to +78°, through the days
// the midnight sun and the polar night begin and end, and against published
// almanac figures. Each test prints the spread of its differences.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "core/sky/sky_snapshot.h"
#include "sky/erfa_sky.h"
#include "sky/reference_cases.h"

namespace solvane {
namespace {

using erfa_sky::Place;
using namespace reference;

// The moment near `guess` at which the sun's hour angle is `target` (0 or π).
Instant sunTransit(const erfa_sky::Span& span, const Place& place, Instant guess, double target) {
    const auto offset = [&](Instant t) {
        return std::remainder(span.sunHourAngle(place, t) - target, 2 * reference::kPi);
    };
    Instant t = guess - offset(guess) / (2 * reference::kPi) * kDay;
    // The hour angle runs at one turn a day, give or take 30 s; bisect the
    // last half hour.
    Instant a = t - 900.0;
    Instant b = t + 900.0;
    while (b - a > 0.01) {
        const Instant m = a + (b - a) / 2;
        (offset(m) < 0 ? a : b) = m;
    }
    return a;
}

struct SunReference {
    std::optional<Instant> morning;
    std::optional<Instant> evening;
    // How far the sun's altitude at the three transits lies from the altitude
    // on the morning's and evening's side, radians: near zero the sun grazes it.
    double morningMargin = 0;
    double eveningMargin = 0;
};

// The solar day nearest local noon: its noon and the midnights either side.
struct SolarDay {
    Instant before;
    Instant noon;
    Instant after;
};

SolarDay referenceSolarDay(const erfa_sky::Span& span, const Place& place, Instant base) {
    const Instant noon = sunTransit(span, place, base, 0.0);
    return {sunTransit(span, place, noon - kDay / 2, reference::kPi), noon,
            sunTransit(span, place, noon + kDay / 2, reference::kPi)};
}

SunReference referenceSunTimes(const erfa_sky::Span& span, const Place& place, const SolarDay& day,
                               double altitude) {
    const auto [before, noon, after] = day;
    const auto f = [&](Instant t) { return span.sunAltitude(place, t) - altitude; };
    const erfa_sky::Scan s = erfa_sky::scan(f, before, after, 1200.0);
    SunReference r;
    for (const auto& c : s.crossings) {
        if (c.rise && c.at <= noon && !r.morning) {
            r.morning = c.at;
        }
        if (!c.rise && c.at >= noon && !r.evening) {
            r.evening = c.at;
        }
    }
    const double atNoon = f(noon);
    r.morningMargin = std::min(std::fabs(atNoon), std::fabs(f(before)));
    r.eveningMargin = std::min(std::fabs(atNoon), std::fabs(f(after)));
    return r;
}

// Within this of the altitude the sun grazes it: whether it crosses is up to
// an arcsecond of either ephemeris.
constexpr double kGrazing = 5.0 / 3600.0 * kRad;
// Polar-edge days: the sun's noon or midnight altitude within this of the
// altitude looked for, where a crossing's moment hangs on a flat curve.
constexpr double kPolarEdge = 1.0 * kRad;

TEST(SkyReference, SunTimesAgreeWithErfa) {
    struct Field {
        const char* name;
        double altitude;
        bool morning;
        std::optional<Instant> SkySnapshot::*member;
    };
    const Field fields[] = {
        {"sunrise", -50.0 / 60.0 * kRad, true, &SkySnapshot::sunrise},
        {"sunset", -50.0 / 60.0 * kRad, false, &SkySnapshot::sunset},
        {"golden start", 6.0 * kRad, false, &SkySnapshot::goldenStart},
        {"blue start", -4.0 * kRad, false, &SkySnapshot::blueStart},
        {"blue end", -6.0 * kRad, false, &SkySnapshot::blueEnd},
    };
    Spread riseSet;
    Spread goldenBlue;
    Spread nearEdge;
    int presenceChecked = 0;
    for (const Case& c : randomCases(kCases, 29)) {
        const Instant base = localNoon(c);
        const erfa_sky::Span span(base - 1.2 * kDay, base + 1.2 * kDay,
                                  erfa_sky::Span::Bodies::sun);
        const SolarDay day = referenceSolarDay(span, c.place, base);
        const SkySnapshot s =
            SkySnapshot::compute(c.now, c.place.latitude, c.place.longitude, c.cal());
        for (const Field& field : fields) {
            const SunReference r = referenceSunTimes(span, c.place, day, field.altitude);
            const auto expected = field.morning ? r.morning : r.evening;
            const double margin = field.morning ? r.morningMargin : r.eveningMargin;
            const auto got = s.*field.member;
            if (margin > kGrazing) {
                ++presenceChecked;
                EXPECT_EQ(got.has_value(), expected.has_value())
                    << field.name << " " << c.describe() << ": " << iso(got) << " vs "
                    << iso(expected);
            }
            if (!got || !expected) {
                continue;
            }
            const double error = *got - *expected;
            if (margin < kPolarEdge) {
                nearEdge.add(error);
            } else {
                (field.altitude == fields[0].altitude ? riseSet : goldenBlue).add(error);
                EXPECT_LE(std::fabs(error), 60.0) << field.name << " " << c.describe();
            }
        }
    }
    report("sunrise and sunset", riseSet.summary());
    report("golden and blue hour", goldenBlue.summary());
    report("sun times on polar-edge days", nearEdge.summary());
    EXPECT_LE(riseSet.percentile(95), 20.0);
    EXPECT_LE(goldenBlue.percentile(95), 20.0);
    EXPECT_GT(presenceChecked, kCases * 9 / 2);
}

// The days the midnight sun and the polar night begin and end, at the two
// northernmost places, for two years: whether each day has a sunrise, a
// sunset, both or neither.
TEST(SkyReference, PolarDaysBeginAndEndOnTheRightDay) {
    constexpr int kDays = reference::kSlowBuild ? 60 : 730;
    const double kSunrise = -50.0 / 60.0 * kRad;
    int changes = 0;
    for (const auto& [place, zone] : {std::pair{Place{69.6496, 18.9560}, "Europe/Oslo"},
                                      {Place{78.2232, 15.6267}, "Arctic/Longyearbyen"}}) {
        std::string previous;
        for (int day = 0; day < kDays; ++day) {
            // From a fortnight before the polar night begins in 2024.
            const Case c{place, zone, *parseIso8601("2024-10-10T12:00:00Z") + day * kDay};
            const Instant base = localNoon(c);
            const erfa_sky::Span span(base - 1.2 * kDay, base + 1.2 * kDay,
                                      erfa_sky::Span::Bodies::sun);
            const SunReference r =
                referenceSunTimes(span, place, referenceSolarDay(span, place, base), kSunrise);
            const SkySnapshot s =
                SkySnapshot::compute(c.now, place.latitude, place.longitude, c.cal());
            const std::string expected =
                std::string(r.morning ? "rise" : "-") + "/" + (r.evening ? "set" : "-");
            const std::string found =
                std::string(s.sunrise ? "rise" : "-") + "/" + (s.sunset ? "set" : "-");
            if (std::min(r.morningMargin, r.eveningMargin) > kGrazing) {
                EXPECT_EQ(found, expected) << c.describe();
            }
            changes += !previous.empty() && expected != previous ? 1 : 0;
            previous = expected;
        }
    }
    // Each place passes into and out of the polar night and the midnight sun
    // in two years, through a day of one kind or the other on the way.
    EXPECT_GE(changes, kDays >= 730 ? 16 : 2);
}

// Published almanac figures (USNO, rounded to the minute): sun times at
// Tromsø (69.5° N, 19.0° E, UT+1) in spring 2014, when the midnight sun began
// on 18 May.
TEST(SkyReference, PublishedSunTimes) {
    const Calendar& tromso = reference::calendar("Etc/GMT-1");
    const struct {
        const char* day;
        const char* sunrise;
        const char* sunset;
    } sunDays[] = {
        {"2014-04-01", "04:50", "18:49"},
        {"2014-04-30", "02:29", "20:58"},
        {"2014-05-17", "00:29", "23:06"},
        {"2014-05-18", "00:13", nullptr},
    };
    for (const auto& d : sunDays) {
        const auto s = SkySnapshot::compute(*parseIso8601(std::string(d.day) + "T12:00:00+01:00"),
                                            69.5, 19.0, tromso);
        const auto check = [&](std::optional<Instant> got, const char* hhmm) {
            if (!hhmm) {
                EXPECT_FALSE(got) << d.day << " " << iso(got);
                return;
            }
            ASSERT_TRUE(got) << d.day;
            const Instant published = *parseIso8601(std::string(d.day) + "T" + hhmm + ":00+01:00");
            // Half a minute of rounding, and as much again for the sun's slow
            // climb so far north (the place's coordinates are given to 0.1°).
            EXPECT_NEAR(*got - published, 0.0, 60.0) << d.day << " " << iso(got);
        };
        check(s.sunrise, d.sunrise);
        check(s.sunset, d.sunset);
    }
}

}  // namespace
}  // namespace solvane
