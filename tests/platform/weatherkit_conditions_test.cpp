#include "platform/weatherkit/conditions.h"

#include <gtest/gtest.h>

#include <string>

#include "core/weather/forecast.h"
#include "platform/weatherkit/weatherkit.h"

namespace solvane::platform {
namespace {

std::string replyWith(std::string_view code, bool daylight) {
    return R"({"currentWeather":{"temperature":1,"temperatureApparent":1,"windSpeed":1,)"
           R"("cloudCover":0,"conditionCode":")" +
           std::string(code) + R"(","daylight":)" + (daylight ? "true" : "false") + "}}";
}

void expectReadAs(const WeatherKitCondition& want) {
    SCOPED_TRACE(want.code);
    for (const bool daylight : {true, false}) {
        const auto snapshot = parseWeatherKitReply(replyWith(want.code, daylight), 0, 0, {});
        ASSERT_TRUE(snapshot.ok());
        EXPECT_EQ(snapshot->condition, want.description);
        EXPECT_EQ(snapshot->symbol, daylight ? want.daySymbol : want.nightSymbol);
    }
}

TEST(WeatherKitConditions, EveryCodeReachesTheSnapshotWithItsTextAndDayOrNightSymbol) {
    ASSERT_EQ(weatherKitConditions().size(), 35u);
    for (const auto& row : weatherKitConditions()) {
        expectReadAs(row);
    }
    // Written out, not read from the table: the board's icons depend on these
    // names, and each kind of row (moon form, plain cloud at night, the same
    // by day and night) is here once.
    const WeatherKitCondition written[] = {
        {"Clear", "Clear", "sun.max", "moon.stars"},
        {"PartlyCloudy", "Partly Cloudy", "cloud.sun", "cloud.moon"},
        {"IsolatedThunderstorms", "Isolated Thunderstorms", "cloud.sun.bolt", "cloud.moon.bolt"},
        {"SunFlurries", "Sun Flurries", "sun.snow", "cloud.snow"},
        {"FreezingRain", "Freezing Rain", "cloud.sleet", "cloud.sleet"},
        {"Tornado", "Tornado", "tornado", "tornado"},
    };
    for (const auto& row : written) {
        expectReadAs(row);
    }
    // The platform's own spelling starts in lower case.
    EXPECT_EQ(weatherKitConditionSymbol("partlyCloudy", false), "cloud.moon");
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
