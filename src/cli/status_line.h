// The board as one entry of a status bar, in the form each bar reads: its
// text, a shorter text for crowded bars, a tooltip, classes, and the progress
// of what is happening now.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/model/countdown.h"
#include "core/store/board_data.h"
#include "core/time/calendar.h"
#include "core/util/enum_strings.h"

namespace solvane::cli {

enum class BarFormat { waybar, i3blocks, i3statusRs, polybar, plain };

}  // namespace solvane::cli

namespace solvane {
template <>
struct EnumCases<cli::BarFormat> {
    static constexpr std::array<EnumCase<cli::BarFormat>, 5> list{{
        {cli::BarFormat::waybar, "waybar"},
        {cli::BarFormat::i3blocks, "i3blocks"},
        {cli::BarFormat::i3statusRs, "i3status-rs"},
        {cli::BarFormat::polybar, "polybar"},
        {cli::BarFormat::plain, "plain"},
    }};
};
}  // namespace solvane

namespace solvane::cli {

// What a bar shows, before it is written in any bar's syntax. Every text from
// data in it has passed oneLine(): one line, no directional controls, valid
// UTF-8.
struct StatusLine {
    std::string text;       // "41° · Winter solstice 1 day"
    std::string shortText;  // "Winter solstice 1d"
    std::string tooltip;    // the whole board as aligned text
    bool weather = false;
    bool today = false;             // a countdown's day is today
    std::optional<int> percentage;  // 0…100: the first happening span
};

// `countdowns` are the board's own, to tell which of them starts today.
StatusLine statusLine(const BoardData& board, const std::vector<Countdown>& countdowns,
                      const Calendar& calendar);

// One update in `format`, ending with a newline: a JSON object for waybar and
// i3status-rs (texts as Pango markup, which both read), a line of text for
// polybar (no label can open a formatting tag) and plain, and for i3blocks
// its full_text, short_text and colour lines as plain text (only full_text
// when `follow`, since a persistent i3blocks block reads every line as a new
// text).
std::string formatStatusLine(const StatusLine& line, BarFormat format, bool follow = false);

// Text made safe for Pango markup, which waybar reads its text and tooltip as.
std::string pangoEscape(const std::string& text);

}  // namespace solvane::cli
