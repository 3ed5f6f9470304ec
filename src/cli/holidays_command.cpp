#include "cli/holidays_command.h"

#include <QCoreApplication>

#include <charconv>
#include <cstdio>
#include <ostream>

#include <nlohmann/json.hpp>

#include "cli/arguments.h"
#include "core/holidays/holiday_catalog.h"
#include "core/util/display_text.h"

namespace solvane::cli {
namespace {

using Json = nlohmann::ordered_json;

std::string isoDay(DayNumber day) {
    const CivilDate c = civilDateOf(day);
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", c.year, c.month, c.day);
    return text;
}

std::string joined(const std::vector<std::string>& words) {
    std::string out;
    for (const std::string& w : words) {
        out += (out.empty() ? "" : " ") + w;
    }
    return out;
}

// "de" of "de_AT", "zh" of "zh_Hant_TW".
std::string languageOf(const std::string& locale) {
    return locale.substr(0, locale.find_first_of("_-.@"));
}

}  // namespace

int holidaysCommand(const Arguments& a, const Environment& env, std::ostream& out,
                    std::ostream& err) {
    if (!a.positional.empty()) {
        return badArguments(err, "holidays takes no arguments besides its options");
    }
    const auto folder = env.holidayFolder ? env.holidayFolder : holidayFolder();
    if (!folder) {
        return badArguments(err, "the holiday files are not installed (share/solvane/holidays)");
    }
    std::string place;
    if (const auto named = a.value("--country")) {
        place = *named;
    } else if (const auto found = defaultHolidayCountry(env.localeVariable, env.calendar.zoneId(),
                                                        systemZoneTable())) {
        place = *found;
    } else {
        return badArguments(err, "cannot tell which country you are in; name it with --country CC");
    }
    const auto where = parseCountryAndRegion(place);
    if (!where) {
        return badArguments(err,
                            "--country needs a country code such as DE or a region such as DE-BY, "
                            "got \"" +
                                place + "\"");
    }
    const auto country = loadCountry(*folder, where->country);
    if (!country) {
        return badArguments(
            err, country.error() + " (known: " + joined(holidayCountries(*folder)) + ")");
    }
    if (!where->region.empty() && country->region(where->region) == nullptr) {
        std::vector<std::string> codes;
        for (const HolidayRegion& r : country->regions) {
            codes.push_back(country->code + "-" + r.code);
        }
        return badArguments(err, "the country " + country->code + " has no region \"" +
                                     where->region + "\"" +
                                     (codes.empty() ? "" : " (regions: " + joined(codes) + ")"));
    }
    std::int64_t year = 0;
    if (const auto text = a.value("--year")) {
        const auto [end, ec] = std::from_chars(text->data(), text->data() + text->size(), year);
        if (ec != std::errc{} || end != text->data() + text->size() || year < kFirstHolidayYear ||
            year > kLastHolidayYear) {
            return badArguments(
                err, "--year needs a year from " + std::to_string(kFirstHolidayYear) + " to " +
                         std::to_string(kLastHolidayYear) + ", got \"" + *text + "\"");
        }
    } else {
        const auto today = env.calendar.civilDate(env.now);
        if (!today) {
            return badArguments(err, "the current year cannot be told; give --year");
        }
        year = today->year;
    }

    const std::string language = languageOf(env.calendar.locale());
    const auto days = holidaysOfYear(*country, where->region, year);
    if (a.flags.count("--json") > 0) {
        Json list = Json::array();
        for (const HolidayDay& d : days) {
            list.push_back(Json{{"date", isoDay(d.day)},
                                {"id", d.holiday->id + (d.substitute ? "-observed" : "")},
                                {"name", holidayName(d, language)},
                                {"type", std::string(toString(d.type))}});
        }
        printJson(out, list);
        return 0;
    }
    const auto& weekdays = env.calendar.weekdayNames();
    for (const HolidayDay& d : days) {
        const int weekday = weekdayOf(d.day);
        std::string line = isoDay(d.day) + "  " +
                           (static_cast<std::size_t>(weekday) <= weekdays.size()
                                ? weekdays[static_cast<std::size_t>(weekday - 1)]
                                : std::string()) +
                           "  " + holidayName(d, language);
        if (d.type == HolidayType::observance) {
            line += " " + QCoreApplication::translate("HolidaysCommand", "(observance)",
                                                      "kept, but not a day off")
                              .toStdString();
        }
        out << oneLine(line) << "\n";
    }
    return 0;
}

}  // namespace solvane::cli
