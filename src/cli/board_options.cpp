#include "cli/board_options.h"

#include "board/palette.h"
#include "cli/status_line.h"
#include "core/store/widget_style.h"

namespace solvane::cli {
namespace {

using enum ValueKind;

// Every command answers --help with the usage text.
constexpr OptionSpec kHelp{"--help", {}, none, {}, "show the usage and exit", "-h"};
constexpr OptionSpec kAt{"--at", "ISO8601", moment, {}, "the moment instead of now"};
constexpr OptionSpec kTz{"--tz", "ZONE", zone, {}, "another time zone"};
constexpr OptionSpec kLocale{"--locale", "LOCALE", locale, {}, "another locale"};
constexpr OptionSpec kLat{"--lat", "F", number, {}, "latitude in degrees, north positive"};
constexpr OptionSpec kLon{"--lon", "F", number, {}, "longitude in degrees, east positive"};
constexpr OptionSpec kJson{"--json", {}, none, {}, "print JSON"};
constexpr OptionSpec kOffline{"--offline", {}, none, {}, "use only what is stored"};

constexpr std::array kBoardOptions{
    kOffline,
    kJson,
    OptionSpec{"--waybar", {}, none, {}, "one line of JSON for waybar"},
    OptionSpec{"--format", "BAR", choice, kCaseNames<BarFormat>, "print for a status bar"},
    OptionSpec{"--follow", {}, none, {}, "keep printing updates for the bar"},
    kAt,
    kTz,
    kLocale,
    kLat,
    kLon,
    OptionSpec{"--place", "NAME", text, {}, "another place name"},
    OptionSpec{"--png", "FILE", file, {}, "draw the board into a PNG file"},
    OptionSpec{"--style", "STYLE", choice, kCaseNames<WidgetStyle>, "the picture's style"},
    OptionSpec{"--scheme", "SCHEME", choice, kCaseNames<ColorScheme>, "the picture's surface"},
    OptionSpec{"--scale", "N", number, {}, "pixels per point, 1 to 4"},
    kHelp,
};
constexpr std::array kRuleOptions{
    OptionSpec{"--year", "Y", number, {}, "the year"},
    OptionSpec{"--recurs", {}, none, {}, "the rule names a day of every year"},
    kTz,
    kHelp,
};
constexpr std::array kCountdownOptions{kAt, kTz, kLocale, kHelp};
constexpr std::array kPresetsOptions{kTz, kLat, kAt, kHelp};
constexpr std::array kSkyOptions{kLat, kLon, kAt, kTz, kHelp};
constexpr std::array kForecastOptions{kJson, kOffline, kAt, kTz, kLocale, kHelp};
constexpr std::array kOnlyHelp{kHelp};
constexpr std::array kHolidaysOptions{
    OptionSpec{"--country", "CC[-REGION]", country, {}, "a country, or one of its regions"},
    OptionSpec{"--year", "YYYY", number, {}, "the year"},
    kJson,
    kHelp,
};
constexpr std::array kEventsOptions{
    OptionSpec{"--days", "N", number, {}, "how many days ahead"},
    kAt,
    kTz,
    kHelp,
};
constexpr std::array kSubscribeOptions{
    OptionSpec{"--name", "NAME", text, {}, "the calendar's name"},
    kHelp,
};
constexpr std::array kAddOptions{
    OptionSpec{"--label", "TEXT", text, {}, "the countdown's label"},
    OptionSpec{"--date", "YYYY-MM-DD", day, {}, "its day"},
    OptionSpec{"--end", "YYYY-MM-DD", day, {}, "the last day of a span"},
    OptionSpec{"--rule", "RULE_JSON", text, {}, "a rule naming its day"},
    OptionSpec{"--symbol", "NAME", symbol, {}, "its symbol"},
    OptionSpec{"--yearly", {}, none, {}, "every year"},
    kTz,
    kHelp,
};
constexpr std::array kListOptions{kJson, kAt, kTz, kLocale, kHelp};

constexpr std::array kCommands{
    CommandSpec{{}, kBoardOptions, {}, none, "today's board"},
    CommandSpec{"rule", kRuleOptions, "RULE_JSON", text, "the day a date rule names"},
    CommandSpec{"countdown", kCountdownOptions, "COUNTDOWN_JSON", text, "a countdown at a moment"},
    CommandSpec{"presets", kPresetsOptions, {}, none, "the presets offered"},
    CommandSpec{"sky", kSkyOptions, {}, none, "the sky of a day at a place"},
    CommandSpec{"forecast", kForecastOptions, {}, none, "the next hours and days"},
    CommandSpec{"holidays", kHolidaysOptions, {}, none, "a country's holidays of a year"},
    CommandSpec{"calendars", kOnlyHelp, {}, none, "the calendars read"},
    CommandSpec{"events", kEventsOptions, {}, none, "the calendars' upcoming events"},
    CommandSpec{"subscribe", kSubscribeOptions, "URL", text, "follow a published calendar"},
    CommandSpec{"unsubscribe", kOnlyHelp, "ID", text, "stop following a calendar"},
    CommandSpec{"add", kAddOptions, {}, none, "add a countdown"},
    CommandSpec{"remove", kOnlyHelp, "ID", countdownId, "remove a countdown"},
    CommandSpec{"list", kListOptions, {}, none, "list the countdowns"},
    CommandSpec{"help", kOnlyHelp, {}, none, "show the usage"},
};

constexpr ProgramSpec kProgram{"solvane-board", kCommands};

}  // namespace

const ProgramSpec& boardProgram() {
    return kProgram;
}

}  // namespace solvane::cli
