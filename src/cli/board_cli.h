// The solvane-board command line, as a function so tests can run it in
// process. Output is written to `out`, one-line errors to `err`; the return
// value is the exit status (0 success, 1 nothing to remove or no room to add,
// 2 bad arguments, 3 the store could not be read or written). The commands and
// their options are those of boardProgram() (cli/board_options.h).
#pragma once

#include <filesystem>
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "core/calendar/event_store.h"
#include "core/store/shared_store.h"
#include "core/time/calendar.h"
#include "core/time/instant.h"
#include "core/weather/forecast_fetcher.h"
#include "core/weather/weather_fetcher.h"

namespace solvane::cli {

// What the program would otherwise read from its environment.
struct Environment {
    Environment(Instant now, Calendar calendar) : now(now), calendar(std::move(calendar)) {}

    Instant now;
    // The running clock, for a board that follows time (--follow); absent:
    // time stands at `now`.
    std::function<Instant()> clock;
    Calendar calendar;  // the user's zone and locale
    // The board's store; the user's own (SharedStore::standard()) when absent.
    std::optional<SharedStore> store;
    WeatherServices weather;  // calls left empty count as failing services
    ForecastServices forecast;
    // The user's calendars; none: no calendars at all.
    EventStore* events = nullptr;
    bool terminal = false;  // stdout is a terminal
    bool noColor = false;   // NO_COLOR is set
    int columns = 72;
    int outputFd = 1;  // where --follow writes its updates
    // The first of LC_ALL, LC_TIME and LANG that is set, as given ("de_AT.UTF-8",
    // "C"): its territory is the user's country for holidays. Empty: the
    // zone's country.
    std::string localeVariable;
    // Where the countries' holiday files are; absent: beside the program.
    std::optional<std::filesystem::path> holidayFolder;
    // Tells the other programs (window, widgets, status bars) that a
    // command wrote the store; empty: nobody is told.
    std::function<void()> storeChanged;
};

inline constexpr int kStoreFailedStatus = 3;

int run(const std::vector<std::string>& args, const Environment& env, std::ostream& out,
        std::ostream& err);

// Says on `err`, in one line, why the store failed a command, and gives the
// exit status for it.
int storeFailed(std::ostream& err, const SharedStore& store, StoreFault fault);

// The user's calendar, or one in the zone and locale a command names; empty
// for a zone the database does not hold, with `error` saying so.
std::optional<Calendar> calendarFor(const Environment& env, const std::optional<std::string>& zone,
                                    const std::optional<std::string>& locale, std::string& error);

}  // namespace solvane::cli
