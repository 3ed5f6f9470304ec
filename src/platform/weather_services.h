// The real weather services, wired for a program: Apple Weather through the
// WeatherKit REST API, Open-Meteo over HTTPS (or the endpoints named by
// SOLVANE_WEATHERKIT_URL and SOLVANE_OPEN_METEO_URL), and the system clock;
// for current weather and, alike, for the forecast.
#pragma once

#include <functional>

#include "core/time/calendar.h"
#include "core/weather/forecast_fetcher.h"
#include "core/weather/weather_fetcher.h"

namespace solvane::platform {

// `calendar` gives the time zone WeatherKit is asked for and the language of
// its texts.
WeatherServices standardWeatherServices(const Calendar& calendar);
// As above, with the zone read from `calendar` at each request, for programs
// that follow the system zone while they run.
WeatherServices standardWeatherServices(std::function<Calendar()> calendar);

// The forecast's services, wired the same way. The zone also decides the
// dates of Apple Weather's days.
ForecastServices standardForecastServices(const Calendar& calendar);
ForecastServices standardForecastServices(std::function<Calendar()> calendar);

}  // namespace solvane::platform
