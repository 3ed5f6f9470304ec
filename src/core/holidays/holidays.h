// A country's public holidays and observances, read from its data file
// (data/holidays/CC.json) and worked out for a year.
//
// Each holiday carries a rule in a short written form (see parseHolidayRule),
// the years it holds, the regions it is limited to, how a day off that falls
// on a weekend is made up, and its names by language. The files are data the
// program reads at run time, so everything about them is checked: a file
// that is too large, not JSON, or holds a rule that does not parse gives an
// error that names it, never a partly read country.
//
//   auto de = loadCountryHolidays(folder / "DE.json");
//   holidaysOfYear(*de, "BY", 2025)   // Neujahr 01-01, Heilige Drei Könige 01-06, …
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/holidays/holiday_rules.h"
#include "core/util/enum_strings.h"
#include "core/util/result.h"

namespace solvane {

enum class HolidayType {
    publicHoliday,  // a day off
    observance,     // a day kept without a day off (Mother's Day)
};

template <>
struct EnumCases<HolidayType> {
    static constexpr std::array<EnumCase<HolidayType>, 2> list{{
        {HolidayType::publicHoliday, "public"},
        {HolidayType::observance, "observance"},
    }};
};

// How a day off that falls on a weekend day is made up.
enum class ObservedRule {
    none,
    // Saturday's day off is the Friday before, Sunday's the Monday after.
    nearestWeekday,
    // The next working day that is not already a day off (weekend days and
    // days off taken in date order, so Christmas and Boxing Day on a weekend
    // become Monday and Tuesday).
    nextWorkingDay,
    // Only a Sunday counts: the next day that is not a holiday.
    sundayToNextFreeDay,
};

template <>
struct EnumCases<ObservedRule> {
    static constexpr std::array<EnumCase<ObservedRule>, 4> list{{
        {ObservedRule::none, "none"},
        {ObservedRule::nearestWeekday, "nearest-weekday"},
        {ObservedRule::nextWorkingDay, "next-working-day"},
        {ObservedRule::sundayToNextFreeDay, "sunday-to-next-free-day"},
    }};
};

struct HolidayRule {
    enum class Base {
        fixed,           // MM-DD
        date,            // YYYY-MM-DD, one year only
        nthWeekday,      // N WD of MM, or last WD of MM
        easter,          // easter
        orthodoxEaster,  // orthodox-easter
        lunar,           // chinese MM-DD, islamic-umalqura MM-DD, islamic-civil MM-DD, hebrew MM-DD
        persian,         // persian MM-DD
        solarTerm,       // solar-term DEGREES (the day in the country's standard time)
        hindu,           // hindu MM-TT [HH:MM]: month and tithi, kept at HH:MM (06:00)
        betweenHolidays,  // between-holidays: a day between two days off
    };
    Base base = Base::fixed;
    int year = 0;
    int month = 1;
    int day = 1;
    int n = 1;        // nthWeekday: 1…5, or 0 for the last
    int weekday = 1;  // 1 = Sunday … 7 = Saturday
    LunarCalendar lunar = LunarCalendar::chinese;
    double degrees = 0;
    int minuteOfDay = 6 * 60;  // hindu: when in the day the tithi is looked for
    int offset = 0;            // days added after the base
    int moveWeekday = 0;       // then moved to this weekday (0: not moved)
    bool moveForward = true;

    bool operator==(const HolidayRule&) const = default;
};

// The written form: a base, then optionally "+N"/"-N" days, then optionally
// "next WD" (the first such weekday on or after) or "previous WD" (on or
// before). Weekdays are "sun" … "sat". Examples: "12-25", "last mon of 05",
// "easter -2", "06-19 next fri", "05-24 previous mon", "chinese 01-01 -1",
// "solar-term 15", "islamic-umalqura 10-01".
std::optional<HolidayRule> parseHolidayRule(std::string_view text);

struct Holiday {
    std::string id;
    HolidayRule rule;
    HolidayType type = HolidayType::publicHoliday;
    std::optional<int> from;           // first year it holds
    std::optional<int> until;          // last year it holds
    std::vector<int> years;            // when not empty, the only years it holds
    std::vector<int> exceptYears;      // years it does not hold
    std::vector<std::string> regions;  // empty: the whole country
    ObservedRule observed = ObservedRule::none;
    std::optional<int> observedFrom;  // first year days off are made up
    // Years a decree gave its weekend day back elsewhere instead (Russia's
    // 2025 transfers): not made up by the rule then.
    std::vector<int> observedExceptYears;
    // Made up as well when another public holiday falls on it (South
    // Korea's Children's Day on Buddha's Birthday).
    bool observedWhenShared = false;
    // From this year on only kept, no longer a day off (Ukraine's martial
    // law suspends days off).
    std::optional<int> observanceFrom;
    // When the rule meets the day `sameAs` names, `thenAdd` days later
    // (France's Mother's Day gives way to Pentecost).
    std::optional<HolidayRule> sameAs;
    int thenAdd = 0;
    // Days added when the day falls on a weekday, index 1 = Sunday … 7 =
    // Saturday (Israel's Independence Day leaves Friday and Saturday for the
    // Thursday before).
    std::array<int, 8> weekdayShift{};
    // Year → the day its government published, in place of the rule's: an
    // Islamic day set by the moon's sighting, a day moved by decree.
    std::map<int, DayNumber> declared;
    std::map<std::string, std::string, std::less<>> names;  // language → name

    bool holdsIn(std::int64_t year) const;
    bool holdsIn(std::string_view region) const;
};

struct HolidayRegion {
    std::string code;
    std::map<std::string, std::string, std::less<>> names;
};

struct CountryHolidays {
    std::string code;  // ISO 3166 alpha-2, upper case
    std::map<std::string, std::string, std::less<>> names;
    std::vector<HolidayRegion> regions;
    std::vector<int> weekend{1, 7};  // weekdays; days off on them are made up
    int utcOffsetMinutes = 0;        // where astronomical days are decided
    std::vector<Holiday> holidays;
    // Weekend days worked in exchange for days off by decree (China's and
    // Russia's transfers), in date order.
    std::vector<DayNumber> workdays;

    const HolidayRegion* region(std::string_view code) const;
};

// A file larger than this is refused unread.
inline constexpr std::uintmax_t kMaxHolidayFileBytes = 512 * 1024;

Result<CountryHolidays, std::string> parseCountryHolidays(std::string_view json);
Result<CountryHolidays, std::string> loadCountryHolidays(const std::filesystem::path& file);

struct HolidayDay {
    DayNumber day = 0;
    const Holiday* holiday = nullptr;
    HolidayType type = HolidayType::publicHoliday;
    bool substitute = false;  // the day off made up for one on a weekend
};

// The days the holiday itself falls on in `year` (no substitute days): none
// in a year it does not hold, two for an Islamic day that comes twice.
std::vector<DayNumber> holidayDays(const CountryHolidays& country, const Holiday& holiday,
                                   std::int64_t year);

// The country's holidays in `year`, in date order: the nationwide ones, and
// with a region code those of that region too. Substitute days follow the
// holiday's observed rule and may come from the neighbouring year's
// holidays (New Year's Day on a Saturday is made up on the Friday before).
// The result points into `country`.
std::vector<HolidayDay> holidaysOfYear(const CountryHolidays& country, std::string_view region,
                                       std::int64_t year);

// The holiday's name in `language` ("de", "pt"): its own, else the
// catalogue's for a day many countries keep (Christmas Day, Eid al-Fitr),
// else its English name, else any.
std::string holidayTitle(const Holiday& holiday, std::string_view language);
// The country's name in `language`: its file's, else the locale data's
// ("Deutschland", "Allemagne", "ドイツ"), else its English name.
std::string countryTitle(const CountryHolidays& country, std::string_view language);
// holidayTitle of the day's holiday; a substitute day says so in the user's
// language.
std::string holidayName(const HolidayDay& day, std::string_view language);
std::string localName(const std::map<std::string, std::string, std::less<>>& names,
                      std::string_view language);

}  // namespace solvane
