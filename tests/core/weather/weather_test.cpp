#include "core/weather/weather.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/weather/conditions.h"
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

// A record that kept only a symbol names a condition drawn with that symbol
// in the same light.
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

}  // namespace
}  // namespace solvane
