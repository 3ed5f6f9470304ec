// The days a time zone's clocks change, read from the zone database as
// nthWeekday rules, so that a countdown to them keeps the plain rule form and
// recurs like any other countdown.
//
//   clockChanges(berlin, now)   // last Sunday of March, last Sunday of October
//   clockChanges(tokyo, now)    // nullopt: one offset all year
#pragma once

#include <optional>

#include "core/model/date_rule.h"
#include "core/time/calendar.h"

namespace solvane {

struct ClockChanges {
    DateRule forward;  // the local day daylight-saving time starts
    DateRule back;     // the local day it ends

    bool operator==(const ClockChanges&) const = default;
};

// The zone's daylight-saving rules in force in the calendar year of `now`, each
// as the nthWeekday rule naming the local day of the change (the day that
// holds the instant of the change, in the time that follows it). nullopt when
// the zone keeps one offset, changes by a table of dates rather than a yearly
// rule, or changes on a day no nthWeekday rule names every year, such as the
// Sunday on or after the 2nd.
std::optional<ClockChanges> clockChanges(const Calendar& calendar, Instant now);

// Whether the zone database places the calendar's zone in the United States.
bool inUnitedStates(const Calendar& calendar);

}  // namespace solvane
