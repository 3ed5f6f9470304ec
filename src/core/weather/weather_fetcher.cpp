#include "core/weather/weather_fetcher.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <mutex>
#include <string>
#include <system_error>
#include <thread>
#include <utility>

namespace solvane {

namespace {

using Outcome = Result<WeatherSnapshot, WeatherError>;

// Far beyond any sensible limit, yet small enough that the deadline cannot
// overflow the steady clock: about 31 years.
constexpr double kLongestLimitSeconds = 1e9;

// What the caller sees when there was no outcome at all: the operation threw,
// or no thread could be started for it.
WeatherError unknownFailure() {
    return WeatherError::fromHttp(net::HttpError{net::HttpErrorKind::other, "no outcome"});
}

// A service the program did not wire fails like any other request, so the
// fallback and the failure note still work.
Outcome notConfigured() {
    return Failure{WeatherError::service("WeatherServices.notConfigured")};
}

Outcome call(const WeatherCall& service, const SavedLocation& place,
             const net::CancelToken& cancel) {
    if (!service) {
        return notConfigured();
    }
    try {
        return service(place.latitude, place.longitude, cancel);
    } catch (...) {
        return Failure{unknownFailure()};
    }
}

bool isFresh(const WeatherSnapshot& cached, const SavedLocation& place, WeatherSource source,
             Instant now) {
    if (cached.requested != source || !WeatherFetcher::isFor(cached, place)) {
        return false;
    }
    const double limit = cached.isFallback() ? kFallbackFreshnessSeconds : kNormalFreshnessSeconds;
    // A snapshot from the future (the clock was set back) has a negative age
    // and counts as fresh.
    return now - cached.fetched < limit;
}

}  // namespace

Result<WeatherSnapshot, WeatherError> WeatherFetcher::withTimeout(
    double seconds,
    const std::function<Result<WeatherSnapshot, WeatherError>(const net::CancelToken&)>& operation,
    const net::CancelToken& stop) {
    // A limit that is not a finite, non-negative number allows no time at
    // all: falling back at once beats waiting for ever on a bad setting.
    if (!std::isfinite(seconds) || seconds < 0) {
        seconds = 0;
    }
    if (seconds > kLongestLimitSeconds) {
        seconds = kLongestLimitSeconds;
    }
    const auto deadline = std::chrono::steady_clock::now() +
                          std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                              std::chrono::duration<double>(seconds));

    std::mutex mutex;
    std::condition_variable finished;
    std::optional<Outcome> result;
    const net::CancelToken cancel;

    auto work = [&] {
        Outcome outcome = [&]() -> Outcome {
            if (!operation) {
                return Failure{unknownFailure()};
            }
            try {
                return operation(cancel);
            } catch (...) {
                return Failure{unknownFailure()};
            }
        }();
        const std::lock_guard lock(mutex);
        result.emplace(std::move(outcome));
        finished.notify_all();
    };

    std::thread worker;
    try {
        worker = std::thread(work);
    } catch (const std::system_error&) {
        return Failure{unknownFailure()};
    }

    // Whoever lost the race is stopped and waited for, on every way out: the
    // operation must not outlive the references it was given.
    struct StopAndJoin {
        const net::CancelToken& cancel;
        std::thread& worker;
        ~StopAndJoin() {
            cancel.cancel();
            worker.join();
        }
    };

    std::optional<Outcome> outcome;
    {
        const StopAndJoin joined{cancel, worker};
        std::unique_lock lock(mutex);
        // The caller's stop is a flag, not a wake-up: looked at often enough
        // that a stopping program is not kept waiting.
        constexpr auto kStopPoll = std::chrono::milliseconds(50);
        while (!result && !stop.cancelled() && std::chrono::steady_clock::now() < deadline) {
            finished.wait_until(lock,
                                std::min(deadline, std::chrono::steady_clock::now() + kStopPoll),
                                [&] { return result.has_value(); });
        }
        outcome = std::move(result);
    }
    if (!outcome) {
        return Failure{stop.cancelled() ? WeatherError::fromHttp(
                                              net::HttpError{net::HttpErrorKind::cancelled, ""})
                                        : WeatherError::timedOut()};
    }
    return std::move(*outcome);
}

std::optional<WeatherSnapshot> WeatherFetcher::fetch(const SharedStore& store,
                                                     const WeatherServices& services,
                                                     const SavedLocation& place,
                                                     std::optional<WeatherSource> source,
                                                     bool force, const net::CancelToken& stop) {
    const WeatherSource resolved = source ? *source : store.loadSettings().weatherSource;
    std::optional<WeatherSnapshot> cached = store.loadWeather();
    // Another place's weather is no answer for this one, however recent: a
    // board would show it under the new place's name.
    if (cached && !isFor(*cached, place)) {
        cached.reset();
    }

    // Without a clock no age can be known, so the cache cannot be trusted.
    if (cached && !force && services.clock && isFresh(*cached, place, resolved, services.clock())) {
        return cached;
    }

    if (stop.cancelled()) {
        return cached;
    }
    if (resolved == WeatherSource::apple) {
        auto apple = withTimeout(
            services.appleTimeLimitSeconds,
            [&](const net::CancelToken& cancel) { return call(services.apple, place, cancel); },
            stop);
        if (stop.cancelled()) {
            return cached;
        }
        if (apple) {
            WeatherSnapshot snapshot = std::move(*apple);
            snapshot.requested = WeatherSource::apple;
            store.removeAppleError();
            store.saveWeather(snapshot);
            return snapshot;
        }
        const WeatherError& error = apple.error();
        store.saveAppleError(error.isTimedOut() ? std::string(kAppleTimeoutNote)
                                                : error.printable());
        auto openMeteo = call(services.openMeteo, place, stop);
        if (openMeteo) {
            WeatherSnapshot snapshot = std::move(*openMeteo);
            snapshot.requested = WeatherSource::apple;
            store.saveWeather(snapshot);
            return snapshot;
        }
        return cached;
    }

    auto openMeteo = call(services.openMeteo, place, stop);
    if (openMeteo) {
        WeatherSnapshot snapshot = std::move(*openMeteo);
        snapshot.requested = WeatherSource::openMeteo;
        store.saveWeather(snapshot);
        return snapshot;
    }
    return cached;
}

bool WeatherFetcher::isFor(const WeatherSnapshot& snapshot, const SavedLocation& place) {
    // Written as "less than" so that a NaN anywhere fails the test.
    return std::fabs(snapshot.latitude - place.latitude) < kPlaceTolerance &&
           std::fabs(snapshot.longitude - place.longitude) < kPlaceTolerance;
}

}  // namespace solvane
