#include "core/sky/sky_snapshot.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "core/test_helpers.h"
#include "core/time/text_format.h"

namespace solvane {
namespace {

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
    // Late in the evening (already tomorrow in UTC) the times still describe
    // today.
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

}  // namespace
}  // namespace solvane
