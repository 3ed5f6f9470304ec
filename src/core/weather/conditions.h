// Weather conditions: the one list of what the weather can be, each with the
// name every view uses for it and the symbol it draws, and the codes by which
// each service says it.
//
// Both services land on the same rows, so the same weather reads the same
// words on the weather line, in the forecast and in what a screen reader
// says: Open-Meteo's WMO code 65 and WeatherKit's "HeavyRain" are both
// "Heavy Rain" under "cloud.heavyrain". Names are English and are the keys of
// the "WeatherCondition" translation catalogue; a record stores the English
// name and a view translates it.
//
// Symbols come in a day and a night form. Only sky-dependent conditions
// differ at night (a sun becomes a moon, or a plain cloud where no moon form
// exists), and the night form is always nightSymbol() of the day form, so a
// forecast that keeps day forms can draw any hour after dark. Several
// conditions may draw the same symbol (the icon set has fewer shapes than
// there are conditions), which is why a forecast keeps the condition beside
// its symbol.
//
//   openMeteoCondition(1)->name                     // "Mostly Clear"
//   weatherKitCondition("mostlyClear")->nightSymbol  // "moon.stars"
//   symbolCondition("cloud.sun")                    // "Partly Cloudy"
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace solvane {

struct WeatherCondition {
    std::string_view name;                       // "Partly Cloudy"
    std::string_view daySymbol;                  // "cloud.sun"
    std::string_view nightSymbol;                // "cloud.moon"
    std::string_view weatherKitCode;             // "PartlyCloudy"; empty where WeatherKit has none
    std::array<std::int16_t, 4> openMeteoCodes;  // WMO codes; unused places hold -1

    std::string_view symbol(bool daylight) const { return daylight ? daySymbol : nightSymbol; }
};

// Every condition, each name once; where several draw one symbol, the one
// that symbol stands for on its own comes first.
std::span<const WeatherCondition> weatherConditions();

// The row for one of the WMO codes Open-Meteo documents; none for any other.
const WeatherCondition* openMeteoCondition(std::int64_t code);

// The row for a WeatherKit code, compared without regard to letter case
// since the platform's own spelling of the same names starts in lower case;
// none for a code the list does not hold.
const WeatherCondition* weatherKitCondition(std::string_view code);

// The condition `symbol` stands for when nothing else says, by day or by
// night: the first row that draws it. "—" for a symbol no condition draws.
std::string_view symbolCondition(std::string_view symbol);

}  // namespace solvane
