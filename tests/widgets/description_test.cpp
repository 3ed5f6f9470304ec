// What a screen reader hears for each widget: the face's content as words,
// with the cases where the face itself changes (no weather, the sun up or
// down all day, no countdowns, a countdown today or happening).
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "widgets/widget_description.h"

#include "support/fixed_weather.h"
#include "widgets/golden_board.h"

namespace solvane::widgets {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

using samples::at;
using samples::newYork;

CountdownDisplay upcoming(const char* label, std::int64_t days, const char* day) {
    CountdownDisplay c;
    c.label = label;
    c.symbol = "snowflake";
    c.value = days;
    c.unit = days == 1 ? "day" : "days";
    c.sortDate = at(day);
    return c;
}

BoardData board(bool weather) {
    BoardData data;
    data.date = at("2025-12-05T12:00:00-05:00");
    data.place = "Brooklyn";
    data.unit = TempUnit::fahrenheit;
    if (weather) {
        data.weather = testing::fixedWeather(data.date);
    }
    data.sky.sunrise = at("2025-12-05T07:06:00-05:00");
    data.sky.sunset = at("2025-12-05T16:29:00-05:00");
    data.sky.goldenStart = at("2025-12-05T15:50:00-05:00");
    data.sky.blueStart = at("2025-12-05T16:40:00-05:00");
    data.sky.blueEnd = at("2025-12-05T16:55:00-05:00");
    data.sky.moonFraction = 0.99;
    data.sky.moonPhase = 0.49;
    data.sky.moonRise = at("2025-12-05T16:10:00-05:00");
    data.sky.moonSet = at("2025-12-06T07:30:00-05:00");
    data.sky.nextFull = at("2025-12-05T18:00:00-05:00");
    data.sky.nextNew = at("2025-12-19T20:00:00-05:00");
    data.countdowns = {upcoming("Winter solstice", 16, "2025-12-21T00:00:00-05:00"),
                       upcoming("Spring forward", 93, "2026-03-08T00:00:00-05:00"),
                       upcoming("Party", 0, "2025-12-05T00:00:00-05:00"),
                       upcoming("Trip", 40, "2026-01-14T00:00:00-05:00")};
    return data;
}

std::string describe(std::string_view kind, WidgetFamily family, BoardData data) {
    const BoardEntry entry(data.date, std::move(data), WidgetStyle::glass);
    return describeWidget(kind, family, entry, newYork());
}

void expectSpokenOnly(const std::string& text) {
    for (const char* symbol : {"\u00B0", "\u2014", "\u2013", "\u00B7", "%"}) {
        EXPECT_THAT(text, Not(HasSubstr(symbol))) << text;
    }
}

// Face order: the place and today's range, the hours three apart from the one
// under way (the chance only where the face shows one), then the week.
TEST(DescribeWidget, ForecastHoursThenTheWeekOrUnavailable) {
    BoardData data = board(true);
    Forecast f;
    f.fetched = data.date;
    f.zone = "America/New_York";
    for (int h = 0; h < 48; ++h) {
        f.hours.push_back({data.date + h * 3600.0, 4.0 - h * 0.1, "Mostly Cloudy",
                           h < 5 ? "cloud.sun" : "cloud.moon",
                           h == 3 ? std::optional<double>(60) : std::optional<double>(5)});
    }
    // Days stored before conditions were kept name their symbol's.
    for (int d = 0; d < 7; ++d) {
        f.days.push_back({{2025, 12, 5 + d}, 6.0 + d, -1.0, "", "cloud.rain", 30.0});
    }
    data.forecast = f;
    const std::string large = describe("Forecast", WidgetFamily::large, data);
    EXPECT_THAT(large, HasSubstr("Forecast. Brooklyn. Today: high 43 degrees, low 30 degrees. "
                                 "Now: 39 degrees, mostly cloudy. 3 PM: 39 degrees, mostly "
                                 "cloudy, 60 percent chance of precipitation. 6 PM: 38 degrees"))
        << large;
    // Spoken, the weekday is whole where the face abbreviates it.
    EXPECT_THAT(large,
                HasSubstr("Saturday: high 45 degrees, low 30 degrees, rain, 30 percent chance"));
    expectSpokenOnly(large);
    EXPECT_THAT(describe("Forecast", WidgetFamily::medium, data), Not(HasSubstr("Saturday:")));

    // An old forecast still speaks while enough of it lies ahead, and says when it was made.
    data.forecast->fetched = data.date - 7 * 3600;
    EXPECT_THAT(describe("Forecast", WidgetFamily::medium, data),
                HasSubstr("Brooklyn. Updated 5:00 AM. Today:"));
    data.forecast->hours.resize(2);
    EXPECT_THAT(describe("Forecast", WidgetFamily::medium, data),
                HasSubstr("Brooklyn. Forecast unavailable."));
}

TEST(DescribeWidget, CountdownsInTheOrderShownWithTodayAndTheEmptyList) {
    const std::string small = describe("Countdowns", WidgetFamily::small, board(true));
    EXPECT_EQ(small, "Countdowns. Winter solstice in 16 days, Sunday, December 21.");

    const std::string medium = describe("Countdowns", WidgetFamily::medium, board(true));
    EXPECT_THAT(medium, HasSubstr("Spring forward in 93 days, Sunday, March 8. "
                                  "Party today, Friday, December 5."));
    EXPECT_THAT(medium, Not(HasSubstr("Trip")));  // three columns at most

    BoardData happening = board(true);
    happening.countdowns.front().value = 3;
    happening.countdowns.front().unit = "of 10 days";
    happening.countdowns.front().caption = "Until Mon, Dec 15";
    happening.countdowns.front().progress = 0.3;
    EXPECT_EQ(describe("Countdowns", WidgetFamily::small, happening),
              "Countdowns. Winter solstice, day 3 of 10 days, until Mon, Dec 15.");

    BoardData none = board(true);
    none.countdowns.clear();
    EXPECT_EQ(describe("Countdowns", WidgetFamily::medium, none),
              "Countdowns. Add a countdown in the Solvane app.");
    EXPECT_THAT(describe("Solvane", WidgetFamily::extraLarge, none),
                HasSubstr("Countdowns: Add countdowns in the Solvane app."));
}

TEST(DescribeWidget, WeatherAndSkyInWordsOrUnavailable) {
    const std::string sky = describe("Sky", WidgetFamily::large, board(true));
    EXPECT_THAT(sky, HasSubstr("Sky. Brooklyn, Friday, December 5. Weather from Open-Meteo. "
                               "76 degrees, partly cloudy, high 81 degrees, low 65 degrees."));
    EXPECT_THAT(sky, HasSubstr("Sunrise 7:06 AM, sunset 4:29 PM, 9 hours 23 minutes of light."));
    EXPECT_THAT(sky, HasSubstr("Golden hour from 3:50, blue hour 4:40 to 4:55."));
    expectSpokenOnly(sky);

    const std::string full = describe("Solvane", WidgetFamily::extraLarge, board(true));
    EXPECT_THAT(full, HasSubstr("Solvane. Friday, December 5, Brooklyn."));
    EXPECT_THAT(full, HasSubstr("Weather: 76 degrees, partly cloudy, feels like 77 degrees, "
                                "wind south 9 miles per hour, high 81 degrees, low 65 degrees, "
                                "clouds 38 percent."));
    EXPECT_THAT(full, HasSubstr("Sun: 9 hours 23 minutes of light. Sunrise 7:06, sunset 4:29. "
                                "Golden hour 3:50 to 4:29, blue hour 4:40 to 4:55."));
    EXPECT_THAT(full, HasSubstr("Moon: 99 percent lit."));
    EXPECT_THAT(full, HasSubstr("full moon today"));
    expectSpokenOnly(full);

    for (const char* kind : {"Sky", "Solvane"}) {
        const std::string without = describe(kind, WidgetFamily::large, board(false));
        EXPECT_THAT(without, HasSubstr("Weather unavailable.")) << kind;
        EXPECT_THAT(without, Not(HasSubstr("degrees"))) << kind;
        EXPECT_THAT(without, Not(HasSubstr("Open-Meteo"))) << kind;
    }
}

TEST(DescribeWidget, MoonAndTheSunUpOrDownAllDay) {
    const std::string moon = describe("Moon", WidgetFamily::small, board(true));
    EXPECT_EQ(moon,
              "Moon. 99 percent lit, full moon today. Full moon. "
              "Moonrise 4:10 PM, moonset 7:30 AM.");

    BoardData midnightSun = board(true);
    midnightSun.sky.sunrise.reset();
    midnightSun.sky.sunset.reset();
    midnightSun.sky.blueStart.reset();
    midnightSun.sky.blueEnd.reset();
    midnightSun.sky.allDaySun = AllDaySun::up;
    const std::string up = describe("Solvane", WidgetFamily::extraLarge, midnightSun);
    EXPECT_THAT(up, HasSubstr("Sun: 24 hours of light. The sun stays up all day."));
    EXPECT_THAT(up, HasSubstr("No golden hour, no blue hour."));
    expectSpokenOnly(up);

    BoardData polarNight = midnightSun;
    polarNight.sky.goldenStart.reset();
    polarNight.sky.allDaySun = AllDaySun::down;
    polarNight.sky.moonRise.reset();
    const std::string down = describe("Sky", WidgetFamily::large, polarNight);
    EXPECT_THAT(down, HasSubstr("The sun stays down all day, no daylight."));
    EXPECT_THAT(down, HasSubstr("No moonrise, moonset"));
    expectSpokenOnly(down);

    EXPECT_EQ(describe("Clock", WidgetFamily::small, board(true)), "");
}

}  // namespace
}  // namespace solvane::widgets
