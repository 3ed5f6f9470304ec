#include "platform/weatherkit/conditions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "core/weather/forecast.h"
#include "platform/weatherkit/weatherkit.h"

namespace solvane::platform {
namespace {

struct Row {
    const char* code;
    const char* description;
    const char* day;
    const char* night;
};

// Written out again rather than read from the table: the board's icons and
// the failure-free fallback both depend on these exact names.
constexpr Row kExpected[] = {
    {"BlowingDust", "Blowing Dust", "sun.dust", "moon.dust"},
    {"Clear", "Clear", "sun.max", "moon.stars"},
    {"Cloudy", "Cloudy", "cloud", "cloud"},
    {"Foggy", "Foggy", "cloud.fog", "cloud.fog"},
    {"Haze", "Haze", "sun.haze", "moon.haze"},
    {"MostlyClear", "Mostly Clear", "sun.max", "moon.stars"},
    {"MostlyCloudy", "Mostly Cloudy", "cloud.sun", "cloud.moon"},
    {"PartlyCloudy", "Partly Cloudy", "cloud.sun", "cloud.moon"},
    {"Smoky", "Smoky", "smoke", "smoke"},
    {"Breezy", "Breezy", "wind", "wind"},
    {"Windy", "Windy", "wind", "wind"},
    {"Drizzle", "Drizzle", "cloud.drizzle", "cloud.drizzle"},
    {"HeavyRain", "Heavy Rain", "cloud.heavyrain", "cloud.heavyrain"},
    {"IsolatedThunderstorms", "Isolated Thunderstorms", "cloud.sun.bolt", "cloud.moon.bolt"},
    {"Rain", "Rain", "cloud.rain", "cloud.rain"},
    {"SunShowers", "Sun Showers", "cloud.sun.rain", "cloud.moon.rain"},
    {"ScatteredThunderstorms", "Scattered Thunderstorms", "cloud.sun.bolt", "cloud.moon.bolt"},
    {"StrongStorms", "Strong Storms", "cloud.bolt.rain", "cloud.bolt.rain"},
    {"Thunderstorms", "Thunderstorms", "cloud.bolt.rain", "cloud.bolt.rain"},
    {"Frigid", "Frigid", "thermometer.snowflake", "thermometer.snowflake"},
    {"Hail", "Hail", "cloud.hail", "cloud.hail"},
    {"Hot", "Hot", "thermometer.sun", "thermometer.sun"},
    {"Flurries", "Flurries", "cloud.snow", "cloud.snow"},
    {"Sleet", "Sleet", "cloud.sleet", "cloud.sleet"},
    {"Snow", "Snow", "cloud.snow", "cloud.snow"},
    {"SunFlurries", "Sun Flurries", "sun.snow", "cloud.snow"},
    {"WintryMix", "Wintry Mix", "cloud.sleet", "cloud.sleet"},
    {"Blizzard", "Blizzard", "wind.snow", "wind.snow"},
    {"BlowingSnow", "Blowing Snow", "wind.snow", "wind.snow"},
    {"FreezingDrizzle", "Freezing Drizzle", "cloud.sleet", "cloud.sleet"},
    {"FreezingRain", "Freezing Rain", "cloud.sleet", "cloud.sleet"},
    {"HeavySnow", "Heavy Snow", "cloud.snow", "cloud.snow"},
    {"Hurricane", "Hurricane", "hurricane", "hurricane"},
    {"TropicalStorm", "Tropical Storm", "tropicalstorm", "tropicalstorm"},
    {"Tornado", "Tornado", "tornado", "tornado"},
};

std::string replyWith(const std::string& code, bool daylight) {
    return R"({"currentWeather":{"temperature":1,"temperatureApparent":1,"windSpeed":1,)"
           R"("cloudCover":0,"conditionCode":")" +
           code + R"(","daylight":)" + (daylight ? "true" : "false") + "}}";
}

TEST(WeatherKitConditions, EveryCodeReachesTheSnapshotWithItsTextAndDayOrNightSymbol) {
    const auto table = weatherKitConditions();
    ASSERT_EQ(table.size(), std::size(kExpected));
    for (std::size_t i = 0; i < table.size(); ++i) {
        const Row& want = kExpected[i];
        SCOPED_TRACE(want.code);
        EXPECT_EQ(table[i].code, want.code);
        EXPECT_EQ(table[i].description, want.description);
        for (const bool daylight : {true, false}) {
            const auto snapshot = parseWeatherKitReply(replyWith(want.code, daylight), 0, 0, {});
            ASSERT_TRUE(snapshot.ok());
            EXPECT_EQ(snapshot->condition, want.description);
            EXPECT_EQ(snapshot->symbol, daylight ? want.day : want.night);
        }
    }
    // The platform's own spelling starts in lower case.
    EXPECT_EQ(weatherKitConditionSymbol("partlyCloudy", false), "cloud.moon");
}

TEST(WeatherKitConditions, EverySymbolDrawnIsOneOfTheDocumentedNames) {
    const auto names = weatherKitSymbolNames();
    const std::set<std::string_view> documented(names.begin(), names.end());
    EXPECT_EQ(documented.size(), names.size()) << "a name is listed twice";
    std::set<std::string_view> used{"cloud"};
    for (const auto& row : weatherKitConditions()) {
        used.insert(row.daySymbol);
        used.insert(row.nightSymbol);
    }
    EXPECT_EQ(used, documented);
}

TEST(WeatherKitConditions, UnknownCodesReadAsTheirOwnWordsUnderAPlainCloud) {
    const std::pair<std::string, std::string> cases[] = {
        {"MixedRainAndSnow", "Mixed Rain And Snow"},
        {"scatteredShowers", "Scattered Showers"},
        {"Snow_showers-late", "Snow Showers Late"},
        {"Level2Storm", "Level2 Storm"},
        {"\xC3\x9C"
         "ber\n\"Wind\"",
         "Ber Wind"},
        {"", "Unknown"},
        {"!?* ", "Unknown"},
    };
    for (const auto& [code, text] : cases) {
        SCOPED_TRACE(code);
        EXPECT_EQ(weatherKitConditionText(code), text);
        EXPECT_EQ(weatherKitConditionSymbol(code, true), "cloud");
        EXPECT_EQ(weatherKitConditionSymbol(code, false), "cloud");
    }
    std::string huge;
    for (int i = 0; i < 5000; ++i) {
        huge += "Ab";
    }
    EXPECT_EQ(weatherKitConditionText(huge).size(), 32u * 2 + 31);
}

// A forecast keeps the daytime symbol and a view draws the night from it:
// that must be the symbol the table itself draws by night.
TEST(WeatherKitConditions, TheForecastsNightFormIsTheTablesNightSymbol) {
    for (const auto& row : weatherKitConditions()) {
        EXPECT_EQ(nightSymbol(row.daySymbol), row.nightSymbol) << row.code;
        EXPECT_EQ(nightSymbol(daySymbol(row.nightSymbol)), row.nightSymbol) << row.code;
    }
}

}  // namespace
}  // namespace solvane::platform
