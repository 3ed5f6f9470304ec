// solvane-board forecast: the next hours and days for the saved place, as
// text or JSON, from the forecast's own cache when it is fresh.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "cli/board_cli.h"
#include "core/time/calendar.h"

namespace solvane::cli {

// What the command line asked for, its options already read.
struct ForecastRequest {
    bool json = false;
    bool offline = false;  // the cache only
    Instant now;
    Calendar calendar;
};

int forecastCommand(const ForecastRequest& request, const Environment& env, std::ostream& out);

}  // namespace solvane::cli
