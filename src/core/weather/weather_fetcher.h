// WeatherFetcher: the one way both programs get weather.
//
// fetch() reuses the cached snapshot while it is fresh (same requested
// source, within 0.01° of the place, younger than 25 minutes, or 5 minutes
// for a fallback snapshot), otherwise asks the chosen service. Apple Weather
// runs under a 15-second limit; when it fails, the reason is kept as the
// failure note "weather.appleError" and Open-Meteo fills in. Every fresh
// snapshot is written to the store; when everything fails the cached snapshot
// is returned as it is, whatever its age, if it was fetched for the place
// (within kPlaceTolerance); another place's snapshot is never returned. A
// service that asked to be left alone (Retry-After) is not asked until its
// wait has run out (service_wait.h).
//
// A program that must not wait for the network shows stored() and has
// BackgroundFetch (background_fetch.h) fetch when due().
#pragma once

#include <functional>
#include <optional>

#include "core/net/http.h"
#include "core/store/saved_location.h"
#include "core/store/shared_store.h"
#include "core/util/result.h"
#include "core/weather/service_chain.h"
#include "core/weather/weather.h"
#include "core/weather/weather_error.h"

namespace solvane {

inline constexpr double kPlaceTolerance = 0.01;          // degrees, strict
inline constexpr double kNormalFreshnessSeconds = 1500;  // 25 minutes
inline constexpr double kFallbackFreshnessSeconds = 300;
inline constexpr double kAppleTimeLimitSeconds = 15;

// A weather request for a coordinate that stops when the token is cancelled.
using WeatherCall = std::function<Result<WeatherSnapshot, WeatherError>(
    double latitude, double longitude, const net::CancelToken& cancel)>;

// What fetch() talks to; the programs wire the real clients and clock, tests
// wire loopback servers and a fixed clock.
struct WeatherServices {
    WeatherCall apple;
    WeatherCall openMeteo;
    std::function<Instant()> clock;
    double appleTimeLimitSeconds = kAppleTimeLimitSeconds;
};

struct WeatherFetcher {
    // Runs `operation` on its own thread for at most `seconds`. When the limit
    // strikes first the outcome is the timed-out error; when `stop` is
    // cancelled first, the cancelled error. The operation is then cancelled
    // and waited for before returning. withTimeLimit (time_limit.h) does the
    // same for any other record.
    static Result<WeatherSnapshot, WeatherError> withTimeout(
        double seconds,
        const std::function<Result<WeatherSnapshot, WeatherError>(const net::CancelToken&)>&
            operation,
        const net::CancelToken& stop = net::CancelToken());

    // `source` absent: the stored settings decide. `force`: never reuse the
    // cache. Empty only when nothing could be fetched and nothing was cached.
    // Cancelling `stop` ends a request under way and starts no other; what
    // was cached is returned then, and no failure note is written.
    static std::optional<WeatherSnapshot> fetch(const SharedStore& store,
                                                const WeatherServices& services,
                                                const SavedLocation& place,
                                                std::optional<WeatherSource> source, bool force,
                                                const net::CancelToken& stop = net::CancelToken());

    // The stored snapshot when it is for `place`, whatever its age.
    static std::optional<WeatherSnapshot> stored(const SharedStore& store,
                                                 const SavedLocation& place);
    // Whether fetch() would ask a service now (with the stored source).
    static bool due(const SharedStore& store, const WeatherServices& services,
                    const SavedLocation& place);

    // Whether `snapshot` was fetched for `place` (within kPlaceTolerance):
    // weather is shown only for the place it describes.
    static bool isFor(const WeatherSnapshot& snapshot, const SavedLocation& place);
    // The same for any record fetched at (latitude, longitude).
    static bool isNear(double latitude, double longitude, const SavedLocation& place);
};

}  // namespace solvane
