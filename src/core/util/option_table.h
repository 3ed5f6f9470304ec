// The command line of a program as a table: its commands, each command's
// options and what each option's value is. The program's parser accepts
// exactly what its table lists; the shell completions are generated from the
// same table, and a test holds the manual pages to it.
//
//   constexpr OptionSpec kJson{"--json", {}, ValueKind::none, {}, "print JSON"};
//   constexpr std::array kListOptions{kJson};
//   constexpr std::array kCommands{CommandSpec{"list", kListOptions}};
//   constexpr ProgramSpec kProgram{"solvane-board", kCommands};
//   findCommand(kProgram, "list")->options.size() == 1
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

#include "core/util/enum_strings.h"

namespace solvane {

// What an option's value, or a command's operand, is: a fixed list of choices
// or something the shell can look up (files, zones, locales, ids).
enum class ValueKind {
    none,             // a flag, or a command without operand
    text,             // anything, nothing to offer
    number,           // a number
    moment,           // an ISO-8601 moment with its zone
    day,              // a local day, YYYY-MM-DD
    file,             // a file name
    zone,             // an IANA time zone of the system's database
    locale,           // a locale name
    choice,           // one of OptionSpec::choices
    symbol,           // a name of the symbol library
    countdownId,      // the ID of a stored countdown
    widgetKind,       // a kind the widget plug-in offers
    widgetParameter,  // a value the plug-in offers for the parameter the option names
    country,          // a country code, with an optional region: CC[-REGION]
};

template <>
struct EnumCases<ValueKind> {
    static constexpr std::array<EnumCase<ValueKind>, 14> list{{
        {ValueKind::none, "none"},
        {ValueKind::text, "text"},
        {ValueKind::number, "number"},
        {ValueKind::moment, "moment"},
        {ValueKind::day, "day"},
        {ValueKind::file, "file"},
        {ValueKind::zone, "zone"},
        {ValueKind::locale, "locale"},
        {ValueKind::choice, "choice"},
        {ValueKind::symbol, "symbol"},
        {ValueKind::countdownId, "countdownId"},
        {ValueKind::widgetKind, "widgetKind"},
        {ValueKind::widgetParameter, "widgetParameter"},
        {ValueKind::country, "country"},
    }};
};

struct OptionSpec {
    std::string_view name;       // "--format"
    std::string_view valueName;  // "BAR"; empty: the option takes no value
    ValueKind kind = ValueKind::none;
    std::span<const std::string_view> choices = {};  // with ValueKind::choice
    std::string_view help = {};                      // a few words for completion menus
    std::string_view alias = {};                     // "-h"

    constexpr bool takesValue() const { return !valueName.empty(); }
};

struct CommandSpec {
    std::string_view name;  // empty: the program run without a command
    std::span<const OptionSpec> options;
    std::string_view operand = {};  // "RULE_JSON"; empty: the command takes none
    ValueKind operandKind = ValueKind::none;
    std::string_view help = {};
};

struct ProgramSpec {
    std::string_view name;                  // "solvane-board"
    std::span<const CommandSpec> commands;  // the one without a name first
};

constexpr const CommandSpec* findCommand(const ProgramSpec& program, std::string_view name) {
    for (const CommandSpec& c : program.commands) {
        if (c.name == name) {
            return &c;
        }
    }
    return nullptr;
}

// By name or alias.
constexpr const OptionSpec* findOption(const CommandSpec& command, std::string_view word) {
    for (const OptionSpec& o : command.options) {
        if (o.name == word || (!o.alias.empty() && o.alias == word)) {
            return &o;
        }
    }
    return nullptr;
}

// The string forms of an enumeration's cases, in order, as a table's choices:
//   OptionSpec{"--format", "BAR", ValueKind::choice, kCaseNames<BarFormat>}
template <class E>
constexpr auto caseNames() {
    std::array<std::string_view, EnumCases<E>::list.size()> names{};
    for (std::size_t i = 0; i < names.size(); ++i) {
        names[i] = EnumCases<E>::list[i].name;
    }
    return names;
}

template <class E>
inline constexpr auto kCaseNames = caseNames<E>();

}  // namespace solvane
