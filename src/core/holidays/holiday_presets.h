// A country's holidays as presets: the "Holidays (Germany)" group of the Add
// menu, and the next public holidays a new list starts with outside the
// United States.
//
// A holiday whose rule the stored rules already say (a fixed day, the n-th
// weekday of a month) becomes that rule, which every version reads; any other
// (Easter Monday, Eid, the Japanese equinox day) becomes a holiday rule that
// names the country and the holiday, with this year's day beside it.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "core/holidays/holidays.h"
#include "core/model/presets.h"

namespace solvane {

// The holidays that hold in the year of `now` or the next, nationwide or in
// `region`, in the order of their days this year; the group is "Holidays
// (<country>)" in the user's language. Days of one year only and days
// between holidays are left out: no rule names them every year.
std::vector<CountdownPreset> holidayPresets(const CountryHolidays& country, std::string_view region,
                                            const Calendar& calendar, Instant now);

// The first `count` public holidays on or after the day of `now`.
std::vector<CountdownPreset> nextPublicHolidayPresets(const CountryHolidays& country,
                                                      std::string_view region,
                                                      const Calendar& calendar, Instant now,
                                                      std::size_t count);

}  // namespace solvane
