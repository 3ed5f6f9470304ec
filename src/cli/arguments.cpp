#include "cli/arguments.h"

namespace solvane::cli {

std::optional<std::string> Arguments::value(const std::string& option) const {
    const auto found = values.find(option);
    return found != values.end() ? std::optional(found->second) : std::nullopt;
}

std::optional<Arguments> parseArguments(const std::vector<std::string>& args,
                                        const std::set<std::string>& valueOptions,
                                        const std::set<std::string>& flagOptions,
                                        std::string& error) {
    Arguments parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.rfind("--", 0) == 0) {
            if (flagOptions.count(a)) {
                parsed.flags.insert(a);
            } else if (valueOptions.count(a)) {
                if (i + 1 >= args.size()) {
                    error = a + " needs a value";
                    return std::nullopt;
                }
                parsed.values[a] = args[++i];
            } else {
                error = "unknown option " + a;
                return std::nullopt;
            }
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

}  // namespace solvane::cli
