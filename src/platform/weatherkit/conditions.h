// What the board shows for a WeatherKit condition code: the description text
// and the symbol name, by day and by night.
//
// The service sends `currentWeather.conditionCode` as an upper camel case
// name ("PartlyCloudy") and `currentWeather.daylight` as a boolean. Each code
// here reads as its words ("Partly Cloudy") and draws one of a small, fixed
// set of symbol names, so a later icon set only has to cover the names below:
//
//   sun.max  moon.stars  cloud.sun  cloud.moon  cloud  cloud.fog
//   sun.haze  moon.haze  sun.dust  moon.dust  smoke  wind  wind.snow
//   cloud.drizzle  cloud.rain  cloud.heavyrain  cloud.sun.rain  cloud.moon.rain
//   cloud.bolt.rain  cloud.sun.bolt  cloud.moon.bolt  cloud.hail  cloud.snow
//   sun.snow  cloud.sleet  thermometer.sun  thermometer.snowflake
//   hurricane  tropicalstorm  tornado
//
// Only the sky-dependent conditions change at night (a sun becomes a moon, or
// a plain cloud where no moon form exists); every other code draws the same
// name by day and by night.
//
// A code outside the table still gets a readable description made from the
// code itself ("MixedRainAndSnow" → "Mixed Rain And Snow") and the generic
// "cloud" symbol, so a new code from the service never blanks the board.
//
//   weatherKitCondition("PartlyCloudy")->nightSymbol == "cloud.moon"
//   weatherKitConditionText("MixedRainAndSnow") == "Mixed Rain And Snow"
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace solvane::platform {

struct WeatherKitCondition {
    std::string_view code;         // as the service spells it: "PartlyCloudy"
    std::string_view description;  // "Partly Cloudy"
    std::string_view daySymbol;    // "cloud.sun"
    std::string_view nightSymbol;  // "cloud.moon"
};

// Every known code: the 34 the service documents, in its order by kind
// (visibility, wind, precipitation, hazards, winter, tropical), then
// "Tornado", which REST clients in the wild also handle although the list
// leaves it out.
std::span<const WeatherKitCondition> weatherKitConditions();

// The symbol names the table uses, plus the generic "cloud"; each once.
std::span<const std::string_view> weatherKitSymbolNames();

// The table row for `code`, compared without regard to letter case since the
// platform's own spelling of the same names starts in lower case.
std::optional<WeatherKitCondition> weatherKitCondition(std::string_view code);

// The row's description, or the code's own words for an unknown code:
// letters and digits only, split before each capital that follows a small
// letter or digit and at separators, each word capitalised, at most 64 characters read.
// "Unknown" when nothing readable is left.
std::string weatherKitConditionText(std::string_view code);

// The row's day or night symbol, or "cloud" for an unknown code.
std::string_view weatherKitConditionSymbol(std::string_view code, bool daylight);

}  // namespace solvane::platform
