// Short texts for moments and durations, as the board and the application show
// them. Formatters are built once per (zone, locale) and reused; all functions
// are safe to call from several threads.
//
//   clockText(t, cal)        "6:05"        sunrise, sunset, golden hour ("18:05" de_DE)
//   clockTextAP(t, cal)      "6:05p"       moonrise, moonset ("18:05" de_DE)
//   shortDateLabel(t, cal)   "Fri, Dec 25" (en_US; the locale decides order)
//   longDateLabel(t, cal)    "Friday, December 25"
//   durationText(37500)      "10h 25m"
//   relativeDayText(t, now, cal)  "today", "tomorrow", "in 5 days", "—"
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/time/calendar.h"
#include "core/time/instant.h"

namespace solvane {

// Whether the calendar's locale reads the time on a 24-hour clock (its
// preferred hour cycle, CLDR's "j"): de_DE, en_GB, fr_FR, ja_JP do, en_US,
// ko_KR, hi_IN, ar_EG do not.
bool usesTwentyFourHourClock(const Calendar& calendar);

// In a 12-hour locale "h:mm": no leading zero, no day-period marker. In a
// 24-hour locale its own 24-hour form: "07:06" (de_DE), "7:06" (ja_JP).
std::string clockText(Instant t, const Calendar& calendar);

// In a 12-hour locale its own pattern with the narrowest day period, close
// to the minutes when it follows them: 00:30 → "12:30a" (en_US), "١٢:٣٠ص"
// (ar_EG), "오전 12:30" (ko_KR). In a 24-hour locale the same as clockText.
std::string clockTextAP(Instant t, const Calendar& calendar);

// The time as the locale writes it in a sentence: "5:00 AM", "05:00", "5:00".
std::string timeText(Instant t, const Calendar& calendar);

// Abbreviated weekday, abbreviated month and day of the month, in the
// locale's own order and punctuation.
std::string shortDateLabel(Instant t, const Calendar& calendar);

// Full weekday, full month and day of the month, in the locale's own order
// and punctuation.
std::string longDateLabel(Instant t, const Calendar& calendar);

// The hour of `t` as the locale names an hour on its own, for a column of
// hours: "3 PM" (en_US), "15 Uhr" (de_DE), "15時" (ja_JP).
std::string hourText(Instant t, const Calendar& calendar);

// The abbreviated weekday: "Mon", "Mo.", "月".
std::string weekdayText(Instant t, const Calendar& calendar);

// The locale's pattern (ICU syntax) for a whole date with weekday, month
// name and year, as a date field shows it: "EEE, MMM d, y" (en_US),
// "EEE, d. MMM y" (de_DE), "EEE, d MMM y" (en_GB). Empty when ICU has none.
std::string dateFieldPattern(const Calendar& calendar);

// Numbers as the reader's locale writes them, in its own digits, so a line
// that holds a date and a count reads one digit system ("١٤" beside an
// Arabic date, "۱۴" beside a Persian one). The locale is the calendar's
// (LC_ALL, LC_TIME, LANG) unless a program names another for a run.
void setNumberLocale(std::string_view locale);
std::string numberLocale();

// `value` rounded half away from zero to `fractionDigits` places, without
// grouping and without a minus sign on a zero: "-3", "12", "٢٢", "5,3" (de).
// Non-finite input gives "--".
std::string numberText(double value, int fractionDigits = 0);

// A whole number however large, digit for digit: "١٢" for "12" in ar_EG.
// `digits` is ASCII, an optional "-" then digits; anything else comes back
// as it is.
std::string integerText(std::string_view digits);

// Whole minutes, truncated toward zero: "45m" below an hour, else "10h 5m"
// (in the user's language). Non-finite input gives "—".
std::string durationText(double seconds);

// "24h": the daylight of a day the sun never sets.
std::string fullDayText();

// Calendar days from today to the day of `t`: "today" (also for past days),
// "tomorrow", "in N days" (in the user's language); "—" when `t` is absent.
std::string relativeDayText(std::optional<Instant> t, Instant now, const Calendar& calendar);

}  // namespace solvane
