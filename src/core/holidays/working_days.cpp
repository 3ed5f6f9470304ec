#include "core/holidays/working_days.h"

#include <set>

namespace solvane {

std::optional<std::int64_t> workingDaysUntil(Instant from, Instant to, const Calendar& calendar,
                                             const CountryHolidays* country,
                                             std::string_view region) {
    const auto a = calendar.civilDate(from);
    const auto b = calendar.civilDate(to);
    if (!a || !b) {
        return std::nullopt;
    }
    const auto first = validDay(a->year, a->month, a->day);
    const auto end = validDay(b->year, b->month, b->day);
    if (!first || !end) {
        return std::nullopt;
    }
    std::set<DayNumber> off;
    if (country != nullptr) {
        for (std::int64_t year = a->year; year <= b->year; ++year) {
            for (const HolidayDay& d : holidaysOfYear(*country, region, year)) {
                if (d.type == HolidayType::publicHoliday) {
                    off.insert(d.day);
                }
            }
        }
    }
    std::int64_t count = 0;
    for (DayNumber day = *first; day < *end; ++day) {
        if (!calendar.isWeekendWeekday(weekdayOf(day)) && !off.contains(day)) {
            ++count;
        }
    }
    return count;
}

}  // namespace solvane
