// CalendarDatabase: the EventStore of this build — the user's calendars as
// vdir folders and .ics files under a few roots, read with libical and never
// written to.
//
// Layout of a root (as vdirsyncer and khal keep it):
//
//   <root>/displayname            the account title (else the root's name)
//   <root>/<calendar>/            a vdir calendar: one iCalendar file per item
//   <root>/<calendar>/*.ics
//   <root>/<calendar>/displayname the calendar's title (else the folder's name)
//   <root>/<calendar>/color       its colour, "#RRGGBB" (else the default)
//   <root>/<name>.ics             a calendar in one file: title from
//                                 X-WR-CALNAME (else <name>), colour from COLOR
//                                 or X-APPLE-CALENDAR-COLOR (else the default)
//
// Roots: the folders in SOLVANE_CALENDAR_DIRS (colon-separated, absolute)
// when it is set, else ~/.calendars and $XDG_DATA_HOME/calendars; each is
// used while it exists. Entries whose names start with "." are not read, and
// a symbolic link is followed only when it leads to a place inside its root.
//
// Calendar identifiers are "vdir:" or "ics:" and 16 hex digits, the FNV-1a
// hash of the root's path and the calendar's path inside it. They are stable
// across runs, across roots appearing or vanishing beside it and across
// changes anywhere else, and need nothing written into the user's folders
// (which are only read); moving or renaming the calendar or its root makes a
// new calendar, as it would on any calendar server. A UID inside a file is
// not used: copies of one file would share it.
//
// Access: the user's answer lives in the PermissionRecord under "calendars".
// A root that exists but cannot be read makes access restricted, so a
// passing permission problem never looks like deleted events. Without full
// access no calendar or event is read.
//
// Limits, beyond those of each file (ics_file.h): kMaxFolderEntries entries
// looked at per folder, kMaxCalendarsPerRoot calendars per root,
// kMaxItemsPerCalendar item files per vdir calendar (the first by name),
// kMaxItemFiles files and kMaxEvents events across all calendars; past
// these, the rest is skipped. Unreadable, oversized and malformed files are
// skipped alone. Parsed files are kept and re-read only when they change
// (device, inode, size, modification and change times), so a repeated query
// reads only the folders. One query at a time runs; others wait for it.
#pragma once

#include <cstddef>
#include <filesystem>
#include <memory>
#include <mutex>
#include <string_view>
#include <vector>

#include "core/calendar/event_store.h"
#include "platform/calendar/permission_record.h"

namespace solvane::platform {

inline constexpr std::size_t kMaxFolderEntries = 50'000;
inline constexpr std::size_t kMaxCalendarsPerRoot = 1'000;
inline constexpr std::size_t kMaxItemsPerCalendar = 10'000;
inline constexpr std::size_t kMaxItemFiles = 100'000;
inline constexpr std::size_t kMaxEvents = 200'000;
inline constexpr std::size_t kMaxCalendarRoots = 32;
inline constexpr std::string_view kDefaultCalendarColor = "#2F80ED";

// The roots named by the environment, in order, without duplicates.
std::vector<std::filesystem::path> calendarRootsFromEnvironment();

// What a folder watch needs to see every change: each existing root, its
// calendar folders and its single-file calendars (at most 4,000 paths).
std::vector<std::filesystem::path> calendarWatchPaths(
    const std::vector<std::filesystem::path>& roots);

class CalendarDatabase final : public EventStore {
  public:
    CalendarDatabase(std::vector<std::filesystem::path> roots, PermissionRecord permissions);
    ~CalendarDatabase() override;

    // The program's one database, on the environment's roots and the user's
    // permission record; made on first use and kept for the program's life.
    static CalendarDatabase& shared();

    const std::vector<std::filesystem::path>& roots() const { return roots_; }

    CalendarAuthorization authorization() const override;
    // Asks when the state is not determined or denied (asking again is how
    // the user turns access back on); never when restricted or granted.
    bool requestFullAccess(const AccessPrompt& prompt) override;
    std::vector<EventCalendar> calendars() const override;
    std::vector<CalendarEvent> events(Instant start, Instant end,
                                      const Calendar& calendar) const override;

  private:
    struct Cache;

    std::vector<std::filesystem::path> roots_;
    PermissionRecord permissions_;
    mutable std::mutex mutex_;
    std::unique_ptr<Cache> cache_;  // guarded by mutex_
};

}  // namespace solvane::platform
