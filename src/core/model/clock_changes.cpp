#include "core/model/clock_changes.h"

#include <unicode/timezone.h>

#include <array>
#include <mutex>
#include <string>
#include <string_view>

#include "core/model/rules.h"
#include "core/time/calendar_internal.h"

namespace solvane {
namespace {

constexpr std::int64_t kMostYears = 64;
// Real zones change a few times a year at most.
constexpr int kMostChangesPerYear = 8;
// A rule is kept when it names the change in each of this many years: more
// than two turns of the weekdays through the month, so "the 4th Sunday" and
// "the last Sunday" cannot both pass.
constexpr std::int64_t kYearsChecked = 15;
// Days a rule may lie before or after its weekday: a week either way.
constexpr std::size_t kRememberedAnswers = 8;
constexpr std::array<std::int64_t, 13> kOffsets = {0, -1, 1, -2, 2, -3, 3, -4, 4, -5, 5, -6, 6};

std::optional<int> daysInMonth(std::int64_t year, std::int64_t month, const Calendar& calendar) {
    const auto first = calendar.date(year, month, 1);
    const auto next = first ? calendar.addMonths(*first, 1) : std::nullopt;
    const auto diff = next ? calendar.dayDifference(*first, *next) : std::nullopt;
    return diff ? std::optional(static_cast<int>(*diff)) : std::nullopt;
}

// The nthWeekday rules that name `day` as a weekday of its month moved by
// `offset` days: the n-th (1…4) and, in the last week, the last.
std::vector<DateRule> rulesNaming(Instant day, std::int64_t offset, const Calendar& calendar) {
    std::vector<DateRule> rules;
    const auto base = calendar.addDays(day, -offset);
    const auto civil = base ? calendar.civilDate(*base) : std::nullopt;
    const auto weekday = base ? calendar.weekday(*base) : std::nullopt;
    const auto length = civil ? daysInMonth(civil->year, civil->month, calendar) : std::nullopt;
    if (!civil || !weekday || !length) {
        return rules;
    }
    if (const std::int64_t n = (civil->day - 1) / 7 + 1; n <= 4) {
        rules.push_back(DateRule::nthWeekday(n, *weekday, civil->month, offset));
    }
    if (civil->day + 7 > *length) {
        rules.push_back(DateRule::nthWeekday(-1, *weekday, civil->month, offset));
    }
    return rules;
}

// The nthWeekday rule that names the day of the one change in `direction` of
// each year from `firstYear` on; none when some year has another number of
// such changes or no rule fits them all.
std::optional<DateRule> ruleForChanges(ClockDirection direction, std::int64_t firstYear,
                                       const Calendar& calendar) {
    std::vector<Instant> days;
    std::int64_t year = firstYear;
    for (const Instant day :
         clockChangeDays(direction, firstYear, firstYear + kYearsChecked - 1, calendar)) {
        const auto civil = calendar.civilDate(day);
        if (!civil || civil->year != year) {
            return std::nullopt;  // a year without such a change, or with two
        }
        days.push_back(day);
        ++year;
    }
    if (year != firstYear + kYearsChecked) {
        return std::nullopt;
    }
    for (const std::int64_t offset : kOffsets) {
        for (const DateRule& rule : rulesNaming(days.front(), offset, calendar)) {
            bool namesAll = true;
            for (std::size_t i = 0; namesAll && i < days.size(); ++i) {
                const auto y = firstYear + static_cast<std::int64_t>(i);
                namesAll = resolve(rule, y, true, calendar) == days[i];
            }
            if (namesAll) {
                return rule;
            }
        }
    }
    return std::nullopt;
}

ClockDirection directionOf(const ZoneTransition& t) {
    return t.offsetAfter > t.offsetBefore ? ClockDirection::forward : ClockDirection::back;
}

}  // namespace

std::vector<Instant> clockChangeDays(ClockDirection direction, std::int64_t firstYear,
                                     std::int64_t lastYear, const Calendar& calendar) {
    std::vector<Instant> days;
    if (lastYear < firstYear || lastYear - firstYear >= kMostYears) {
        return days;
    }
    const auto from = calendar.date(firstYear, 1, 1);
    const auto to = calendar.date(lastYear + 1, 1, 1);
    if (!from || !to) {
        return days;
    }
    // A change at the very first moment of the year is the year's own.
    Instant at = *from - 1.0;
    const std::int64_t most = (lastYear - firstYear + 1) * kMostChangesPerYear;
    for (std::int64_t seen = 0; seen < most; ++seen) {
        const auto change = calendar.nextTransition(at);
        if (!change || change->at >= *to) {
            break;
        }
        at = change->at;
        if (directionOf(*change) != direction) {
            continue;
        }
        const auto day = calendar.startOfDay(change->at);
        if (day && (days.empty() || days.back() != *day)) {
            days.push_back(*day);
        }
    }
    return days;
}

namespace {

std::optional<ClockChanges> findClockChanges(const Calendar& calendar, Instant today) {
    const auto horizon = calendar.addMonths(today, 12);
    if (!horizon) {
        return std::nullopt;
    }
    std::optional<Instant> firstForward;
    std::optional<Instant> firstBack;
    Instant at = today - 1.0;
    for (int seen = 0; seen < kMostChangesPerYear; ++seen) {
        const auto change = calendar.nextTransition(at);
        if (!change || change->at >= *horizon) {
            break;
        }
        at = change->at;
        auto& first = directionOf(*change) == ClockDirection::forward ? firstForward : firstBack;
        if (!first) {
            first = change->at;
        }
    }
    if (!firstForward && !firstBack) {
        return std::nullopt;
    }
    const auto ruleFor = [&](ClockDirection direction,
                             const std::optional<Instant>& first) -> std::optional<DateRule> {
        const auto year = first ? calendar.civilDate(*first) : std::nullopt;
        if (!year) {
            return std::nullopt;
        }
        return ruleForChanges(direction, year->year, calendar)
            .value_or(DateRule::clockChange(direction));
    };
    return ClockChanges{ruleFor(ClockDirection::forward, firstForward),
                        ruleFor(ClockDirection::back, firstBack)};
}

}  // namespace

std::optional<ClockChanges> clockChanges(const Calendar& calendar, Instant now) {
    const auto today = calendar.startOfDay(now);
    if (!today) {
        return std::nullopt;
    }
    // Asked for each countdown a reminder round looks at, and the answer
    // only changes with the day and the zone's rules: the last few are kept.
    struct Answer {
        std::string zone;
        ZoneStamp stamp;
        Instant today;
        std::optional<ClockChanges> changes;
    };
    const ZoneStamp& stamp = CalendarAccess::stamp(calendar);
    static std::mutex mutex;
    static std::array<Answer, kRememberedAnswers> remembered;
    static std::size_t next = 0;
    {
        std::lock_guard lock(mutex);
        for (const Answer& a : remembered) {
            if (a.zone == calendar.zoneId() && a.stamp == stamp && a.today == *today) {
                return a.changes;
            }
        }
    }
    auto changes = findClockChanges(calendar, *today);
    std::lock_guard lock(mutex);
    remembered[next] = Answer{calendar.zoneId(), stamp, *today, changes};
    next = (next + 1) % remembered.size();
    return changes;
}

bool inUnitedStates(const Calendar& calendar) {
    const std::string& id = calendar.zoneId();
    const auto zoneName = icu::UnicodeString::fromUTF8(
        icu::StringPiece(id.data(), static_cast<std::int32_t>(id.size())));
    char region[8] = {};
    UErrorCode status = U_ZERO_ERROR;
    icu::TimeZone::getRegion(zoneName, region, sizeof region, status);
    return U_SUCCESS(status) && std::string_view(region) == "US";
}

}  // namespace solvane
