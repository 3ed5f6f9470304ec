#include "cli/countdown_commands.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <ostream>

#include "board/custom_icons.h"
#include "board/symbol_names.h"
#include "cli/arguments.h"
#include "core/model/countdown_display.h"
#include "core/model/countdown_json.h"
#include "core/time/date_text.h"
#include "core/util/display_text.h"

namespace solvane::cli {

namespace {

using Json = nlohmann::ordered_json;

// Longer than any title a board can show; a label is cut here rather than
// stored whole.
constexpr std::size_t kMaxLabelColumns = 200;

SharedStore sharedStore(const Environment& env) {
    return env.store ? *env.store : SharedStore::standard();
}

// Local midnight of a "YYYY-MM-DD" day.
std::optional<Instant> localDay(const std::string& text, const Calendar& calendar) {
    const auto day = parseIsoDate(text);
    const auto midnight = day ? calendar.date(day->year, day->month, day->day) : std::nullopt;
    return midnight ? calendar.startOfDay(*midnight) : std::nullopt;
}

Json dayJson(const std::optional<Instant>& t, const Calendar& calendar) {
    const auto civil = t ? calendar.civilDate(*t) : std::nullopt;
    return civil ? Json(isoDateText(*civil)) : Json(nullptr);
}

// The countdown an add command describes, or why it describes none.
std::optional<Countdown> describedCountdown(const Arguments& a, const Calendar& calendar,
                                            std::string& error) {
    // One line, no controls, valid UTF-8: what the window would take.
    std::string label = clipToWidth(oneLine(a.value("--label").value_or("")), kMaxLabelColumns);
    label.erase(0, label.find_first_not_of(' '));
    label.erase(label.find_last_not_of(' ') + 1);
    if (label.empty()) {
        error = "add needs a --label with some text";
        return std::nullopt;
    }
    const auto date = a.value("--date");
    const auto end = a.value("--end");
    const auto rule = a.value("--rule");
    if (date.has_value() == rule.has_value()) {
        error = "add needs either --date YYYY-MM-DD or --rule JSON";
        return std::nullopt;
    }
    if (end && !date) {
        error = "--end goes with --date";
        return std::nullopt;
    }
    Countdown c;
    c.id = Uuid::random();
    c.label = std::move(label);
    c.recurs = a.flags.count("--yearly") > 0;
    if (date) {
        const auto start = localDay(*date, calendar);
        if (!start) {
            error = "--date needs a day as YYYY-MM-DD, got \"" + *date + "\"";
            return std::nullopt;
        }
        c.start = DateRule::fixed(*start);
        if (end) {
            const auto last = localDay(*end, calendar);
            if (!last) {
                error = "--end needs a day as YYYY-MM-DD, got \"" + *end + "\"";
                return std::nullopt;
            }
            // A yearly span may run over the new year (20 December to 5 January).
            if (*last < *start && !c.recurs) {
                error = "--end is before --date";
                return std::nullopt;
            }
            c.end = DateRule::fixed(*last);
        }
    } else {
        const auto decoded = decodeDateRule(*rule);
        if (!decoded) {
            error = "--rule: " + decoded.error().message;
            return std::nullopt;
        }
        c.start = *decoded;
        // Only a fixed date can happen once; every other rule names a day of
        // each year.
        c.recurs = c.recurs || c.start.asFixed() == nullptr;
    }
    if (const auto symbol = a.value("--symbol")) {
        if (!symbolWords(*symbol)) {
            error = "unknown symbol \"" + *symbol + "\"";
            return std::nullopt;
        }
        c.symbol = *symbol;
    }
    return c;
}

}  // namespace

int addCommand(const Arguments& a, const Environment& env, std::ostream& out, std::ostream& err) {
    std::string error;
    if (!a.positional.empty()) {
        return badArguments(err, "add takes no words beside its options");
    }
    const auto calendar = commandCalendar(a, env, error);
    const auto countdown = calendar ? describedCountdown(a, *calendar, error) : std::nullopt;
    if (!countdown) {
        return badArguments(err, error);
    }
    const SharedStore store = sharedStore(env);
    const auto written = store.updateCountdowns(
        [&](std::vector<Countdown> list) -> std::optional<std::vector<Countdown>> {
            if (list.size() >= kMaxCountdowns) {
                return std::nullopt;
            }
            list.push_back(*countdown);
            return list;
        },
        *calendar, env.now);
    if (!written) {
        return storeFailed(err, store, written.error());
    }
    if (!*written) {
        return failed(err, "the list is full: it holds " + std::to_string(kMaxCountdowns) +
                               " countdowns at most");
    }
    if (env.storeChanged) {
        env.storeChanged();
    }
    out << countdown->id.toString() << "\n";
    return 0;
}

int removeCommand(const Arguments& a, const Environment& env, std::ostream& /*out*/,
                  std::ostream& err) {
    if (a.positional.size() != 1) {
        return badArguments(err, "remove needs exactly one countdown ID");
    }
    const auto id = Uuid::parse(a.positional[0]);
    if (!id) {
        return badArguments(err, "\"" + a.positional[0] + "\" is not a countdown ID");
    }
    const SharedStore store = sharedStore(env);
    std::optional<std::string> image;
    const auto written = store.updateCountdowns(
        [&](std::vector<Countdown> list) -> std::optional<std::vector<Countdown>> {
            const auto first = std::find_if(list.begin(), list.end(),
                                            [&](const Countdown& c) { return c.id == *id; });
            if (first == list.end()) {
                return std::nullopt;
            }
            image = first->customImage;
            std::erase_if(list, [&](const Countdown& c) { return c.id == *id; });
            return list;
        },
        env.calendar, env.now);
    if (!written) {
        return storeFailed(err, store, written.error());
    }
    if (!*written) {
        return failed(err, "no countdown has the ID " + id->toString());
    }
    // As the window does: the countdown's own picture goes with it.
    IconStore(store).remove(image);
    if (env.storeChanged) {
        env.storeChanged();
    }
    return 0;
}

int listCommand(const Arguments& a, const Environment& env, std::ostream& out, std::ostream& err) {
    std::string error;
    if (!a.positional.empty()) {
        return badArguments(err, "list takes no arguments");
    }
    const auto calendar = commandCalendar(a, env, error);
    const auto now = commandMoment(a, env, error);
    if (!calendar || !now) {
        return badArguments(err, error);
    }
    const SharedStore store = sharedStore(env);
    // The IDs printed are for `remove`: a new store's starters are stored
    // first, or each listing would make them anew under other IDs.
    const auto countdowns = store.readCountdowns(*calendar, *now, /*forUse=*/true);
    if (!countdowns) {
        return storeFailed(err, store, countdowns.error());
    }
    if (a.flags.count("--json") > 0) {
        Json list = Json::array();
        for (const Countdown& c : *countdowns) {
            list.push_back({{"id", c.id.toString()},
                            {"label", c.label},
                            {"next", dayJson(currentOrNextStart(c, *now, *calendar), *calendar)},
                            {"summary", scheduleSummary(c, *now, *calendar)}});
        }
        printJson(out, list);
        return 0;
    }
    for (const Countdown& c : *countdowns) {
        const Json next = dayJson(currentOrNextStart(c, *now, *calendar), *calendar);
        out << c.id.toString() << "  "
            << (next.is_string() ? next.get<std::string>() : "finished  ") << "  "
            << clipToWidth(oneLine(c.label), kMaxLabelColumns) << "\n";
    }
    return 0;
}

}  // namespace solvane::cli
