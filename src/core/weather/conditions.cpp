#include "core/weather/conditions.h"

#include <algorithm>
#include <array>

#include "core/util/translation.h"

namespace solvane {
namespace {

// Up to four WMO codes, the places left over marked unused: 0 is a code
// (a clear sky), so it cannot be the filler.
template <typename... Codes>
constexpr std::array<std::int16_t, 4> wmo(Codes... codes) {
    static_assert(sizeof...(Codes) <= 4);
    std::array<std::int16_t, 4> out{-1, -1, -1, -1};
    std::size_t i = 0;
    ((out[i++] = static_cast<std::int16_t>(codes)), ...);
    return out;
}

// WeatherKit's 34 documented codes and "Tornado", which REST clients in the
// wild also handle although the list leaves it out; Open-Meteo's 28 WMO
// codes. Open-Meteo's showers have no WeatherKit code, and a thunderstorm
// with hail is its own row, neither "Thunderstorms" nor "Hail". Within a
// group of rows that share a symbol, the first is the plainest.
constexpr std::array<WeatherCondition, 38> kConditions{{
    // The sky
    {SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Clear"), "sun.max", "moon.stars", "Clear", wmo(0)},
    {SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Mostly Clear"), "sun.max", "moon.stars",
     "MostlyClear", wmo(1)},
    {SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Partly Cloudy"), "cloud.sun", "cloud.moon",
     "PartlyCloudy", wmo(2)},
    {SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Mostly Cloudy"), "cloud.sun", "cloud.moon",
     "MostlyCloudy", wmo()},
    {SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Cloudy"), "cloud", "cloud", "Cloudy", wmo(3)},
    // Visibility
    {SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Foggy"), "cloud.fog", "cloud.fog", "Foggy",
     wmo(45, 48)},
    {SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Haze"), "sun.haze", "moon.haze", "Haze", wmo()},
    {SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Smoky"), "smoke", "smoke", "Smoky", wmo()},
    {SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Blowing Dust"), "sun.dust", "moon.dust",
     "BlowingDust", wmo()},
    // Wind
    {SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Windy"), "wind", "wind", "Windy", wmo()},
    {SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Breezy"), "wind", "wind", "Breezy", wmo()},
    // Rain
    {SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Drizzle"), "cloud.drizzle", "cloud.drizzle",
     "Drizzle", wmo(51, 53, 55)},
    {SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Rain"), "cloud.rain", "cloud.rain", "Rain",
     wmo(61, 63)},
    // Violent showers (82) are heavy rain by any other name.
    {SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Heavy Rain"), "cloud.heavyrain", "cloud.heavyrain",
     "HeavyRain", wmo(65, 82)},
    {SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Showers"), "cloud.sun.rain", "cloud.moon.rain", "",
     wmo(80, 81)},
    {SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Sun Showers"), "cloud.sun.rain", "cloud.moon.rain",
     "SunShowers", wmo()},
    // Storms
    {SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Thunderstorms"), "cloud.bolt.rain",
     "cloud.bolt.rain", "Thunderstorms", wmo(95)},
    {SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Strong Storms"), "cloud.bolt.rain",
     "cloud.bolt.rain", "StrongStorms", wmo()},
    {SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Thunderstorms with Hail"), "cloud.bolt.rain",
     "cloud.bolt.rain", "", wmo(96, 99)},
    {SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Isolated Thunderstorms"), "cloud.sun.bolt",
     "cloud.moon.bolt", "IsolatedThunderstorms", wmo()},
    {SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Scattered Thunderstorms"), "cloud.sun.bolt",
     "cloud.moon.bolt", "ScatteredThunderstorms", wmo()},
    {SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Hail"), "cloud.hail", "cloud.hail", "Hail", wmo()},
    // Temperature
    {SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Hot"), "thermometer.sun", "thermometer.sun", "Hot",
     wmo()},
    {SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Frigid"), "thermometer.snowflake",
     "thermometer.snowflake", "Frigid", wmo()},
    // Snow. Snow grains (77) fall as snow. Flurries in sunshine have no moon
    // form, and at night they are just snow from a cloud.
    {SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Snow"), "cloud.snow", "cloud.snow", "Snow",
     wmo(71, 73, 77)},
    {SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Heavy Snow"), "cloud.snow", "cloud.snow",
     "HeavySnow", wmo(75)},
    {SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Flurries"), "cloud.snow", "cloud.snow", "Flurries",
     wmo()},
    {SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Snow Showers"), "sun.snow", "cloud.snow", "",
     wmo(85, 86)},
    {SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Sun Flurries"), "sun.snow", "cloud.snow",
     "SunFlurries", wmo()},
    // Ice
    {SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Sleet"), "cloud.sleet", "cloud.sleet", "Sleet",
     wmo()},
    {SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Freezing Rain"), "cloud.sleet", "cloud.sleet",
     "FreezingRain", wmo(66, 67)},
    {SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Freezing Drizzle"), "cloud.sleet", "cloud.sleet",
     "FreezingDrizzle", wmo(56, 57)},
    {SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Wintry Mix"), "cloud.sleet", "cloud.sleet",
     "WintryMix", wmo()},
    {SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Blizzard"), "wind.snow", "wind.snow", "Blizzard",
     wmo()},
    {SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Blowing Snow"), "wind.snow", "wind.snow",
     "BlowingSnow", wmo()},
    // Tropical and severe
    {SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Hurricane"), "hurricane", "hurricane", "Hurricane",
     wmo()},
    {SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Tropical Storm"), "tropicalstorm", "tropicalstorm",
     "TropicalStorm", wmo()},
    {SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Tornado"), "tornado", "tornado", "Tornado", wmo()},
}};

constexpr char lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return lower(x) == lower(y); });
}

}  // namespace

std::span<const WeatherCondition> weatherConditions() {
    return kConditions;
}

const WeatherCondition* openMeteoCondition(std::int64_t code) {
    if (code < 0) {
        return nullptr;  // the filler is no code
    }
    for (const auto& row : kConditions) {
        if (std::ranges::find(row.openMeteoCodes, code) != row.openMeteoCodes.end()) {
            return &row;
        }
    }
    return nullptr;
}

const WeatherCondition* weatherKitCondition(std::string_view code) {
    if (code.empty()) {
        return nullptr;
    }
    for (const auto& row : kConditions) {
        if (sameIgnoringCase(row.weatherKitCode, code)) {
            return &row;
        }
    }
    return nullptr;
}

std::string_view symbolCondition(std::string_view symbol) {
    for (const auto& row : kConditions) {
        if (row.daySymbol == symbol || row.nightSymbol == symbol) {
            return row.name;
        }
    }
    return "\u2014";
}

}  // namespace solvane
