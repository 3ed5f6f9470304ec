// The Open-Meteo forecast client: current weather and today's high and low
// for one coordinate, from GET {endpoint}/v1/forecast.
//
// Parsing takes bytes and knows nothing of the network; fetching only moves
// bytes and maps transport failures. The HTTP status is not examined: an
// error page fails to decode like any other unexpected body.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "core/net/http.h"
#include "core/util/result.h"
#include "core/weather/weather.h"
#include "core/weather/weather_error.h"

namespace solvane {

inline constexpr std::string_view kOpenMeteoEndpoint = "https://api.open-meteo.com";
// The overall limit of one forecast request. Nothing else bounds the request
// when it fills in for Apple Weather, so this is the longest a fallback waits.
inline constexpr double kOpenMeteoTimeLimitSeconds = 60;

// The shortest text that reads back to the same double: 41.5, 40.0, -12.75,
// 1e-05.
std::string coordinateText(double degrees);

// {endpoint}/v1/forecast with the six query items in their fixed order.
std::string openMeteoUrl(std::string_view endpoint, double latitude, double longitude);

// WMO weather interpretation code → "Partly Cloudy" / "cloud.sun"; any other
// code reads "—" with the thunderstorm symbol. Night is any is_day but 1.
std::string_view openMeteoConditionText(std::int64_t code);
std::string_view openMeteoConditionSymbol(std::int64_t code, bool isDay);

// Decodes a reply into a snapshot for the requested coordinates, stamped
// `fetched`. Missing members, nulls, wrong types fail with a decoding error.
Result<WeatherSnapshot, WeatherError> parseOpenMeteo(std::string_view body, double latitude,
                                                     double longitude, Instant fetched);

// GET and parse; `clock` stamps the snapshot when its reply is decoded.
// `timeoutSeconds` is the overall limit; the connect and stall limits are the
// transfer's own, or the overall limit when that is shorter.
Result<WeatherSnapshot, WeatherError> fetchOpenMeteo(
    std::string_view endpoint, double latitude, double longitude,
    const std::function<Instant()>& clock, const net::CancelToken& cancel,
    double timeoutSeconds = kOpenMeteoTimeLimitSeconds);

}  // namespace solvane
