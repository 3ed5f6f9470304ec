#include "core/holidays/holiday_rules.h"

#include <unicode/calendar.h>
#include <unicode/locid.h>
#include <unicode/timezone.h>

#include <cmath>
#include <map>
#include <memory>
#include <numbers>

#include "core/model/seasons.h"
#include "core/sky/moon.h"
#include "core/sky/sky_math.h"
#include "core/sky/sun_position.h"
#include "core/time/civil_days.h"

namespace solvane {

namespace {

constexpr double kMillisPerDay = 86400000.0;
constexpr double kSecondsPerDay = 86400.0;

bool inRange(std::int64_t year) {
    return year >= kFirstHolidayYear && year <= kLastHolidayYear;
}

bool isLeap(std::int64_t y) {
    return civil::isLeapYear(y);
}

int daysInMonth(std::int64_t y, std::int64_t m) {
    return civil::daysInMonth(y, static_cast<int>(m));
}

// One ICU calendar of each kind per thread: making one costs far more than
// asking it a date, and a year's holidays ask dozens.
icu::Calendar* icuCalendar(LunarCalendar kind) {
    thread_local std::array<std::unique_ptr<icu::Calendar>, 4> calendars;
    auto& slot = calendars[static_cast<std::size_t>(kind)];
    if (!slot) {
        const char* locale = "en@calendar=chinese";
        switch (kind) {
            case LunarCalendar::chinese:
                break;
            case LunarCalendar::islamicUmmAlQura:
                locale = "en@calendar=islamic-umalqura";
                break;
            case LunarCalendar::islamicCivil:
                locale = "en@calendar=islamic-civil";
                break;
            case LunarCalendar::hebrew:
                locale = "en@calendar=hebrew";
                break;
        }
        UErrorCode status = U_ZERO_ERROR;
        // Days are labelled in UTC: the Chinese calendar keeps China's time
        // for its own astronomy whatever zone the object has.
        slot.reset(icu::Calendar::createInstance(icu::TimeZone::getGMT()->clone(),
                                                 icu::Locale(locale), status));
        if (U_FAILURE(status)) {
            slot.reset();
        }
    }
    return slot.get();
}

std::optional<int> extendedYearAt(icu::Calendar& calendar, DayNumber day) {
    UErrorCode status = U_ZERO_ERROR;
    calendar.setTime(static_cast<double>(day) * kMillisPerDay + kMillisPerDay / 2, status);
    const int year = calendar.get(UCAL_EXTENDED_YEAR, status);
    return U_SUCCESS(status) ? std::optional(year) : std::nullopt;
}

// The day ICU names (extended year, month, day) when the date exists there.
std::optional<DayNumber> lunarDay(icu::Calendar& calendar, LunarCalendar kind, int year, int month,
                                  int day) {
    UErrorCode status = U_ZERO_ERROR;
    calendar.clear();
    calendar.set(UCAL_EXTENDED_YEAR, year);
    calendar.set(UCAL_MONTH, month - 1);
    if (kind == LunarCalendar::chinese) {
        calendar.set(UCAL_IS_LEAP_MONTH, 0);
    }
    calendar.set(UCAL_DATE, day);
    const double millis = calendar.getTime(status);
    if (U_FAILURE(status)) {
        return std::nullopt;
    }
    const auto result = static_cast<DayNumber>(std::floor(millis / kMillisPerDay));
    // ICU rolls a day the month lacks into the next month, and a Hebrew Adar I
    // of a common year into Adar: such a date does not exist that year.
    calendar.setTime(static_cast<double>(result) * kMillisPerDay, status);
    if (U_FAILURE(status) || calendar.get(UCAL_MONTH, status) != month - 1 ||
        calendar.get(UCAL_DATE, status) != day || U_FAILURE(status)) {
        return std::nullopt;
    }
    return result;
}

DayNumber dayOfInstant(Instant t, int utcOffsetMinutes) {
    const double local = t.unixSeconds() + utcOffsetMinutes * 60.0;
    return static_cast<DayNumber>(std::floor(local / kSecondsPerDay));
}

std::optional<Instant> sunReaches(double degrees, std::int64_t year) {
    const auto equinox = seasonMoment(0, year);
    if (!equinox) {
        return std::nullopt;
    }
    // From the March equinox at the mean rate, then Newton's steps on the
    // apparent longitude (nutation included), which converge within three.
    double d = sky::dayNumber(*equinox) + degrees / 360.0 * 365.2422;
    const double target = degrees * std::numbers::pi / 180.0;
    for (int step = 0; step < 6; ++step) {
        const double T = sky::julianCenturiesTT(d);
        const auto sun = sky::sunLongitudeLowPrecision(T);
        const double apparent = sky::sunPlace(T).longitude + sky::nutation(T).longitude;
        double diff = std::remainder(target - apparent, 2.0 * std::numbers::pi);
        d += diff / sun.ratePerDay;
        if (std::abs(diff) < 1e-8) {
            break;
        }
    }
    const Instant moment = sky::fromDayNumber(d);
    return std::isfinite(moment.seconds) ? std::optional(moment) : std::nullopt;
}

// The sun's apparent longitude at `t`, in whole 30° signs (0…11): a month
// without a change of sign holds no principal term.
int sunSign(Instant t) {
    const double T = sky::julianCenturiesTT(sky::dayNumber(t));
    double lon =
        std::fmod(sky::sunPlace(T).longitude + sky::nutation(T).longitude, 2.0 * std::numbers::pi);
    if (lon < 0) {
        lon += 2.0 * std::numbers::pi;
    }
    return static_cast<int>(lon / (std::numbers::pi / 6.0)) % 12;
}

Instant localMidnight(DayNumber day, int utcOffsetMinutes) {
    return Instant::fromUnix(static_cast<double>(day) * kSecondsPerDay - utcOffsetMinutes * 60.0);
}

struct LunarMonth {
    int number = 0;
    bool leap = false;
    DayNumber start = 0;
};

// The months from the one that holds the December solstice of `year` − 1
// (month 11) to the one that holds that of `year` (the last entry, month 11
// again). Twelve months between them make a common year; of thirteen, the
// first that holds no principal term (the sun entering a 30° sign) is the
// leap month and repeats the number before it.
std::vector<LunarMonth> computeSui(std::int64_t year, int utcOffsetMinutes) {
    std::vector<LunarMonth> months;
    const auto ws0 = sunReaches(270, year - 1);
    const auto ws1 = sunReaches(270, year);
    if (!ws0 || !ws1) {
        return months;
    }
    const DayNumber d0 = dayOfInstant(*ws0, utcOffsetMinutes);
    const DayNumber d1 = dayOfInstant(*ws1, utcOffsetMinutes);
    std::vector<DayNumber> starts;
    Instant t = *ws0 - 35 * kSecondsPerDay;
    for (int i = 0; i < 20; ++i) {
        const auto moon = sky::nextPhase(t, sky::kNewMoonPhase);
        if (!moon) {
            return months;
        }
        const DayNumber day = dayOfInstant(*moon, utcOffsetMinutes);
        if (day > d1) {
            break;
        }
        if (day <= d0 && !starts.empty()) {
            starts.clear();
        }
        starts.push_back(day);
        t = *moon + kSecondsPerDay;
    }
    if (starts.size() < 13 || starts.front() > d0) {
        return {};
    }
    std::size_t leap = 0;
    if (starts.size() == 14) {
        for (std::size_t i = 1; i + 1 < starts.size() && leap == 0; ++i) {
            if (sunSign(localMidnight(starts[i], utcOffsetMinutes)) ==
                sunSign(localMidnight(starts[i + 1], utcOffsetMinutes))) {
                leap = i;
            }
        }
    }
    int number = 11;
    for (std::size_t i = 0; i < starts.size(); ++i) {
        const bool isLeap = i != 0 && i == leap;
        if (i != 0 && !isLeap) {
            number = number % 12 + 1;
        }
        months.push_back({number, isLeap, starts[i]});
    }
    return months;
}

// A year's months take a few dozen moon and sun positions; the holidays of
// one year ask for them several times over.
const std::vector<LunarMonth>& chineseSui(std::int64_t year, int utcOffsetMinutes) {
    thread_local std::map<std::pair<std::int64_t, int>, std::vector<LunarMonth>> cache;
    const auto key = std::pair(year, utcOffsetMinutes);
    if (const auto it = cache.find(key); it != cache.end()) {
        return it->second;
    }
    if (cache.size() > 64) {
        cache.clear();
    }
    return cache.emplace(key, computeSui(year, utcOffsetMinutes)).first->second;
}

// Month/day of the Chinese year that begins in Gregorian `lunarYear`.
std::optional<DayNumber> chineseDay(std::int64_t lunarYear, int month, int day,
                                    int utcOffsetMinutes) {
    // Months 11 and 12 of a year open the next solstice-to-solstice span.
    const auto& months = chineseSui(month >= 11 ? lunarYear + 1 : lunarYear, utcOffsetMinutes);
    bool newYearSeen = false;
    for (std::size_t i = 0; i + 1 < months.size(); ++i) {
        newYearSeen = newYearSeen || (months[i].number == 1 && !months[i].leap);
        if (months[i].number == month && !months[i].leap && newYearSeen == (month < 11)) {
            const DayNumber found = months[i].start + day - 1;
            return found < months[i + 1].start ? std::optional(found) : std::nullopt;
        }
    }
    return std::nullopt;
}

}  // namespace

DayNumber dayNumberOf(const CivilDate& date) {
    return civil::daysFromCivil(date.year, date.month, date.day);
}

CivilDate civilDateOf(DayNumber day) {
    const civil::Ymd ymd = civil::civilFromDays(day);
    return CivilDate{static_cast<std::int32_t>(ymd.year), ymd.month, ymd.day};
}

int weekdayOf(DayNumber day) {
    // 1970-01-01 was a Thursday (5).
    return static_cast<int>(((day % 7) + 7 + 4) % 7) + 1;
}

std::optional<DayNumber> validDay(std::int64_t year, std::int64_t month, std::int64_t day) {
    if (!inRange(year) || month < 1 || month > 12 || day < 1 || day > daysInMonth(year, month)) {
        return std::nullopt;
    }
    return dayNumberOf(CivilDate{static_cast<std::int32_t>(year), static_cast<std::int32_t>(month),
                                 static_cast<std::int32_t>(day)});
}

std::optional<DayNumber> nthWeekdayOfMonth(std::int64_t year, int month, int weekday, int n) {
    if (weekday < 1 || weekday > 7 || n > 5) {
        return std::nullopt;
    }
    if (n <= 0) {
        const auto last = validDay(year, month, 1);
        if (!last) {
            return std::nullopt;
        }
        return weekdayOnOrBefore(*last + daysInMonth(year, month) - 1, weekday);
    }
    const auto first = validDay(year, month, 1);
    if (!first) {
        return std::nullopt;
    }
    const DayNumber day = weekdayOnOrAfter(*first, weekday) + 7 * (n - 1);
    if (civilDateOf(day).month != month) {
        return std::nullopt;
    }
    return day;
}

DayNumber weekdayOnOrAfter(DayNumber day, int weekday) {
    return day + ((weekday - weekdayOf(day)) % 7 + 7) % 7;
}

DayNumber weekdayOnOrBefore(DayNumber day, int weekday) {
    return day - ((weekdayOf(day) - weekday) % 7 + 7) % 7;
}

std::optional<DayNumber> easterSunday(std::int64_t year) {
    if (!inRange(year)) {
        return std::nullopt;
    }
    // The anonymous Gregorian algorithm (Meeus, ch. 8).
    const std::int64_t a = year % 19, b = year / 100, c = year % 100;
    const std::int64_t d = b / 4, e = b % 4, f = (b + 8) / 25, g = (b - f + 1) / 3;
    const std::int64_t h = (19 * a + b - d - g + 15) % 30;
    const std::int64_t i = c / 4, k = c % 4;
    const std::int64_t l = (32 + 2 * e + 2 * i - h - k) % 7;
    const std::int64_t m = (a + 11 * h + 22 * l) / 451;
    const std::int64_t month = (h + l - 7 * m + 114) / 31;
    const std::int64_t day = (h + l - 7 * m + 114) % 31 + 1;
    return validDay(year, month, day);
}

std::optional<DayNumber> orthodoxEasterSunday(std::int64_t year) {
    if (!inRange(year)) {
        return std::nullopt;
    }
    // The Julian computus (Meeus, ch. 8) gives a Julian date; the Julian
    // calendar runs 13 days behind the Gregorian from 1900 to 2099 and 14
    // from 2100, which the century count below works out.
    const std::int64_t a = year % 4, b = year % 7, c = year % 19;
    const std::int64_t d = (19 * c + 15) % 30;
    const std::int64_t e = (2 * a + 4 * b - d + 34) % 7;
    const std::int64_t month = (d + e + 114) / 31;
    const std::int64_t day = (d + e + 114) % 31 + 1;
    const std::int64_t gap = year / 100 - year / 400 - 2;
    // The Julian date as a day number: the Gregorian date of the same numbers
    // plus the gap (both calendars agree on month lengths in March…May).
    const auto same = validDay(year, month, day);
    return same ? std::optional(*same + gap) : std::nullopt;
}

std::vector<DayNumber> lunarDates(LunarCalendar kind, std::int64_t year, int month, int day,
                                  int utcOffsetMinutes) {
    std::vector<DayNumber> out;
    const auto first = validDay(year, 1, 1);
    if (kind == LunarCalendar::chinese) {
        if (!first || month < 1 || month > 12 || day < 1 || day > 30) {
            return out;
        }
        const DayNumber last = *first + (isLeap(year) ? 365 : 364);
        for (const std::int64_t lunarYear : {year - 1, year}) {
            const auto found = chineseDay(lunarYear, month, day, utcOffsetMinutes);
            if (found && *found >= *first && *found <= last) {
                out.push_back(*found);
            }
        }
        return out;
    }
    icu::Calendar* calendar = icuCalendar(kind);
    if (!first || calendar == nullptr || month < 1 || month > 13 || day < 1 || day > 30) {
        return out;
    }
    const DayNumber last = *first + (isLeap(year) ? 365 : 364);
    const auto y0 = extendedYearAt(*calendar, *first);
    const auto y1 = extendedYearAt(*calendar, last);
    if (!y0 || !y1) {
        return out;
    }
    for (int y = *y0; y <= *y1; ++y) {
        const auto found = lunarDay(*calendar, kind, y, month, day);
        if (found && *found >= *first && *found <= last) {
            out.push_back(*found);
        }
    }
    return out;
}

std::optional<Instant> solarLongitudeMoment(double degrees, std::int64_t year) {
    if (!inRange(year) || !std::isfinite(degrees) || degrees < 0 || degrees >= 360) {
        return std::nullopt;
    }
    return sunReaches(degrees, year);
}

std::optional<DayNumber> solarTermDay(double degrees, std::int64_t year, int utcOffsetMinutes) {
    const auto moment = solarLongitudeMoment(degrees, year);
    return moment ? std::optional(dayOfInstant(*moment, utcOffsetMinutes)) : std::nullopt;
}

std::vector<DayNumber> hinduTithiDays(std::int64_t year, int month, int tithi, int minuteOfDay) {
    std::vector<DayNumber> days;
    if (!inRange(year) || month < 1 || month > 12 || tithi < 1 || tithi > 30 || minuteOfDay < 0 ||
        minuteOfDay >= 24 * 60) {
        return days;
    }
    constexpr int kIndiaOffsetMinutes = 330;
    // Lahiri's ayanamsa: the stars' zero point 23.853° from the equinox's in
    // 2000, moving 50.29″ a year; within a minute of arc over 1900…2199,
    // which moves a month's sign change by under half an hour.
    constexpr double kAyanamsa2000 = 23.853;
    constexpr double kAyanamsaPerYear = 50.29 / 3600.0;
    // A month's tithis reach across the turn of the year (Pausha's begin in
    // December); the months of the years either side may hold days of this one.
    for (std::int64_t y = year - 1; y <= year + 1; ++y) {
        if (!inRange(y)) {
            continue;
        }
        const double ayanamsa = kAyanamsa2000 + kAyanamsaPerYear * static_cast<double>(y - 2000);
        const auto signChange = sunReaches(std::fmod((month - 1) * 30.0 + ayanamsa, 360.0), y);
        // A month lies within a lunation of its sign change: the moon is only
        // asked about the months that can reach into `year`.
        const DayNumber changeDay =
            signChange ? dayOfInstant(*signChange, kIndiaOffsetMinutes) : DayNumber{0};
        if (!signChange || changeDay < dayNumberOf({static_cast<std::int32_t>(year), 1, 1}) - 31 ||
            changeDay > dayNumberOf({static_cast<std::int32_t>(year), 12, 31}) + 31) {
            continue;
        }
        const auto monthEnd = sky::nextPhase(*signChange, sky::kNewMoonPhase);
        const auto monthStart =
            monthEnd ? sky::nextPhase(*monthEnd - 32 * kSecondsPerDay, sky::kNewMoonPhase)
                     : std::nullopt;
        if (!monthStart) {
            continue;
        }
        const auto begins =
            tithi == 1 ? monthStart : sky::nextPhase(*monthStart, (tithi - 1) / 30.0);
        const auto ends = tithi == 30 ? monthEnd : sky::nextPhase(*monthStart, tithi / 30.0);
        if (!begins || !ends) {
            continue;
        }
        const DayNumber first = dayOfInstant(*begins, kIndiaOffsetMinutes);
        DayNumber kept = first;
        for (DayNumber d = first; d <= dayOfInstant(*ends, kIndiaOffsetMinutes); ++d) {
            const Instant moment = localMidnight(d, kIndiaOffsetMinutes) + minuteOfDay * 60.0;
            if (*begins <= moment && moment < *ends) {
                kept = d;
                break;
            }
        }
        if (civilDateOf(kept).year == year) {
            days.push_back(kept);
        }
    }
    return days;
}

std::optional<DayNumber> nowruz(std::int64_t year) {
    const auto equinox = seasonMoment(0, year);
    if (!inRange(year) || !equinox) {
        return std::nullopt;
    }
    // Iran keeps UTC+3:30, the time of the 52.5° E meridian; in March the
    // sun crosses that meridian at about 12:07.
    constexpr int kTehranOffsetMinutes = 210;
    constexpr double kNoonSeconds = 12 * 3600.0 + 7 * 60.0;
    const double local = equinox->unixSeconds() + kTehranOffsetMinutes * 60.0;
    const auto day = static_cast<DayNumber>(std::floor(local / kSecondsPerDay));
    const double secondsIntoDay = local - static_cast<double>(day) * kSecondsPerDay;
    return secondsIntoDay < kNoonSeconds ? day : day + 1;
}

std::vector<DayNumber> persianDates(std::int64_t year, int month, int day) {
    std::vector<DayNumber> out;
    if (month < 1 || month > 12 || day < 1 || day > (month <= 6 ? 31 : 30)) {
        return out;
    }
    const int dayOfYear = (month <= 7 ? (month - 1) * 31 : 186 + (month - 7) * 30) + day - 1;
    const auto first = validDay(year, 1, 1);
    if (!first) {
        return out;
    }
    const DayNumber last = *first + (isLeap(year) ? 365 : 364);
    for (const std::int64_t start : {year - 1, year}) {
        const auto newYear = start < kFirstHolidayYear ? std::nullopt : nowruz(start);
        const auto next = nowruz(start + 1);
        if (!newYear) {
            continue;
        }
        const DayNumber found = *newYear + dayOfYear;
        // Esfand 30 exists only in the years whose next Nowruz leaves room.
        if (found >= *first && found <= last && (!next || found < *next)) {
            out.push_back(found);
        }
    }
    return out;
}

}  // namespace solvane
