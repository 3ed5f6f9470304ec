// The Open-Meteo forecast client: current weather and today's high and low
// for one coordinate, from GET {endpoint}/v1/forecast, and, as a request of
// its own to the same address, the hours and days to come.
//
// Parsing takes bytes and knows nothing of the network; fetching only moves
// bytes and maps transport failures. The HTTP status is examined only for a
// 429 or 503 with Retry-After, whose wait the error carries: any other error
// page fails to decode like any other unexpected body.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "core/net/http.h"
#include "core/util/result.h"
#include "core/weather/forecast.h"
#include "core/weather/weather.h"
#include "core/weather/weather_error.h"

namespace solvane {

inline constexpr std::string_view kOpenMeteoEndpoint = "https://api.open-meteo.com";
// The whole of one request, connection to last byte: a server that trickles
// cannot hold a call open longer, and Apple Weather with this fallback ends
// within 30 seconds.
inline constexpr double kOpenMeteoTimeLimitSeconds = 15;

// The shortest text that reads back to the same double: 41.5, 40.0, -12.75,
// 1e-05.
std::string coordinateText(double degrees);

// {endpoint}/v1/forecast with the six query items in their fixed order.
std::string openMeteoUrl(std::string_view endpoint, double latitude, double longitude);

// A WMO weather interpretation code's condition (core/weather/conditions.h):
// "Partly Cloudy" / "cloud.sun" for 2; a code the service does not document
// reads "—" with the thunderstorm symbol. Night is any is_day but 1.
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

// {endpoint}/v1/forecast asking for the next seven days: hourly
// temperature_2m, weather_code, precipitation_probability and is_day, daily
// weather_code, temperature_2m_max, temperature_2m_min and
// precipitation_probability_max, timezone=auto, forecast_days=7.
std::string openMeteoForecastUrl(std::string_view endpoint, double latitude, double longitude);

// Decodes a forecast reply for the requested coordinates, stamped `fetched`,
// source and requested both openMeteo, every hour and day of the reply kept.
// Hourly times are the reply's local wall-clock times, "2024-06-14T15:00",
// read with its utc_offset_seconds; days are "2024-06-14". Every array must
// be there and as long as its block's time; temperatures and codes may not be
// null, while a null chance of precipitation is one the service did not give.
// Each hour and day keeps its code's condition; symbols are in their daytime
// form. Times out of order, no hours or no days,
// or more than kForecastMaxHours hours or kForecastMaxDays days fail.
Result<Forecast, WeatherError> parseOpenMeteoForecast(std::string_view body, double latitude,
                                                      double longitude, Instant fetched);

// GET and parse, as fetchOpenMeteo does.
Result<Forecast, WeatherError> fetchOpenMeteoForecast(
    std::string_view endpoint, double latitude, double longitude,
    const std::function<Instant()>& clock, const net::CancelToken& cancel,
    double timeoutSeconds = kOpenMeteoTimeLimitSeconds);

}  // namespace solvane
