#include "core/weather/weather.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/time/date_text.h"
#include "core/weather/conditions.h"
#include "core/weather/forecast.h"
#include "core/weather/forecast_display.h"
#include "core/weather/open_meteo.h"

namespace solvane {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

WeatherSnapshot withWind(double kph, double direction) {
    WeatherSnapshot s;
    s.windKph = kph;
    s.windDirection = direction;
    return s;
}

TEST(WeatherDefaults, UnitFollowsTheLocalesMeasurementSystem) {
    const struct {
        const char* locale;
        TempUnit unit;
    } cases[] = {
        {"en_US", TempUnit::fahrenheit}, {"en_US.UTF-8", TempUnit::fahrenheit},
        {"C", TempUnit::fahrenheit},     {"", TempUnit::fahrenheit},
        {"en_GB", TempUnit::celsius},    {"de_DE.UTF-8@euro", TempUnit::celsius},
        {"zz_QQ", TempUnit::celsius},    {"\xff\xfe not a locale", TempUnit::celsius},
    };
    for (const auto& c : cases) {
        const AppSettings d = AppSettings::defaults(c.locale);
        EXPECT_EQ(d.unit, c.unit) << c.locale;
        EXPECT_EQ(d.weatherSource, WeatherSource::openMeteo);
        EXPECT_TRUE(d.feedCalendarIDs.empty());
    }
}

TEST(WeatherFormat, TemperatureRoundsHalvesAwayFromZero) {
    const struct {
        double celsius;
        TempUnit unit;
        const char* text;
    } cases[] = {
        {20, TempUnit::fahrenheit, "68°"},
        {21.5, TempUnit::celsius, "22°"},
        {-2.5, TempUnit::celsius, "-3°"},  // not to the even -2
        {-0.4, TempUnit::celsius, "0°"},   // no minus sign on a zero
        {-0.0, TempUnit::celsius, "0°"},
        {1e15 + 0.5, TempUnit::celsius, "1000000000000001°"},
        {-1e20, TempUnit::celsius, "-100000000000000000000°"},  // past every integer type
        {kNaN, TempUnit::celsius, "--°"},
        {-kInf, TempUnit::celsius, "--°"},
        {std::numeric_limits<double>::max(), TempUnit::fahrenheit, "--°"},  // overflows
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formatTemperature(c.celsius, c.unit), c.text) << c.celsius;
    }
}

// Half degrees Fahrenheit stored as Celsius come back exactly: dividing by 5
// first, or multiplying by 1.8, misses some by an ulp (4.5 °F read 4°); a half
// below zero rounds away from zero (-8.5 °F is -9°).
TEST(WeatherFormat, FahrenheitReadingsStoredAsCelsiusComeBackToTheirHalfDegrees) {
    for (int halfDegrees = -81; halfDegrees <= 221; ++halfDegrees) {
        const double fahrenheit = halfDegrees / 2.0;
        const double celsius = (fahrenheit - 32) * 5 / 9;
        // Half away from zero in integers: 9 → 5, -9 → -5, 8 → 4.
        const int shown =
            halfDegrees % 2 == 0 ? halfDegrees / 2 : (halfDegrees + (halfDegrees > 0 ? 1 : -1)) / 2;
        EXPECT_EQ(formatTemperature(celsius, TempUnit::fahrenheit), std::to_string(shown) + "°")
            << fahrenheit << " °F";
    }
}

TEST(WeatherFormat, WindUsesTheUnitsSpeedAndOneSpace) {
    const struct {
        double kph;
        TempUnit unit;
        const char* text;
    } cases[] = {
        {16.09, TempUnit::fahrenheit, "10 mph"},
        {16.09, TempUnit::celsius, "16 km/h"},
        {-0.4, TempUnit::celsius, "0 km/h"},
        {1e20, TempUnit::celsius, "100000000000000000000 km/h"},
        {kNaN, TempUnit::celsius, "-- km/h"},
        {kInf, TempUnit::fahrenheit, "-- mph"},
        // 1.609 km to the mile, as the board always showed, not 1.609344.
        {0.8045, TempUnit::fahrenheit, "1 mph"},     // 0.5 exactly; 0.49989 by the statute mile
        {4.0225, TempUnit::fahrenheit, "3 mph"},     // 2.5 exactly, away from zero; 2.49947
        {113.45, TempUnit::fahrenheit, "71 mph"},    // 70.5096; 70.4946
        {483.585, TempUnit::fahrenheit, "301 mph"},  // 300.5500; 300.4858
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formatWind(withWind(c.kph, 0), c.unit), c.text) << c.kph;
    }
}

// The forecast's figures: speed in the unit the locale's people read,
// amounts with the locale's decimal sign.
TEST(WeatherFormat, ForecastFiguresFollowTheUnitAndTheLocale) {
    const struct {
        std::string text, expected;
    } cases[] = {
        {formatWindSpeed(36, TempUnit::celsius, "en_GB"), "36 km/h"},
        {formatWindSpeed(36, TempUnit::celsius, "ru_RU"), "10 m/s"},
        {formatWindSpeed(36, TempUnit::fahrenheit, "ru_RU"), "22 mph"},
        {formatWindSpeed(kNaN, TempUnit::celsius, "de_DE"), "-- km/h"},
        {formatPrecipitation(0.44, TempUnit::celsius, "en_US"), "0.4 mm"},
        {formatPrecipitation(0.44, TempUnit::celsius, "ru_RU"), "0,4 mm"},
        {formatPrecipitation(12.6, TempUnit::celsius, "de_DE"), "13 mm"},
        {formatPrecipitation(-1, TempUnit::celsius, "fr_FR"), "0,0 mm"},
        {formatPrecipitation(5.2, TempUnit::fahrenheit, "en_US"), "0.20 in"},
        {formatPrecipitation(kInf, TempUnit::fahrenheit, "en_US"), "--"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.text, c.expected);
    }
}

TEST(WeatherFormat, CompassPointTruncatesIntoEightSectors) {
    const struct {
        double degrees;
        const char* point;
    } cases[] = {
        {0, "N"},       {22.4, "N"},   {22.5, "NE"}, {359.9, "N"}, {-10, "N"},   {720, "N"},
        {67.5, "E"},    {135, "SE"},   {180, "S"},   {225, "SW"},  {270, "W"},   {337.4, "NW"},
        {-337.5, "NE"}, {-1e-20, "N"}, {kNaN, "N"},  {kInf, "N"},  {-kInf, "N"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(compassPoint(withWind(0, c.degrees)), c.point) << c.degrees;
    }
}

// Written out from the services' documentation, not read from the table:
// every WMO code Open-Meteo sends, the name it reads, and the WeatherKit code
// for the same weather, which must land on the same row.
TEST(WeatherConditions, EveryOpenMeteoCodeReadsAsWeatherKitsNameForTheSameWeather) {
    const struct {
        std::vector<int> codes;
        const char* name;
        const char* weatherKit;  // "" where WeatherKit has no such code
    } cases[] = {
        {{0}, "Clear", "Clear"},
        {{1}, "Mostly Clear", "MostlyClear"},
        {{2}, "Partly Cloudy", "PartlyCloudy"},
        {{3}, "Cloudy", "Cloudy"},
        {{45, 48}, "Foggy", "Foggy"},
        {{51, 53, 55}, "Drizzle", "Drizzle"},
        {{56, 57}, "Freezing Drizzle", "FreezingDrizzle"},
        {{61, 63}, "Rain", "Rain"},
        {{65, 82}, "Heavy Rain", "HeavyRain"},
        {{66, 67}, "Freezing Rain", "FreezingRain"},
        {{71, 73, 77}, "Snow", "Snow"},
        {{75}, "Heavy Snow", "HeavySnow"},
        {{80, 81}, "Showers", ""},
        {{85, 86}, "Snow Showers", ""},
        {{95}, "Thunderstorms", "Thunderstorms"},
        {{96, 99}, "Thunderstorms with Hail", ""},
    };
    std::size_t documented = 0;
    for (const auto& c : cases) {
        for (const int code : c.codes) {
            SCOPED_TRACE(code);
            const WeatherCondition* row = openMeteoCondition(code);
            ASSERT_NE(row, nullptr);
            EXPECT_EQ(row->name, c.name);
            EXPECT_EQ(openMeteoConditionText(code), c.name);
            EXPECT_EQ(openMeteoConditionSymbol(code, false), row->nightSymbol);
            if (*c.weatherKit != '\0') {
                EXPECT_EQ(weatherKitCondition(c.weatherKit), row);
            }
            ++documented;
        }
    }
    std::size_t mapped = 0;
    for (const WeatherCondition& row : weatherConditions()) {
        mapped += static_cast<std::size_t>(
            std::ranges::count_if(row.openMeteoCodes, [](std::int16_t code) { return code >= 0; }));
    }
    EXPECT_EQ(mapped, documented) << "a code the documentation does not list";
}

// WeatherKit's documented codes and "Tornado": each a row, a name and a
// symbol of its own, found whatever the case of its first letter.
TEST(WeatherConditions, EveryWeatherKitCodeHasARowOfItsOwn) {
    std::istringstream codes(
        "BlowingDust Clear Cloudy Foggy Haze MostlyClear MostlyCloudy PartlyCloudy Smoky Breezy "
        "Windy Drizzle HeavyRain IsolatedThunderstorms Rain SunShowers ScatteredThunderstorms "
        "StrongStorms Thunderstorms Frigid Hail Hot Flurries Sleet Snow SunFlurries WintryMix "
        "Blizzard BlowingSnow FreezingDrizzle FreezingRain HeavySnow Hurricane TropicalStorm "
        "Tornado");
    std::set<const WeatherCondition*> rows;
    for (std::string code; codes >> code;) {
        const WeatherCondition* row = weatherKitCondition(code);
        ASSERT_NE(row, nullptr) << code;
        rows.insert(row);
        code[0] = static_cast<char>(code[0] - 'A' + 'a');
        EXPECT_EQ(weatherKitCondition(code), row) << code;
    }
    EXPECT_EQ(rows.size(), 35u);
    EXPECT_EQ(weatherKitCondition(""), nullptr);
    EXPECT_EQ(openMeteoCondition(-1), nullptr);

    std::set<std::string_view> names;
    for (const WeatherCondition& row : weatherConditions()) {
        EXPECT_TRUE(names.insert(row.name).second) << row.name << " twice";
        EXPECT_NE(row.name, "\u2014");
        EXPECT_FALSE(row.daySymbol.empty() || row.nightSymbol.empty()) << row.name;
    }
}

// A record that kept only a symbol names a condition drawn with that symbol in the same light.
TEST(WeatherConditions, ASymbolNamesAConditionThatDrawsIt) {
    const auto conditions = weatherConditions();
    for (const WeatherCondition& row : conditions) {
        for (const bool daylight : {true, false}) {
            const std::string_view named = symbolCondition(row.symbol(daylight));
            const auto it = std::ranges::find(conditions, named, &WeatherCondition::name);
            ASSERT_NE(it, conditions.end()) << row.name;
            EXPECT_EQ(it->symbol(daylight), row.symbol(daylight)) << row.name;
        }
    }
    EXPECT_EQ(symbolCondition("gift"), "\u2014");
}

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

// Night is the sky's at the place, whatever the service said; the polar day has none.
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
