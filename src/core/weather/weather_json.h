// Stored JSON forms of the weather records.
//
// A snapshot is an object with exactly its fourteen field names as keys;
// "fetched" is seconds since 2001-01-01 UTC. Every key is required: a missing
// key, a wrong type or an unknown source makes the whole snapshot unreadable.
//
// Settings are {"weatherSource": …, "unit": …, "feedCalendarIDs": […]},
// tolerant per key: an absent or null key takes its default, but a present
// malformed one makes the whole record unreadable.
#pragma once

#include <string>
#include <string_view>

#include "core/model/countdown_json.h"  // DecodeError
#include "core/util/result.h"
#include "core/weather/weather.h"

namespace solvane {

std::string encodeWeatherSnapshot(const WeatherSnapshot& snapshot);
Result<WeatherSnapshot, DecodeError> decodeWeatherSnapshot(std::string_view json);

std::string encodeAppSettings(const AppSettings& settings);
// `defaults` supplies each absent key (the locale decides the unit).
Result<AppSettings, DecodeError> decodeAppSettings(std::string_view json,
                                                   const AppSettings& defaults);

}  // namespace solvane
