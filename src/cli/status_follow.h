// A status-bar line that keeps itself current: printed again whenever what it
// shows changes (the minute, the day, the weather, the store), for bars that
// keep a program running and read one update per line.
//
// A bar waits on every line, so the loop never waits on the network: each
// update is composed from what is at hand, while the weather is brought up
// to date on a worker thread of its own, one request at a time, and the line
// is printed again when it arrives.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "core/net/http.h"
#include "core/time/instant.h"
#include "core/weather/weather.h"

namespace solvane::cli {

struct FollowSource {
    // The whole update for the moment (ending in a newline), from the store
    // and `fetched`, the latest weather the worker brought; never waits on
    // the network.
    std::function<std::string(Instant, const std::optional<WeatherSnapshot>& fetched)> compose;
    std::function<Instant()> clock;
    // Brings the weather up to date; may wait on the network and stops when
    // `stop` is cancelled. Runs on the worker thread. Empty: no weather is
    // fetched (offline).
    std::function<std::optional<WeatherSnapshot>(const net::CancelToken& stop)> fetchWeather;
};

// Writes the first update at once, then each changed one, at most one a
// second, to `fd`. Runs in the running QCoreApplication until SIGTERM or
// SIGINT arrives or nobody reads `fd` any more, and returns 0 then: a bar that
// stops or reloads its module is the normal way for this to end. A weather
// request under way is cancelled and waited for (about a second at most)
// before returning, and none is started after that.
int followStatus(const FollowSource& source, int fd);

}  // namespace solvane::cli
