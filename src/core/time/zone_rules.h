// Where zone rules come from: the system's time-zone database.
//
// Every zone a Calendar is made for is read from the compiled zone files of
// the system (the tzdata package, /usr/share/zoneinfo, or the folder named by
// TZDIR), which the distribution updates several times a year. ICU's own
// copy of the rules is frozen at the ICU release and goes wrong wherever a
// country changed its clocks since; ICU is kept for names only (exemplar
// cities, zone display names).
//
// A zone id is looked up as a file name below the folder, so only names in
// the database's own form are taken: components of ASCII letters, digits and
// "._+-", separated by "/", never "." or "..", never absolute. A name the
// folder does not hold is unknown, as a misspelt one is.
//
// A file that is there but cannot be read as a zone (damaged, cut short)
// gives ICU's rules for the zone, or UTC when ICU does not know it either,
// and one line on stderr. Without any database folder at all, every zone
// comes from ICU's table, with one line on stderr.
//
// Zones are read once and shared. A file replaced since (a tzdata upgrade)
// is read again by the next Calendar::make; a Calendar made before says so
// through rulesCurrent(), and programs that keep one remake it.
//
//   isZoneName("America/Argentina/Buenos_Aires")   // true
//   isZoneName("../etc/passwd")                    // false
//   zoneInfoDirectory()                            // "/usr/share/zoneinfo"
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace solvane {

inline constexpr std::string_view kSystemZoneInfo = "/usr/share/zoneinfo";

// TZDIR when set and not empty, else /usr/share/zoneinfo.
std::filesystem::path zoneInfoDirectory();

// Whether `id` has the form of a zone name in the database (see above).
bool isZoneName(std::string_view id);

// The zone the user's environment names: TZ (a zone name, ":name", or a path
// into the database), else the zone the /etc/localtime link leads to. nullopt
// when neither names a zone (TZ holds a POSIX rule string, /etc/localtime is
// a copied file).
std::optional<std::string> environmentZoneName();

// The zone a link into the database names: the part after "zoneinfo/" (or
// after the TZDIR folder) of the first target in its chain of links that has
// one, without a "posix/" or "right/" folder: "America/New_York". nullopt
// when `link` is not such a link; the name is not checked against the files.
std::optional<std::string> zoneNameOfLink(const std::filesystem::path& link);

// `link` and every link it passes through on the way to the zone file.
std::vector<std::filesystem::path> linkChain(const std::filesystem::path& link);

}  // namespace solvane
