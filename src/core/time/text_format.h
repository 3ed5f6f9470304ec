// Short texts for moments and durations, as the board and the application show
// them. Formatters are built once per (zone, locale) and reused; all functions
// are safe to call from several threads.
//
//   clockText(t, cal)        "6:05"        sunrise, sunset, golden hour
//   clockTextAP(t, cal)      "6:05p"       moonrise, moonset
//   shortDateLabel(t, cal)   "Fri, Dec 25" (en_US; the locale decides order)
//   longDateLabel(t, cal)    "Friday, December 25"
//   durationText(37500)      "10h 25m"
//   relativeDayText(t, now, cal)  "today", "tomorrow", "in 5 days", "—"
#pragma once

#include <optional>
#include <string>

#include "core/time/calendar.h"
#include "core/time/instant.h"

namespace solvane {

// "h:mm": 12-hour clock, no leading zero, no day-period marker.
std::string clockText(Instant t, const Calendar& calendar);

// "h:mma" with "a" and "p" as the day-period symbols: 00:30 → "12:30a".
std::string clockTextAP(Instant t, const Calendar& calendar);

// Abbreviated weekday, abbreviated month and day of the month, in the
// locale's own order and punctuation.
std::string shortDateLabel(Instant t, const Calendar& calendar);

// Full weekday, full month and day of the month, in the locale's own order
// and punctuation.
std::string longDateLabel(Instant t, const Calendar& calendar);

// Whole minutes, truncated toward zero: "45m" below an hour, else "10h 5m".
// Non-finite input gives "—".
std::string durationText(double seconds);

// Calendar days from today to the day of `t`: "today" (also for past days),
// "tomorrow", "in N days"; "—" when `t` is absent.
std::string relativeDayText(std::optional<Instant> t, Instant now, const Calendar& calendar);

}  // namespace solvane
