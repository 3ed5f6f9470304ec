#include "core/holidays/working_days.h"

#include <algorithm>
#include <array>
#include <set>

#include "core/holidays/holiday_catalog.h"

namespace solvane {

DaysOff DaysOff::forPlace(std::string_view chosenPlace, const Calendar& calendar) {
    DaysOff off;
    if (const auto place = holidayPlace(chosenPlace, calendar)) {
        off.country = installedCountry(place->country);
        if (off.country != nullptr && off.country->region(place->region) != nullptr) {
            off.region = place->region;
        }
    }
    return off;
}

std::int64_t workingDaysAhead(Instant today, std::int64_t days, const Calendar& calendar,
                              const DaysOff& off) {
    const auto civil = calendar.civilDate(today);
    if (days <= 0 || !civil) {
        return 0;
    }
    const DayNumber first = dayNumberOf(*civil);
    // Every run of seven consecutive days holds each weekday once, so whole
    // weeks contribute a fixed count and only the remainder needs walking;
    // a countdown centuries away costs the same as one next week.
    std::array<bool, 8> working{};  // indexed by weekday 1…7
    std::int64_t perWeek = 0;
    for (int w = 1; w <= 7; ++w) {
        working[static_cast<std::size_t>(w)] = !calendar.isWeekendWeekday(w);
        perWeek += working[static_cast<std::size_t>(w)] ? 1 : 0;
    }
    std::int64_t count = (days / 7) * perWeek;
    for (std::int64_t k = 1; k <= days % 7; ++k) {
        count += working[static_cast<std::size_t>(weekdayOf(first + k))] ? 1 : 0;
    }
    if (off.country == nullptr || civil->year > kLastHolidayYear) {
        return count;
    }
    // Holidays are only known to the end of their last year; later days
    // keep their weekend alone.
    const DayNumber lastKnown =
        dayNumberOf(CivilDate{static_cast<std::int32_t>(kLastHolidayYear), 12, 31});
    const DayNumber last = first + std::min(days, std::max<DayNumber>(lastKnown - first, 0));
    const std::int64_t lastYear = civilDateOf(last).year;
    std::set<DayNumber> taken;  // a holiday and a day made up for another may share a day
    for (std::int64_t year = std::max<std::int64_t>(civil->year, kFirstHolidayYear);
         year <= lastYear; ++year) {
        for (const HolidayDay& d : holidaysOfYear(*off.country, off.region, year)) {
            if (d.type == HolidayType::publicHoliday && d.day > first && d.day <= last &&
                working[static_cast<std::size_t>(weekdayOf(d.day))] && taken.insert(d.day).second) {
                --count;
            }
        }
    }
    for (const DayNumber d : off.country->workdays) {
        if (d > first && d <= last && !working[static_cast<std::size_t>(weekdayOf(d))]) {
            ++count;
        }
    }
    return std::max<std::int64_t>(count, 0);
}

}  // namespace solvane
