// CalendarSource: one place the user's calendars come from — folders on disk
// (vdir and .ics, khal's configured paths), Evolution Data Server (GNOME
// Calendar, Evolution, Online Accounts), calendars subscribed by address.
// The CalendarDatabase offers all of them as one EventStore, and asks them
// only once the user has given full access.
//
// A source never throws and never blocks for long: what it cannot read now
// it leaves out. Calendar identifiers start with the source's own prefix
// ("vdir:", "ics:", "eds:", "sub:"), so they never collide across sources.
//
//   for (auto& source : sources)
//       for (const CalendarEvent& e : source->events(from, to, calendar)) ...
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/calendar/event_store.h"

namespace solvane::platform {

// What `solvane-board calendars` says a calendar comes from.
inline constexpr std::string_view kFolderSourceKind = "folder";
inline constexpr std::string_view kEvolutionSourceKind = "evolution";
inline constexpr std::string_view kSubscriptionSourceKind = "subscription";

// The account title of calendars that belong to no account: plain folders
// on this computer.
inline constexpr std::string_view kOnThisComputer = "On This Computer";

class CalendarSource {
  public:
    virtual ~CalendarSource() = default;

    // One of the kinds above.
    virtual std::string_view kind() const = 0;

    // The calendars it offers now.
    virtual std::vector<EventCalendar> calendars() = 0;

    // Occurrences that overlap [start, end), in any order, with repeating
    // events expanded. `calendar` is the user's: all-day events are its
    // local days, and times written without a zone are read in its zone.
    // At most `limit` events.
    virtual std::vector<CalendarEvent> events(Instant start, Instant end, const Calendar& calendar,
                                              std::size_t limit) = 0;

    // Whether calendars are there that cannot be read now (a folder without
    // permission): access as a whole is then restricted, so a passing
    // problem never looks like deleted events.
    virtual bool unreadable() const { return false; }

    // Folders whose changes change what the source offers, for a folder
    // watch; none for a source that says so itself.
    virtual std::vector<std::filesystem::path> watchPaths() const { return {}; }

    // Called, on the thread that runs the program's event loop, when the
    // source's calendars or events changed by themselves (an edit in another
    // program). Sources that cannot tell never call it.
    virtual void setChangeHandler(std::function<void()> handler) { (void)handler; }
};

// The kind of source a calendar identifier belongs to; empty when unknown.
std::string_view sourceKindOf(std::string_view calendarId);

}  // namespace solvane::platform
