// A calendar day as ISO 8601 writes it, "2024-06-14": the form the services
// send their days in and the stored forecast keeps them in.
//
//   isoDateText({2024, 6, 14}) == "2024-06-14"
//   parseIsoDate("2024-02-30") == std::nullopt
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/time/calendar.h"

namespace solvane {

// Four-digit year, two-digit month and day. A date outside years 0…9999 or
// with impossible fields has no such form and comes out as text that
// parseIsoDate() refuses.
std::string isoDateText(const CivilDate& date);

// Exactly "YYYY-MM-DD" naming a real Gregorian day; nothing before or after.
std::optional<CivilDate> parseIsoDate(std::string_view text);

}  // namespace solvane
