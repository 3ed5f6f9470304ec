// The colour a calendar shows, from what its source keeps: calendar files,
// folders' color files, calendar configurations, subscribed feeds and the
// desktop's calendar service each write it their own way, and one reading
// keeps a calendar the same colour whichever of them it comes through.
//
//   calendarColor("#3a87ad");          // "#3A87AD"
//   calendarColor("rgb(98,160,234)");  // "#62A0EA"
//   calendarColor("Tomato");           // "tomato"
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace solvane::platform {

// "#RRGGBB" in upper case from "#RGB", "#RGBA", "#RRGGBB", "#RRGGBBAA"
// (the alpha dropped), "#RRRGGGBBB" or "#RRRRGGGGBBBB" (wider channels,
// rounded), "rgb(r,g,b)" or "rgba(r,g,b,a)" with numbers or percentages
// (as desktop colour pickers write them); a colour name of up to 32 ASCII
// letters in lower case; none for anything else, none included. Surrounding
// white space is ignored.
std::optional<std::string> calendarColor(std::optional<std::string_view> text);

}  // namespace solvane::platform
