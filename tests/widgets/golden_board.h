// The reviewed widget pictures' board: five countdowns, one under way, a quarter
// of an hour before sunset in Brooklyn, when the glass sky is at its warmest.
#pragma once

#include <cmath>
#include <string>

#include "core/sky/sky_snapshot.h"
#include "core/time/instant.h"
#include "core/weather/forecast_display.h"

#include "core/test_helpers.h"
#include "support/fixed_weather.h"

namespace solvane::widgets::samples {

using solvane::testing::at;
using solvane::testing::newYork;

// A week from 8 PM on the reviewed evening: a warm day cooling into a
// showery night, a wet Tuesday, then clearing; night hours marked from the
// sky over Brooklyn.
inline Forecast goldenForecast(Instant fetched) {
    Forecast f;
    f.fetched = fetched;
    f.latitude = 40.68;
    f.longitude = -73.94;
    const Instant start = at("2025-06-14T20:00:00-04:00");
    static constexpr const char* kHourSymbols[] = {"cloud.sun",  "cloud.sun",  "cloud",
                                                   "cloud.rain", "cloud.rain", "cloud",
                                                   "sun.max",    "sun.max"};
    for (int h = 0; h < 7 * 24; ++h) {
        HourForecast hour;
        hour.time = start + h * 3600.0;
        const int local = (20 + h) % 24;
        hour.temperatureC = 22 + 6 * std::sin((local - 9) * 3.14159265358979 / 12) - h / 60.0;
        hour.symbol = kHourSymbols[(h / 3) % 8];
        hour.precipitationChance = hour.symbol == std::string("cloud.rain") ? 70.0 - h % 3 * 10
                                   : hour.symbol == std::string("cloud")    ? 20.0
                                                                            : 0.0;
        f.hours.push_back(hour);
    }
    const struct {
        int day;
        double high, low;
        const char* symbol;
        double chance;
    } kDays[] = {{14, 29, 19, "cloud.sun", 10},      {15, 27, 18, "cloud.rain", 80},
                 {16, 24, 17, "cloud.rain", 60},     {17, 26, 16, "cloud", 20},
                 {18, 30, 18, "sun.max", 0},         {19, 33, 21, "sun.max", 0},
                 {20, 31, 22, "cloud.bolt.rain", 40}};
    for (const auto& d : kDays) {
        f.days.push_back({{2025, 6, d.day}, d.high, d.low, "", d.symbol, d.chance});
    }
    markNightHours(f, f.latitude, f.longitude);
    return f;
}

inline BoardData goldenBoard() {
    BoardData b;
    b.date = at("2025-06-14T20:15:00-04:00");
    b.countdowns = {
        {{}, "Fourth of July", "sparkles", {}, 20, "days", "Fri, Jul 4", {}, {}},
        {{}, "Summer Fridays", "beach.umbrella", {}, 5, "of 12 days", "Until Fri, Aug 29", {}, {}},
        {{}, "Fall back", "clock.arrow.circlepath", {}, 21, "weeks", "Sun, Nov 2", {}, {}},
        {{}, "Winter solstice", "snowflake", {}, 190, "days", "Sun, Dec 21", {}, {}},
        {{}, "Mom's birthday", "gift", {}, 244, "days", "Fri, Feb 13", {}, {}},
    };
    b.countdowns[1].progress = 0.42;
    b.weather = solvane::testing::fixedWeather(at("2025-06-14T19:45:00-04:00"));
    b.sky = SkySnapshot::compute(b.date, 40.68, -73.94, newYork());
    b.place = "Brooklyn";
    b.unit = TempUnit::fahrenheit;
    b.forecast = goldenForecast(at("2025-06-14T19:50:00-04:00"));
    return b;
}

}  // namespace solvane::widgets::samples
