#include "core/weather/forecast_display.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace solvane {
namespace {

// Brooklyn on 14 June 2025: sunrise 5:24, sunset 8:30 PM (EDT).
constexpr double kLatitude = 40.68;
constexpr double kLongitude = -73.94;

Forecast hoursFrom(const char* iso, int count, const char* symbol = "cloud.sun") {
    Forecast f;
    const Instant start = *parseIso8601(iso);
    f.fetched = start;
    for (int h = 0; h < count; ++h) {
        f.hours.push_back({start + h * 3600.0, 20, "", symbol, std::nullopt});
    }
    return f;
}

// Night is the sky's: the hours after sunset and before sunrise at the place
// take the night form, whatever the service said, across several days; the
// polar day has no night.
TEST(ForecastNight, FollowsTheSunAtThePlace) {
    Forecast f = hoursFrom("2025-06-14T00:00:00-04:00", 72);
    markNightHours(f, kLatitude, kLongitude);
    for (int day = 0; day < 3; ++day) {
        const auto symbol = [&](int hour) { return f.hours[day * 24 + hour].symbol; };
        EXPECT_EQ(symbol(4), "cloud.moon") << "day " << day;
        EXPECT_EQ(symbol(6), "cloud.sun") << "day " << day;
        EXPECT_EQ(symbol(20), "cloud.sun") << "day " << day << ": 8 PM, before sunset";
        EXPECT_EQ(symbol(21), "cloud.moon") << "day " << day;
    }
    Forecast cloudy = hoursFrom("2025-06-14T02:00:00-04:00", 1, "cloud.rain");
    markNightHours(cloudy, kLatitude, kLongitude);
    EXPECT_EQ(cloudy.hours[0].symbol, "cloud.rain") << "no night form";

    Forecast tromso = hoursFrom("2025-06-21T00:00:00+02:00", 24, "sun.max");
    markNightHours(tromso, 69.65, 18.96);
    for (const HourForecast& h : tromso.hours) {
        EXPECT_EQ(h.symbol, "sun.max");
    }
    Forecast nowhere = hoursFrom("2025-06-14T02:00:00-04:00", 1);
    markNightHours(nowhere, std::nan(""), 0);
    markNightHours(nowhere, 91, 0);
    EXPECT_EQ(nowhere.hours[0].symbol, "cloud.sun");
}

TEST(ForecastSteps, EveryThirdHourFromTheOneUnderWay) {
    const Forecast f = hoursFrom("2025-06-14T00:00:00-04:00", 10);
    const Instant now = *parseIso8601("2025-06-14T01:40:00-04:00");
    std::vector<double> offsets;
    for (const HourForecast& h : hourSteps(f, now, 3, 6)) {
        offsets.push_back((h.time - f.hours.front().time) / 3600);
    }
    EXPECT_EQ(offsets, (std::vector<double>{1, 4, 7})) << "fewer when the forecast runs out";
    EXPECT_EQ(hourSteps(f, now, 0, 2).size(), 2u);
    EXPECT_TRUE(hourSteps(f, now, 3, 0).empty());
}

// The condition the service gave, by day and by night; a record from before
// conditions were kept names its symbol's.
TEST(ForecastSteps, EachEntryNamesItsConditionOrElseItsSymbols) {
    const struct {
        const char* condition;
        const char* symbol;
        const char* shown;
    } cases[] = {
        {"Mostly Cloudy", "cloud.moon", "Mostly Cloudy"},
        {"Mostly Clear", "sun.max", "Mostly Clear"},
        {"", "cloud.moon", "Partly Cloudy"},
        {"", "cloud.heavyrain", "Heavy Rain"},
        {"", "gift", "\u2014"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(shownCondition(HourForecast{{}, 0, c.condition, c.symbol, {}}), c.shown);
        EXPECT_EQ(shownCondition(DayForecast{{}, 0, 0, c.condition, c.symbol, {}}), c.shown);
    }
}

}  // namespace
}  // namespace solvane
