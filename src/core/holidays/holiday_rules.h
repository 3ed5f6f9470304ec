// The kinds of rule public holidays follow, each a small function of the
// Gregorian year that gives civil dates (no zone: a holiday is a day, the same
// wherever it is read).
//
// Days are counted as days since 1970-01-01 (`DayNumber`), so offsets and
// weekday moves are plain arithmetic. Dates of the other calendars come from
// ICU (Chinese, Islamic, Hebrew); the solar terms, equinoxes and Nowruz come
// from the sun's longitude, decided in the zone the country's law names.
// Years outside 1900…2199 are refused (nullopt or empty): the lunar
// calendars and the astronomy are only checked over that range.
//
//   easterSunday(2025)                          // 2025-04-20
//   orthodoxEasterSunday(2025)                  // 2025-04-20
//   lunarDates(LunarCalendar::chinese, 2025, 1, 1)   // {2025-01-29}
//   nowruz(2025)                                // 2025-03-21
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/time/calendar.h"
#include "core/util/enum_strings.h"

namespace solvane {

// Days since 1970-01-01 of the proleptic Gregorian calendar.
using DayNumber = std::int64_t;

inline constexpr std::int64_t kFirstHolidayYear = 1900;
inline constexpr std::int64_t kLastHolidayYear = 2199;

DayNumber dayNumberOf(const CivilDate& date);
CivilDate civilDateOf(DayNumber day);
// 1 = Sunday … 7 = Saturday, as the rest of the system numbers weekdays.
int weekdayOf(DayNumber day);
// nullopt for a month or day the year does not have (no rolling over).
std::optional<DayNumber> validDay(std::int64_t year, std::int64_t month, std::int64_t day);

// The `n`-th `weekday` of the month (n ≥ 1), or the last one (n ≤ 0);
// nullopt when the month has no n-th.
std::optional<DayNumber> nthWeekdayOfMonth(std::int64_t year, int month, int weekday, int n);
// The first `weekday` on or after `day`, and the last one on or before it.
DayNumber weekdayOnOrAfter(DayNumber day, int weekday);
DayNumber weekdayOnOrBefore(DayNumber day, int weekday);

// Easter Sunday of the Gregorian computus, and of the Julian computus the
// Orthodox churches keep (as a Gregorian date).
std::optional<DayNumber> easterSunday(std::int64_t year);
std::optional<DayNumber> orthodoxEasterSunday(std::int64_t year);

enum class LunarCalendar {
    chinese,           // months 1…12 of the Chinese lunisolar year (not the leap months)
    islamicUmmAlQura,  // Saudi Arabia's calendar
    islamicCivil,      // the tabular calendar
    hebrew,            // months 1 = Tishrei … 6 = Adar I, 7 = Adar (II), 8 = Nisan … 13 = Elul
};

template <>
struct EnumCases<LunarCalendar> {
    static constexpr std::array<EnumCase<LunarCalendar>, 4> list{{
        {LunarCalendar::chinese, "chinese"},
        {LunarCalendar::islamicUmmAlQura, "islamic-umalqura"},
        {LunarCalendar::islamicCivil, "islamic-civil"},
        {LunarCalendar::hebrew, "hebrew"},
    }};
};

// The Gregorian days of `year` that are month/day of `calendar`: none when
// the date does not exist that year (Adar I in a common Hebrew year), two
// when an Islamic year falls wholly inside the Gregorian one. Sorted.
// The Chinese calendar's months begin on the day of the new moon in the
// standard time `utcOffsetMinutes` east of UTC (China's UTC+8; Korea and
// Vietnam keep the same calendar on their own meridians, and their new
// year falls a day apart from China's now and then); the other calendars
// are arithmetic and ignore it.
std::vector<DayNumber> lunarDates(LunarCalendar calendar, std::int64_t year, int month, int day,
                                  int utcOffsetMinutes = 480);

// The moment the sun's apparent longitude reaches `degrees` (0…360) in
// `year`, and the civil day that holds it at `utcOffsetMinutes` east of UTC.
std::optional<Instant> solarLongitudeMoment(double degrees, std::int64_t year);
std::optional<DayNumber> solarTermDay(double degrees, std::int64_t year, int utcOffsetMinutes);

// The days of `year` that hold tithi `tithi` (a lunar day, 1…30: the moon
// gaining 12° on the sun; 15 ends at the full moon, 30 at the new moon) of
// month `month` of the Hindu lunisolar calendar. Months run from new moon to
// new moon and take the name of the sign the sun enters in them, reckoned
// from the stars (Lahiri's zero point): 1 = Chaitra (Aries) … 7 = Ashvin
// (Libra) … 12 = Phalguna (Pisces); a month the sun enters no sign in is the
// leap month and holds no festival. A tithi is kept on the day whose
// `minuteOfDay` in Indian Standard Time falls within it — the same tithi
// gives different days at dawn (Deepavali in the Tamil reckoning) and at dusk
// (Diwali's Lakshmi Puja); when no day's moment does, on the day it begins.
std::vector<DayNumber> hinduTithiDays(std::int64_t year, int month, int tithi, int minuteOfDay);

// Nowruz, 1 Farvardin: the day of the March equinox in Iran's standard time
// when the equinox comes before noon there, else the next day.
std::optional<DayNumber> nowruz(std::int64_t year);
// Month/day of the Persian (Solar Hijri) calendar whose year begins at the
// Nowruz of `year` or of the year before, falling in `year`.
std::vector<DayNumber> persianDates(std::int64_t year, int month, int day);

}  // namespace solvane
