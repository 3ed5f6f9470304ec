#include "core/holidays/holiday_presets.h"

#include <algorithm>

#include "core/util/translation.h"

namespace solvane {

namespace {

std::string languageOf(const Calendar& calendar) {
    const std::string& locale = calendar.locale();
    return locale.substr(0, locale.find_first_of("_-.@"));
}

std::string lower(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    return out;
}

// A day kept only in some years (Neuchâtel's 2 January after a New Year's
// Day on a Sunday) is not the same every year either.
bool plain(const Holiday& h) {
    return h.rule.moveWeekday == 0 && !h.sameAs && h.years.empty() && h.exceptYears.empty() &&
           !h.until &&
           std::all_of(h.weekdayShift.begin(), h.weekdayShift.end(), [](int s) { return s == 0; });
}

// The stored rule for the holiday: an older kind where one says the same
// every year.
DateRule ruleFor(const CountryHolidays& country, const Holiday& h, const Calendar& calendar,
                 DayNumber thisYear) {
    using Base = HolidayRule::Base;
    if (plain(h) && h.rule.base == Base::fixed && h.rule.offset == 0) {
        if (const auto day = calendar.date(2000, h.rule.month, h.rule.day)) {
            return DateRule::fixed(*day);
        }
    }
    if (plain(h) && h.rule.base == Base::nthWeekday) {
        return DateRule::nthWeekday(h.rule.n == 0 ? -1 : h.rule.n, h.rule.weekday, h.rule.month,
                                    h.rule.offset);
    }
    const CivilDate c = civilDateOf(thisYear);
    return DateRule::holiday(country.code, h.id,
                             calendar.date(c.year, c.month, c.day).value_or(Instant{}));
}

struct Candidate {
    DayNumber day;
    const Holiday* holiday;
};

// Each holiday once, on its first day from `from` on, over this year and
// the next.
std::vector<Candidate> upcoming(const CountryHolidays& country, std::string_view region,
                                std::int64_t year, DayNumber from) {
    std::vector<Candidate> out;
    for (const Holiday& h : country.holidays) {
        if (!h.holdsIn(region) || h.rule.base == HolidayRule::Base::date ||
            h.rule.base == HolidayRule::Base::betweenHolidays) {
            continue;
        }
        for (const std::int64_t y : {year, year + 1}) {
            const auto days = holidayDays(country, h, y);
            const auto it =
                std::find_if(days.begin(), days.end(), [&](DayNumber d) { return d >= from; });
            if (it != days.end()) {
                out.push_back({*it, &h});
                break;
            }
        }
    }
    std::stable_sort(out.begin(), out.end(),
                     [](const Candidate& a, const Candidate& b) { return a.day < b.day; });
    return out;
}

CountdownPreset presetFor(const CountryHolidays& country, const Holiday& h, DayNumber day,
                          const Calendar& calendar) {
    const std::string language = languageOf(calendar);
    CountdownPreset preset;
    preset.id = "holiday-" + lower(country.code) + "-" + h.id;
    preset.group =
        withArguments(translate("Presets", "Holidays (%1)"), {countryTitle(country, language)});
    preset.title = holidayTitle(h, language);
    preset.symbol = h.type == HolidayType::publicHoliday ? "flag" : "gift";
    preset.start = ruleFor(country, h, calendar, day);
    preset.during = DuringMode::progress;
    return preset;
}

std::optional<CivilDate> todayOf(const Calendar& calendar, Instant now) {
    const auto today = calendar.startOfDay(now);
    return today ? calendar.civilDate(*today) : std::nullopt;
}

}  // namespace

std::vector<CountdownPreset> holidayPresets(const CountryHolidays& country, std::string_view region,
                                            const Calendar& calendar, Instant now) {
    std::vector<CountdownPreset> presets;
    const auto today = todayOf(calendar, now);
    const auto first = today ? validDay(today->year, 1, 1) : std::nullopt;
    if (!first) {
        return presets;
    }
    for (const Candidate& c : upcoming(country, region, today->year, *first)) {
        presets.push_back(presetFor(country, *c.holiday, c.day, calendar));
    }
    return presets;
}

std::vector<CountdownPreset> nextPublicHolidayPresets(const CountryHolidays& country,
                                                      std::string_view region,
                                                      const Calendar& calendar, Instant now,
                                                      std::size_t count) {
    std::vector<CountdownPreset> presets;
    const auto today = todayOf(calendar, now);
    const auto from = today ? validDay(today->year, today->month, today->day) : std::nullopt;
    if (!from) {
        return presets;
    }
    for (const Candidate& c : upcoming(country, region, today->year, *from)) {
        if (presets.size() == count) {
            break;
        }
        if (c.holiday->type == HolidayType::publicHoliday && !c.holiday->observanceFrom) {
            presets.push_back(presetFor(country, *c.holiday, c.day, calendar));
        }
    }
    return presets;
}

}  // namespace solvane
