#include "core/weather/forecast.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "core/time/date_text.h"
#include "core/weather/conditions.h"
#include "core/weather/forecast_display.h"

namespace solvane {
namespace {

constexpr double kHour = 3600;
// 2024-06-14 04:00 UTC, midnight in New York.
constexpr Instant kStart = Instant::fromUnix(1718337600);

// `hours` hours from kStart and `days` days from June 14th.
Forecast forecastOf(int hours, int days, Instant fetched = kStart) {
    Forecast f;
    f.fetched = fetched;
    for (int i = 0; i < hours; ++i) {
        f.hours.push_back(
            {kStart + i * kHour, 20.0 + i, "Partly Cloudy", "cloud.sun", std::nullopt});
    }
    for (int i = 0; i < days; ++i) {
        f.days.push_back({{2024, 6, 14 + i}, 25, 15, "Clear", "sun.max", 10.0 * i});
    }
    return f;
}

std::vector<double> offsetsInHours(const std::vector<HourForecast>& hours) {
    std::vector<double> out;
    for (const auto& h : hours) {
        out.push_back((h.time - kStart) / kHour);
    }
    return out;
}

TEST(ForecastSymbols, NightFormsAreTheConditionTablesOwn) {
    // Night and day forms map to each other, but for flurries in sunshine,
    // whose night form (a snowing cloud) is a daytime symbol of its own.
    for (const WeatherCondition& c : weatherConditions()) {
        EXPECT_EQ(nightSymbol(c.daySymbol), c.nightSymbol) << c.name;
        EXPECT_EQ(nightSymbol(c.nightSymbol), c.nightSymbol) << c.name;
        EXPECT_EQ(daySymbol(c.daySymbol), c.daySymbol) << c.name;
        if (c.daySymbol != "sun.snow") {
            EXPECT_EQ(daySymbol(c.nightSymbol), c.daySymbol) << c.name;
        }
    }
    EXPECT_EQ(nightSymbol("sun.snow"), "cloud.snow");
    EXPECT_EQ(daySymbol("cloud.snow"), "cloud.snow");
    EXPECT_EQ(nightSymbol("no.such.symbol"), "no.such.symbol");
    EXPECT_EQ(nightSymbol(""), "");
}

TEST(ForecastUpcoming, HoursStartWithTheOneUnderWayAndNeverGoBack) {
    const Forecast f = forecastOf(48, 0);
    const struct {
        double nowHours;
        std::size_t count;
        std::vector<double> expected;
    } cases[] = {
        {5.5, 3, {5, 6, 7}},  {5.0, 2, {5, 6}},  // on the hour: that hour
        {5.999, 2, {5, 6}},                      // its last moment: still that hour
        {-30, 2, {0, 1}},                        // before the forecast: its first hours
        {46.2, 24, {46, 47}},                    // fewer left than asked for
        {48.0, 24, {}},                          // all gone by
        {10, 0, {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(offsetsInHours(upcomingHours(f, kStart + c.nowHours * kHour, c.count)),
                  c.expected)
            << c.nowHours;
    }
    EXPECT_EQ(upcomingHours(f, kStart + 1.5 * kHour, kForecastHoursShown).size(), 24u);
    EXPECT_TRUE(upcomingHours(f, Instant{std::nan("")}, 24).empty());

    // Hours that start on the half hour (an offset of 5:30) count the same way.
    Forecast half = forecastOf(4, 0);
    for (auto& h : half.hours) {
        h.time = h.time + 1800;
    }
    EXPECT_EQ(upcomingHours(half, kStart + 2.4 * kHour, 24).front().time, kStart + 1.5 * kHour);
}

TEST(ForecastUpcoming, DaysStartWithTodayAndNeverGoBack) {
    const Forecast f = forecastOf(0, 7);  // June 14th to 20th
    const auto dates = [&](const CivilDate& today, std::size_t count) {
        std::vector<std::string> out;
        for (const auto& d : upcomingDays(f, today, count)) {
            out.push_back(isoDateText(d.date));
        }
        return out;
    };
    EXPECT_EQ(dates({2024, 6, 16}, 3),
              (std::vector<std::string>{"2024-06-16", "2024-06-17", "2024-06-18"}));
    EXPECT_EQ(dates({2024, 6, 19}, 7), (std::vector<std::string>{"2024-06-19", "2024-06-20"}));
    EXPECT_EQ(dates({2024, 5, 31}, 1), (std::vector<std::string>{"2024-06-14"}));
    EXPECT_TRUE(dates({2024, 6, 21}, 7).empty());
    EXPECT_TRUE(dates({2025, 1, 1}, 7).empty()) << "a later year is later whatever its month";
}

// A forecast is shown, however old, while three hours and three days remain
// on the place's own clock, not the computer's.
TEST(Forecast, ShownWhileThreeHoursAndThreeDaysRemainOnThePlacesClock) {
    const Calendar newYork = *Calendar::make("America/New_York", "en_US");
    const Calendar berlin = *Calendar::make("Europe/Berlin", "de_DE");
    const struct {
        const char* name;
        int hours, days;
        double nowHours;  // from the first hour
        const char* zone;
        bool showable;
    } cases[] = {
        {"a week, just begun", 48, 7, 1, "America/New_York", true},
        {"two days old, hours to come", 96, 7, 50, "America/New_York", true},
        {"in the last three hours", 48, 7, 45.5, "America/New_York", true},
        {"two hours left", 48, 7, 46.5, "America/New_York", false},
        {"days alone", 0, 7, 0, "America/New_York", false},
        {"two days left", 48, 2, 1, "America/New_York", false},
        // 23:30 in New York on the 16th, already the 17th in Berlin: read
        // by the computer's day, only two of the three days would be left.
        {"seen from ahead of the place", 96, 5, 67.5, "America/New_York", true},
        {"no zone: the nearest city's", 96, 5, 67.5, "", true},
    };
    for (const auto& c : cases) {
        Forecast f = forecastOf(c.hours, c.days);
        f.latitude = 40.71;
        f.longitude = -74.01;
        f.zone = c.zone;
        const Calendar place = placeCalendar(f, berlin);
        EXPECT_EQ(place.zoneId(), "America/New_York") << c.name;
        EXPECT_EQ(place.locale(), "de_DE") << c.name;
        EXPECT_EQ(forecastShowable(f, kStart + c.nowHours * kHour, place), c.showable) << c.name;
    }
    Forecast nowhere;
    nowhere.latitude = std::nan("");
    EXPECT_EQ(placeCalendar(nowhere, newYork).zoneId(), "America/New_York") << "the user's";
}

TEST(DateText, WritesAndReadsRealDaysOnly) {
    EXPECT_EQ(isoDateText({2024, 2, 29}), "2024-02-29");
    EXPECT_EQ(isoDateText({987, 1, 5}), "0987-01-05");
    EXPECT_EQ(parseIsoDate("2024-02-29"), (CivilDate{2024, 2, 29}));
    EXPECT_EQ(parseIsoDate("2000-12-31"), (CivilDate{2000, 12, 31}));
    for (const char* bad : {"2023-02-29", "1900-02-29", "2024-13-01", "2024-00-10", "2024-04-31",
                            "2024-1-01", "2024-01-1", "2024/01/01", "2024-01-01T00:00",
                            " 2024-01-01", "2024-01-01 ", "+024-01-01", "", "-"}) {
        EXPECT_FALSE(parseIsoDate(bad)) << bad;
    }
    // Dates with no such text come out as text that never reads back.
    for (const CivilDate bad : {CivilDate{2023, 2, 29}, CivilDate{10000, 1, 1}, CivilDate{-1, 1, 1},
                                CivilDate{2024, 0, 1}}) {
        EXPECT_FALSE(parseIsoDate(isoDateText(bad))) << isoDateText(bad);
    }
}

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

// Night is the sky's at the place, whatever the service said; the polar day
// has none.
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
