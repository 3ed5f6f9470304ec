#include "core/model/presets.h"

#include "core/util/translation.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <mutex>
#include <string_view>
#include <utility>

#include "core/holidays/holiday_catalog.h"
#include "core/holidays/holiday_presets.h"
#include "core/model/seasons.h"

namespace solvane {

namespace {

// A rule as the table writes it: fixed dates are a month and day that only
// become instants once a calendar (and so a zone) is known.
struct RuleEntry {
    enum class Kind { none, fixed, nthWeekday, season };
    Kind kind = Kind::none;
    std::int64_t a = 0, b = 0, c = 0, d = 0;
};

constexpr RuleEntry none() {
    return {};
}
constexpr RuleEntry fixedMD(std::int64_t month, std::int64_t day) {
    return {RuleEntry::Kind::fixed, month, day, 0, 0};
}
constexpr RuleEntry nth(std::int64_t n, std::int64_t weekday, std::int64_t month,
                        std::int64_t offset) {
    return {RuleEntry::Kind::nthWeekday, n, weekday, month, offset};
}
constexpr RuleEntry season(std::int64_t index) {
    return {RuleEntry::Kind::season, index, 0, 0, 0};
}

struct PresetEntry {
    std::string_view id;
    std::string_view group;
    std::string_view title;
    std::string_view symbol;
    RuleEntry start;
    RuleEntry end;
    DuringMode during;
};

constexpr std::string_view kSpans = SOLVANE_TRANSLATE_NOOP("Presets", "Spans");
constexpr std::string_view kClocks = SOLVANE_TRANSLATE_NOOP("Presets", "Clocks & Sky");
constexpr std::string_view kHolidays = SOLVANE_TRANSLATE_NOOP("Presets", "Holidays (US)");
constexpr DuringMode kProgress = DuringMode::progress;

// Weekdays: 1 Sunday, 2 Monday, 5 Thursday.
constexpr std::array<PresetEntry, 19> kPresets{{
    {"summer-fridays", kSpans, SOLVANE_TRANSLATE_NOOP("Presets", "Summer Fridays"),
     "beach.umbrella", nth(-1, 2, 5, -3), nth(1, 2, 9, 0), DuringMode::hide},
    {"summer", kSpans, SOLVANE_TRANSLATE_NOOP("Presets", "Summer"), "sun.max", season(1), season(2),
     kProgress},
    {"winter", kSpans, SOLVANE_TRANSLATE_NOOP("Presets", "Winter"), "snowflake", season(3),
     season(0), kProgress},
    {"dst-start", kClocks, SOLVANE_TRANSLATE_NOOP("Presets", "Spring forward"), "sun.horizon",
     nth(2, 1, 3, 0), none(), kProgress},
    {"dst-end", kClocks, SOLVANE_TRANSLATE_NOOP("Presets", "Fall back"), "clock.arrow.circlepath",
     nth(1, 1, 11, 0), none(), kProgress},
    {"spring-equinox", kClocks, SOLVANE_TRANSLATE_NOOP("Presets", "Spring equinox"), "leaf",
     season(0), none(), kProgress},
    {"summer-solstice", kClocks, SOLVANE_TRANSLATE_NOOP("Presets", "Summer solstice"), "sun.max",
     season(1), none(), kProgress},
    {"fall-equinox", kClocks, SOLVANE_TRANSLATE_NOOP("Presets", "Fall equinox"), "wind", season(2),
     none(), kProgress},
    {"winter-solstice", kClocks, SOLVANE_TRANSLATE_NOOP("Presets", "Winter solstice"), "snowflake",
     season(3), none(), kProgress},
    {"new-year", kHolidays, SOLVANE_TRANSLATE_NOOP("Presets", "New Year's Day"), "sparkles",
     fixedMD(1, 1), none(), kProgress},
    {"valentines", kHolidays, SOLVANE_TRANSLATE_NOOP("Presets", "Valentine's Day"), "heart",
     fixedMD(2, 14), none(), kProgress},
    {"mothers-day", kHolidays, SOLVANE_TRANSLATE_NOOP("Presets", "Mother's Day"), "gift",
     nth(2, 1, 5, 0), none(), kProgress},
    {"memorial-day", kHolidays, SOLVANE_TRANSLATE_NOOP("Presets", "Memorial Day"), "flag",
     nth(-1, 2, 5, 0), none(), kProgress},
    {"fathers-day", kHolidays, SOLVANE_TRANSLATE_NOOP("Presets", "Father's Day"), "gift",
     nth(3, 1, 6, 0), none(), kProgress},
    {"july-4", kHolidays, SOLVANE_TRANSLATE_NOOP("Presets", "Independence Day"), "sparkles",
     fixedMD(7, 4), none(), kProgress},
    {"labor-day", kHolidays, SOLVANE_TRANSLATE_NOOP("Presets", "Labor Day"), "beach.umbrella",
     nth(1, 2, 9, 0), none(), kProgress},
    {"halloween", kHolidays, SOLVANE_TRANSLATE_NOOP("Presets", "Halloween"), "moon.stars",
     fixedMD(10, 31), none(), kProgress},
    {"thanksgiving", kHolidays, SOLVANE_TRANSLATE_NOOP("Presets", "Thanksgiving"), "fork.knife",
     nth(4, 5, 11, 0), none(), kProgress},
    {"christmas", kHolidays, SOLVANE_TRANSLATE_NOOP("Presets", "Christmas"), "gift",
     fixedMD(12, 25), none(), kProgress},
}};

static_assert(std::ranges::none_of(kPresets,
                                   [](const PresetEntry& e) {
                                       return e.start.kind == RuleEntry::Kind::none;
                                   }),
              "every preset needs a start");

constexpr std::string_view kClockForwardId = "dst-start";
constexpr std::string_view kClockBackId = "dst-end";

// Presets whose titles and symbols trade places south of the equator: the
// rules name the same astronomical days, whose seasons are the other way round.
constexpr std::array<std::pair<std::string_view, std::string_view>, 3> kSeasonPairs{{
    {"summer", "winter"},
    {"spring-equinox", "fall-equinox"},
    {"summer-solstice", "winter-solstice"},
}};

// UTC midnight of month/day in 2000, for a calendar that cannot build the
// local one. Worked out from the date itself so the catalogue never depends
// on when it happened to be built. 2000 is a leap year, so its first day
// lies 366 days before the reference date 2001-01-01.
Instant utcMidnight2000(std::int64_t month, std::int64_t day) {
    static constexpr std::array<std::int64_t, 12> kDaysBeforeMonth = {0,   31,  60,  91,  121, 152,
                                                                      182, 213, 244, 274, 305, 335};
    const std::int64_t dayOfYear = kDaysBeforeMonth[static_cast<std::size_t>(month - 1)] + day - 1;
    return Instant{static_cast<double>(dayOfYear - 366) * 86400.0};
}

std::optional<DateRule> makeRule(const RuleEntry& entry, const Calendar& calendar) {
    switch (entry.kind) {
        case RuleEntry::Kind::none:
            return std::nullopt;
        case RuleEntry::Kind::fixed:
            return DateRule::fixed(
                calendar.date(2000, entry.a, entry.b).value_or(utcMidnight2000(entry.a, entry.b)));
        case RuleEntry::Kind::nthWeekday:
            return DateRule::nthWeekday(entry.a, entry.b, entry.c, entry.d);
        case RuleEntry::Kind::season:
            return DateRule::season(entry.a);
    }
    return std::nullopt;
}

std::vector<CountdownPreset> buildCatalogue(const Calendar& calendar) {
    std::vector<CountdownPreset> list;
    list.reserve(kPresets.size());
    for (const auto& entry : kPresets) {
        CountdownPreset preset;
        preset.id = entry.id;
        preset.group = entry.group;
        preset.title = entry.title;
        preset.symbol = entry.symbol;
        preset.start = *makeRule(entry.start, calendar);
        preset.end = makeRule(entry.end, calendar);
        preset.during = entry.during;
        list.push_back(std::move(preset));
    }
    return list;
}

// Fixed dates are local midnights, so a catalogue belongs to one zone.
// Entries are never erased, and std::map keeps references to them valid while
// other zones are added.
const std::vector<CountdownPreset>& zoneCatalogue(const Calendar& calendar) {
    static std::mutex mutex;
    static std::map<std::string, std::vector<CountdownPreset>, std::less<>> byZone;
    std::lock_guard lock(mutex);
    auto found = byZone.find(calendar.zoneId());
    if (found == byZone.end()) {
        found = byZone.emplace(calendar.zoneId(), buildCatalogue(calendar)).first;
    }
    return found->second;
}

CountdownPreset* findPreset(std::vector<CountdownPreset>& presets, std::string_view id) {
    const auto it = std::find_if(presets.begin(), presets.end(),
                                 [&](const CountdownPreset& p) { return p.id == id; });
    return it == presets.end() ? nullptr : &*it;
}

std::string lowerCode(std::string_view code) {
    std::string out(code);
    for (char& c : out) {
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    return out;
}

// The season index of the first equinox on or after the day of `now`.
std::int64_t nextEquinox(const Calendar& calendar, Instant now) {
    const auto today = calendar.startOfDay(now);
    const auto civil = today ? calendar.civilDate(*today) : std::nullopt;
    if (!civil) {
        return 0;
    }
    const std::int64_t year = civil->year;
    const std::array<std::pair<std::int64_t, std::int64_t>, 3> candidates{
        {{0, year}, {2, year}, {0, year + 1}}};
    for (const auto& [index, candidateYear] : candidates) {
        const auto day = seasonDate(index, candidateYear, calendar);
        if (day && *day >= *today) {
            return index;
        }
    }
    return 0;
}

}  // namespace

PresetRegion PresetRegion::of(const Calendar& calendar, Instant now, std::optional<double> latitude,
                              std::string_view holidayPlace) {
    PresetRegion region;
    region.clocks = clockChanges(calendar, now);
    region.unitedStates = inUnitedStates(calendar);
    region.hemisphere = latitude && std::isfinite(*latitude) && *latitude < 0
                            ? Hemisphere::southern
                            : Hemisphere::northern;
    auto place = solvane::holidayPlace(holidayPlace, calendar);
    if (place && place->country != "US" && installedCountry(place->country) != nullptr) {
        region.holidayCountry = std::move(place->country);
        region.holidayRegion = std::move(place->region);
        region.holidaysFrom = now;
    }
    return region;
}

std::vector<CountdownPreset> catalogue(const Calendar& calendar, const PresetRegion& region) {
    std::vector<CountdownPreset> presets;
    presets.reserve(kPresets.size());
    for (const CountdownPreset& preset : zoneCatalogue(calendar)) {
        const bool forward = preset.id == kClockForwardId;
        if (!forward && preset.id != kClockBackId) {
            presets.push_back(preset);
        } else if (region.clocks) {
            if (const auto& rule = forward ? region.clocks->forward : region.clocks->back) {
                presets.push_back(preset);
                presets.back().start = *rule;
            }
        }
    }
    if (region.hemisphere == Hemisphere::southern) {
        for (const auto& [first, second] : kSeasonPairs) {
            CountdownPreset* a = findPreset(presets, first);
            CountdownPreset* b = findPreset(presets, second);
            if (a != nullptr && b != nullptr) {
                std::swap(a->title, b->title);
                std::swap(a->symbol, b->symbol);
            }
        }
    }
    // In the user's language: a preset becomes a countdown labelled so, and
    // that label is the user's from then on.
    for (CountdownPreset& preset : presets) {
        preset.title = translate("Presets", preset.title.c_str());
        preset.group = translate("Presets", preset.group.c_str());
    }
    if (const CountryHolidays* country =
            region.holidayCountry ? installedCountry(*region.holidayCountry) : nullptr) {
        // Elsewhere the United States' days say whose they are, and the days
        // the country keeps itself (its own Mother's Day) come from its set.
        const std::string usGroup = translate("Presets", kHolidays.data());
        auto local = holidayPresets(*country, region.holidayRegion, calendar, region.holidaysFrom);
        std::erase_if(presets, [&](const CountdownPreset& p) {
            return p.group == usGroup &&
                   std::any_of(local.begin(), local.end(), [&](const CountdownPreset& l) {
                       return l.start == p.start ||
                              l.id == "holiday-" + lowerCode(country->code) + "-" + p.id;
                   });
        });
        for (CountdownPreset& preset : presets) {
            if (preset.group == usGroup) {
                preset.title =
                    withArguments(translate("Presets", "%1 (United States)"), {preset.title});
            }
        }
        // Already in the user's language, as the file names them.
        for (CountdownPreset& preset : local) {
            presets.push_back(std::move(preset));
        }
    }
    return presets;
}

std::vector<std::string> presetGroups() {
    std::vector<std::string> groups;
    for (const auto& entry : kPresets) {
        if (std::find(groups.begin(), groups.end(), entry.group) == groups.end()) {
            groups.emplace_back(entry.group);
        }
    }
    for (std::string& group : groups) {
        group = translate("Presets", group.c_str());
    }
    return groups;
}

Countdown makeCountdown(const CountdownPreset& preset) {
    Countdown countdown;
    countdown.id = Uuid::random();
    countdown.label = preset.title;
    countdown.start = preset.start;
    countdown.end = preset.end;
    countdown.recurs = true;
    countdown.during = preset.during;
    countdown.symbol = preset.symbol;
    countdown.unit = CountUnit::days;
    return countdown;
}

std::vector<CountdownPreset> starterPresets(const Calendar& calendar, const PresetRegion& region,
                                            Instant now) {
    std::vector<CountdownPreset> presets = catalogue(calendar, region);
    // Ids keep naming the astronomical day, so the winter solstice of the
    // south is the preset with the June rule.
    const std::string_view winterSolstice =
        region.hemisphere == Hemisphere::southern ? "summer-solstice" : "winter-solstice";
    const std::string_view last = region.unitedStates               ? "summer-fridays"
                                  : nextEquinox(calendar, now) == 0 ? "spring-equinox"
                                                                    : "fall-equinox";
    std::vector<CountdownPreset> starters;
    for (const std::string_view id : {kClockBackId, winterSolstice, kClockForwardId, last}) {
        if (const CountdownPreset* preset = findPreset(presets, id)) {
            starters.push_back(*preset);
        }
    }
    if (const CountryHolidays* country =
            region.holidayCountry ? installedCountry(*region.holidayCountry) : nullptr) {
        for (CountdownPreset& preset :
             nextPublicHolidayPresets(*country, region.holidayRegion, calendar, now, 2)) {
            starters.push_back(std::move(preset));
        }
    }
    return starters;
}

std::vector<Countdown> starterCountdowns(const Calendar& calendar, const PresetRegion& region,
                                         Instant now) {
    std::vector<Countdown> starters;
    for (const CountdownPreset& preset : starterPresets(calendar, region, now)) {
        starters.push_back(makeCountdown(preset));
    }
    return starters;
}

}  // namespace solvane
