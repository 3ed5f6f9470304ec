// Working days: the days of the locale's working week (ICU's weekend data:
// Saturday and Sunday in most places, Friday and Saturday in much of the
// Middle East) that are not public holidays of the user's country, nor days
// off made up for one. Countdowns counted in working days use this.
//
//   // From Monday 2025-04-14 in Berlin, six days ahead is Sunday the 20th:
//   // Tue–Thu count, Good Friday is off.
//   workingDaysAhead(mon14, 6, berlin, DaysOff{&germany, ""})   // 3
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/holidays/holidays.h"
#include "core/time/calendar.h"

namespace solvane {

// The public holidays taken out of the working week besides the weekend.
struct DaysOff {
    const CountryHolidays* country = nullptr;  // none: only the weekend is off
    std::string region;

    // The installed country of `chosenPlace` ("DE-BY"); when none is chosen,
    // that of the locale's territory (LC_ALL, LC_TIME, LANG), else of the zone.
    static DaysOff forPlace(std::string_view chosenPlace, const Calendar& calendar);
};

// The working days after the day of `today` up to and including the day
// `days` later: what is left to work until it, today not counted. Years
// beyond those holidays are known for lose only their weekend. Costs the
// same for any number of days but the holidays' years.
std::int64_t workingDaysAhead(Instant today, std::int64_t days, const Calendar& calendar,
                              const DaysOff& off);

}  // namespace solvane
