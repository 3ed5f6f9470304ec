#include "core/model/clock_changes.h"

#include <unicode/basictz.h>
#include <unicode/dtrule.h>
#include <unicode/tzrule.h>
#include <unicode/tztrans.h>

#include <cmath>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "core/model/rules.h"
#include "core/time/calendar_internal.h"

namespace solvane {
namespace {

constexpr double kMillisPerDay = 86'400'000.0;

// Months of 30 days, numbered from 0 as ICU numbers them.
bool hasThirtyDays(std::int32_t month) {
    return month == 3 || month == 5 || month == 8 || month == 10;
}

// The ordinal (1…4, or −1 for the last) that names the rule's day in every
// year. "On or after the 8th" is always the second such weekday, but "on or
// after the 2nd" is the first in some years and the second in others.
std::optional<std::int64_t> ordinalOf(const icu::DateTimeRule& rule) {
    const std::int32_t day = rule.getRuleDayOfMonth();
    const std::int32_t month = rule.getRuleMonth();
    switch (rule.getDateRuleType()) {
        case icu::DateTimeRule::DOW: {
            const std::int32_t week = rule.getRuleWeekInMonth();
            if ((week >= 1 && week <= 4) || week == -1) {
                return week;
            }
            return std::nullopt;
        }
        case icu::DateTimeRule::DOW_GEQ_DOM:
            if (day >= 1 && day <= 22 && (day - 1) % 7 == 0) {
                return (day - 1) / 7 + 1;
            }
            return std::nullopt;
        case icu::DateTimeRule::DOW_LEQ_DOM:
            if (day >= 7 && day <= 28 && day % 7 == 0) {
                return day / 7;
            }
            // February's last day moves with leap years; other months' does not.
            if (month != 1 && day == (hasThirtyDays(month) ? 30 : 31)) {
                return -1;
            }
            return std::nullopt;
        case icu::DateTimeRule::DOM:
            return std::nullopt;
    }
    return std::nullopt;
}

// Days from the rule's date to the local day of the change. The rule's time
// of day is on the clock before the change (or standard time, or UTC), so a
// change at 24:00 or one set in UTC far from the zone falls on a
// neighbouring day.
std::int64_t dayShift(const icu::DateTimeRule& rule, const icu::TimeZoneRule& before,
                      const icu::TimeZoneRule& after) {
    double base = 0;
    switch (rule.getTimeRuleType()) {
        case icu::DateTimeRule::WALL_TIME:
            base = static_cast<double>(before.getRawOffset()) + before.getDSTSavings();
            break;
        case icu::DateTimeRule::STANDARD_TIME:
            base = before.getRawOffset();
            break;
        case icu::DateTimeRule::UTC_TIME:
            break;
    }
    const double localAfter =
        rule.getRuleMillisInDay() - base + after.getRawOffset() + after.getDSTSavings();
    return static_cast<std::int64_t>(std::floor(localAfter / kMillisPerDay));
}

std::optional<DateRule> asNthWeekday(const icu::AnnualTimeZoneRule& change,
                                     const icu::AnnualTimeZoneRule& other) {
    const icu::DateTimeRule* rule = change.getRule();
    if (rule == nullptr) {
        return std::nullopt;
    }
    const auto n = ordinalOf(*rule);
    if (!n) {
        return std::nullopt;
    }
    return DateRule::nthWeekday(*n, rule->getRuleDayOfWeek(), rule->getRuleMonth() + 1,
                                dayShift(*rule, other, change));
}

bool startsDaylightTime(const icu::TimeZoneTransition& t) {
    return t.getFrom()->getDSTSavings() == 0 && t.getTo()->getDSTSavings() != 0;
}
bool endsDaylightTime(const icu::TimeZoneTransition& t) {
    return t.getFrom()->getDSTSavings() != 0 && t.getTo()->getDSTSavings() == 0;
}

// Whether the rules name the day of every change the zone makes in `year`
// and the next: a reading of the zone's rules that a rule form this code does
// not know would get wrong offers nothing rather than a wrong day.
bool namesEveryChange(const icu::BasicTimeZone& zone, const ClockChanges& changes,
                      std::int32_t year, const Calendar& calendar) {
    const auto from = calendar.date(year, 1, 1);
    const auto to = calendar.date(year + 2, 1, 1);
    if (!from || !to) {
        return false;
    }
    const double end = to->unixSeconds() * 1000.0;
    UDate t = from->unixSeconds() * 1000.0;
    icu::TimeZoneTransition transition;
    int changesSeen = 0;
    while (zone.getNextTransition(t, false, transition) && transition.getTime() < end) {
        t = transition.getTime();
        const bool forward = startsDaylightTime(transition);
        if (!forward && !endsDaylightTime(transition)) {
            continue;  // a new standard time, not a daylight-saving change
        }
        const Instant at = Instant::fromUnix(t / 1000.0);
        const auto civil = calendar.civilDate(at);
        const auto day = calendar.startOfDay(at);
        if (!civil || !day ||
            resolve(forward ? changes.forward : changes.back, civil->year, true, calendar) != day) {
            return false;
        }
        ++changesSeen;
    }
    return changesSeen > 0;
}

}  // namespace

std::optional<ClockChanges> clockChanges(const Calendar& calendar, Instant now) {
    const auto today = calendar.civilDate(now);
    if (!today) {
        return std::nullopt;
    }
    const std::unique_ptr<icu::TimeZone> zone = CalendarAccess::zone(calendar);
    const auto* basic = dynamic_cast<const icu::BasicTimeZone*>(zone.get());
    if (basic == nullptr) {
        return std::nullopt;
    }
    UErrorCode status = U_ZERO_ERROR;
    std::int32_t count = basic->countTransitionRules(status);
    if (U_FAILURE(status) || count <= 0) {
        return std::nullopt;
    }
    std::vector<const icu::TimeZoneRule*> rules(static_cast<std::size_t>(count));
    const icu::InitialTimeZoneRule* initial = nullptr;
    basic->getTimeZoneRules(initial, rules.data(), count, status);
    if (U_FAILURE(status)) {
        return std::nullopt;
    }

    // Yearly rules are the zone's current ones; past years are a table of
    // dates. Exactly one yearly rule of each kind makes one pair of changes.
    const icu::AnnualTimeZoneRule* forward = nullptr;
    const icu::AnnualTimeZoneRule* back = nullptr;
    for (std::int32_t i = 0; i < count; ++i) {
        const auto* annual = dynamic_cast<const icu::AnnualTimeZoneRule*>(rules[i]);
        if (annual == nullptr || annual->getStartYear() > today->year ||
            annual->getEndYear() < today->year) {
            continue;
        }
        const icu::AnnualTimeZoneRule*& slot = annual->getDSTSavings() != 0 ? forward : back;
        if (slot != nullptr) {
            return std::nullopt;
        }
        slot = annual;
    }
    if (forward == nullptr || back == nullptr) {
        return std::nullopt;
    }
    const auto forwardRule = asNthWeekday(*forward, *back);
    const auto backRule = asNthWeekday(*back, *forward);
    if (!forwardRule || !backRule) {
        return std::nullopt;
    }
    const ClockChanges changes{*forwardRule, *backRule};
    if (!namesEveryChange(*basic, changes, today->year, calendar)) {
        return std::nullopt;
    }
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
