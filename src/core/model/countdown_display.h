// A countdown's phase at a moment, the row a board draws for it, and the texts
// the application shows about it.
//
// Phases: upcoming (the next occurrence starts today or later; a one-day
// countdown is upcoming with zero days left on its day), active (today lies
// within a span, first and last day included), finished (nothing starts today
// or later).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>

#include "core/holidays/working_days.h"
#include "core/model/countdown.h"
#include "core/time/calendar.h"

namespace solvane {

struct UpcomingPhase {
    Instant start;
    std::optional<Instant> end;
    bool operator==(const UpcomingPhase&) const = default;
};
struct ActivePhase {
    Instant start;
    Instant end;
    bool operator==(const ActivePhase&) const = default;
};
struct FinishedPhase {
    bool operator==(const FinishedPhase&) const = default;
};
using CountdownPhase = std::variant<UpcomingPhase, ActivePhase, FinishedPhase>;

// The row drawn for a countdown.
struct CountdownDisplay {
    Uuid id;
    std::string label;
    std::string symbol;
    std::optional<std::string> customImage;
    std::int64_t value = 0;          // the big number
    std::string unit;                // "days", "week", "of 12 days", …
    std::string caption;             // a date, or "Until " and a date
    std::optional<double> progress;  // 0…1 of a happening span; absent when upcoming
    Instant sortDate;                // happening spans sort first (distant past)

    bool operator==(const CountdownDisplay&) const = default;
};

CountdownPhase phase(const Countdown& countdown, Instant now, const Calendar& calendar);

// Absent for finished countdowns and for hidden spans while they happen.
// Working days leave out `off`'s public holidays besides the weekend.
std::optional<CountdownDisplay> display(const Countdown& countdown, Instant now,
                                        const Calendar& calendar, const DaysOff& off = {});

// `days` (from today, a local midnight) expressed in `unit`: whole weeks
// truncated, or the working days up to and including the target (today itself
// never counts).
std::int64_t countValue(CountUnit unit, std::int64_t days, Instant today, const Calendar& calendar,
                        const DaysOff& off = {});

// The application's one-line summary: "Fri, Dec 25 · every year · from Calendar",
// "Happening now · until Mon, Sep 7", or "Finished".
std::string scheduleSummary(const Countdown& countdown, Instant now, const Calendar& calendar);

// The start of the active or upcoming occurrence; none when finished.
std::optional<Instant> currentOrNextStart(const Countdown& countdown, Instant now,
                                          const Calendar& calendar);

// "Last Monday of May, 3 days before", "June solstice", or the date label.
std::string ruleDescription(const DateRule& rule, const Calendar& calendar);

// Rows of all the countdowns at `now`, ordered by sortDate; equal keys keep list
// order.
std::vector<CountdownDisplay> sortedDisplays(const std::vector<Countdown>& countdowns, Instant now,
                                             const Calendar& calendar, const DaysOff& off = {});

}  // namespace solvane
