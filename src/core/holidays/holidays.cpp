#include "core/holidays/holidays.h"

#include <unicode/locid.h>
#include <unicode/unistr.h>

#include <nlohmann/json.hpp>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <set>
#include <sstream>

#include "core/util/bounded_file.h"
#include "core/util/translation.h"

namespace solvane {

namespace {

constexpr std::array<std::string_view, 7> kWeekdays{"sun", "mon", "tue", "wed",
                                                    "thu", "fri", "sat"};

std::vector<std::string_view> words(std::string_view text) {
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && text[i] == ' ') {
            ++i;
        }
        const std::size_t start = i;
        while (i < text.size() && text[i] != ' ') {
            ++i;
        }
        if (i > start) {
            out.push_back(text.substr(start, i - start));
        }
    }
    return out;
}

std::optional<int> number(std::string_view text) {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size() || text.empty()) {
        return std::nullopt;
    }
    return value;
}

std::optional<int> weekdayNamed(std::string_view text) {
    const auto it = std::find(kWeekdays.begin(), kWeekdays.end(), text);
    return it == kWeekdays.end() ? std::nullopt
                                 : std::optional(static_cast<int>(it - kWeekdays.begin()) + 1);
}

// "MM-DD" into month and day, checked against the largest month.
bool monthDay(std::string_view text, HolidayRule& rule, int maxMonth) {
    if (text.size() != 5 || text[2] != '-') {
        return false;
    }
    const auto m = number(text.substr(0, 2));
    const auto d = number(text.substr(3, 2));
    if (!m || !d || *m < 1 || *m > maxMonth || *d < 1 || *d > 31) {
        return false;
    }
    rule.month = *m;
    rule.day = *d;
    return true;
}

// The base's words from `w[0]`; returns how many it took, 0 when none fit.
std::size_t parseBase(const std::vector<std::string_view>& w, HolidayRule& rule) {
    using Base = HolidayRule::Base;
    const std::string_view first = w[0];
    if (first.size() == 10 && first[4] == '-') {
        const auto y = number(first.substr(0, 4));
        if (!y || !monthDay(first.substr(5), rule, 12)) {
            return 0;
        }
        rule.base = Base::date;
        rule.year = *y;
        return 1;
    }
    if (monthDay(first, rule, 12)) {
        rule.base = Base::fixed;
        return 1;
    }
    if (first == "easter" || first == "orthodox-easter") {
        rule.base = first == "easter" ? Base::easter : Base::orthodoxEaster;
        return 1;
    }
    if (first == "between-holidays") {
        rule.base = Base::betweenHolidays;
        return 1;
    }
    if (w.size() >= 2) {
        if (const auto lunar = enumFromString<LunarCalendar>(first)) {
            rule.base = Base::lunar;
            rule.lunar = *lunar;
            return monthDay(w[1], rule, 13) ? 2 : 0;
        }
        if (first == "persian") {
            rule.base = Base::persian;
            return monthDay(w[1], rule, 12) ? 2 : 0;
        }
        if (first == "hindu") {
            rule.base = Base::hindu;
            if (!monthDay(w[1], rule, 12) || rule.day > 30) {
                return 0;
            }
            const std::string_view at = w.size() >= 3 ? w[2] : std::string_view();
            if (at.size() != 5 || at[2] != ':') {
                return 2;
            }
            const auto h = number(at.substr(0, 2));
            const auto m = number(at.substr(3, 2));
            if (!h || !m || *h < 0 || *h > 23 || *m < 0 || *m > 59) {
                return 0;
            }
            rule.minuteOfDay = static_cast<int>(*h * 60 + *m);
            return 3;
        }
        if (first == "solar-term") {
            const auto degrees = number(w[1]);
            if (!degrees || *degrees < 0 || *degrees >= 360) {
                return 0;
            }
            rule.base = Base::solarTerm;
            rule.degrees = *degrees;
            return 2;
        }
    }
    if (w.size() >= 4 && w[2] == "of") {
        const auto n = first == "last" ? std::optional(0) : number(first);
        const auto weekday = weekdayNamed(w[1]);
        const auto month = number(w[3]);
        if (!n || *n < 0 || *n > 5 || !weekday || !month || *month < 1 || *month > 12) {
            return 0;
        }
        rule.base = Base::nthWeekday;
        rule.n = *n;
        rule.weekday = *weekday;
        rule.month = *month;
        return 4;
    }
    return 0;
}

// The day off on or near a weekend day under `rule`; nullopt when none is
// made up. `taken` holds the days already off; a `shared` day, one another
// holiday falls on too, is made up like a weekend day.
std::optional<DayNumber> substituteDay(ObservedRule rule, DayNumber day,
                                       const std::vector<int>& weekend,
                                       const std::set<DayNumber>& taken, bool shared) {
    const auto isWeekend = [&](DayNumber d) {
        return std::find(weekend.begin(), weekend.end(), weekdayOf(d)) != weekend.end();
    };
    switch (rule) {
        case ObservedRule::none:
            return std::nullopt;
        case ObservedRule::nearestWeekday:
            if (weekdayOf(day) == 7) {
                return day - 1;
            }
            return weekdayOf(day) == 1 ? std::optional(day + 1) : std::nullopt;
        case ObservedRule::nextWorkingDay: {
            if (!isWeekend(day) && !shared) {
                return std::nullopt;
            }
            DayNumber next = day + 1;
            // A week holds at most a few days off; a month of them is a file fault.
            for (int step = 0; step < 31 && (isWeekend(next) || taken.contains(next)); ++step) {
                ++next;
            }
            return next;
        }
        case ObservedRule::sundayToNextFreeDay: {
            if (weekdayOf(day) != 1 && !shared) {
                return std::nullopt;
            }
            DayNumber next = day + 1;
            for (int step = 0; step < 31 && taken.contains(next); ++step) {
                ++next;
            }
            return next;
        }
    }
    return std::nullopt;
}

std::vector<DayNumber> baseDays(const HolidayRule& rule, std::int64_t year, int utcOffset) {
    using Base = HolidayRule::Base;
    std::vector<DayNumber> days;
    const auto add = [&](std::optional<DayNumber> d) {
        if (d) {
            days.push_back(*d);
        }
    };
    switch (rule.base) {
        case Base::fixed:
            add(validDay(year, rule.month, rule.day));
            break;
        case Base::date:
            if (rule.year == year) {
                add(validDay(year, rule.month, rule.day));
            }
            break;
        case Base::nthWeekday:
            add(nthWeekdayOfMonth(year, rule.month, rule.weekday, rule.n));
            break;
        case Base::easter:
            add(easterSunday(year));
            break;
        case Base::orthodoxEaster:
            add(orthodoxEasterSunday(year));
            break;
        case Base::lunar:
            days = lunarDates(rule.lunar, year, rule.month, rule.day, utcOffset);
            break;
        case Base::persian:
            days = persianDates(year, rule.month, rule.day);
            break;
        case Base::solarTerm:
            add(solarTermDay(rule.degrees, year, utcOffset));
            break;
        case Base::hindu:
            days = hinduTithiDays(year, rule.month, rule.day, rule.minuteOfDay);
            break;
        case Base::betweenHolidays:
            break;
    }
    for (DayNumber& d : days) {
        d += rule.offset;
        if (rule.moveWeekday != 0) {
            d = rule.moveForward ? weekdayOnOrAfter(d, rule.moveWeekday)
                                 : weekdayOnOrBefore(d, rule.moveWeekday);
        }
    }
    return days;
}

using Names = std::map<std::string, std::string, std::less<>>;

std::optional<Names> readNames(const nlohmann::json& j) {
    if (!j.is_object() || j.empty()) {
        return std::nullopt;
    }
    Names names;
    for (const auto& [language, name] : j.items()) {
        if (!name.is_string() || language.empty() || language.size() > 8) {
            return std::nullopt;
        }
        names.emplace(language, name.get<std::string>());
    }
    return names;
}

std::optional<std::vector<int>> readInts(const nlohmann::json& j) {
    if (!j.is_array()) {
        return std::nullopt;
    }
    std::vector<int> out;
    for (const auto& v : j) {
        if (!v.is_number_integer() || v.get<std::int64_t>() < -10000 ||
            v.get<std::int64_t>() > 10000) {
            return std::nullopt;
        }
        out.push_back(v.get<int>());
    }
    return out;
}

Result<Holiday, std::string> readHoliday(const nlohmann::json& j) {
    const auto fail = [](std::string why) { return Failure{std::move(why)}; };
    if (!j.is_object() || !j.contains("id") || !j["id"].is_string() || !j.contains("rule") ||
        !j["rule"].is_string()) {
        return fail("a holiday needs a string \"id\" and \"rule\"");
    }
    Holiday h;
    h.id = j["id"].get<std::string>();
    const auto rule = parseHolidayRule(j["rule"].get<std::string>());
    if (!rule) {
        return fail("holiday \"" + h.id + "\": the rule \"" + j["rule"].get<std::string>() +
                    "\" does not parse");
    }
    h.rule = *rule;
    if (j.contains("type")) {
        const auto type = j["type"].is_string()
                              ? enumFromString<HolidayType>(j["type"].get<std::string>())
                              : std::nullopt;
        if (!type) {
            return fail("holiday \"" + h.id + "\": type is \"public\" or \"observance\"");
        }
        h.type = *type;
    }
    if (j.contains("ifSameAs")) {
        h.sameAs = j["ifSameAs"].is_string() ? parseHolidayRule(j["ifSameAs"].get<std::string>())
                                             : std::nullopt;
        const auto& add = j.contains("thenAdd") ? j["thenAdd"] : nlohmann::json();
        if (!h.sameAs || !add.is_number_integer() || std::abs(add.get<std::int64_t>()) > 400) {
            return fail("holiday \"" + h.id + "\": \"ifSameAs\" takes a rule and \"thenAdd\" days");
        }
        h.thenAdd = add.get<int>();
    }
    if (j.contains("ifWeekday")) {
        if (!j["ifWeekday"].is_object()) {
            return fail("holiday \"" + h.id + "\": \"ifWeekday\" maps weekdays to days added");
        }
        for (const auto& [weekday, shift] : j["ifWeekday"].items()) {
            const auto w = weekdayNamed(weekday);
            if (!w || !shift.is_number_integer() || std::abs(shift.get<std::int64_t>()) > 6) {
                return fail("holiday \"" + h.id + "\": \"ifWeekday\" maps weekdays to days added");
            }
            h.weekdayShift[static_cast<std::size_t>(*w)] = shift.get<int>();
        }
    }
    if (j.contains("observed")) {
        const auto observed = j["observed"].is_string()
                                  ? enumFromString<ObservedRule>(j["observed"].get<std::string>())
                                  : std::nullopt;
        if (!observed) {
            return fail("holiday \"" + h.id + "\": unknown observed rule");
        }
        h.observed = *observed;
    }
    if (j.contains("observedWhenShared")) {
        if (!j["observedWhenShared"].is_boolean()) {
            return fail("holiday \"" + h.id + "\": \"observedWhenShared\" is true or false");
        }
        h.observedWhenShared = j["observedWhenShared"].get<bool>();
    }
    for (const auto& [key, target] : {std::pair{"from", &h.from}, std::pair{"until", &h.until},
                                      std::pair{"observedFrom", &h.observedFrom},
                                      std::pair{"observanceFrom", &h.observanceFrom}}) {
        if (j.contains(key)) {
            if (!j[key].is_number_integer()) {
                return fail("holiday \"" + h.id + "\": \"" + key + "\" is a year");
            }
            *target = j[key].get<int>();
        }
    }
    for (const auto& [key, target] :
         {std::pair{"years", &h.years}, std::pair{"exceptYears", &h.exceptYears},
          std::pair{"observedExceptYears", &h.observedExceptYears}}) {
        if (j.contains(key)) {
            auto list = readInts(j[key]);
            if (!list) {
                return fail("holiday \"" + h.id + "\": \"" + key + "\" is a list of years");
            }
            *target = std::move(*list);
        }
    }
    if (j.contains("declared")) {
        const auto bad = [&] {
            return fail("holiday \"" + h.id +
                        "\": \"declared\" maps years to days (\"2026\": \"03-21\")");
        };
        if (!j["declared"].is_object()) {
            return bad();
        }
        for (const auto& [yearText, dayText] : j["declared"].items()) {
            auto year = yearText.size() == 4 ? number(yearText) : std::nullopt;
            if (year && (*year < kFirstHolidayYear || *year > kLastHolidayYear)) {
                year.reset();
            }
            HolidayRule day;
            const auto when =
                year && dayText.is_string() && monthDay(dayText.get<std::string>(), day, 12)
                    ? validDay(*year, day.month, day.day)
                    : std::nullopt;
            if (!when) {
                return bad();
            }
            h.declared[*year] = *when;
        }
    }
    if (j.contains("regions")) {
        if (!j["regions"].is_array()) {
            return fail("holiday \"" + h.id + "\": \"regions\" is a list of codes");
        }
        for (const auto& r : j["regions"]) {
            if (!r.is_string()) {
                return fail("holiday \"" + h.id + "\": \"regions\" is a list of codes");
            }
            h.regions.push_back(r.get<std::string>());
        }
    }
    auto names = j.contains("name") ? readNames(j["name"]) : std::nullopt;
    if (!names || !names->contains("en")) {
        return fail("holiday \"" + h.id + "\": \"name\" needs at least an English (\"en\") name");
    }
    h.names = std::move(*names);
    return h;
}

std::optional<int> utcOffsetMinutes(std::string_view text) {
    // "+HH:MM" or "-HH:MM".
    if (text.size() != 6 || (text[0] != '+' && text[0] != '-') || text[3] != ':') {
        return std::nullopt;
    }
    const auto h = number(text.substr(1, 2));
    const auto m = number(text.substr(4, 2));
    if (!h || !m || *h > 14 || *m > 59) {
        return std::nullopt;
    }
    return (text[0] == '-' ? -1 : 1) * (*h * 60 + *m);
}

}  // namespace

std::optional<HolidayRule> parseHolidayRule(std::string_view text) {
    const auto w = words(text);
    if (w.empty() || w.size() > 8) {
        return std::nullopt;
    }
    HolidayRule rule;
    std::size_t i = parseBase(w, rule);
    if (i == 0) {
        return std::nullopt;
    }
    if (i < w.size() && (w[i].front() == '+' || w[i].front() == '-')) {
        const auto offset = number(w[i]);
        if (!offset || std::abs(*offset) > 400) {
            return std::nullopt;
        }
        rule.offset = *offset;
        ++i;
    }
    if (i + 1 < w.size() && (w[i] == "next" || w[i] == "previous")) {
        const auto weekday = weekdayNamed(w[i + 1]);
        if (!weekday) {
            return std::nullopt;
        }
        rule.moveForward = w[i] == "next";
        rule.moveWeekday = *weekday;
        i += 2;
    }
    if (i != w.size()) {
        return std::nullopt;
    }
    return rule;
}

bool Holiday::holdsIn(std::int64_t year) const {
    if ((from && year < *from) || (until && year > *until)) {
        return false;
    }
    if (!years.empty() && std::find(years.begin(), years.end(), year) == years.end()) {
        return false;
    }
    return std::find(exceptYears.begin(), exceptYears.end(), year) == exceptYears.end();
}

bool Holiday::holdsIn(std::string_view region) const {
    return regions.empty() || std::find(regions.begin(), regions.end(), region) != regions.end();
}

const HolidayRegion* CountryHolidays::region(std::string_view wanted) const {
    const auto it = std::find_if(regions.begin(), regions.end(),
                                 [&](const HolidayRegion& r) { return r.code == wanted; });
    return it == regions.end() ? nullptr : &*it;
}

Result<CountryHolidays, std::string> parseCountryHolidays(std::string_view json) {
    const auto fail = [](std::string why) { return Failure{std::move(why)}; };
    if (json.size() > kMaxHolidayFileBytes) {
        return fail("the file is larger than " + std::to_string(kMaxHolidayFileBytes) + " bytes");
    }
    const auto j = nlohmann::json::parse(json, nullptr, false);
    if (j.is_discarded() || !j.is_object()) {
        return fail("the file is not a JSON object");
    }
    CountryHolidays country;
    if (!j.contains("country") || !j["country"].is_string() ||
        j["country"].get<std::string>().size() != 2) {
        return fail("\"country\" must be a two-letter code");
    }
    country.code = j["country"].get<std::string>();
    auto names = j.contains("name") ? readNames(j["name"]) : std::nullopt;
    if (!names || !names->contains("en")) {
        return fail("\"name\" needs at least an English (\"en\") name");
    }
    country.names = std::move(*names);
    if (j.contains("utcOffset")) {
        const auto offset = j["utcOffset"].is_string()
                                ? utcOffsetMinutes(j["utcOffset"].get<std::string>())
                                : std::nullopt;
        if (!offset) {
            return fail("\"utcOffset\" is written \"+HH:MM\"");
        }
        country.utcOffsetMinutes = *offset;
    }
    if (j.contains("weekend")) {
        country.weekend.clear();
        if (!j["weekend"].is_array()) {
            return fail("\"weekend\" is a list of weekdays (\"sat\", \"sun\")");
        }
        for (const auto& w : j["weekend"]) {
            const auto weekday = w.is_string() ? weekdayNamed(w.get<std::string>()) : std::nullopt;
            if (!weekday) {
                return fail("\"weekend\" is a list of weekdays (\"sat\", \"sun\")");
            }
            country.weekend.push_back(*weekday);
        }
    }
    if (j.contains("regions")) {
        if (!j["regions"].is_object()) {
            return fail("\"regions\" maps codes to names");
        }
        for (const auto& [code, regionNames] : j["regions"].items()) {
            auto read = readNames(regionNames);
            if (!read || code.empty() || code.size() > 8) {
                return fail("region \"" + code + "\" needs names by language");
            }
            country.regions.push_back({code, std::move(*read)});
        }
    }
    if (j.contains("workdays")) {
        const auto bad = [&] { return fail("\"workdays\" is a list of days (\"2025-01-26\")"); };
        if (!j["workdays"].is_array()) {
            return bad();
        }
        for (const auto& w : j["workdays"]) {
            const auto rule = w.is_string() ? parseHolidayRule(w.get<std::string>()) : std::nullopt;
            const auto day = rule && rule->base == HolidayRule::Base::date && rule->offset == 0 &&
                                     rule->moveWeekday == 0
                                 ? validDay(rule->year, rule->month, rule->day)
                                 : std::nullopt;
            if (!day) {
                return bad();
            }
            country.workdays.push_back(*day);
        }
        std::sort(country.workdays.begin(), country.workdays.end());
    }
    if (!j.contains("holidays") || !j["holidays"].is_array()) {
        return fail("\"holidays\" must be a list");
    }
    std::set<std::string> ids;
    for (const auto& entry : j["holidays"]) {
        auto holiday = readHoliday(entry);
        if (!holiday) {
            return fail(holiday.error());
        }
        if (!ids.insert(holiday->id).second) {
            return fail("holiday \"" + holiday->id + "\" is there twice");
        }
        for (const std::string& r : holiday->regions) {
            if (country.region(r) == nullptr) {
                return fail("holiday \"" + holiday->id + "\": unknown region \"" + r + "\"");
            }
        }
        country.holidays.push_back(std::move(*holiday));
    }
    return country;
}

Result<CountryHolidays, std::string> loadCountryHolidays(const std::filesystem::path& file) {
    const auto fail = [&](std::string why) { return Failure{file.string() + ": " + why}; };
    const auto text = readBoundedFile(file, kMaxHolidayFileBytes);
    if (!text) {
        return fail(text.error() == FileReadError::tooLarge
                        ? "is larger than " + std::to_string(kMaxHolidayFileBytes) + " bytes"
                        : "cannot be read (" + std::string(toString(text.error())) + ")");
    }
    auto parsed = parseCountryHolidays(*text);
    if (!parsed) {
        return fail(parsed.error());
    }
    return parsed;
}

std::vector<DayNumber> holidayDays(const CountryHolidays& country, const Holiday& h,
                                   std::int64_t year) {
    std::vector<DayNumber> days;
    if (!h.holdsIn(year)) {
        return days;
    }
    if (const auto it = h.declared.find(static_cast<int>(year)); it != h.declared.end()) {
        return {it->second};
    }
    for (DayNumber d : baseDays(h.rule, year, country.utcOffsetMinutes)) {
        if (h.sameAs) {
            const auto other = baseDays(*h.sameAs, year, country.utcOffsetMinutes);
            if (std::find(other.begin(), other.end(), d) != other.end()) {
                d += h.thenAdd;
            }
        }
        days.push_back(d + h.weekdayShift[static_cast<std::size_t>(weekdayOf(d))]);
    }
    return days;
}

std::vector<HolidayDay> holidaysOfYear(const CountryHolidays& country, std::string_view region,
                                       std::int64_t year) {
    std::vector<HolidayDay> all;
    const auto first = validDay(year, 1, 1);
    const auto last = validDay(year, 12, 31);
    if (!first || !last) {
        return all;
    }
    // The neighbouring years too: their days off may be made up in this one.
    for (std::int64_t y = year - 1; y <= year + 1; ++y) {
        for (const Holiday& h : country.holidays) {
            if (!h.holdsIn(y) || !h.holdsIn(region)) {
                continue;
            }
            for (const DayNumber d : holidayDays(country, h, y)) {
                const bool kept = h.observanceFrom && y >= *h.observanceFrom;
                all.push_back({d, &h, kept ? HolidayType::observance : h.type, false});
            }
        }
    }
    const auto byDay = [](const HolidayDay& a, const HolidayDay& b) { return a.day < b.day; };
    std::stable_sort(all.begin(), all.end(), byDay);

    std::set<DayNumber> off;
    std::set<DayNumber> offTwice;  // days two public holidays fall on
    for (const HolidayDay& d : all) {
        if (d.type == HolidayType::publicHoliday && !off.insert(d.day).second) {
            offTwice.insert(d.day);
        }
    }
    // A day between two days off (not a weekend day) becomes one itself.
    const std::set<DayNumber> originals = off;
    for (const Holiday& h : country.holidays) {
        if (h.rule.base != HolidayRule::Base::betweenHolidays || !h.holdsIn(region)) {
            continue;
        }
        for (const DayNumber d : originals) {
            const DayNumber between = d + 1;
            if (!originals.contains(between) && originals.contains(between + 1) &&
                weekdayOf(between) != 1 && h.holdsIn(civilDateOf(between).year)) {
                all.push_back({between, &h, h.type, false});
                off.insert(between);
            }
        }
    }
    std::stable_sort(all.begin(), all.end(), byDay);
    std::vector<HolidayDay> substitutes;
    for (const HolidayDay& d : all) {
        const auto dayYear = static_cast<int>(civilDateOf(d.day).year);
        const auto& notMadeUp = d.holiday->observedExceptYears;
        if (d.type != HolidayType::publicHoliday ||
            (d.holiday->observedFrom && dayYear < *d.holiday->observedFrom) ||
            std::find(notMadeUp.begin(), notMadeUp.end(), dayYear) != notMadeUp.end()) {
            continue;
        }
        const bool shared = d.holiday->observedWhenShared && offTwice.contains(d.day);
        if (const auto sub =
                substituteDay(d.holiday->observed, d.day, country.weekend, off, shared)) {
            if (!off.contains(*sub) || d.holiday->observed == ObservedRule::nearestWeekday) {
                off.insert(*sub);
                substitutes.push_back({*sub, d.holiday, HolidayType::publicHoliday, true});
            }
        }
    }
    all.insert(all.end(), substitutes.begin(), substitutes.end());
    std::stable_sort(all.begin(), all.end(), byDay);
    std::erase_if(all, [&](const HolidayDay& d) { return d.day < *first || d.day > *last; });
    return all;
}

namespace {

// Days kept under the same id in many countries, named in every shipped
// language through the catalogues; a country's file names the others in its
// own language and English.
struct CommonHoliday {
    std::string_view id;
    const char* name;
};
constexpr CommonHoliday kCommonHolidays[] = {
    {"new-year", SOLVANE_TRANSLATE_NOOP("Holidays", "New Year's Day")},
    {"new-years-eve", SOLVANE_TRANSLATE_NOOP("Holidays", "New Year's Eve")},
    {"epiphany", SOLVANE_TRANSLATE_NOOP("Holidays", "Epiphany")},
    {"valentines-day", SOLVANE_TRANSLATE_NOOP("Holidays", "Valentine's Day")},
    {"womens-day", SOLVANE_TRANSLATE_NOOP("Holidays", "International Women's Day")},
    {"maundy-thursday", SOLVANE_TRANSLATE_NOOP("Holidays", "Maundy Thursday")},
    {"good-friday", SOLVANE_TRANSLATE_NOOP("Holidays", "Good Friday")},
    {"easter-sunday", SOLVANE_TRANSLATE_NOOP("Holidays", "Easter Sunday")},
    {"easter-monday", SOLVANE_TRANSLATE_NOOP("Holidays", "Easter Monday")},
    {"orthodox-good-friday", SOLVANE_TRANSLATE_NOOP("Holidays", "Orthodox Good Friday")},
    {"orthodox-easter", SOLVANE_TRANSLATE_NOOP("Holidays", "Orthodox Easter")},
    {"orthodox-easter-monday", SOLVANE_TRANSLATE_NOOP("Holidays", "Orthodox Easter Monday")},
    {"labour-day", SOLVANE_TRANSLATE_NOOP("Holidays", "Labour Day")},
    {"mothers-day", SOLVANE_TRANSLATE_NOOP("Holidays", "Mother's Day")},
    {"fathers-day", SOLVANE_TRANSLATE_NOOP("Holidays", "Father's Day")},
    {"ascension-day", SOLVANE_TRANSLATE_NOOP("Holidays", "Ascension Day")},
    {"whit-sunday", SOLVANE_TRANSLATE_NOOP("Holidays", "Whit Sunday")},
    {"whit-monday", SOLVANE_TRANSLATE_NOOP("Holidays", "Whit Monday")},
    {"corpus-christi", SOLVANE_TRANSLATE_NOOP("Holidays", "Corpus Christi")},
    {"midsummer-day", SOLVANE_TRANSLATE_NOOP("Holidays", "Midsummer Day")},
    {"sts-peter-and-paul", SOLVANE_TRANSLATE_NOOP("Holidays", "Saints Peter and Paul")},
    {"assumption-day", SOLVANE_TRANSLATE_NOOP("Holidays", "Assumption Day")},
    {"reformation-day", SOLVANE_TRANSLATE_NOOP("Holidays", "Reformation Day")},
    {"halloween", SOLVANE_TRANSLATE_NOOP("Holidays", "Halloween")},
    {"all-saints-day", SOLVANE_TRANSLATE_NOOP("Holidays", "All Saints' Day")},
    {"all-souls-day", SOLVANE_TRANSLATE_NOOP("Holidays", "All Souls' Day")},
    {"immaculate-conception", SOLVANE_TRANSLATE_NOOP("Holidays", "Immaculate Conception")},
    {"christmas-eve", SOLVANE_TRANSLATE_NOOP("Holidays", "Christmas Eve")},
    {"christmas-day", SOLVANE_TRANSLATE_NOOP("Holidays", "Christmas Day")},
    {"second-day-of-christmas", SOLVANE_TRANSLATE_NOOP("Holidays", "Second Day of Christmas")},
    {"st-stephens-day", SOLVANE_TRANSLATE_NOOP("Holidays", "St Stephen's Day")},
    {"boxing-day", SOLVANE_TRANSLATE_NOOP("Holidays", "Boxing Day")},
    {"independence-day", SOLVANE_TRANSLATE_NOOP("Holidays", "Independence Day")},
    {"national-day", SOLVANE_TRANSLATE_NOOP("Holidays", "National Day")},
    {"constitution-day", SOLVANE_TRANSLATE_NOOP("Holidays", "Constitution Day")},
    {"republic-day", SOLVANE_TRANSLATE_NOOP("Holidays", "Republic Day")},
    {"victory-day", SOLVANE_TRANSLATE_NOOP("Holidays", "Victory Day")},
    {"liberation-day", SOLVANE_TRANSLATE_NOOP("Holidays", "Liberation Day")},
    {"childrens-day", SOLVANE_TRANSLATE_NOOP("Holidays", "Children's Day")},
    {"eid-al-fitr", SOLVANE_TRANSLATE_NOOP("Holidays", "Eid al-Fitr")},
    {"eid-al-adha", SOLVANE_TRANSLATE_NOOP("Holidays", "Eid al-Adha")},
    {"islamic-new-year", SOLVANE_TRANSLATE_NOOP("Holidays", "Islamic New Year")},
    {"mawlid", SOLVANE_TRANSLATE_NOOP("Holidays", "Prophet's Birthday")},
    {"chinese-new-year", SOLVANE_TRANSLATE_NOOP("Holidays", "Chinese New Year")},
    {"mid-autumn-festival", SOLVANE_TRANSLATE_NOOP("Holidays", "Mid-Autumn Festival")},
    {"deepavali", SOLVANE_TRANSLATE_NOOP("Holidays", "Deepavali")},
    {"diwali", SOLVANE_TRANSLATE_NOOP("Holidays", "Diwali")},
};

}  // namespace

std::string localName(const Names& names, std::string_view language) {
    if (const auto it = names.find(language); it != names.end()) {
        return it->second;
    }
    if (const auto it = names.find("en"); it != names.end()) {
        return it->second;
    }
    return names.empty() ? std::string() : names.begin()->second;
}

std::string holidayTitle(const Holiday& holiday, std::string_view language) {
    if (holiday.names.contains(language)) {
        return holiday.names.find(language)->second;
    }
    if (language != "en") {
        for (const CommonHoliday& common : kCommonHolidays) {
            // Only a catalogue's own name: without one the country's
            // English name says more than the shared one.
            if (common.id == holiday.id) {
                std::string name = translate("Holidays", common.name);
                if (name != common.name) {
                    return name;
                }
            }
        }
    }
    return localName(holiday.names, language);
}

std::string countryTitle(const CountryHolidays& country, std::string_view language) {
    if (const auto it = country.names.find(language); it != country.names.end()) {
        return it->second;
    }
    icu::UnicodeString name;
    icu::Locale("", country.code.c_str())
        .getDisplayCountry(icu::Locale(std::string(language).c_str()), name);
    // ICU answers with the code itself for a territory it does not know.
    if (!name.isBogus() && name != icu::UnicodeString::fromUTF8(country.code)) {
        std::string text;
        return name.toUTF8String(text);
    }
    return localName(country.names, language);
}

std::string holidayName(const HolidayDay& day, std::string_view language) {
    std::string name =
        day.holiday == nullptr ? std::string() : holidayTitle(*day.holiday, language);
    if (day.substitute) {
        return withArguments(translate("Holidays", "%1 (day off in lieu)"), {name});
    }
    return name;
}

}  // namespace solvane
