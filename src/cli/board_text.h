// The board for terminals and scripts: aligned text (optionally coloured),
// and the whole BoardData as JSON.
#pragma once

#include <cstddef>
#include <string>

#include <nlohmann/json.hpp>

#include "core/store/board_data.h"
#include "core/time/calendar.h"

namespace solvane::cli {

struct TextStyle {
    bool color = false;  // ANSI colours and bold
    int width = 72;      // columns available
};

// The most countdown rows a text board lists; the rest are counted.
inline constexpr std::size_t kMostTextRows = 50;

// Data in the text (labels, the place, the weather condition) passes
// oneLine() first: a terminal must not receive a label's escape sequences.
// At most kMostTextRows countdowns are listed, then "… and N more".
std::string renderBoardText(const BoardData& board, const Calendar& calendar,
                            const TextStyle& style);

// Every field of the board; moments as ISO-8601 UTC with milliseconds.
nlohmann::ordered_json boardJson(const BoardData& board, const Calendar& calendar);

// A moment as ISO-8601 UTC with milliseconds; null when absent or
// unrepresentable.
nlohmann::ordered_json isoOrNull(std::optional<Instant> t);
// A finite number, or null.
nlohmann::ordered_json numberOrNull(std::optional<double> v);

// A snapshot of the sky as JSON: its thirteen fields and "phaseName".
nlohmann::ordered_json skyJson(const SkySnapshot& sky);

}  // namespace solvane::cli
