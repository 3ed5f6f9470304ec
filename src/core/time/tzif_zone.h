// An ICU time zone whose rules are a compiled zone file of the system's
// time-zone database (TZif, as zic writes it under /usr/share/zoneinfo).
//
// The file is read by abseil's cctz, which also carries the file's rule for
// the years after its last listed change, so offsets, daylight time and
// transitions are right for any year. ICU's calendars and formatters then
// work on it as on any of their own zones; only names (exemplar cities,
// metazone names) still come from ICU's tables. Internal to the core: the
// calendar and the zone cache (zone_rules.cpp) are its only users.
//
//   auto zone = readTzifZone("America/Mexico_City", "/usr/share/zoneinfo/America/Mexico_City");
//   // zone->getOffset(...) is -6 h all year since Mexico ended daylight time
#pragma once

#include <unicode/timezone.h>

#include <memory>
#include <string>

namespace solvane {

// The zone named `id` with the rules of the TZif file at `path`; nullptr when
// the file cannot be opened or is not a well-formed TZif file.
std::unique_ptr<icu::TimeZone> readTzifZone(const std::string& id, const std::string& path);

}  // namespace solvane
