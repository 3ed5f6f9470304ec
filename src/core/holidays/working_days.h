// Working days: the days of the locale's working week (ICU's weekend data:
// Saturday and Sunday in most places, Friday and Saturday in much of the
// Middle East) that are not public holidays of the chosen country, nor days
// off made up for one.
//
//   // Monday 2025-04-14 to Tuesday 2025-04-22 in Berlin: Good Friday and
//   // Easter Monday are off, so Mon–Thu count.
//   workingDaysUntil(mon14, tue22, berlin, &germany, "")   // 4
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "core/holidays/holidays.h"
#include "core/time/calendar.h"

namespace solvane {

// The working days from the day of `from` up to, not including, the day of
// `to` (0 when `to` is not later): what is left to work before it. Without a
// country only the weekend is taken out. nullopt when a day cannot be placed
// or the span leaves the years holidays are known for.
std::optional<std::int64_t> workingDaysUntil(Instant from, Instant to, const Calendar& calendar,
                                             const CountryHolidays* country,
                                             std::string_view region);

}  // namespace solvane
