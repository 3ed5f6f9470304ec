#include "core/weather/weather_fetcher.h"

#include <cmath>
#include <string>
#include <utility>

#include "core/weather/time_limit.h"

namespace solvane {

namespace {

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
    return withTimeLimit<WeatherSnapshot>(seconds, operation, stop);
}

std::optional<WeatherSnapshot> WeatherFetcher::stored(const SharedStore& store,
                                                      const SavedLocation& place) {
    std::optional<WeatherSnapshot> cached = store.loadWeather();
    // Another place's weather is no answer for this one, however recent: a
    // board would show it under the new place's name.
    if (cached && !isFor(*cached, place)) {
        cached.reset();
    }
    return cached;
}

bool WeatherFetcher::due(const SharedStore& store, const WeatherServices& services,
                         const SavedLocation& place) {
    const auto cached = stored(store, place);
    return !cached || !services.clock ||
           !isFresh(*cached, place, store.loadSettings().weatherSource, services.clock());
}

std::optional<WeatherSnapshot> WeatherFetcher::fetch(const SharedStore& store,
                                                     const WeatherServices& services,
                                                     const SavedLocation& place,
                                                     std::optional<WeatherSource> source,
                                                     bool force, const net::CancelToken& stop) {
    const WeatherSource resolved = source ? *source : store.loadSettings().weatherSource;
    std::optional<WeatherSnapshot> cached = stored(store, place);

    // Without a clock no age can be known, so the cache cannot be trusted.
    if (cached && !force && services.clock && isFresh(*cached, place, resolved, services.clock())) {
        return cached;
    }
    if (stop.cancelled()) {
        return cached;
    }
    auto answer = askServicesInTurn<WeatherSnapshot>(store, resolved, services, place,
                                                     /*clearNoteOnSuccess=*/true, stop,
                                                     "WeatherServices.notConfigured");
    if (!answer) {
        return cached;
    }
    answer->requested = resolved;
    store.saveWeather(*answer);
    return answer;
}

bool WeatherFetcher::isFor(const WeatherSnapshot& snapshot, const SavedLocation& place) {
    return isNear(snapshot.latitude, snapshot.longitude, place);
}

bool WeatherFetcher::isNear(double latitude, double longitude, const SavedLocation& place) {
    // Written as "less than" so that a NaN anywhere fails the test.
    return std::fabs(latitude - place.latitude) < kPlaceTolerance &&
           std::fabs(longitude - place.longitude) < kPlaceTolerance;
}

}  // namespace solvane
