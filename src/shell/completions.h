// Shell completions for bash, zsh and fish, written from a program's option
// table (core/util/option_table.h), so a shell offers exactly the commands,
// options and values the program accepts.
//
//   bashCompletion(cli::boardProgram(), lists)  // the file bash-completion
//                                               // loads for solvane-board
//
// Values known when the completions are made (choices, symbol names, widget
// kinds) are written into the scripts; those that belong to the machine or
// the user (files, time zones, locales, stored countdown IDs) are looked up
// by the shell when it completes.
#pragma once

#include <functional>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/util/option_table.h"

namespace solvane::shell {

// The lists no option table holds: they live in the symbol library, the
// widget plug-in's catalogue and the holiday tables.
struct ValueLists {
    std::vector<std::string> symbols;
    std::vector<std::string> widgetKinds;
    // By parameter name ("style", "show"): every value any kind offers.
    std::map<std::string, std::vector<std::string>, std::less<>> widgetParameters;
    // The country codes holidays are known for; none without the holiday files.
    std::vector<std::string> countries;
};

std::string bashCompletion(const ProgramSpec& program, const ValueLists& lists);
std::string zshCompletion(const ProgramSpec& program, const ValueLists& lists);
std::string fishCompletion(const ProgramSpec& program, const ValueLists& lists);

// One line per command and option, tab-separated: program, command ("-" for
// the program without one), option ("-" for the command's own line), alias,
// value name and value kind. Read by the test that holds the manual pages to
// the tables.
std::string optionListing(std::span<const ProgramSpec* const> programs);

}  // namespace solvane::shell
