// The days a time zone's clocks change, read from the zone's own changes in
// the system's time-zone database.
//
// Where one nthWeekday rule names the day of every change of one kind for
// years ahead, a countdown to it keeps that plain rule form and recurs like
// any other ("Last Sunday of March"; Jerusalem's "Last Sunday of March,
// 2 days before"). Where none does (Morocco's changes move with Ramadan, a
// country changes once and stays), the countdown holds a clockChange rule,
// which reads each year's days from the zone itself.
//
//   clockChanges(berlin, now)       // forward: last Sunday of March, back: of October
//   clockChanges(casablanca, now)   // clockChange(forward), clockChange(back)
//   clockChanges(tokyo, now)        // nullopt: one offset all year
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "core/model/date_rule.h"
#include "core/time/calendar.h"

namespace solvane {

struct ClockChanges {
    std::optional<DateRule> forward;  // the local day the clocks go forward
    std::optional<DateRule> back;     // the local day they go back

    bool operator==(const ClockChanges&) const = default;
};

// The rules for the changes the zone makes in the year from the day of
// `now`: each direction that occurs has a rule, nthWeekday where one names
// every such change for years ahead, else clockChange. nullopt when the
// clocks do not change in that year.
std::optional<ClockChanges> clockChanges(const Calendar& calendar, Instant now);

// The local days on which the zone's clocks move `direction` in the years
// `firstYear` to `lastYear`, in order: each the day that holds the instant
// of the change, in the time that follows it. At most 64 years are looked at.
std::vector<Instant> clockChangeDays(ClockDirection direction, std::int64_t firstYear,
                                     std::int64_t lastYear, const Calendar& calendar);

// Whether the zone database places the calendar's zone in the United States.
bool inUnitedStates(const Calendar& calendar);

}  // namespace solvane
