// The arguments of one solvane-board command: positional words and --options,
// the zone and locale it names, and the moment it is for.
#pragma once

#include <iosfwd>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include <nlohmann/json_fwd.hpp>

#include "cli/board_cli.h"
#include "core/util/option_table.h"

namespace solvane::cli {

struct Arguments {
    std::vector<std::string> positional;
    std::map<std::string, std::string> values;
    std::set<std::string> flags;

    std::optional<std::string> value(const std::string& option) const;
};

// The options `command` lists, kept under their long names: those with a
// value take the next word, the others stand alone. Any other --option, or a
// value option at the end, is an error.
std::optional<Arguments> parseArguments(const std::vector<std::string>& args,
                                        const CommandSpec& command, std::string& error);

// The zone and locale of the command: the user's unless --tz or --locale
// names another.
std::optional<Calendar> commandCalendar(const Arguments& a, const Environment& env,
                                        std::string& error);

// The moment of the command: now unless --at names another.
std::optional<Instant> commandMoment(const Arguments& a, const Environment& env,
                                     std::string& error);

// A command's fault as one line on `err` after the program's name, sanitised,
// since messages quote what the user or a file gave; the exit status it
// gives: 2 for arguments the command cannot take, 1 for a failure on the way.
int badArguments(std::ostream& err, const std::string& message);
int failed(std::ostream& err, const std::string& message);

// A JSON answer on one line (invalid UTF-8 from outside replaced).
void printJson(std::ostream& out, const nlohmann::ordered_json& value);

}  // namespace solvane::cli
