#include "platform/weatherkit/conditions.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/weatherkit/weatherkit.h"

namespace solvane::platform {
namespace {

std::string replyWith(std::string_view code, bool daylight) {
    return R"({"currentWeather":{"temperature":1,"temperatureApparent":1,"windSpeed":1,)"
           R"("cloudCover":0,"conditionCode":")" +
           std::string(code) + R"(","daylight":)" + (daylight ? "true" : "false") + "}}";
}

struct Expected {
    std::string_view code;
    std::string_view name;
    std::string_view daySymbol;
    std::string_view nightSymbol;
};

void expectReadAs(const Expected& want) {
    SCOPED_TRACE(want.code);
    for (const bool daylight : {true, false}) {
        const auto snapshot = parseWeatherKitReply(replyWith(want.code, daylight), 0, 0, {});
        ASSERT_TRUE(snapshot.ok());
        EXPECT_EQ(snapshot->condition, want.name);
        EXPECT_EQ(snapshot->symbol, daylight ? want.daySymbol : want.nightSymbol);
    }
}

TEST(WeatherKitConditions, EachKindOfCodeReachesTheSnapshotWithItsTextAndSymbol) {
    // Written out, not read from the table (whose rows the core's test
    // counts): the board's icons depend on these names, and each kind of row
    // (moon form, plain cloud at night, the same by day and night) is here once.
    const Expected written[] = {
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

}  // namespace
}  // namespace solvane::platform
