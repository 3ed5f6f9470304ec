#include "cli/arguments.h"

#include <ostream>

#include "core/model/json_forms.h"
#include "core/util/display_text.h"

namespace solvane::cli {

std::optional<std::string> Arguments::value(const std::string& option) const {
    const auto found = values.find(option);
    return found != values.end() ? std::optional(found->second) : std::nullopt;
}

std::optional<Arguments> parseArguments(const std::vector<std::string>& args,
                                        const CommandSpec& command, std::string& error) {
    Arguments parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const OptionSpec* option = findOption(command, a);
        if (option != nullptr) {
            const std::string name(option->name);
            if (!option->takesValue()) {
                parsed.flags.insert(name);
            } else if (i + 1 >= args.size()) {
                error = name + " needs a value";
                return std::nullopt;
            } else {
                parsed.values[name] = args[++i];
            }
        } else if (a.starts_with("--")) {
            error = "unknown option " + a + " (try --help)";
            return std::nullopt;
        } else {
            parsed.positional.push_back(a);
        }
    }
    return parsed;
}

std::optional<Calendar> commandCalendar(const Arguments& a, const Environment& env,
                                        std::string& error) {
    return calendarFor(env, a.value("--tz"), a.value("--locale"), error);
}

std::optional<Instant> commandMoment(const Arguments& a, const Environment& env,
                                     std::string& error) {
    const auto at = a.values.find("--at");
    if (at == a.values.end()) {
        return env.now;
    }
    const auto parsed = parseIso8601(at->second);
    if (!parsed) {
        error = "--at needs an ISO-8601 moment with a zone, got \"" + at->second + "\"";
    }
    return parsed;
}

int badArguments(std::ostream& err, const std::string& message) {
    err << "solvane-board: " << oneLine(message) << "\n";
    return 2;
}

int failed(std::ostream& err, const std::string& message) {
    err << "solvane-board: " << oneLine(message) << "\n";
    return 1;
}

void printJson(std::ostream& out, const nlohmann::ordered_json& value) {
    out << json_forms::dump(value) << "\n";
}

}  // namespace solvane::cli
