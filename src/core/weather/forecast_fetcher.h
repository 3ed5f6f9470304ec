// ForecastFetcher: the one way the programs get a forecast, the way
// WeatherFetcher gets current weather, with its own record and pace.
//
// fetch() reuses the stored forecast while it is fresh (same requested
// source, within kPlaceTolerance of the place, younger than an hour),
// otherwise asks the chosen service. Apple Weather runs under the same limit
// as for current weather; when it fails, the reason is kept as the same
// failure note ("weather.appleError") and Open-Meteo fills in. Every new
// forecast is written to the store; when everything fails the stored one is
// returned if it is for the place. Nothing asks for a forecast unless
// something shows one.
#pragma once

#include <functional>
#include <optional>

#include "core/net/http.h"
#include "core/store/saved_location.h"
#include "core/store/shared_store.h"
#include "core/util/result.h"
#include "core/weather/forecast.h"
#include "core/weather/weather_error.h"
#include "core/weather/weather_fetcher.h"

namespace solvane {

using ForecastCall = std::function<Result<Forecast, WeatherError>(double latitude, double longitude,
                                                                  const net::CancelToken& cancel)>;

struct ForecastServices {
    ForecastCall apple;
    ForecastCall openMeteo;
    std::function<Instant()> clock;
    double appleTimeLimitSeconds = kAppleTimeLimitSeconds;
};

struct ForecastFetcher {
    // `source` absent: the stored settings decide. `force`: never reuse the
    // stored forecast. Empty when nothing could be had for the place.
    // Cancelling `stop` ends a request under way; what was stored is
    // returned then, and no failure note is written.
    static std::optional<Forecast> fetch(const SharedStore& store, const ForecastServices& services,
                                         const SavedLocation& place,
                                         std::optional<WeatherSource> source, bool force,
                                         const net::CancelToken& stop = net::CancelToken());

    // The stored forecast when it is for `place`; never the network.
    static std::optional<Forecast> cached(const SharedStore& store, const SavedLocation& place);
    // Whether fetch() would ask a service now (with the stored source).
    static bool due(const SharedStore& store, const ForecastServices& services,
                    const SavedLocation& place);

    static bool isFor(const Forecast& forecast, const SavedLocation& place);
};

}  // namespace solvane
