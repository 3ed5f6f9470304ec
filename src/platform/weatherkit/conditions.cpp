#include "platform/weatherkit/conditions.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace solvane::platform {
namespace {

constexpr std::array<WeatherKitCondition, 35> kConditions{{
    // Visibility
    {"BlowingDust", "Blowing Dust", "sun.dust", "moon.dust"},
    {"Clear", "Clear", "sun.max", "moon.stars"},
    {"Cloudy", "Cloudy", "cloud", "cloud"},
    {"Foggy", "Foggy", "cloud.fog", "cloud.fog"},
    {"Haze", "Haze", "sun.haze", "moon.haze"},
    {"MostlyClear", "Mostly Clear", "sun.max", "moon.stars"},
    {"MostlyCloudy", "Mostly Cloudy", "cloud.sun", "cloud.moon"},
    {"PartlyCloudy", "Partly Cloudy", "cloud.sun", "cloud.moon"},
    {"Smoky", "Smoky", "smoke", "smoke"},
    // Wind
    {"Breezy", "Breezy", "wind", "wind"},
    {"Windy", "Windy", "wind", "wind"},
    // Precipitation
    {"Drizzle", "Drizzle", "cloud.drizzle", "cloud.drizzle"},
    {"HeavyRain", "Heavy Rain", "cloud.heavyrain", "cloud.heavyrain"},
    {"IsolatedThunderstorms", "Isolated Thunderstorms", "cloud.sun.bolt", "cloud.moon.bolt"},
    {"Rain", "Rain", "cloud.rain", "cloud.rain"},
    {"SunShowers", "Sun Showers", "cloud.sun.rain", "cloud.moon.rain"},
    {"ScatteredThunderstorms", "Scattered Thunderstorms", "cloud.sun.bolt", "cloud.moon.bolt"},
    {"StrongStorms", "Strong Storms", "cloud.bolt.rain", "cloud.bolt.rain"},
    {"Thunderstorms", "Thunderstorms", "cloud.bolt.rain", "cloud.bolt.rain"},
    // Hazards
    {"Frigid", "Frigid", "thermometer.snowflake", "thermometer.snowflake"},
    {"Hail", "Hail", "cloud.hail", "cloud.hail"},
    {"Hot", "Hot", "thermometer.sun", "thermometer.sun"},
    // Winter precipitation; flurries in sunshine have no moon form, and at
    // night they are just snow from a cloud.
    {"Flurries", "Flurries", "cloud.snow", "cloud.snow"},
    {"Sleet", "Sleet", "cloud.sleet", "cloud.sleet"},
    {"Snow", "Snow", "cloud.snow", "cloud.snow"},
    {"SunFlurries", "Sun Flurries", "sun.snow", "cloud.snow"},
    {"WintryMix", "Wintry Mix", "cloud.sleet", "cloud.sleet"},
    // Winter hazards
    {"Blizzard", "Blizzard", "wind.snow", "wind.snow"},
    {"BlowingSnow", "Blowing Snow", "wind.snow", "wind.snow"},
    {"FreezingDrizzle", "Freezing Drizzle", "cloud.sleet", "cloud.sleet"},
    {"FreezingRain", "Freezing Rain", "cloud.sleet", "cloud.sleet"},
    {"HeavySnow", "Heavy Snow", "cloud.snow", "cloud.snow"},
    // Tropical and severe hazards. The documented list stops at 34 codes;
    // "Tornado" is the one other name REST clients in the wild handle, and a
    // row of its own draws the funnel instead of the generic cloud.
    {"Hurricane", "Hurricane", "hurricane", "hurricane"},
    {"TropicalStorm", "Tropical Storm", "tropicalstorm", "tropicalstorm"},
    {"Tornado", "Tornado", "tornado", "tornado"},
}};

constexpr std::string_view kGenericSymbol = "cloud";
constexpr std::size_t kMaxCodeCharacters = 64;

constexpr std::array<std::string_view, 30> kSymbolNames{{
    "sun.max",         "moon.stars",      "cloud.sun",
    "cloud.moon",      "cloud",           "cloud.fog",
    "sun.haze",        "moon.haze",       "sun.dust",
    "moon.dust",       "smoke",           "wind",
    "wind.snow",       "cloud.drizzle",   "cloud.rain",
    "cloud.heavyrain", "cloud.sun.rain",  "cloud.moon.rain",
    "cloud.bolt.rain", "cloud.sun.bolt",  "cloud.moon.bolt",
    "cloud.hail",      "cloud.snow",      "sun.snow",
    "cloud.sleet",     "thermometer.sun", "thermometer.snowflake",
    "hurricane",       "tropicalstorm",   "tornado",
}};

constexpr char lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
constexpr bool isUpper(char c) {
    return c >= 'A' && c <= 'Z';
}
constexpr char upper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}
constexpr bool isLowerOrDigit(char c) {
    return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return lower(x) == lower(y); });
}

}  // namespace

std::span<const WeatherKitCondition> weatherKitConditions() {
    return kConditions;
}

std::span<const std::string_view> weatherKitSymbolNames() {
    return kSymbolNames;
}

std::optional<WeatherKitCondition> weatherKitCondition(std::string_view code) {
    for (const auto& row : kConditions) {
        if (sameIgnoringCase(row.code, code)) {
            return row;
        }
    }
    return std::nullopt;
}

std::string weatherKitConditionText(std::string_view code) {
    if (const auto row = weatherKitCondition(code)) {
        return std::string(row->description);
    }
    std::string text;
    char previous = ' ';
    for (const char c : code.substr(0, kMaxCodeCharacters)) {
        const bool letterOrDigit = isUpper(c) || isLowerOrDigit(c);
        if (!letterOrDigit) {
            // Separators such as "_" or "-" still end a word.
            previous = ' ';
            continue;
        }
        const bool wordStart = previous == ' ' || (isUpper(c) && isLowerOrDigit(previous));
        if (wordStart && !text.empty()) {
            text += ' ';
        }
        text += wordStart ? upper(c) : c;
        previous = c;
    }
    return text.empty() ? std::string("Unknown") : text;
}

std::string_view weatherKitConditionSymbol(std::string_view code, bool daylight) {
    if (const auto row = weatherKitCondition(code)) {
        return daylight ? row->daySymbol : row->nightSymbol;
    }
    return kGenericSymbol;
}

}  // namespace solvane::platform
