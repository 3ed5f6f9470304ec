#include "shell/completions.h"

#include <algorithm>
#include <set>

namespace solvane::shell {
namespace {

constexpr std::string_view kMadeBy =
    "Made by solvane-options from the program's option table; do not edit.";

// Reads the system's zone database as the programs do (TZDIR, else the
// standard folder): zone names and the names linked to them.
constexpr std::string_view kZonesAwk = R"(awk '$1 == "Z" { print $2 } $1 == "L" { print $3 }')";

// The values a shell can offer without looking anything up; empty for kinds
// the shell looks up itself or cannot know.
std::vector<std::string> fixedValues(const OptionSpec& option, const ValueLists& lists) {
    switch (option.kind) {
        case ValueKind::choice:
            return {option.choices.begin(), option.choices.end()};
        case ValueKind::symbol:
            return lists.symbols;
        case ValueKind::widgetKind:
            return lists.widgetKinds;
        case ValueKind::widgetParameter: {
            const auto found = lists.widgetParameters.find(option.name.substr(2));
            return found != lists.widgetParameters.end() ? found->second
                                                         : std::vector<std::string>{};
        }
        case ValueKind::country:
            return lists.countries;
        default:
            return {};
    }
}

std::string joined(const std::vector<std::string>& words, std::string_view separator = " ") {
    std::string out;
    for (const std::string& w : words) {
        out += (out.empty() ? "" : std::string(separator)) + w;
    }
    return out;
}

// Inside single quotes, for every shell here.
std::string singleQuoted(std::string_view text) {
    std::string out = "'";
    for (const char c : text) {
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return out + "'";
}

std::string functionName(std::string_view program) {
    std::string name = "_" + std::string(program);
    std::replace(name.begin(), name.end(), '-', '_');
    return name;
}

bool hasCommands(const ProgramSpec& program) {
    return std::any_of(program.commands.begin(), program.commands.end(),
                       [](const CommandSpec& c) { return !c.name.empty(); });
}

std::vector<std::string> optionWords(const CommandSpec& command) {
    std::vector<std::string> words;
    for (const OptionSpec& o : command.options) {
        words.emplace_back(o.name);
        if (!o.alias.empty()) {
            words.emplace_back(o.alias);
        }
    }
    return words;
}

std::vector<std::string> commandWords(const ProgramSpec& program) {
    std::vector<std::string> words;
    for (const CommandSpec& c : program.commands) {
        if (!c.name.empty()) {
            words.emplace_back(c.name);
        }
    }
    return words;
}

// Which kinds the shell must look up, so only the helpers a program needs
// are written.
std::set<ValueKind> lookedUp(const ProgramSpec& program) {
    std::set<ValueKind> kinds;
    for (const CommandSpec& c : program.commands) {
        kinds.insert(c.operandKind);
        for (const OptionSpec& o : c.options) {
            kinds.insert(o.kind);
        }
    }
    return kinds;
}

// The value options of every command as case patterns ("rule:--tz"), under
// the action that completes their value, actions in the order they first
// appear, so options completed alike share one branch.
std::vector<std::pair<std::string, std::vector<std::string>>> valueBranches(
    const ProgramSpec& program, const ValueLists& lists,
    const std::function<std::string(ValueKind, const std::vector<std::string>&)>& action) {
    std::vector<std::pair<std::string, std::vector<std::string>>> branches;
    for (const CommandSpec& c : program.commands) {
        for (const OptionSpec& o : c.options) {
            if (!o.takesValue()) {
                continue;
            }
            const std::string a = action(o.kind, fixedValues(o, lists));
            auto branch = std::find_if(branches.begin(), branches.end(),
                                       [&](const auto& b) { return b.first == a; });
            if (branch == branches.end()) {
                branch = branches.insert(branches.end(), {a, {}});
            }
            branch->second.push_back(singleQuoted(std::string(c.name) + ":" + std::string(o.name)));
        }
    }
    return branches;
}

// --- bash -----------------------------------------------------------------

std::string bashAction(ValueKind kind, const std::vector<std::string>& fixed) {
    if (!fixed.empty()) {
        return "COMPREPLY=($(compgen -W " + singleQuoted(joined(fixed)) + " -- \"$cur\"))";
    }
    switch (kind) {
        case ValueKind::file:
            return "_filedir";
        case ValueKind::zone:
            return "_solvane_zones";
        case ValueKind::locale:
            return "COMPREPLY=($(compgen -W \"$(locale -a 2>/dev/null)\" -- \"$cur\"))";
        case ValueKind::countdownId:
            return "_solvane_ids";
        default:
            return ":";  // nothing to offer, and no option in its place
    }
}

}  // namespace

std::string bashCompletion(const ProgramSpec& program, const ValueLists& lists) {
    const std::string fn = functionName(program.name);
    const std::set<ValueKind> kinds = lookedUp(program);
    std::string s = "# bash completion for " + std::string(program.name) +
                    "                 -*- shell-script -*-\n# " + std::string(kMadeBy) + "\n\n";
    if (kinds.count(ValueKind::zone) > 0) {
        s += "_solvane_zones()\n{\n    local words\n    words=$(" + std::string(kZonesAwk) +
             " \"${TZDIR:-/usr/share/zoneinfo}/tzdata.zi\" 2>/dev/null)\n"
             "    COMPREPLY=($(compgen -W \"$words\" -- \"$cur\"))\n}\n\n";
    }
    if (kinds.count(ValueKind::countdownId) > 0) {
        s += "# The stored countdowns' IDs; after a comma, the next one of a list.\n"
             "_solvane_ids()\n{\n    local head=${cur%\"${cur##*,}\"} words\n"
             "    words=$(solvane-board list 2>/dev/null | awk '{ print $1 }')\n"
             "    COMPREPLY=($(compgen -P \"$head\" -W \"$words\" -- \"${cur##*,}\"))\n}\n\n";
    }
    s += fn + "()\n{\n    local cur prev words cword\n    _init_completion || return\n\n";
    s += "    local command=\n";
    if (hasCommands(program)) {
        s += "    if ((cword > 1)) && [[ ${words[1]} != -* ]]; then\n"
             "        command=${words[1]}\n    fi\n";
    }
    s += "\n    case $command:$prev in\n";
    for (const auto& [action, patterns] : valueBranches(program, lists, bashAction)) {
        s += "        " + joined(patterns, " | ") + ")\n            " + action +
             "\n            return\n            ;;\n";
    }
    s += "    esac\n\n";
    if (hasCommands(program)) {
        s += "    if [[ -z $command && $cword -eq 1 && $cur != -* ]]; then\n"
             "        COMPREPLY=($(compgen -W " +
             singleQuoted(joined(commandWords(program))) +
             " -- \"$cur\"))\n        return\n    fi\n\n";
    }
    s += "    local options\n    case $command in\n";
    for (const CommandSpec& c : program.commands) {
        s += "        " + singleQuoted(c.name) +
             ") options=" + singleQuoted(joined(optionWords(c))) + " ;;\n";
    }
    s += "        *) return ;;\n    esac\n"
         "    if [[ $cur == -* ]]; then\n"
         "        COMPREPLY=($(compgen -W \"$options\" -- \"$cur\"))\n        return\n    fi\n";
    std::string operands;
    for (const CommandSpec& c : program.commands) {
        if (c.operandKind != ValueKind::none && c.operandKind != ValueKind::text) {
            operands +=
                "        " + singleQuoted(c.name) + ") " + bashAction(c.operandKind, {}) + " ;;\n";
        }
    }
    if (!operands.empty()) {
        s += "\n    case $command in\n" + operands + "    esac\n";
    }
    s +=
        "} &&\n    complete -F " + fn + " " + std::string(program.name) + "\n\n# ex: filetype=sh\n";
    return s;
}

// --- zsh ------------------------------------------------------------------

namespace {

std::string zshAction(ValueKind kind, const std::vector<std::string>& fixed) {
    if (!fixed.empty()) {
        std::string words;
        for (const std::string& w : fixed) {
            words += " " + singleQuoted(w);
        }
        return "compadd --" + words;
    }
    switch (kind) {
        case ValueKind::file:
            return "_files";
        case ValueKind::zone:
            return "compadd -- ${(f)\"$(" + std::string(kZonesAwk) +
                   " ${TZDIR:-/usr/share/zoneinfo}/tzdata.zi 2>/dev/null)\"}";
        case ValueKind::locale:
            return "compadd -- ${(f)\"$(locale -a 2>/dev/null)\"}";
        case ValueKind::countdownId:
            return "compset -P '*,'; compadd -- ${(f)\"$(solvane-board list 2>/dev/null | awk '{ "
                   "print $1 }')\"}";
        default:
            return "_message -e values " + singleQuoted("value");
    }
}

// name:description, as _describe reads it.
std::string described(std::string_view name, std::string_view help) {
    std::string out;
    for (const char c : name) {
        out += c == ':' ? std::string("\\:") : std::string(1, c);
    }
    return singleQuoted(out + ":" + std::string(help));
}

}  // namespace

std::string zshCompletion(const ProgramSpec& program, const ValueLists& lists) {
    std::string s = "#compdef " + std::string(program.name) + "\n# " + std::string(kMadeBy) +
                    "\n\nlocal command= cur=$words[CURRENT] prev=$words[CURRENT-1]\n"
                    "local -a opts cmds\n";
    if (hasCommands(program)) {
        s += "if (( CURRENT > 2 )) && [[ $words[2] != -* ]]; then\n  command=$words[2]\nfi\n";
    }
    s += "\ncase $command:$prev in\n";
    for (const auto& [action, patterns] : valueBranches(program, lists, zshAction)) {
        s += "  (" + joined(patterns, " | ") + ")\n    " + action + "\n    return\n    ;;\n";
    }
    s += "esac\n\n";
    if (hasCommands(program)) {
        s += "if [[ -z $command && CURRENT -eq 2 && $cur != -* ]]; then\n  cmds=(";
        for (const CommandSpec& c : program.commands) {
            if (!c.name.empty()) {
                s += "\n    " + described(c.name, c.help);
            }
        }
        s += "\n  )\n  _describe -t commands command cmds\n  return\nfi\n\n";
    }
    s += "case $command in\n";
    for (const CommandSpec& c : program.commands) {
        s += "  (" + singleQuoted(c.name) + ") opts=(";
        for (const OptionSpec& o : c.options) {
            s += "\n      " + described(o.name, o.help);
            if (!o.alias.empty()) {
                s += "\n      " + described(o.alias, o.help);
            }
        }
        s += "\n    ) ;;\n";
    }
    s += "  (*) return 1 ;;\nesac\nif [[ $cur == -* ]]; then\n"
         "  _describe -t options option opts\n  return\nfi\n";
    std::string operands;
    for (const CommandSpec& c : program.commands) {
        if (c.operandKind != ValueKind::none && c.operandKind != ValueKind::text) {
            operands +=
                "  (" + singleQuoted(c.name) + ") " + zshAction(c.operandKind, {}) + " ;;\n";
        }
    }
    if (!operands.empty()) {
        s += "\ncase $command in\n" + operands + "esac\n";
    }
    return s;
}

// --- fish -----------------------------------------------------------------

namespace {

std::string fishValues(ValueKind kind, const std::vector<std::string>& fixed) {
    if (!fixed.empty()) {
        return " -x -a " + singleQuoted(joined(fixed));
    }
    switch (kind) {
        case ValueKind::file:
            return " -r -F";
        case ValueKind::zone:
            return " -x -a '(__solvane_zones)'";
        case ValueKind::locale:
            return " -x -a '(locale -a 2>/dev/null)'";
        case ValueKind::countdownId:
            return " -x -a '(__solvane_ids)'";
        default:
            return " -x";
    }
}

}  // namespace

std::string fishCompletion(const ProgramSpec& program, const ValueLists& lists) {
    const std::string head = "complete -c " + std::string(program.name);
    const std::set<ValueKind> kinds = lookedUp(program);
    std::string s = "# fish completion for " + std::string(program.name) + "\n# " +
                    std::string(kMadeBy) + "\n\n";
    if (kinds.count(ValueKind::zone) > 0) {
        s += "function __solvane_zones\n    set -l dir /usr/share/zoneinfo\n"
             "    set -q TZDIR[1]; and set dir $TZDIR\n    " +
             std::string(kZonesAwk) + " $dir/tzdata.zi 2>/dev/null\nend\n\n";
    }
    if (kinds.count(ValueKind::countdownId) > 0) {
        s += "function __solvane_ids\n"
             "    set -l head (string replace -r '[^,]*$' '' -- (commandline -ct))\n"
             "    for id in (solvane-board list 2>/dev/null | string match -r '^\\S+')\n"
             "        echo $head$id\n    end\nend\n\n";
    }
    const bool commands = hasCommands(program);
    if (commands) {
        // fish's own __fish_use_subcommand would take an option's value
        // ("--format waybar") for a command.
        s += "# Whether the command (the word after the program, unless an option) is\n"
             "# NAME, \"\" for none; with FIRST, also that nothing follows the program yet.\n"
             "function __solvane_command_is --argument-names name first\n"
             "    set -l words (commandline -opc)\n    set -l command\n"
             "    if set -q words[2]; and not string match -q -- '-*' $words[2]\n"
             "        set command $words[2]\n    end\n"
             "    test \"$command\" = \"$name\"; or return 1\n"
             "    test -z \"$first\"; or test (count $words) -eq 1\nend\n\n";
    }
    s += head + " -f\n";
    for (const CommandSpec& c : program.commands) {
        if (!c.name.empty()) {
            s += head + " -n '__solvane_command_is \"\" first' -a " + singleQuoted(c.name) +
                 " -d " + singleQuoted(c.help) + "\n";
        }
    }
    for (const CommandSpec& c : program.commands) {
        std::string condition;
        if (commands) {
            condition =
                " -n " + singleQuoted("__solvane_command_is " +
                                      (c.name.empty() ? std::string("\"\"") : std::string(c.name)));
        }
        for (const OptionSpec& o : c.options) {
            s += head + condition + " -l " + std::string(o.name.substr(2));
            if (!o.alias.empty()) {
                s += " -s " + std::string(o.alias.substr(1));
            }
            if (o.takesValue()) {
                s += fishValues(o.kind, fixedValues(o, lists));
            }
            s += " -d " + singleQuoted(o.help) + "\n";
        }
        if (c.operandKind != ValueKind::none && c.operandKind != ValueKind::text) {
            s += head + condition + fishValues(c.operandKind, {}) + "\n";
        }
    }
    return s;
}

std::string optionListing(std::span<const ProgramSpec* const> programs) {
    std::string s;
    const auto field = [](std::string_view text) {
        return text.empty() ? std::string("-") : std::string(text);
    };
    for (const ProgramSpec* p : programs) {
        for (const CommandSpec& c : p->commands) {
            s += std::string(p->name) + "\t" + field(c.name) + "\t-\t-\t" + field(c.operand) +
                 "\t" + std::string(toString(c.operandKind)) + "\n";
            for (const OptionSpec& o : c.options) {
                s += std::string(p->name) + "\t" + field(c.name) + "\t" + std::string(o.name) +
                     "\t" + field(o.alias) + "\t" + field(o.valueName) + "\t" +
                     std::string(toString(o.kind)) + "\n";
            }
        }
    }
    return s;
}

}  // namespace solvane::shell
