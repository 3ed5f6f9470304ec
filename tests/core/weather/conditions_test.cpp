#include "core/weather/conditions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/weather/open_meteo.h"

namespace solvane {
namespace {

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
