// The stored JSON form of a forecast, "forecast.v1" in the shared store:
//
//   {"fetched": 757382400, "latitude": 40.7128, "longitude": -74.006,
//    "source": "openMeteo", "requested": "apple",
//    "hours": [{"time": 757382400, "temperatureC": 21.5, "condition": "Partly Cloudy",
//               "symbol": "cloud.sun", "precipitationChance": 20}, …],
//    "days": [{"date": "2025-01-01", "highC": 24.1, "lowC": 12, "condition": "Rain",
//              "symbol": "cloud.rain", "precipitationChance": null}, …]}
//
// Times are seconds since 2001-01-01 UTC, as in the weather snapshot; dates
// are the place's own days. Every key is required but the condition, which
// records written before it was kept lack (it reads as empty); only a chance
// may be null (the service gave none). A missing key, a wrong type, a chance
// outside 0…100, hours or days out of order, more than kForecastMaxHours hours
// or kForecastMaxDays days, or a symbol or condition longer than any makes the
// whole record unreadable.
#pragma once

#include <string>
#include <string_view>

#include "core/model/countdown_json.h"  // DecodeError
#include "core/util/result.h"
#include "core/weather/forecast.h"

namespace solvane {

std::string encodeForecast(const Forecast& forecast);
Result<Forecast, DecodeError> decodeForecast(std::string_view json);

}  // namespace solvane
