// What the board shows for a WeatherKit condition code: the condition's name
// and its symbol, by day and by night.
//
// The service sends `currentWeather.conditionCode` as an upper camel case
// name ("PartlyCloudy") and `currentWeather.daylight` as a boolean. Every
// code it documents, and "Tornado", is a row of the one condition table
// (core/weather/conditions.h), which Open-Meteo's codes share: the same
// weather reads the same from either service.
//
// A code outside the table still gets a readable description made from the
// code itself ("MixedRainAndSnow" → "Mixed Rain And Snow") and the generic
// "cloud" symbol, so a new code from the service never blanks the board.
//
//   weatherKitConditionSymbol("PartlyCloudy", false) == "cloud.moon"
//   weatherKitConditionText("MixedRainAndSnow") == "Mixed Rain And Snow"
#pragma once

#include <string>
#include <string_view>

namespace solvane::platform {

// The row's name, or the code's own words for an unknown code: letters and
// digits only, split before each capital that follows a small letter or
// digit and at separators, each word capitalised, at most 64 characters
// read. "Unknown" when nothing readable is left.
std::string weatherKitConditionText(std::string_view code);

// The row's day or night symbol, or "cloud" for an unknown code.
std::string_view weatherKitConditionSymbol(std::string_view code, bool daylight);

}  // namespace solvane::platform
