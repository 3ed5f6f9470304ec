// A status-bar line that keeps itself current: printed again whenever what it
// shows changes (the minute, the day, the weather, the store), for bars that
// keep a program running and read one update per line.
#pragma once

#include <functional>
#include <string>

#include "core/time/instant.h"

namespace solvane::cli {

struct FollowSource {
    // The whole update for the moment (ending in a newline).
    std::function<std::string(Instant)> compose;
    std::function<Instant()> clock;
};

// Writes the first update at once, then each changed one, at most one a
// second, to `fd`. Runs in the running QCoreApplication until SIGTERM or
// SIGINT arrives or nobody reads `fd` any more, and returns 0 then: a bar that
// stops or reloads its module is the normal way for this to end.
int followStatus(const FollowSource& source, int fd);

}  // namespace solvane::cli
