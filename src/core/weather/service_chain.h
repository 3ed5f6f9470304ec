// The one way weather and forecast ask the services (service_table.h): the
// chosen service, then what stands in for it, each skipped while it asked
// to be left alone. A service that has hung before runs under the time
// limit, and why it failed is kept for the window to tell.
#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "core/net/http.h"
#include "core/store/saved_location.h"
#include "core/store/shared_store.h"
#include "core/weather/service_table.h"
#include "core/weather/service_wait.h"
#include "core/weather/time_limit.h"
#include "core/weather/weather.h"
#include "core/weather/weather_error.h"

namespace solvane {

inline constexpr std::string_view kAppleTimeoutNote =
    "Apple Weather didn't answer within 15 seconds.";

// Asks `requested` and then its stand-ins, each through its call in
// `services` (WeatherServices or ForecastServices); `clearNoteOnSuccess` lets a success of a
// service that keeps a failure note clear it (the current weather's does; the forecast leaves the
// note to it). A cancelled `stop` ends the round at once.
template <class Record, class Services>
std::optional<Record> askServicesInTurn(const SharedStore& store, WeatherSource requested,
                                        const Services& services, const SavedLocation& place,
                                        bool clearNoteOnSuccess, const net::CancelToken& stop,
                                        const char* unwired) {
    // Each service at most once, whatever the table says.
    std::size_t asked = 0;
    for (std::optional<WeatherSource> source = requested;
         source && asked < weatherServiceTable().size();
         source = serviceEntry(*source).standIn, ++asked) {
        const WeatherServiceEntry& entry = serviceEntry(*source);
        if (stop.cancelled()) {
            return {};
        }
        if (serviceWaiting(store, entry.source, services.clock)) {
            continue;
        }
        const auto& service =
            entry.source == WeatherSource::apple ? services.apple : services.openMeteo;
        const auto ask = [&](const net::CancelToken& cancel) {
            return askService<Record>(service, place.latitude, place.longitude, cancel, unwired);
        };
        Result<Record, WeatherError> outcome =
            entry.timeLimited ? withTimeLimit<Record>(services.appleTimeLimitSeconds, ask, stop)
                              : ask(stop);
        if (entry.timeLimited && stop.cancelled()) {
            return {};
        }
        if (outcome) {
            if (entry.keepsFailureNote && clearNoteOnSuccess) {
                store.removeAppleError();
            }
            return std::move(*outcome);
        }
        rememberWait(store, entry.source, services.clock, outcome.error());
        if (entry.keepsFailureNote) {
            store.saveAppleError(outcome.error().isTimedOut() ? std::string(kAppleTimeoutNote)
                                                              : outcome.error().printable());
        }
    }
    return {};
}

}  // namespace solvane
