// Forecast: the next hours and days of one place, as one service told them —
// hourly temperature, condition, symbol and chance of precipitation, and each
// day's high, low, condition, symbol and chance — kept beside the current
// weather in the store.
//
// The condition is the English name the weather line would give the same
// code ("Heavy Rain", core/weather/conditions.h), kept because several
// conditions draw one symbol. Symbols are stored in their daytime form
// ("cloud.sun"); a view that draws an hour after sunset or before sunrise
// takes nightSymbol() of it, from the sky, not from the service.
// Temperatures are Celsius, chances percent.
//
//   const auto hours = upcomingHours(forecast, now, 24);  // from this hour on
//   const auto days = upcomingDays(forecast, calendar.civilDate(now), 7);
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/time/calendar.h"
#include "core/time/instant.h"
#include "core/weather/weather.h"

namespace solvane {

struct HourForecast {
    Instant time;  // the start of the hour
    double temperatureC = 0;
    std::string condition;                      // "Partly Cloudy"; empty in older records
    std::string symbol;                         // daytime form, "cloud.sun"
    std::optional<double> precipitationChance;  // percent, 0…100; absent: not given
    bool operator==(const HourForecast&) const = default;
};

struct DayForecast {
    CivilDate date;  // the place's own date
    double highC = 0;
    double lowC = 0;
    std::string condition;
    std::string symbol;  // daytime form
    std::optional<double> precipitationChance;
    bool operator==(const DayForecast&) const = default;
};

struct Forecast {
    Instant fetched;  // when the reply was decoded
    double latitude = 0;
    double longitude = 0;
    WeatherSource source = WeatherSource::openMeteo;
    WeatherSource requested = WeatherSource::openMeteo;
    std::vector<HourForecast> hours;  // in time order, one an hour
    std::vector<DayForecast> days;    // in date order, from the place's today

    bool isFallback() const {
        return requested == WeatherSource::apple && source != WeatherSource::apple;
    }
    bool operator==(const Forecast&) const = default;
};

// A forecast older than this is not shown ("Forecast unavailable"): its
// hours have run out or its days have moved on.
inline constexpr double kForecastShownForSeconds = 6 * 3600;
// A forecast younger than this answers without asking the service again.
inline constexpr double kForecastFreshnessSeconds = 3600;
inline constexpr std::size_t kForecastHoursShown = 24;
inline constexpr std::size_t kForecastDaysShown = 7;
// The most a forecast holds: a service's longest reply (ten days of hours
// and days) with room to spare. A reply or a stored record beyond these is
// refused rather than read, so damage cannot grow one without bound.
inline constexpr std::size_t kForecastMaxHours = 400;
inline constexpr std::size_t kForecastMaxDays = 20;

// "moon.stars" for "sun.max", "cloud.moon" for "cloud.sun"; symbols without a
// night form come back as they are. daySymbol() undoes it.
std::string_view nightSymbol(std::string_view symbol);
std::string_view daySymbol(std::string_view symbol);

// At most `count` hours from the one `now` falls in; past hours never.
std::vector<HourForecast> upcomingHours(const Forecast& forecast, Instant now, std::size_t count);

// At most `count` days from `today` on; earlier days never.
std::vector<DayForecast> upcomingDays(const Forecast& forecast, const CivilDate& today,
                                      std::size_t count);

// Whether `forecast` may be shown at `now`: young enough and with an hour to
// come.
bool forecastShowable(const Forecast& forecast, Instant now);

}  // namespace solvane
