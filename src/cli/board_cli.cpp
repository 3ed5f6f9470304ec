#include "cli/board_cli.h"

#include "cli/arguments.h"
#include "cli/countdown_commands.h"

#include "core/util/display_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <map>
#include <optional>
#include <ostream>
#include <set>

#include "cli/board_command.h"
#include "cli/board_options.h"
#include "cli/board_text.h"
#include "cli/forecast_command.h"
#include "cli/holidays_command.h"
#include "cli/subscription_commands.h"
#include "core/calendar/calendar_sync.h"
#include "core/calendar/event_picker.h"
#include "core/model/countdown_display.h"
#include "core/model/countdown_json.h"
#include "core/model/json_forms.h"
#include "core/model/presets.h"
#include "core/model/rules.h"
#include "core/sky/sky_snapshot.h"
#include "core/time/text_format.h"
#include "platform/calendar/calendar_source.h"

namespace solvane::cli {
namespace {

using Json = json_forms::Json;

// A year and a bit, as far as any calendar view looks ahead.
constexpr std::int64_t kMaxEventDays = 3660;

constexpr const char* kUsage = R"(Usage: solvane-board [BOARD OPTIONS]
       solvane-board COMMAND [OPTIONS]

With no command, prints today's board for the saved place: the date and place,
the weather, the countdowns, the sun and the moon. The weather comes from the
cache when it is fresh, otherwise from the chosen service (which refreshes the
cache); nothing else in the store is changed.

Board options:
  --offline        do not fetch weather; show the board without it
  --json           print the whole board as one JSON object
  --waybar         print one line of JSON for waybar (the same as --format waybar)
  --format BAR     print the board for a status bar: waybar, i3blocks,
                   i3status-rs, polybar or plain
  --follow         with a status bar: keep running and print a new update
                   whenever it changes (minute, day, weather, saved changes)
  --at ISO8601     show the board for another moment
  --tz ZONE        use another time zone
  --locale LOCALE  use another locale for dates
  --lat F --lon F  use another place (weather is fetched for it but not cached)
  --place NAME     show another place name
  --png FILE       draw the board into a PNG image instead of printing it
  --style S        with --png: glass (default), dark or light
  --scheme S       with --png: light or dark surface for the glass style
  --scale N        with --png: pixels per point, 1 to 4 (default 1)
Colours are used on a terminal unless NO_COLOR is set.

Commands:
  rule RULE_JSON --year Y [--recurs] [--tz ZONE]
      The day a date rule names in year Y: {"date":"2025-05-23"} or {"date":null}.
  countdown COUNTDOWN_JSON [--at ISO8601] [--tz ZONE] [--locale LOCALE]
      A countdown's phase, row, summary and start description at a moment.
  presets [--tz ZONE] [--lat F] [--at ISO8601]
      The presets offered to a user of the zone at the place (the saved one
      unless --lat names another), as a JSON array; "starter" marks the
      countdowns a new user starts with.
  sky --lat F --lon F [--at ISO8601] [--tz ZONE]
      The sky of the local day at a place: sun times, daylight progress, moon
      illumination, moonrise and moonset, next full and new moon.
  forecast [--json] [--offline] [--at ISO8601] [--tz ZONE] [--locale LOCALE]
      The next hours and days for the saved place, in your units, clock and
      language; from the forecast's cache when it is under an hour old, and
      only from the cache with --offline. --json gives the next 24 hours and
      7 days as {"place", "hourly", "daily", "source", "fetched"}.
  holidays [--country CC[-REGION]] [--year YYYY] [--json]
      The public holidays and observances of a country (or one of its
      regions, e.g. DE-BY) in a year (this one), names in your language where
      known. The country is your locale's (LC_ALL, LC_TIME, LANG), else your
      time zone's. --json gives [{"date", "id", "name", "type"}], type
      "public" or "observance".
  calendars
      Every calendar Solvane reads, with its account, colour and source
      (evolution, folder or subscription).
  events [--days N] [--at ISO8601] [--tz ZONE]
      The upcoming events of all calendars as "From Calendar…" lists them:
      the earliest occurrence of each event in the next N days (365).
  subscribe URL [--name NAME]
      Follows the calendar at an https://, http:// or webcal:// address.
  unsubscribe ID
      Stops following a subscribed calendar and removes its countdowns.
  add --label TEXT (--date YYYY-MM-DD [--end YYYY-MM-DD] | --rule JSON)
      [--symbol NAME] [--yearly] [--tz ZONE]
      Adds a countdown to the list and prints its ID: a day (or a span to
      --end), every year with --yearly, or the day a rule names each year.
  remove ID
      Removes the countdown with that ID (and its own picture).
  list [--json] [--at ISO8601] [--tz ZONE] [--locale LOCALE]
      The countdowns in list order: ID, next day and label.

Options:
  --at ISO8601     the moment to use instead of now, e.g. 2025-05-20T09:00:00-04:00
  --tz ZONE        an IANA time zone instead of the user's, e.g. Asia/Tokyo
  --locale LOCALE  a locale instead of the user's, e.g. de_DE
  --lat F, --lon F latitude and longitude in degrees, north and east positive
  --help           this text
)";

// A finite decimal number such as "62", "-0.5", "+13.4" or "1e-3".
std::optional<double> parseNumber(const std::string& text) {
    std::string_view digits = text;
    if (digits.size() > 1 && digits.front() == '+' && digits[1] != '-') {
        digits.remove_prefix(1);
    }
    double v = 0;
    const char* end = digits.data() + digits.size();
    const auto [ptr, ec] = std::from_chars(digits.data(), end, v);
    if (ec != std::errc() || ptr != end || digits.empty() || !std::isfinite(v)) {
        return std::nullopt;
    }
    return v;
}

std::optional<std::int64_t> parseInteger(const std::string& text) {
    std::int64_t v = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, v);
    if (ec != std::errc() || ptr != end || text.empty()) {
        return std::nullopt;
    }
    return v;
}

Json localDay(std::optional<Instant> t, const Calendar& calendar) {
    if (!t) {
        return nullptr;
    }
    const auto d = calendar.civilDate(*t);
    if (!d) {
        return nullptr;
    }
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", d->year, d->month, d->day);
    return buf;
}

int ruleCommand(const Arguments& a, const Environment& env, std::ostream& out, std::ostream& err) {
    std::string error;
    if (a.positional.size() != 1) {
        return badArguments(err, "rule needs exactly one RULE_JSON argument");
    }
    const auto yearText = a.values.find("--year");
    if (yearText == a.values.end()) {
        return badArguments(err, "rule needs --year Y");
    }
    const auto year = parseInteger(yearText->second);
    if (!year) {
        return badArguments(err, "--year needs an integer, got \"" + yearText->second + "\"");
    }
    const auto rule = decodeDateRule(a.positional[0]);
    if (!rule) {
        return badArguments(err, "invalid rule: " + rule.error().message);
    }
    const auto calendar = commandCalendar(a, env, error);
    if (!calendar) {
        return badArguments(err, error);
    }
    const auto date = resolve(*rule, *year, a.flags.count("--recurs") > 0, *calendar);
    printJson(out, Json{{"date", localDay(date, *calendar)}});
    return 0;
}

int countdownCommand(const Arguments& a, const Environment& env, std::ostream& out,
                     std::ostream& err) {
    std::string error;
    if (a.positional.size() != 1) {
        return badArguments(err, "countdown needs exactly one COUNTDOWN_JSON argument");
    }
    const auto moment = commandMoment(a, env, error);
    if (!moment) {
        return badArguments(err, error);
    }
    const Instant now = *moment;
    const auto countdown = decodeCountdown(a.positional[0]);
    if (!countdown) {
        return badArguments(err, "invalid countdown: " + countdown.error().message);
    }
    const auto calendar = commandCalendar(a, env, error);
    if (!calendar) {
        return badArguments(err, error);
    }

    Json result;
    const CountdownPhase p = phase(*countdown, now, *calendar);
    if (const auto* up = std::get_if<UpcomingPhase>(&p)) {
        result["phase"] = "upcoming";
        result["start"] = localDay(up->start, *calendar);
        result["end"] = localDay(up->end, *calendar);
    } else if (const auto* active = std::get_if<ActivePhase>(&p)) {
        result["phase"] = "active";
        result["start"] = localDay(active->start, *calendar);
        result["end"] = localDay(active->end, *calendar);
    } else {
        result["phase"] = "finished";
        result["start"] = nullptr;
        result["end"] = nullptr;
    }
    // No store is read here, so working days leave out the holidays of the
    // locale's or the zone's country.
    if (const auto row = display(*countdown, now, *calendar, DaysOff::forPlace({}, *calendar))) {
        result["display"] = Json{
            {"value", row->value},
            {"unit", row->unit},
            {"caption", row->caption},
            {"progress", row->progress ? Json(*row->progress) : Json(nullptr)},
            {"sortDate", isoOrNull(row->sortDate)},
        };
    } else {
        result["display"] = nullptr;
    }
    result["summary"] = scheduleSummary(*countdown, now, *calendar);
    result["startDescription"] = ruleDescription(countdown->start, *calendar);
    printJson(out, result);
    return 0;
}

int presetsCommand(const Arguments& a, const Environment& env, std::ostream& out,
                   std::ostream& err) {
    std::string error;
    if (!a.positional.empty()) {
        return badArguments(err, "presets takes no arguments besides its options");
    }
    std::optional<double> latitude;
    if (const auto text = a.values.find("--lat"); text != a.values.end()) {
        latitude = parseNumber(text->second);
        if (!latitude || *latitude < -90 || *latitude > 90) {
            return badArguments(
                err, "--lat needs a latitude from -90 to 90, got \"" + text->second + "\"");
        }
    }
    const auto moment = commandMoment(a, env, error);
    if (!moment) {
        return badArguments(err, error);
    }
    const auto calendar = commandCalendar(a, env, error);
    if (!calendar) {
        return badArguments(err, error);
    }
    if (!latitude) {
        // The saved place, else the zone's own city: a new user in Sydney is
        // offered the southern seasons.
        latitude =
            (env.store ? *env.store : SharedStore::standard()).loadLocation(*calendar).latitude;
    }
    const PresetRegion region = PresetRegion::of(*calendar, *moment, latitude);
    std::set<std::string> starters;
    for (const CountdownPreset& p : starterPresets(*calendar, region, *moment)) {
        starters.insert(p.id);
    }
    Json list = Json::array();
    for (const CountdownPreset& p : catalogue(*calendar, region)) {
        Json item{{"id", p.id},
                  {"group", p.group},
                  {"title", p.title},
                  {"symbol", p.symbol},
                  {"start", json_forms::toJson(p.start)}};
        if (p.end) {
            item["end"] = json_forms::toJson(*p.end);
        }
        item["during"] = std::string(toString(p.during));
        item["starter"] = starters.count(p.id) > 0;
        list.push_back(std::move(item));
    }
    printJson(out, list);
    return 0;
}

int skyCommand(const Arguments& a, const Environment& env, std::ostream& out, std::ostream& err) {
    std::string error;
    if (!a.positional.empty()) {
        return badArguments(err, "sky takes no arguments besides its options");
    }
    double coordinates[2] = {0, 0};
    const char* names[2] = {"--lat", "--lon"};
    for (int i = 0; i < 2; ++i) {
        const auto text = a.values.find(names[i]);
        if (text == a.values.end()) {
            return badArguments(err, "sky needs --lat F and --lon F");
        }
        const auto value = parseNumber(text->second);
        if (!value) {
            return badArguments(err, std::string(names[i]) +
                                         " needs a finite number of degrees, got \"" +
                                         text->second + "\"");
        }
        coordinates[i] = *value;
    }
    if (coordinates[0] < -90 || coordinates[0] > 90) {
        return badArguments(
            err, "--lat needs a latitude from -90 to 90, got \"" + a.values.at("--lat") + "\"");
    }
    const auto moment = commandMoment(a, env, error);
    if (!moment) {
        return badArguments(err, error);
    }
    const Instant now = *moment;
    const auto calendar = commandCalendar(a, env, error);
    if (!calendar) {
        return badArguments(err, error);
    }

    printJson(out, skyJson(SkySnapshot::compute(now, coordinates[0], coordinates[1], *calendar)));
    return 0;
}

// Without access no calendar is read; saying so beats an empty list that
// looks like no calendars at all.
bool calendarAccess(const Environment& env, std::ostream& err) {
    if (env.events == nullptr) {
        return false;
    }
    if (env.events->authorization() != CalendarAuthorization::fullAccess) {
        err << "solvane-board: calendar access is off; turn it on in Solvane \u203a Privacy & "
               "Security \u203a Calendars\n";
        return false;
    }
    return true;
}

int calendarsCommand(const Arguments& a, const Environment& env, std::ostream& out,
                     std::ostream& err) {
    if (!a.positional.empty()) {
        return badArguments(err, "calendars takes no arguments");
    }
    Json list = Json::array();
    if (calendarAccess(env, err)) {
        for (const EventCalendar& c : env.events->calendars()) {
            list.push_back(Json{{"id", c.id},
                                {"title", c.title},
                                {"account", c.accountTitle},
                                {"colour", c.color},
                                {"source", std::string(platform::sourceKindOf(c.id))},
                                {"responding", c.responding}});
        }
    }
    printJson(out, list);
    return 0;
}

int eventsCommand(const Arguments& a, const Environment& env, std::ostream& out,
                  std::ostream& err) {
    std::string error;
    if (!a.positional.empty()) {
        return badArguments(err, "events takes no arguments besides its options");
    }
    int days = kPickerHorizonDays;
    if (const auto text = a.values.find("--days"); text != a.values.end()) {
        const auto n = parseInteger(text->second);
        if (!n || *n < 1 || *n > kMaxEventDays) {
            return badArguments(err, "--days needs a whole number from 1 to " +
                                         std::to_string(kMaxEventDays) + ", got \"" + text->second +
                                         "\"");
        }
        days = static_cast<int>(*n);
    }
    const auto moment = commandMoment(a, env, error);
    if (!moment) {
        return badArguments(err, error);
    }
    const Instant now = *moment;
    const auto calendar = commandCalendar(a, env, error);
    if (!calendar) {
        return badArguments(err, error);
    }
    Json list = Json::array();
    if (calendarAccess(env, err)) {
        for (const CalendarEvent& e :
             EventPicker::firstOccurrences(upcomingEvents(*env.events, days, now, *calendar))) {
            list.push_back(Json{{"id", e.itemId},
                                {"calendarID", e.calendar.id},
                                {"title", e.title ? Json(*e.title) : Json(nullptr)},
                                {"start", isoOrNull(e.start)},
                                {"end", isoOrNull(e.end)},
                                {"allDay", e.allDay}});
        }
    }
    printJson(out, list);
    return 0;
}

int forecastArguments(const Arguments& a, const Environment& env, std::ostream& out,
                      std::ostream& err) {
    if (!a.positional.empty()) {
        return badArguments(err, "forecast takes no arguments");
    }
    std::string error;
    auto calendar = commandCalendar(a, env, error);
    const auto now = commandMoment(a, env, error);
    if (!calendar || !now) {
        return badArguments(err, error);
    }
    return forecastCommand(
        {a.flags.count("--json") > 0, a.flags.count("--offline") > 0, *now, std::move(*calendar)},
        env, out);
}

}  // namespace

int storeFailed(std::ostream& err, const SharedStore& store, StoreFault fault) {
    err << "solvane-board: "
        << oneLine(storeFaultText(fault) + " (" + store.paths().suite.string() + ")") << "\n";
    return kStoreFailedStatus;
}

std::optional<Calendar> calendarFor(const Environment& env, const std::optional<std::string>& zone,
                                    const std::optional<std::string>& locale, std::string& error) {
    if (!zone && !locale) {
        return env.calendar;
    }
    const std::string zoneId = zone.value_or(env.calendar.zoneId());
    auto calendar = Calendar::make(zoneId, locale.value_or(env.calendar.locale()));
    if (!calendar) {
        error = "unknown time zone " + zoneId;
    }
    return calendar;
}

int run(const std::vector<std::string>& args, const Environment& env, std::ostream& out,
        std::ostream& err) {
    // A first word that is an option belongs to the board itself.
    const bool board = args.empty() || args[0].starts_with("-");
    const std::string command = board ? std::string() : args[0];
    const CommandSpec* spec = findCommand(boardProgram(), command);
    if (spec == nullptr) {
        return badArguments(err, "unknown command \"" + command + "\" (try --help)");
    }
    std::string error;
    const auto a = parseArguments({args.begin() + (board ? 0 : 1), args.end()}, *spec, error);
    if (!a) {
        return badArguments(err, board ? error : command + ": " + error);
    }
    if (command == "help" || a->flags.count("--help") > 0) {
        out << kUsage;
        return 0;
    }
    using Handler = int (*)(const Arguments&, const Environment&, std::ostream&, std::ostream&);
    static const std::map<std::string, Handler, std::less<>> kHandlers{
        {"", boardCommand},
        {"rule", ruleCommand},
        {"countdown", countdownCommand},
        {"presets", presetsCommand},
        {"sky", skyCommand},
        {"forecast", forecastArguments},
        {"holidays", holidaysCommand},
        {"calendars", calendarsCommand},
        {"events", eventsCommand},
        {"subscribe", subscribeCommand},
        {"unsubscribe", unsubscribeCommand},
        {"add", addCommand},
        {"remove", removeCommand},
        {"list", listCommand},
    };
    const auto handler = kHandlers.find(command);
    if (handler == kHandlers.end()) {
        return badArguments(err, "command \"" + command + "\" is not available in this build");
    }
    return handler->second(*a, env, out, err);
}

}  // namespace solvane::cli
