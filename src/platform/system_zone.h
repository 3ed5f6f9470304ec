// The system's time zone, read afresh whenever asked: a program that runs for
// weeks on a laptop follows the zone the desktop sets on arrival somewhere
// else (it replaces the /etc/localtime link), without a restart.
//
//   const auto zone = platform::zoneNamedByLink("/etc/localtime");  // "Europe/Berlin"
//   auto calendar = platform::followedSystemCalendar();
//   calendar().zoneId();   // the zone as it is at this call
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/time/calendar.h"

namespace solvane::platform {

inline constexpr const char* kSystemLocaltimePath = "/etc/localtime";

// SOLVANE_LOCALTIME_PATH when set and not empty, else /etc/localtime.
std::filesystem::path localtimePath();

// A set TZ decides the zone for the life of the process, as it does for the
// C library; the link is then not followed.
bool zonePinnedByEnvironment();

// The zone a localtime link names: the part after "zoneinfo/" of the first
// target in its chain of links that has one ("America/New_York"). nullopt
// when the path is missing, is not such a link, or names a zone the calendar
// does not know.
std::optional<std::string> zoneNamedByLink(const std::filesystem::path& path);

// The zone in effect now: TZ's when set; else the one the localtime link
// names; else the C library's and ICU's guess (a copied zone file), which is
// UTC when nothing can be read.
std::string systemZoneId();

// The user's calendar in the system zone as it is at each call, in the
// locale of the environment. While the link names no known zone (it is being
// replaced, or points somewhere odd) the last known zone stays. Copies share
// one state and may be called from several threads.
std::function<Calendar()> followedSystemCalendar();

}  // namespace solvane::platform
