// Rule resolution: from a DateRule to the local day it names in a given year,
// and the occurrences of a countdown around the present year. Equinoxes and
// solstices come from seasons.h.
//
// Every date produced here is the start of a local day of the calendar passed
// in. Nothing fails loudly: a day the calendar cannot build, a payload that
// does not fit the calendar's fields, or a search that finds nothing gives no
// date.
//
//   resolve(DateRule::nthWeekday(-1, 2, 5, -3), 2025, true, cal)   // Fri 2025-05-23
//   resolve(DateRule::season(3), 2026, false, newYork)             // Mon 2026-12-21
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "core/model/countdown.h"
#include "core/model/seasons.h"
#include "core/time/calendar.h"

namespace solvane {

// The local start of the day the rule names in `year`. `recurring` only
// matters for fixed rules: a recurring fixed rule keeps its month and day and
// takes `year`; a non-recurring one ignores `year`.
std::optional<Instant> resolve(const DateRule& rule, std::int64_t year, bool recurring,
                               const Calendar& calendar);

struct Occurrence {
    Instant start;
    std::optional<Instant> end;  // never earlier than start
    bool operator==(const Occurrence&) const = default;
};

// The countdown's occurrences in the years around `now`: only this year for a
// non-recurring fixed start, otherwise last year through two years ahead, in
// that order. A year whose start gives no date contributes nothing; a
// one-day countdown to a clock change has every change of those years.
std::vector<Occurrence> occurrences(const Countdown& countdown, Instant now,
                                    const Calendar& calendar);

}  // namespace solvane
