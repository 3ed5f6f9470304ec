// The board's sky against an independent one (erfa_sky.h) over random places
// and days from 1950 to 2150, latitudes −66° to +78°: sun times, moonrises and
// moonsets (none missed or invented, even where the moon grazes the horizon),
// the next full and new moon with the day they are shown on, the lit share,
// and the equinoxes and solstices. Each test prints the spread of its
// differences.
#include <erfa.h>
#include <erfam.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>
#include <vector>

#include "core/model/rules.h"
#include "core/model/seasons.h"
#include "core/sky/moon.h"
#include "core/sky/sky_snapshot.h"
#include "core/test_helpers.h"
#include "sky/erfa_sky.h"
#include "sky/reference_cases.h"

namespace solvane {
namespace {

using erfa_sky::Place;
using namespace reference;
using namespace testing;

// Within this of the horizon whether the limb crosses at a peak or dip is up
// to the two lunar series and their ΔT (up to 25 s, 14″, late this century).
constexpr double kMoonGrazing = 30.0 / 3600.0 * kRad;
// Crossings this close to a grazing turn, or to either end of the two days,
// may be found by one side only.
constexpr double kNearGrazingTurn = 2 * 3600.0;
constexpr double kNearEnd = 5.0;

struct MoonComparison {
    std::vector<erfa_sky::Crossing> reference;
    std::vector<sky::MoonCrossing> found;
    std::vector<erfa_sky::Turn> grazing;  // turns of the reference within kMoonGrazing
    Instant from;
    Instant to;

    bool excused(Instant t) const {
        if (t - from < kNearEnd || to - t < kNearEnd) {
            return true;
        }
        return std::any_of(grazing.begin(), grazing.end(), [&](const erfa_sky::Turn& g) {
            return std::fabs(g.at - t) < kNearGrazingTurn;
        });
    }
};

MoonComparison compareMoon(const Case& c) {
    MoonComparison m;
    m.from = *c.cal().startOfDay(c.now);
    m.to = dayStart(c.cal(), c.now, 2);
    const erfa_sky::Span span(m.from, m.to, erfa_sky::Span::Bodies::moon);
    const auto f = [&](Instant t) { return span.moonLimbAltitude(c.place, t); };
    const erfa_sky::Scan s = erfa_sky::scan(f, m.from, m.to, 600.0);
    m.reference = s.crossings;
    for (const auto& turn : s.turns) {
        if (std::fabs(turn.value) < kMoonGrazing) {
            m.grazing.push_back(turn);
        }
    }
    // The track and crossings the snapshot uses for these two days.
    const sky::MoonTrack track =
        sky::moonTrack(sky::dayNumber(m.from) - 1.0 / 24, sky::dayNumber(m.to) + 1.0 / 24);
    const sky::MoonCrossings crossings = sky::moonCrossings(
        track, sky::observerAt(c.place.latitude, c.place.longitude), m.from, m.to);
    m.found.assign(crossings.items.begin(), crossings.items.begin() + crossings.count);
    return m;
}

TEST(SkyReference, MoonrisesAndMoonsetsAgreeWithErfa) {
    Spread rises;
    Spread sets;
    int missed = 0;
    int invented = 0;
    int excused = 0;
    for (const Case& c : randomCases(kCases, 1969)) {
        const MoonComparison m = compareMoon(c);
        std::vector<bool> used(m.found.size(), false);
        for (const auto& expected : m.reference) {
            // The nearest crossing found in the same direction.
            std::size_t best = m.found.size();
            for (std::size_t i = 0; i < m.found.size(); ++i) {
                if (!used[i] && m.found[i].rise == expected.rise &&
                    (best == m.found.size() || std::fabs(m.found[i].at - expected.at) <
                                                   std::fabs(m.found[best].at - expected.at))) {
                    best = i;
                }
            }
            if (best < m.found.size() && std::fabs(m.found[best].at - expected.at) < 3600.0) {
                used[best] = true;
                if (!m.excused(expected.at)) {
                    (expected.rise ? rises : sets).add(m.found[best].at - expected.at);
                }
            } else if (m.excused(expected.at)) {
                ++excused;
            } else {
                ++missed;
                ADD_FAILURE() << "missed " << (expected.rise ? "rise " : "set ") << iso(expected.at)
                              << " at " << c.describe();
            }
        }
        for (std::size_t i = 0; i < m.found.size(); ++i) {
            if (used[i]) {
                continue;
            }
            if (m.excused(m.found[i].at)) {
                ++excused;
            } else {
                ++invented;
                ADD_FAILURE() << "invented " << (m.found[i].rise ? "rise " : "set ")
                              << iso(m.found[i].at) << " at " << c.describe();
            }
        }
    }
    report("moonrise", rises.summary());
    report("moonset", sets.summary());
    report(
        "moon passages missed, invented, excused",
        std::to_string(missed) + ", " + std::to_string(invented) + ", " + std::to_string(excused));
    EXPECT_LE(rises.percentile(95), 60.0);
    EXPECT_LE(sets.percentile(95), 60.0);
    EXPECT_LE(rises.max(), 180.0);
    EXPECT_LE(sets.max(), 180.0);
    EXPECT_GT(rises.count() + sets.count(), static_cast<std::size_t>(kCases * 3));
}

// The crossings of the first of the two days, "R04:26 S04:41" (UTC).
template <typename Crossings>
std::string firstDay(const Crossings& crossings, Instant tomorrow) {
    std::string text;
    for (const auto& x : crossings) {
        if (x.at < tomorrow) {
            text += (text.empty() ? "" : " ") + std::string(x.rise ? "R" : "S") +
                    iso(x.at).substr(11, 5);
        }
    }
    return text;
}

// Grazing days: passages of minutes to find, near misses not to invent (the
// reference's crossings, even a 7-minute passage clearing the limb by 8″).
TEST(SkyReference, ShortPassagesAndNearMisses) {
    const struct {
        Place place;
        const char* zone;
        const char* day;
        const char* crossings;
    } days[] = {
        // The limb peaks 0.23° below the horizon at 01:42Z: no rise, no set.
        {{64.1466, -21.9426}, "Atlantic/Reykjavik", "2024-05-24", ""},
        // Rises seven minutes into the day (local time).
        {{78.2232, 15.6267}, "Arctic/Longyearbyen", "2024-10-28", "R23:07 S15:15"},
        // Peaks 0.05° short of the horizon.
        {{78.2232, 15.6267}, "Arctic/Longyearbyen", "2024-10-31", ""},
        // Up for 15, 7 and 29 minutes; down for 18.
        {{64.1466, -21.9426}, "Atlantic/Reykjavik", "2023-06-07", "R04:26 S04:41"},
        {{-65.9, 40.0}, "Etc/GMT-3", "2022-09-21", "R05:54 S06:01"},
        {{78.2232, 15.6267}, "Arctic/Longyearbyen", "2027-02-07", "R11:49 S12:18"},
        {{69.6496, 18.9560}, "Europe/Oslo", "2029-10-01", "S17:18 R17:36"},
    };
    for (const auto& d : days) {
        const Case c{
            d.place, d.zone,
            *reference::calendar(d.zone).date(std::stoi(std::string(d.day).substr(0, 4)),
                                              std::stoi(std::string(d.day).substr(5, 2)),
                                              std::stoi(std::string(d.day).substr(8, 2)), 12)};
        const MoonComparison m = compareMoon(c);
        const Instant tomorrow = dayStart(c.cal(), c.now, 1);
        EXPECT_EQ(firstDay(m.reference, tomorrow), d.crossings) << d.zone << " " << d.day;
        EXPECT_EQ(firstDay(m.found, tomorrow), d.crossings) << d.zone << " " << d.day;
    }
}

// The first moment at or after `start` at which the (only growing) elongation
// reaches `target` radians: a day either side of the moment the mean rate
// predicts, else four-day steps, brackets it; regula falsi closes in.
Instant referencePhase(Instant start, double target) {
    const auto offset = [&](Instant t) {
        return std::remainder(erfa_sky::elongation(t) - target, 2 * kPi);
    };
    const auto holdsCrossing = [](double fa, double fb) {
        return fa < 0 && fb >= 0 && fb - fa < kPi;
    };
    const double atStart = offset(start);
    const double toGo = atStart < 0 ? -atStart : 2 * kPi - atStart;
    const Instant predicted = start + toGo / (2 * kPi) * 29.530588853 * kDay;
    Instant a = std::max(start, predicted - kDay);
    Instant b = predicted + kDay;
    double fa = a == start ? atStart : offset(a);
    double fb = offset(b);
    for (int step = 0; !holdsCrossing(fa, fb) && step < 9; ++step) {
        a = start + step * 4 * kDay;
        b = a + 4 * kDay;
        fa = offset(a);
        fb = offset(b);
    }
    if (!holdsCrossing(fa, fb)) {
        return Instant{std::nan("")};
    }
    // Illinois: halve the weight of an end that stays twice.
    int kept = 0;
    while (b - a > 0.5) {
        const Instant c = a + (b - a) * (-fa / (fb - fa));
        const double fc = offset(c);
        if (fc < 0) {
            a = c;
            fa = fc;
            fb *= kept == 1 ? 0.5 : 1.0;
            kept = 1;
        } else {
            b = c;
            fb = fc;
            fa *= kept == -1 ? 0.5 : 1.0;
            kept = -1;
        }
        if (std::fabs(fc) < 1e-9) {
            return c;
        }
    }
    return a + (b - a) / 2;
}

TEST(SkyReference, NextFullAndNewMoonAgreeWithErfa) {
    Spread moments;
    int dayChecked = 0;
    for (const Case& c : randomCases(kCases, 2020)) {
        const SkySnapshot s =
            SkySnapshot::compute(c.now, c.place.latitude, c.place.longitude, c.cal());
        const Instant today = *c.cal().startOfDay(c.now);
        for (const auto& [got, target] : {std::pair{s.nextFull, kPi}, {s.nextNew, 0.0}}) {
            const Instant expected = referencePhase(today, target);
            ASSERT_TRUE(got.has_value()) << c.describe();
            moments.add(*got - expected);
            // The day shown is the local day of the moment, right whenever the
            // moment is more than two minutes from a midnight.
            const Instant dayOf = *c.cal().startOfDay(expected);
            const Instant nextDay = dayStart(c.cal(), expected, 1);
            if (expected - dayOf > 120.0 && nextDay - expected > 120.0) {
                ++dayChecked;
                EXPECT_EQ(*c.cal().startOfDay(*got), dayOf)
                    << c.describe() << ": " << iso(got) << " vs " << iso(expected);
            }
            EXPECT_GE(*got, today) << c.describe();
        }
    }
    report("next full and new moon", moments.summary());
    EXPECT_LE(moments.percentile(95), 120.0);
    EXPECT_GT(dayChecked, kCases * 2 * 99 / 100);
}

// The lit share as the board shows it, in whole percent, and as a fraction.
TEST(SkyReference, LitShareAgreesWithErfa) {
    Spread fraction;
    int percentChecked = 0;
    for (const Case& c : randomCases(kCases, 48)) {
        const SkySnapshot s =
            SkySnapshot::compute(c.now, c.place.latitude, c.place.longitude, c.cal());
        const double expected = erfa_sky::illuminatedFraction(c.now);
        fraction.add(s.moonFraction - expected);
        // Whole percent, unless the reference lies within 10⁻⁵ of a rounding edge.
        const double hundredths = expected * 100.0;
        if (std::fabs(hundredths - std::floor(hundredths) - 0.5) > 1e-3) {
            ++percentChecked;
            EXPECT_EQ(std::lround(s.moonFraction * 100.0), std::lround(hundredths))
                << c.describe() << ": " << s.moonFraction << " vs " << expected;
        }
    }
    report("lit share (fraction, ×10⁻⁶)", fraction.summary(1e-6, "ppm"));
    EXPECT_LE(fraction.max(), 1e-4);
    EXPECT_GT(percentChecked, kCases * 99 / 100);
}

// The moment near `guess` at which the sun's hour angle is `target` (0 or π).
Instant sunTransit(const erfa_sky::Span& span, const Place& place, Instant guess, double target) {
    const auto offset = [&](Instant t) {
        return std::remainder(span.sunHourAngle(place, t) - target, 2 * reference::kPi);
    };
    Instant t = guess - offset(guess) / (2 * reference::kPi) * kDay;
    // The hour angle runs at one turn a day, give or take 30 s; bisect the last half hour.
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

constexpr double kUnixEpochJulianDay = 2440587.5;
constexpr std::int64_t kFirstYear = 1800;
constexpr std::int64_t kLastYear = 2300;
constexpr double kTwoMinutes = 120.0;

// True moments, independent of the code under test: the crossings of ERFA's
// apparent solar longitude (sky/erfa_sky.h) in TT, less that file's ΔT (whose
// forecast and the model's error stay well inside two minutes).

double wrapAngle(double radians) {
    double x = std::remainder(radians, 2.0 * kPi);
    return x <= -kPi ? x + 2.0 * kPi : x;
}

Instant trueMoment(int season, std::int64_t year) {
    const double target = season * kPi / 2.0;
    double start = 0;
    double fraction = 0;
    eraCal2jd(static_cast<int>(year), 3 + 3 * season, 21, &start, &fraction);
    double jd = start + fraction;
    // Newton's step with the sun's mean rate; its speed varies by 3 %, so
    // each step cuts the error thirtyfold.
    for (int i = 0; i < 30; ++i) {
        const double step = wrapAngle(target - erfa_sky::apparentSolarLongitude(jd - ERFA_DJ00)) *
                            365.2422 / (2 * kPi);
        jd += step;
        if (std::fabs(step) < 1e-8) {
            break;
        }
    }
    const double year0 = 2000.0 + (jd - ERFA_DJ00) / 365.25;
    const double utJulianDay = jd - erfa_sky::deltaT(year0) / ERFA_DAYSEC;
    return Instant::fromUnix((utJulianDay - kUnixEpochJulianDay) * ERFA_DAYSEC);
}

struct TrueMoments {
    std::vector<std::array<Instant, 4>> byYear;  // from kFirstYear

    TrueMoments() {
        for (std::int64_t y = kFirstYear; y <= kLastYear; ++y) {
            byYear.push_back(
                {trueMoment(0, y), trueMoment(1, y), trueMoment(2, y), trueMoment(3, y)});
        }
    }
    Instant at(int season, std::int64_t year) const {
        return byYear[static_cast<std::size_t>(year - kFirstYear)]
                     [static_cast<std::size_t>(season)];
    }
};

const TrueMoments& trueMoments() {
    static const TrueMoments moments;
    return moments;
}

// The reference itself, against moments an almanac publishes to the minute.
TEST(SeasonReference, AgreesWithThePublishedMinute) {
    const struct {
        int season;
        int year;
        const char* utc;
    } published[] = {
        {0, 2025, "2025-03-20T09:01:00Z"}, {1, 2025, "2025-06-21T02:42:00Z"},
        {2, 2025, "2025-09-22T18:19:00Z"}, {3, 2025, "2025-12-21T15:03:00Z"},
        {0, 2026, "2026-03-20T14:46:00Z"}, {1, 2026, "2026-06-21T08:24:00Z"},
        {2, 2026, "2026-09-23T00:05:00Z"}, {3, 2026, "2026-12-21T20:50:00Z"},
    };
    for (const auto& p : published) {
        const Instant expected = *parseIso8601(p.utc);
        EXPECT_NEAR(trueMoment(p.season, p.year) - expected, 0.0, 35.0) << p.utc;
        EXPECT_NEAR(*seasonMoment(p.season, p.year) - expected, 0.0, 90.0) << p.utc;
    }
}

TEST(SeasonMoment, WithinTwoMinutesOfTheTrueMomentFrom1800To2300) {
    double worst = 0;
    for (std::int64_t year = kFirstYear; year <= kLastYear; ++year) {
        for (int season = 0; season < 4; ++season) {
            const auto moment = seasonMoment(season, year);
            ASSERT_TRUE(moment.has_value());
            const double error = *moment - trueMoments().at(season, year);
            worst = std::max(worst, std::fabs(error));
            EXPECT_LE(std::fabs(error), kTwoMinutes)
                << "season " << season << " of " << year << ": " << iso(moment) << " vs "
                << iso(trueMoments().at(season, year));
        }
    }
    RecordProperty("worst_error_seconds", std::to_string(worst));
}

TEST(SeasonDate, RuleAndDateGiveTheDayOfTheTrueMomentIn1900To2100) {
    int compared = 0;
    for (const char* zone : {"UTC", "America/New_York", "Asia/Tokyo"}) {
        const Calendar calendar = cal(zone);
        for (std::int64_t year = 1900; year <= 2100; ++year) {
            for (int season = 0; season < 4; ++season) {
                const auto date = seasonDate(season, year, calendar);
                EXPECT_EQ(resolve(DateRule::season(season), year, false, calendar), date);
                const Instant truth = trueMoments().at(season, year);
                const Instant dayStart = *calendar.startOfDay(truth);
                const Instant nextStart =
                    *calendar.startOfDay(*calendar.addDays(dayStart, 1) + 3600.0);
                // Within two minutes of midnight either day is as right as the moment can be.
                if (truth - dayStart < kTwoMinutes || nextStart - truth < kTwoMinutes) {
                    continue;
                }
                ++compared;
                EXPECT_EQ(ymd(calendar, date), ymd(calendar, dayStart))
                    << zone << " season " << season << " of " << year << " at " << iso(truth);
            }
        }
    }
    EXPECT_GT(compared, 3 * 201 * 4 - 20);
}

// An index outside the table stands for its longitude looked for in the
// month of the nearest entry: found only when the two name the same season.
TEST(SeasonDate, IndicesOutsideTheTable) {
    const Calendar utc = cal("UTC");
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
    const struct {
        std::int64_t index;
        std::optional<int> season;
    } cases[] = {
        {7, 3},
        {-4, 0},
        {4, std::nullopt},
        {6, std::nullopt},
        {-1, std::nullopt},
        {kMax, 3},
        {kMax - 1, std::nullopt},
        {kMin, 0},
        {kMin + 1, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(seasonOfIndex(c.index), c.season) << c.index;
        const auto expected = c.season ? seasonDate(*c.season, 2025, utc) : std::nullopt;
        EXPECT_EQ(seasonDate(c.index, 2025, utc), expected) << c.index;
    }
    EXPECT_EQ(seasonMoment(4, 2025), std::nullopt);
    EXPECT_EQ(seasonMoment(-1, 2025), std::nullopt);
}

// Beyond the years the model holds, a date still comes out in the season's
// month, and years beyond the calendar give none instead of wrapping.
TEST(SeasonDate, FarYearsStayBounded) {
    const Calendar utc = cal("UTC");
    const struct {
        std::int64_t year;
        int month;
    } cases[] = {{-4000, 3}, {-1000, 3}, {3000, 3}, {3001, 3}, {9999, 3}, {100000, 2}};
    for (const auto& c : cases) {
        const auto date = seasonDate(0, c.year, utc);
        ASSERT_TRUE(date.has_value()) << c.year;
        const auto civil = *utc.civilDate(*date);
        EXPECT_EQ(civil.year, c.year);
        EXPECT_NEAR(civil.month, c.month, 1) << c.year;
    }
    for (std::int64_t year : {std::int64_t{1} << 40, std::numeric_limits<std::int64_t>::max(),
                              std::numeric_limits<std::int64_t>::min()}) {
        EXPECT_EQ(seasonDate(3, year, utc), std::nullopt) << year;
    }
}

}  // namespace
}  // namespace solvane
