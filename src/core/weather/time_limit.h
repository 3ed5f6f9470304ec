// A weather request under a limit of its own: the current weather and the
// forecast from Apple Weather both give up after kAppleTimeLimitSeconds and
// let Open-Meteo fill in.
//
//   auto r = withTimeLimit<Forecast>(15, [&](const net::CancelToken& cancel) {
//       return services.apple(lat, lon, cancel);
//   }, stop);
#pragma once

#include <functional>
#include <optional>

#include "core/net/http.h"
#include "core/util/result.h"
#include "core/weather/weather_error.h"

namespace solvane {

enum class LimitOutcome {
    finished,    // `work` returned within the limit
    timedOut,    // the limit struck first
    stopped,     // the caller's `stop` was cancelled first
    notStarted,  // no thread could be had for it
};

// Runs `work` on its own thread for at most `seconds`; a limit that is not a
// finite, non-negative number allows no time at all. Whichever way it ends,
// `work`'s token is cancelled and `work` is waited for before returning, so
// it never outlives what it was given.
LimitOutcome runWithinLimit(double seconds,
                            const std::function<void(const net::CancelToken&)>& work,
                            const net::CancelToken& stop);

namespace time_limit_detail {
// What the caller sees when there was no outcome at all: the operation threw,
// or no thread could be started for it.
WeatherError noOutcome();
}  // namespace time_limit_detail

// `operation` under runWithinLimit. When the limit strikes first the outcome
// is the timed-out error, when `stop` is cancelled first the cancelled error.
template <class T>
Result<T, WeatherError> withTimeLimit(
    double seconds,
    const std::function<Result<T, WeatherError>(const net::CancelToken&)>& operation,
    const net::CancelToken& stop = net::CancelToken()) {
    std::optional<Result<T, WeatherError>> result;
    const LimitOutcome outcome = runWithinLimit(
        seconds,
        [&](const net::CancelToken& cancel) {
            if (!operation) {
                return;
            }
            try {
                result.emplace(operation(cancel));
            } catch (...) {
                result.reset();
            }
        },
        stop);
    switch (outcome) {
        case LimitOutcome::finished:
            break;
        case LimitOutcome::timedOut:
            return Failure{WeatherError::timedOut()};
        case LimitOutcome::stopped:
            return Failure{
                WeatherError::fromHttp(net::HttpError{net::HttpErrorKind::cancelled, ""})};
        case LimitOutcome::notStarted:
            return Failure{time_limit_detail::noOutcome()};
    }
    if (!result) {
        return Failure{time_limit_detail::noOutcome()};
    }
    return std::move(*result);
}

// `service` asked for a coordinate. One the program did not wire fails with
// the service error `unwired`, and one that throws gives no outcome, so the
// fallback and the failure note work for them as for any failed request.
template <class T>
Result<T, WeatherError> askService(
    const std::function<Result<T, WeatherError>(double, double, const net::CancelToken&)>& service,
    double latitude, double longitude, const net::CancelToken& cancel, const char* unwired) {
    if (!service) {
        return Failure{WeatherError::service(unwired)};
    }
    try {
        return service(latitude, longitude, cancel);
    } catch (...) {
        return Failure{time_limit_detail::noOutcome()};
    }
}

}  // namespace solvane
