// The real weather services, wired for a program: Apple Weather through the
// WeatherKit REST API, Open-Meteo over HTTPS (or the endpoints named by
// SOLVANE_WEATHERKIT_URL and SOLVANE_OPEN_METEO_URL), and the system clock.
#pragma once

#include <functional>

#include "core/time/calendar.h"
#include "core/weather/weather_fetcher.h"

namespace solvane::platform {

// `calendar` gives the time zone WeatherKit is asked for and the language of
// its texts.
WeatherServices standardWeatherServices(const Calendar& calendar);
// As above, with the zone read from `calendar` at each request, for programs
// that follow the system zone while they run.
WeatherServices standardWeatherServices(std::function<Calendar()> calendar);

}  // namespace solvane::platform
