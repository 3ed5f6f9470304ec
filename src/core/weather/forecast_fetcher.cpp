#include "core/weather/forecast_fetcher.h"

#include <string>
#include <utility>

#include "core/weather/service_wait.h"
#include "core/weather/time_limit.h"

namespace solvane {

namespace {

using Outcome = Result<Forecast, WeatherError>;

Outcome call(const ForecastCall& service, const SavedLocation& place,
             const net::CancelToken& cancel) {
    return askService<Forecast>(service, place.latitude, place.longitude, cancel,
                                "ForecastServices.notConfigured");
}

bool isFresh(const Forecast& cached, WeatherSource source, Instant now) {
    // A forecast from the future (the clock was set back) has a negative age
    // and counts as fresh. A fallback one is kept as long: the hours it
    // tells do not change for asking Apple Weather again within the hour.
    return cached.requested == source && now - cached.fetched < kForecastFreshnessSeconds;
}

// Written to the store before it is handed back: every program showing a
// forecast reads the same one. One that cannot be stored is still returned.
Forecast keep(const SharedStore& store, Forecast forecast, WeatherSource requested) {
    forecast.requested = requested;
    store.saveForecast(forecast);
    return forecast;
}

}  // namespace

std::optional<Forecast> ForecastFetcher::fetch(const SharedStore& store,
                                               const ForecastServices& services,
                                               const SavedLocation& place,
                                               std::optional<WeatherSource> source, bool force,
                                               const net::CancelToken& stop) {
    const WeatherSource resolved = source ? *source : store.loadSettings().weatherSource;
    std::optional<Forecast> stored = cached(store, place);

    // Without a clock no age can be known, so the stored one cannot be trusted.
    if (stored && !force && services.clock && isFresh(*stored, resolved, services.clock())) {
        return stored;
    }
    if (stop.cancelled()) {
        return stored;
    }

    if (resolved == WeatherSource::apple &&
        !serviceWaiting(store, WeatherSource::apple, services.clock)) {
        auto apple = withTimeLimit<Forecast>(
            services.appleTimeLimitSeconds,
            [&](const net::CancelToken& cancel) { return call(services.apple, place, cancel); },
            stop);
        if (stop.cancelled()) {
            return stored;
        }
        if (apple) {
            // The note stays: it tells why the current weather fell back, and
            // only the weather's own next success from Apple clears it.
            return keep(store, std::move(*apple), WeatherSource::apple);
        }
        const WeatherError& error = apple.error();
        rememberWait(store, WeatherSource::apple, services.clock, error);
        store.saveAppleError(error.isTimedOut() ? std::string(kAppleTimeoutNote)
                                                : error.printable());
    }
    if (serviceWaiting(store, WeatherSource::openMeteo, services.clock)) {
        return stored;
    }
    auto openMeteo = call(services.openMeteo, place, stop);
    if (openMeteo) {
        return keep(store, std::move(*openMeteo), resolved);
    }
    rememberWait(store, WeatherSource::openMeteo, services.clock, openMeteo.error());
    return stored;
}

bool ForecastFetcher::due(const SharedStore& store, const ForecastServices& services,
                          const SavedLocation& place) {
    const auto stored = cached(store, place);
    return !stored || !services.clock ||
           !isFresh(*stored, store.loadSettings().weatherSource, services.clock());
}

std::optional<Forecast> ForecastFetcher::cached(const SharedStore& store,
                                                const SavedLocation& place) {
    auto stored = store.loadForecast();
    // Another place's forecast is no answer for this one, however recent: a
    // view would show it under the new place's name.
    if (stored && !isFor(*stored, place)) {
        return std::nullopt;
    }
    return stored;
}

bool ForecastFetcher::isFor(const Forecast& forecast, const SavedLocation& place) {
    return WeatherFetcher::isNear(forecast.latitude, forecast.longitude, place);
}

}  // namespace solvane
