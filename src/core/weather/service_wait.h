// A service that answers 429 or 503 with Retry-After is not asked again
// before that wait has run out, by any program: the moment is kept in the
// store, and the stored weather answers meanwhile.
//
//   if (!serviceWaiting(store, WeatherSource::openMeteo, now)) {
//       auto reply = ask();
//       if (!reply) rememberWait(store, WeatherSource::openMeteo, now, reply.error());
//   }
#pragma once

#include <functional>

#include "core/store/shared_store.h"
#include "core/weather/weather.h"
#include "core/weather/weather_error.h"

namespace solvane {

// Whether `source` asked for a wait that lasts beyond the clock's now.
// Without a clock no wait can be known, and none is kept.
inline bool serviceWaiting(const SharedStore& store, WeatherSource source,
                           const std::function<Instant()>& clock) {
    if (!clock) {
        return false;
    }
    // No service asks for more than a day; a later moment is a clock that
    // was wrong when it was kept, and must not silence the service for good.
    const auto notBefore = store.loadNotBefore(source);
    const Instant now = clock();
    return notBefore && *notBefore > now && *notBefore - now <= 24 * 3600.0;
}

inline void rememberWait(const SharedStore& store, WeatherSource source,
                         const std::function<Instant()>& clock, const WeatherError& error) {
    if (clock && error.retryAfterSeconds) {
        store.saveNotBefore(source, clock() + *error.retryAfterSeconds);
    }
}

}  // namespace solvane
