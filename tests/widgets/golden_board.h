// The board the reviewed widget pictures are drawn from: five countdowns, one
// of them under way, and a quarter of an hour before sunset in Brooklyn, when
// the glass sky is at its warmest.
#pragma once

#include "core/sky/sky_snapshot.h"
#include "core/store/board_data.h"
#include "core/time/calendar.h"
#include "core/time/instant.h"

#include "support/fixed_weather.h"

namespace solvane::widgets::samples {

inline const Calendar& newYork() {
    static const Calendar calendar = *Calendar::make("America/New_York", "en_US");
    return calendar;
}

inline BoardData goldenBoard() {
    BoardData b;
    b.date = *parseIso8601("2025-06-14T20:15:00-04:00");
    b.countdowns = {
        {{}, "Fourth of July", "sparkles", {}, 20, "days", "Fri, Jul 4", {}, {}},
        {{},
         "Summer Fridays",
         "beach.umbrella",
         {},
         5,
         "of 12 days",
         "Until Fri, Aug 29",
         0.42,
         {}},
        {{}, "Fall back", "clock.arrow.circlepath", {}, 21, "weeks", "Sun, Nov 2", {}, {}},
        {{}, "Winter solstice", "snowflake", {}, 190, "days", "Sun, Dec 21", {}, {}},
        {{}, "Mom's birthday", "gift", {}, 244, "days", "Fri, Feb 13", {}, {}},
    };
    b.weather = solvane::testing::fixedWeather(*parseIso8601("2025-06-14T19:45:00-04:00"));
    b.sky = SkySnapshot::compute(b.date, 40.68, -73.94, newYork());
    b.place = "Brooklyn";
    b.unit = TempUnit::fahrenheit;
    return b;
}

}  // namespace solvane::widgets::samples
