// Weather records and the user's weather choices, always held in metric units,
// and the three functions that turn them into display text.
//
// A WeatherSnapshot is one observation of current weather for one place.
// `source` is the service that delivered it, `requested` the one that was
// asked; they differ only for a fallback snapshot (Apple Weather was asked,
// Open-Meteo filled in). Conversion to the user's unit happens only in
// formatTemperature and formatWind.
//
//   formatTemperature(20, TempUnit::fahrenheit)  "68°"
//   formatWind(snapshot /* 16.09 km/h */, TempUnit::fahrenheit)  "10 mph"
//   compassPoint(snapshot /* 22.5° */)  "NE"
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/time/instant.h"
#include "core/util/enum_strings.h"

namespace solvane {

enum class WeatherSource {
    apple,      // the platform weather service, "Apple Weather"
    openMeteo,  // the public Open-Meteo forecast service
};

template <>
struct EnumCases<WeatherSource> {
    static constexpr std::array<EnumCase<WeatherSource>, 2> list{{
        {WeatherSource::apple, "apple"},
        {WeatherSource::openMeteo, "openMeteo"},
    }};
};

// "Apple Weather", "Open-Meteo".
std::string_view displayName(WeatherSource source);

enum class TempUnit {
    fahrenheit,  // also miles per hour for wind
    celsius,     // also kilometres per hour
};

template <>
struct EnumCases<TempUnit> {
    static constexpr std::array<EnumCase<TempUnit>, 2> list{{
        {TempUnit::fahrenheit, "fahrenheit"},
        {TempUnit::celsius, "celsius"},
    }};
};

// "°F", "°C".
std::string_view label(TempUnit unit);

// Fahrenheit where the locale uses the US measurement system (ICU's
// measurement system for the locale), Celsius everywhere else.
TempUnit defaultTempUnit(std::string_view locale);

struct WeatherSnapshot {
    Instant fetched;  // when the reply was decoded, not a time the service reports
    double latitude = 0;
    double longitude = 0;
    WeatherSource source = WeatherSource::openMeteo;
    WeatherSource requested = WeatherSource::openMeteo;
    double temperatureC = 0;
    double feelsLikeC = 0;
    double highC = 0;
    double lowC = 0;
    std::string condition;  // "Partly Cloudy"
    std::string symbol;     // symbol name, "cloud.sun"
    double windKph = 0;
    double windDirection = 0;  // degrees, 0 = north, clockwise
    double cloudCover = 0;     // percent, 0…100

    bool isFallback() const {
        return requested == WeatherSource::apple && source != WeatherSource::apple;
    }
    bool operator==(const WeatherSnapshot&) const = default;
};

struct AppSettings {
    WeatherSource weatherSource = WeatherSource::openMeteo;
    TempUnit unit = TempUnit::fahrenheit;
    std::vector<std::string> feedCalendarIDs;
    // The holidays offered: a country ("DE") or one of its regions ("DE-BY");
    // empty: the country of the locale, else of the time zone.
    std::string holidayPlace = {};

    // The defaults for a user of `locale`.
    static AppSettings defaults(std::string_view locale);
    bool operator==(const AppSettings&) const = default;
};

// Rounded half away from zero, then "°": 72°, -3°, 0° for -0.4. Non-finite
// values read "--°".
std::string formatTemperature(double celsius, TempUnit unit);

// "19 km/h" or "12 mph" (km/h in miles), as the user's language writes them.
// Non-finite speeds read "-- km/h".
std::string formatWind(const WeatherSnapshot& snapshot, TempUnit unit);

// A forecast's wind speed as the unit setting and the locale read it: mph
// with Fahrenheit; m/s where the language's own weather services give it so
// (Russian, Japanese, Chinese, Korean, the Nordic and Baltic languages);
// km/h elsewhere. "12 km/h", "3 m/s".
std::string formatWindSpeed(double kph, TempUnit unit, std::string_view locale);

// An amount of precipitation: inches with Fahrenheit ("0.12 in"), otherwise
// millimetres, tenths below ten ("0.4 mm", "12 mm"), with the locale's
// decimal sign ("0,4 мм").
std::string formatPrecipitation(double mm, TempUnit unit, std::string_view locale);

// One of the eight compass points for the wind direction, in English ("N"
// for a non-finite direction): a key, also for the spoken names.
std::string_view compassPoint(const WeatherSnapshot& snapshot);
std::string_view compassPoint(double degrees);
std::string localizedCompassPoint(double degrees);
// The same point as the user's language abbreviates it ("SO" in French).
std::string localizedCompassPoint(const WeatherSnapshot& snapshot);

// The condition, stored in English, in the user's language.
std::string localizedCondition(const WeatherSnapshot& snapshot);

}  // namespace solvane
