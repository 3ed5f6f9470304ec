#include "core/weather/forecast_fetcher.h"

#include <string>
#include <utility>

#include "core/weather/service_chain.h"

namespace solvane {

namespace {

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

    // A success of Apple Weather's leaves its note: it tells why the current
    // weather fell back, and only the weather's own next success clears it.
    auto answer = askServicesInTurn<Forecast>(store, resolved, services, place,
                                              /*clearNoteOnSuccess=*/false, stop,
                                              "ForecastServices.notConfigured");
    if (!answer) {
        return stored;
    }
    return keep(store, std::move(*answer), resolved);
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
