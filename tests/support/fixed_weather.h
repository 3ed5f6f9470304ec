// The reviewed pictures' weather, a warm June afternoon in Brooklyn: changing
// a value changes every picture.
#pragma once

#include "core/time/instant.h"
#include "core/weather/weather.h"

namespace solvane::testing {

inline WeatherSnapshot fixedWeather(Instant fetched) {
    WeatherSnapshot w;
    w.fetched = fetched;
    w.latitude = 40.68;
    w.longitude = -73.94;
    w.temperatureC = 24.4;
    w.feelsLikeC = 25.1;
    w.highC = 27.2;
    w.lowC = 18.3;
    w.condition = "Partly Cloudy";
    w.symbol = "cloud.sun";
    w.windKph = 14;
    w.windDirection = 200;
    w.cloudCover = 38;
    return w;
}

}  // namespace solvane::testing
