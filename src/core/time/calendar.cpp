#include "core/time/calendar.h"

#include <unicode/basictz.h>
#include <unicode/dtfmtsym.h>
#include <unicode/gregocal.h>
#include <unicode/locid.h>
#include <unicode/timezone.h>
#include <unicode/tzrule.h>
#include <unicode/tztrans.h>
#include <unicode/unistr.h>

#include <array>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <mutex>

#include "core/time/calendar_internal.h"
#include "core/time/zone_rules.h"
#include "core/time/zone_rules_internal.h"

namespace solvane {
namespace {

// Beyond these the calendar's Julian-day arithmetic leaves the range where
// ICU's results are meaningful; refusing early also keeps lenient roll-over
// from wrapping 32-bit fields.
constexpr double kMaxAbsSeconds = 1e13;  // ≈ ±317,000 years around 2001
constexpr std::int64_t kMaxAbsYear = 300'000;
constexpr std::int64_t kMaxAbsMonths = kMaxAbsYear * 12;
constexpr std::int64_t kMaxAbsDays = kMaxAbsYear * 366;
constexpr std::int64_t kMaxAbsHours = kMaxAbsDays * 24;
// Transitions that move no clock (a new name, standard and daylight time
// traded at one offset) are passed over, but never forever.
constexpr int kMostQuietTransitions = 64;

bool within(std::int64_t v, std::int64_t bound) {
    return v >= -bound && v <= bound;
}

std::string utf8(const icu::UnicodeString& s) {
    std::string out;
    s.toUTF8String(out);
    return out;
}

// "de_DE.UTF-8@euro" → "de_DE"; the C and POSIX locales read as en_US.
std::string icuLocaleName(std::string_view posix) {
    std::string name(posix.substr(0, posix.find_first_of(".@")));
    if (name.empty() || name == "C" || name == "POSIX") {
        return "en_US";
    }
    return name;
}

}  // namespace

struct Calendar::Impl {
    std::string zoneId;
    std::string locale;
    std::vector<std::string> weekdayNames;
    std::vector<std::string> monthNames;
    std::array<bool, 7> weekend{};  // index 0 = Sunday
    ZoneStamp stamp;                // the zone file the rules were read from

    mutable std::mutex mutex;
    std::unique_ptr<icu::Calendar> calendar;  // guarded by mutex

    static double toUDate(Instant t) { return t.unixSeconds() * 1000.0; }
    static Instant fromUDate(double ms) { return Instant::fromUnix(ms / 1000.0); }

    static bool inRange(Instant t) {
        return std::isfinite(t.seconds) && std::fabs(t.seconds) <= kMaxAbsSeconds;
    }

    // Sets the calendar to `t`; false when `t` is out of range.
    bool setTime(Instant t) const {
        if (!inRange(t)) {
            return false;
        }
        UErrorCode status = U_ZERO_ERROR;
        calendar->setTime(toUDate(t), status);
        return U_SUCCESS(status);
    }

    std::optional<Instant> time() const {
        UErrorCode status = U_ZERO_ERROR;
        const UDate ms = calendar->getTime(status);
        if (U_FAILURE(status)) {
            return std::nullopt;
        }
        const Instant t = fromUDate(ms);
        return inRange(t) ? std::optional(t) : std::nullopt;
    }

    std::optional<std::int32_t> field(UCalendarDateFields f) const {
        UErrorCode status = U_ZERO_ERROR;
        const std::int32_t v = calendar->get(f, status);
        return U_SUCCESS(status) ? std::optional(v) : std::nullopt;
    }

    void midnight() const {
        calendar->set(UCAL_HOUR_OF_DAY, 0);
        calendar->set(UCAL_MINUTE, 0);
        calendar->set(UCAL_SECOND, 0);
        calendar->set(UCAL_MILLISECOND, 0);
    }
};

Calendar::Calendar(std::shared_ptr<Impl> impl) : impl_(std::move(impl)) {}

std::optional<Calendar> Calendar::make(std::string_view zoneId, std::string_view locale) {
    auto loaded = loadZone(zoneId);
    if (!loaded) {
        return std::nullopt;
    }
    return CalendarAccess::make(std::string(zoneId), std::move(loaded->zone),
                                std::move(loaded->stamp), locale);
}

std::optional<Calendar> CalendarAccess::make(std::string zoneId,
                                             std::unique_ptr<icu::TimeZone> zone, ZoneStamp stamp,
                                             std::string_view locale) {
    auto impl = std::make_shared<Calendar::Impl>();
    impl->zoneId = std::move(zoneId);
    impl->stamp = std::move(stamp);
    impl->locale = icuLocaleName(locale);
    const icu::Locale icuLocale(impl->locale.c_str());

    UErrorCode status = U_ZERO_ERROR;
    auto cal = std::make_unique<icu::GregorianCalendar>(zone.release(), icuLocale, status);
    if (U_FAILURE(status)) {
        return std::nullopt;
    }
    cal->setLenient(true);
    // Proleptic Gregorian: the same day numbers as ISO-8601 dates, with no
    // switch to the Julian calendar before 1582.
    cal->setGregorianChange(-std::numeric_limits<double>::max(), status);
    // A day that starts twice (clocks set back across midnight) starts at the
    // first of the two midnights; a skipped midnight resolves forward.
    cal->setRepeatedWallTimeOption(UCAL_WALLTIME_FIRST);
    cal->setSkippedWallTimeOption(UCAL_WALLTIME_LAST);

    for (int d = UCAL_SUNDAY; d <= UCAL_SATURDAY; ++d) {
        status = U_ZERO_ERROR;
        const auto day = static_cast<UCalendarDaysOfWeek>(d);
        const UCalendarWeekdayType type = cal->getDayOfWeekType(day, status);
        bool weekend = false;
        if (U_SUCCESS(status)) {
            if (type == UCAL_WEEKEND) {
                weekend = true;
            } else if (type == UCAL_WEEKEND_ONSET || type == UCAL_WEEKEND_CEASE) {
                // A weekend that starts at midnight, or ends at the next one,
                // covers the whole day.
                UErrorCode s2 = U_ZERO_ERROR;
                const std::int32_t ms = cal->getWeekendTransition(day, s2);
                weekend =
                    U_SUCCESS(s2) && (type == UCAL_WEEKEND_ONSET ? ms <= 0 : ms >= 86'400'000);
            }
        }
        impl->weekend[static_cast<std::size_t>(d - UCAL_SUNDAY)] = weekend;
    }

    status = U_ZERO_ERROR;
    const icu::DateFormatSymbols symbols(icuLocale, status);
    if (U_SUCCESS(status)) {
        std::int32_t count = 0;
        const icu::UnicodeString* weekdays = symbols.getWeekdays(count);
        for (std::int32_t i = 1; i < count && i <= 7; ++i) {  // [0] is unused
            impl->weekdayNames.push_back(utf8(weekdays[i]));
        }
        const icu::UnicodeString* months = symbols.getMonths(count);
        for (std::int32_t i = 0; i < count && i < 12; ++i) {
            impl->monthNames.push_back(utf8(months[i]));
        }
    }

    impl->calendar = std::move(cal);
    return Calendar(std::move(impl));
}

namespace {

// The first of the variables that is set and not empty wins, the order POSIX
// gives for one category.
std::string localeFromEnvironment(const char* category) {
    for (const char* var : {"LC_ALL", category, "LANG"}) {
        const char* v = std::getenv(var);
        if (v != nullptr && *v != '\0') {
            return icuLocaleName(v);
        }
    }
    return "en_US";
}

}  // namespace

std::string Calendar::currentLocaleName() {
    return localeFromEnvironment("LC_TIME");
}

std::string Calendar::measurementLocaleName() {
    return localeFromEnvironment("LC_MEASUREMENT");
}

Calendar Calendar::current() {
    const std::string locale = currentLocaleName();
    if (const auto name = environmentZoneName()) {
        if (auto cal = make(*name, locale)) {
            return *cal;
        }
    }
    // TZ holds a POSIX rule, or /etc/localtime is a copy rather than a link:
    // ICU's reading of them names a zone, read from the database when it
    // has one of that name, else taken as ICU has it.
    std::unique_ptr<icu::TimeZone> host(icu::TimeZone::detectHostTimeZone());
    if (host && *host != icu::TimeZone::getUnknown()) {
        icu::UnicodeString id;
        host->getID(id);
        if (auto cal = make(utf8(id), locale)) {
            return *cal;
        }
        if (auto cal = CalendarAccess::make(utf8(id), std::move(host), ZoneStamp{}, locale)) {
            return *cal;
        }
    }
    if (auto cal = make("UTC", locale)) {
        return *cal;
    }
    std::unique_ptr<icu::TimeZone> utc(icu::TimeZone::getGMT()->clone());
    return *CalendarAccess::make("UTC", std::move(utc), ZoneStamp{}, "en_US");
}

bool Calendar::rulesCurrent() const {
    return stampCurrent(impl_->stamp);
}

Calendar Calendar::refreshed() const {
    if (rulesCurrent()) {
        return *this;
    }
    return make(impl_->zoneId, impl_->locale).value_or(*this);
}

std::optional<std::int32_t> Calendar::utcOffset(Instant t) const {
    if (!Impl::inRange(t)) {
        return std::nullopt;
    }
    std::int32_t raw = 0;
    std::int32_t dst = 0;
    UErrorCode status = U_ZERO_ERROR;
    std::lock_guard lock(impl_->mutex);
    impl_->calendar->getTimeZone().getOffset(Impl::toUDate(t), false, raw, dst, status);
    if (U_FAILURE(status)) {
        return std::nullopt;
    }
    return (raw + dst) / 1000;
}

std::optional<ZoneTransition> Calendar::nextTransition(Instant after) const {
    if (!Impl::inRange(after)) {
        return std::nullopt;
    }
    std::lock_guard lock(impl_->mutex);
    const auto* zone = dynamic_cast<const icu::BasicTimeZone*>(&impl_->calendar->getTimeZone());
    if (zone == nullptr) {
        return std::nullopt;
    }
    UDate from = Impl::toUDate(after);
    icu::TimeZoneTransition transition;
    // A change of name or of the split between standard and daylight time
    // is not a change of the clocks.
    for (int step = 0; step < kMostQuietTransitions; ++step) {
        if (!zone->getNextTransition(from, false, transition)) {
            return std::nullopt;
        }
        from = transition.getTime();
        const icu::TimeZoneRule* before = transition.getFrom();
        const icu::TimeZoneRule* next = transition.getTo();
        const std::int32_t offsetBefore = before->getRawOffset() + before->getDSTSavings();
        const std::int32_t offsetAfter = next->getRawOffset() + next->getDSTSavings();
        const Instant at = Impl::fromUDate(from);
        if (!Impl::inRange(at)) {
            return std::nullopt;
        }
        if (offsetBefore != offsetAfter) {
            return ZoneTransition{at, offsetBefore / 1000, offsetAfter / 1000};
        }
    }
    return std::nullopt;
}

const std::string& Calendar::zoneId() const {
    return impl_->zoneId;
}
const std::string& Calendar::locale() const {
    return impl_->locale;
}

std::optional<Instant> Calendar::startOfDay(Instant t) const {
    std::lock_guard lock(impl_->mutex);
    if (!impl_->setTime(t)) {
        return std::nullopt;
    }
    impl_->midnight();
    return impl_->time();
}

std::optional<Instant> Calendar::date(std::int64_t year, std::int64_t month, std::int64_t day,
                                      std::optional<std::int64_t> hour) const {
    if (!within(year, kMaxAbsYear) || !within(month, kMaxAbsMonths) || !within(day, kMaxAbsDays) ||
        (hour && !within(*hour, kMaxAbsHours))) {
        return std::nullopt;
    }
    std::lock_guard lock(impl_->mutex);
    icu::Calendar& cal = *impl_->calendar;
    cal.clear();
    cal.set(UCAL_EXTENDED_YEAR, static_cast<std::int32_t>(year));
    cal.set(UCAL_MONTH, static_cast<std::int32_t>(month - 1));
    cal.set(UCAL_DATE, static_cast<std::int32_t>(day));
    cal.set(UCAL_HOUR_OF_DAY, static_cast<std::int32_t>(hour.value_or(0)));
    return impl_->time();
}

std::optional<Instant> Calendar::nthWeekday(std::int64_t year, std::int64_t month,
                                            std::int64_t weekday, std::int64_t ordinal) const {
    if (weekday < 1 || weekday > 7 || ordinal < 1 || !within(year, kMaxAbsYear) ||
        !within(month, kMaxAbsMonths) || !within(ordinal, kMaxAbsDays / 7)) {
        return std::nullopt;
    }
    std::lock_guard lock(impl_->mutex);
    icu::Calendar& cal = *impl_->calendar;
    cal.clear();
    cal.set(UCAL_EXTENDED_YEAR, static_cast<std::int32_t>(year));
    cal.set(UCAL_MONTH, static_cast<std::int32_t>(month - 1));
    cal.set(UCAL_DAY_OF_WEEK, static_cast<std::int32_t>(weekday));
    cal.set(UCAL_DAY_OF_WEEK_IN_MONTH, static_cast<std::int32_t>(ordinal));
    cal.set(UCAL_HOUR_OF_DAY, 0);
    return impl_->time();
}

std::optional<Instant> Calendar::addDays(Instant t, std::int64_t days) const {
    if (!within(days, kMaxAbsDays)) {
        return std::nullopt;
    }
    std::lock_guard lock(impl_->mutex);
    if (!impl_->setTime(t)) {
        return std::nullopt;
    }
    UErrorCode status = U_ZERO_ERROR;
    impl_->calendar->add(UCAL_DATE, static_cast<std::int32_t>(days), status);
    return U_SUCCESS(status) ? impl_->time() : std::nullopt;
}

std::optional<Instant> Calendar::addMonths(Instant t, std::int64_t months) const {
    if (!within(months, kMaxAbsMonths)) {
        return std::nullopt;
    }
    std::lock_guard lock(impl_->mutex);
    if (!impl_->setTime(t)) {
        return std::nullopt;
    }
    UErrorCode status = U_ZERO_ERROR;
    impl_->calendar->add(UCAL_MONTH, static_cast<std::int32_t>(months), status);
    return U_SUCCESS(status) ? impl_->time() : std::nullopt;
}

std::optional<std::int64_t> Calendar::dayDifference(Instant from, Instant to) const {
    std::lock_guard lock(impl_->mutex);
    if (!impl_->setTime(from)) {
        return std::nullopt;
    }
    const auto a = impl_->field(UCAL_JULIAN_DAY);
    if (!a || !impl_->setTime(to)) {
        return std::nullopt;
    }
    const auto b = impl_->field(UCAL_JULIAN_DAY);
    if (!b) {
        return std::nullopt;
    }
    return static_cast<std::int64_t>(*b) - static_cast<std::int64_t>(*a);
}

std::optional<CivilDate> Calendar::civilDate(Instant t) const {
    std::lock_guard lock(impl_->mutex);
    if (!impl_->setTime(t)) {
        return std::nullopt;
    }
    const auto y = impl_->field(UCAL_EXTENDED_YEAR);
    const auto m = impl_->field(UCAL_MONTH);
    const auto d = impl_->field(UCAL_DATE);
    if (!y || !m || !d) {
        return std::nullopt;
    }
    return CivilDate{*y, *m + 1, *d};
}

std::optional<int> Calendar::weekday(Instant t) const {
    std::lock_guard lock(impl_->mutex);
    if (!impl_->setTime(t)) {
        return std::nullopt;
    }
    return impl_->field(UCAL_DAY_OF_WEEK);
}

bool Calendar::isWeekend(Instant t) const {
    const auto w = weekday(t);
    return w && isWeekendWeekday(*w);
}

bool Calendar::isWeekendWeekday(int weekday) const {
    return weekday >= 1 && weekday <= 7 && impl_->weekend[static_cast<std::size_t>(weekday - 1)];
}

const std::vector<std::string>& Calendar::weekdayNames() const {
    return impl_->weekdayNames;
}
const std::vector<std::string>& Calendar::monthNames() const {
    return impl_->monthNames;
}

// Lets the text formatters build ICU objects for the same zone and locale
// without exposing ICU in the public header.
const ZoneStamp& CalendarAccess::stamp(const Calendar& c) {
    return c.impl_->stamp;
}

std::unique_ptr<icu::TimeZone> CalendarAccess::zone(const Calendar& c) {
    std::lock_guard lock(c.impl_->mutex);
    return std::unique_ptr<icu::TimeZone>(c.impl_->calendar->getTimeZone().clone());
}

}  // namespace solvane
