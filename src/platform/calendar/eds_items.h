// What EdsSource makes of what Evolution Data Server hands it, kept apart from
// the D-Bus and thread work so it reads as plain data in, data out: the
// query a calendar is asked, the colour a calendar shows, and the events of
// a calendar parsed as IcsFiles, so EDS events follow exactly the rules of
// events read from folders (ics_file.h): all-day dates as local days,
// TZIDs through ICU or the calendar's own VTIMEZONE, floating times in the
// user's zone, repeat rules with their moved and cancelled instances.
//
//   std::string query = edsQuery(fromUnix, toUnix);
//   std::vector<IcsFile> files = edsFiles(components, zoneText);
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <libical/ical.h>

#include "platform/calendar/calendar_color.h"
#include "platform/calendar/ics_file.h"

namespace solvane::platform {

// 9999-12-31T23:59:59Z: the last second EDS's time parser reads.
inline constexpr std::int64_t kEdsLastUnixSecond = 253'402'300'799;

// The backend's query for [fromUnix, toUnix): every event that occurs
// then, and every repeating event and moved instance whenever it occurs.
// Moved instances are asked for always because the instance they replace
// may lie in the window while they no longer do, and without them the
// original would show. Times are clamped to 1970…9999, which EDS reads.
std::string edsQuery(std::int64_t fromUnix, std::int64_t toUnix);

// A calendar colour as EDS keeps it — "#RGB", "#RRGGBB", "#RRGGBBAA",
// "#RRRRGGGGBBBB" (older Evolution), "rgb(r,g,b)" or "rgba(r,g,b,a)" (GNOME
// Calendar) — read as the other sources read theirs, so a calendar keeps
// its colour whichever way it is reached.
inline std::optional<std::string> edsColor(std::string_view text) {
    return calendarColor(text);
}

// Whether a TZID names a zone that IcsFile finds without the calendar's
// VTIMEZONE: an IANA name, behind a vendor prefix or not, or a Windows name.
bool edsZoneKnown(std::string_view tzid);

// The distinct TZIDs the components' times name.
std::vector<std::string> edsZoneIds(const std::vector<icalcomponent*>& components);

// The VEVENTs among `components` (libical's, as libecal holds them under its
// GObject wrappers) as IcsFiles, one per UID: an event with its
// moved instances, and with the VTIMEZONE text `zoneText` gives for each
// TZID it names (none for zones known by name). Components keep their order
// inside a file.
std::vector<IcsFile> edsFiles(
    const std::vector<icalcomponent*>& components,
    const std::function<std::optional<std::string>(const std::string&)>& zoneText);

}  // namespace solvane::platform
