// The solvane-board command line, as a function so tests can run it in
// process. Output is written to `out`, one-line errors to `err`; the return
// value is the exit status (0 success, 2 bad arguments).
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "core/time/calendar.h"
#include "core/time/instant.h"

namespace solvane::cli {

// What the program would otherwise read from its environment.
struct Environment {
    Instant now;
    Calendar calendar;  // the user's zone and locale
};

int run(const std::vector<std::string>& args, const Environment& env, std::ostream& out,
        std::ostream& err);

}  // namespace solvane::cli
