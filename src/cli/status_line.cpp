#include "cli/status_line.h"

#include <nlohmann/json.hpp>

#include <cmath>

#include "cli/board_text.h"
#include "core/model/countdown_display.h"
#include "core/time/text_format.h"
#include "core/weather/weather.h"

namespace solvane::cli {
namespace {

// The golden accent of the boards, for bars that colour their text.
constexpr const char* kTodayColor = "#F0B25A";

// A bar entry is one line: line breaks and other control characters in a
// label would end it early or be read as a second entry.
std::string oneLine(const std::string& s) {
    std::string out;
    out.reserve(s.size());
    for (const char c : s) {
        const auto u = static_cast<unsigned char>(c);
        out += (u < 0x20 || u == 0x7F) ? ' ' : c;
    }
    return out;
}

std::string dump(const nlohmann::ordered_json& j) {
    return j.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
}

std::string polybarEscape(const std::string& s) {
    std::string out;
    for (const char c : s) {
        out += c == '%' ? std::string("%%") : std::string(1, c);
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
        const std::string count = std::to_string(next.value) + " " + next.unit;
        line.text += (line.text.empty() ? "" : " · ") + label + " " + count;
        line.shortText = clip(label, 15) + " " + count;
    }
    if (line.text.empty()) {
        line.text = shortDateLabel(board.date, calendar);
    }
    if (line.shortText.empty()) {
        line.shortText = line.text;
    }
    line.tooltip = renderBoardText(board, calendar, TextStyle{false, 60});
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
            return dump({{"icon", "calendar"},
                         {"state", line.today ? "Good" : "Info"},
                         {"text", line.text},
                         {"short_text", line.shortText}});
        case BarFormat::i3blocks:
            if (follow) {
                return oneLine(line.text) + "\n";
            }
            return oneLine(line.text) + "\n" + oneLine(line.shortText) + "\n" +
                   (line.today ? std::string(kTodayColor) + "\n" : std::string());
        case BarFormat::polybar: {
            const std::string text = polybarEscape(oneLine(line.text));
            if (line.today) {
                return "%{F" + std::string(kTodayColor) + "}" + text + "%{F-}\n";
            }
            return text + "\n";
        }
        case BarFormat::plain:
            return oneLine(line.text) + "\n";
    }
    return oneLine(line.text) + "\n";
}

}  // namespace solvane::cli
