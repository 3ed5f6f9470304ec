#include "platform/weatherkit/conditions.h"

#include "core/util/translation.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace solvane::platform {
namespace {

constexpr std::array<WeatherKitCondition, 35> kConditions{{
    // Visibility
    {"BlowingDust", SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Blowing Dust"), "sun.dust",
     "moon.dust"},
    {"Clear", SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Clear"), "sun.max", "moon.stars"},
    {"Cloudy", SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Cloudy"), "cloud", "cloud"},
    {"Foggy", SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Foggy"), "cloud.fog", "cloud.fog"},
    {"Haze", SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Haze"), "sun.haze", "moon.haze"},
    {"MostlyClear", SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Mostly Clear"), "sun.max",
     "moon.stars"},
    {"MostlyCloudy", SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Mostly Cloudy"), "cloud.sun",
     "cloud.moon"},
    {"PartlyCloudy", SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Partly Cloudy"), "cloud.sun",
     "cloud.moon"},
    {"Smoky", SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Smoky"), "smoke", "smoke"},
    // Wind
    {"Breezy", SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Breezy"), "wind", "wind"},
    {"Windy", SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Windy"), "wind", "wind"},
    // Precipitation
    {"Drizzle", SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Drizzle"), "cloud.drizzle",
     "cloud.drizzle"},
    {"HeavyRain", SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Heavy Rain"), "cloud.heavyrain",
     "cloud.heavyrain"},
    {"IsolatedThunderstorms", SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Isolated Thunderstorms"),
     "cloud.sun.bolt", "cloud.moon.bolt"},
    {"Rain", SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Rain"), "cloud.rain", "cloud.rain"},
    {"SunShowers", SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Sun Showers"), "cloud.sun.rain",
     "cloud.moon.rain"},
    {"ScatteredThunderstorms",
     SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Scattered Thunderstorms"), "cloud.sun.bolt",
     "cloud.moon.bolt"},
    {"StrongStorms", SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Strong Storms"), "cloud.bolt.rain",
     "cloud.bolt.rain"},
    {"Thunderstorms", SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Thunderstorms"),
     "cloud.bolt.rain", "cloud.bolt.rain"},
    // Hazards
    {"Frigid", SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Frigid"), "thermometer.snowflake",
     "thermometer.snowflake"},
    {"Hail", SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Hail"), "cloud.hail", "cloud.hail"},
    {"Hot", SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Hot"), "thermometer.sun",
     "thermometer.sun"},
    // Winter precipitation; flurries in sunshine have no moon form, and at
    // night they are just snow from a cloud.
    {"Flurries", SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Flurries"), "cloud.snow",
     "cloud.snow"},
    {"Sleet", SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Sleet"), "cloud.sleet", "cloud.sleet"},
    {"Snow", SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Snow"), "cloud.snow", "cloud.snow"},
    {"SunFlurries", SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Sun Flurries"), "sun.snow",
     "cloud.snow"},
    {"WintryMix", SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Wintry Mix"), "cloud.sleet",
     "cloud.sleet"},
    // Winter hazards
    {"Blizzard", SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Blizzard"), "wind.snow", "wind.snow"},
    {"BlowingSnow", SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Blowing Snow"), "wind.snow",
     "wind.snow"},
    {"FreezingDrizzle", SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Freezing Drizzle"),
     "cloud.sleet", "cloud.sleet"},
    {"FreezingRain", SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Freezing Rain"), "cloud.sleet",
     "cloud.sleet"},
    {"HeavySnow", SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Heavy Snow"), "cloud.snow",
     "cloud.snow"},
    // Tropical and severe hazards. The documented list stops at 34 codes;
    // "Tornado" is the one other name REST clients in the wild handle, and a
    // row of its own draws the funnel instead of the generic cloud.
    {"Hurricane", SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Hurricane"), "hurricane",
     "hurricane"},
    {"TropicalStorm", SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Tropical Storm"), "tropicalstorm",
     "tropicalstorm"},
    {"Tornado", SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Tornado"), "tornado", "tornado"},
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
