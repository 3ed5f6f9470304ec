#include "cli/status_line.h"

#include <QCoreApplication>

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>

#include "cli/board_text.h"
#include "core/model/countdown_display.h"
#include "core/model/json_forms.h"
#include "core/time/text_format.h"
#include "core/util/display_text.h"
#include "core/util/translation.h"
#include "core/weather/forecast_display.h"
#include "core/weather/weather.h"

namespace solvane::cli {
namespace {

// The golden accent of the boards, for bars that colour their text.
constexpr const char* kTodayColor = "#F0B25A";

std::string dump(const nlohmann::ordered_json& j) {
    return json_forms::dump(j) + "\n";
}

// polybar reads "%{" as the start of a formatting tag at any position, and
// "%%" is no escape for it (it prints both signs). A word joiner between the
// two keeps a label from opening a tag (an action tag runs a command on a
// click) while it looks the same; a lone "%" needs nothing.
std::string polybarEscape(const std::string& s) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        out += s[i];
        if (s[i] == '%' && i + 1 < s.size() && s[i + 1] == '{') {
            out += "\u2060";
        }
    }
    return out;
}

}  // namespace

std::string pangoEscape(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\'':
                out += "&apos;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

StatusLine statusLine(const BoardData& board, const std::vector<Countdown>& countdowns,
                      const Calendar& calendar) {
    StatusLine line;
    line.weather = board.weather.has_value();
    if (board.weather) {
        line.text = formatTemperature(board.weather->temperatureC, board.unit);
    }
    if (!board.countdowns.empty()) {
        const CountdownDisplay& next = board.countdowns.front();
        const std::string label = oneLine(next.label);
        const std::string count = numberText(static_cast<double>(next.value)) + " " + next.unit;
        line.text += (line.text.empty() ? "" : " · ") + label + " " + count;
        line.shortText = clipToWidth(label, 15) + " " + count;
    }
    if (line.text.empty()) {
        line.text = shortDateLabel(board.date, calendar);
    }
    if (line.shortText.empty()) {
        line.shortText = line.text;
    }
    line.tooltip = renderBoardText(board, calendar, TextStyle{false, 60});
    if (board.forecast) {
        if (const auto chance = chanceForRestOfDay(*board.forecast, board.date, calendar)) {
            const auto percent =
                static_cast<long long>(std::lround(std::clamp(*chance, 0.0, 100.0)));
            line.tooltip +=
                "\n" +
                withArguments(QCoreApplication::translate(
                                  "BoardText", "Chance of precipitation for the rest of today: %1%")
                                  .toStdString(),
                              {numberText(percent)}) +
                "\n";
        }
    }
    for (const CountdownDisplay& row : board.countdowns) {
        if (row.progress && std::isfinite(*row.progress)) {
            line.percentage =
                static_cast<int>(std::lround(std::clamp(*row.progress, 0.0, 1.0) * 100));
            break;
        }
    }
    const std::optional<Instant> today = calendar.startOfDay(board.date);
    for (const Countdown& c : countdowns) {
        if (today && currentOrNextStart(c, board.date, calendar) == today) {
            line.today = true;
            break;
        }
    }
    return line;
}

std::string formatStatusLine(const StatusLine& line, BarFormat format, bool follow) {
    switch (format) {
        case BarFormat::waybar: {
            nlohmann::ordered_json classes = nlohmann::ordered_json::array({"solvane"});
            if (!line.weather) {
                classes.push_back("no-weather");
            }
            if (line.today) {
                classes.push_back("today");
            }
            nlohmann::ordered_json j{{"text", pangoEscape(line.text)},
                                     {"alt", line.today ? "today" : "default"},
                                     {"tooltip", "<tt>" + pangoEscape(line.tooltip) + "</tt>"},
                                     {"class", classes}};
            if (line.percentage) {
                j["percentage"] = *line.percentage;
            }
            return dump(j);
        }
        case BarFormat::i3statusRs:
            // The custom block's default format reads text as Pango markup.
            return dump({{"icon", "calendar"},
                         {"state", line.today ? "Good" : "Info"},
                         {"text", pangoEscape(line.text)},
                         {"short_text", pangoEscape(line.shortText)}});
        case BarFormat::i3blocks:
            // Plain text, i3blocks's default markup; a persistent block reads
            // every line as a new full text.
            if (follow) {
                return line.text + "\n";
            }
            return line.text + "\n" + line.shortText + "\n" +
                   (line.today ? std::string(kTodayColor) + "\n" : std::string());
        case BarFormat::polybar: {
            const std::string text = polybarEscape(line.text);
            if (line.today) {
                return "%{F" + std::string(kTodayColor) + "}" + text + "%{F-}\n";
            }
            return text + "\n";
        }
        case BarFormat::plain:
            break;
    }
    return line.text + "\n";
}

}  // namespace solvane::cli
