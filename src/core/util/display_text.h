// Text from outside (labels from a subscribed feed, place names, weather
// conditions) made fit for a one-line display: a status bar, a
// notification, a terminal row.
//
// oneLine() is the single sanitising step every such text passes before it
// is escaped for whatever reads it next. Line and paragraph separators
// (U+2028, U+2029), NEL (U+0085), tabs and every other control character
// become a space, so nothing can end the line early or push the next field
// aside; the bidirectional embedding, override and isolate controls
// (U+202A–U+202E, U+2066–U+2069) are removed, so a label cannot make itself
// read as something else; bytes that are not UTF-8 become U+FFFD. The result
// is always valid UTF-8.
//
// displayWidth() counts terminal columns the way a fixed-width face lays
// them out: East Asian wide and fullwidth characters take two, combining
// marks and other zero-width characters none, everything else one.
// clipToWidth() cuts at a character boundary with an ellipsis, never leaving
// a space before it.
//
//   oneLine("Party\u2028tonight\t!")      // "Party tonight !"
//   displayWidth("東京 Tokyo")            // 10
//   clipToWidth("Winter solstice", 8)     // "Winter…"
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace solvane {

std::string oneLine(std::string_view text);

std::size_t displayWidth(std::string_view utf8);

// At most `width` columns; `text` unchanged when it fits or `width` is 0.
std::string clipToWidth(std::string_view utf8, std::size_t width);

// `text` followed by spaces up to `width` columns.
std::string padToWidth(std::string_view utf8, std::size_t width);

}  // namespace solvane
