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
// Temperatures are Celsius, chances percent, wind km/h, precipitation
// millimetres.
//
//   const auto hours = upcomingHours(forecast, now, 24);  // from this hour on
//   const auto days = upcomingDays(forecast, calendar.civilDate(now), 7);
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/time/calendar.h"
#include "core/time/instant.h"
#include "core/weather/weather.h"

namespace solvane {

struct HourForecast {
    HourForecast() = default;
    // The figures every service gives; the others are added when given.
    HourForecast(Instant time, double temperatureC, std::string symbol,
                 std::optional<double> precipitationChance = std::nullopt)
        : time(time),
          temperatureC(temperatureC),
          symbol(std::move(symbol)),
          precipitationChance(precipitationChance) {}
    HourForecast(Instant time, double temperatureC, std::string condition, std::string symbol,
                 std::optional<double> precipitationChance)
        : time(time),
          temperatureC(temperatureC),
          condition(std::move(condition)),
          symbol(std::move(symbol)),
          precipitationChance(precipitationChance) {}

    Instant time;  // the start of the hour
    double temperatureC = 0;
    std::string condition;                      // "Partly Cloudy"; empty in older records
    std::string symbol;                         // daytime form, "cloud.sun"
    std::optional<double> precipitationChance;  // percent, 0…100; absent: not given
    // What a service may add; absent: not given.
    std::optional<double> feelsLikeC;
    std::optional<double> windKph;
    std::optional<double> windDirection;  // degrees it blows from, 0 = north
    std::optional<double> gustKph;
    std::optional<double> precipitationMm;  // over the hour
    bool operator==(const HourForecast&) const = default;
};

struct DayForecast {
    DayForecast() = default;
    DayForecast(CivilDate date, double highC, double lowC, std::string symbol,
                std::optional<double> precipitationChance = std::nullopt)
        : date(date),
          highC(highC),
          lowC(lowC),
          symbol(std::move(symbol)),
          precipitationChance(precipitationChance) {}
    DayForecast(CivilDate date, double highC, double lowC, std::string condition,
                std::string symbol, std::optional<double> precipitationChance)
        : date(date),
          highC(highC),
          lowC(lowC),
          condition(std::move(condition)),
          symbol(std::move(symbol)),
          precipitationChance(precipitationChance) {}

    CivilDate date;  // the place's own date
    double highC = 0;
    double lowC = 0;
    std::string condition;
    std::string symbol;  // daytime form
    std::optional<double> precipitationChance;
    std::optional<double> windKph;  // the day's strongest
    std::optional<double> windDirection;
    std::optional<double> gustKph;
    std::optional<double> precipitationMm;  // the day's total
    bool operator==(const DayForecast&) const = default;
};

struct Forecast {
    Instant fetched;  // when the reply was decoded
    double latitude = 0;
    double longitude = 0;
    WeatherSource source = WeatherSource::openMeteo;
    WeatherSource requested = WeatherSource::openMeteo;
    // The place's zone, in which its days are dated ("Asia/Tokyo"); empty
    // when the service did not say.
    std::string zone;
    std::vector<HourForecast> hours;  // in time order, one an hour
    std::vector<DayForecast> days;    // in date order, from the place's today

    bool isFallback() const {
        return requested == WeatherSource::apple && source != WeatherSource::apple;
    }
    bool operator==(const Forecast&) const = default;
};

// A forecast is shown while this many of its hours and of its days are still
// to come; one older than kForecastFreshnessSeconds says when it was fetched.
inline constexpr std::size_t kForecastLeastShown = 3;
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

// Whether `forecast` may be shown at `now`: at least kForecastLeastShown
// hours to come, and as many days from the place's today (`place` is
// placeCalendar's).
bool forecastShowable(const Forecast& forecast, Instant now, const Calendar& place);

// The calendar of the forecast's place, in `user`'s locale: its days, its
// "today" and its hours are the place's, wherever the computer is. The zone
// is the forecast's own, else the zone whose principal city is nearest to
// the place, else `user`'s.
Calendar placeCalendar(const Forecast& forecast, const Calendar& user);

}  // namespace solvane
