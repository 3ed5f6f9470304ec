// FolderSource: calendars kept as files — vdir folders (one iCalendar file
// per item, as vdirsyncer and khal keep them) and single .ics files — read
// with libical and never written to.
//
// Two kinds of place:
//
//   a root, holding calendars:
//     <root>/displayname            the account title (else "On This Computer")
//     <root>/<calendar>/            a vdir calendar: one iCalendar file per item
//     <root>/<calendar>/*.ics
//     <root>/<calendar>/displayname the calendar's title (else the folder's name)
//     <root>/<calendar>/color       its colour, "#RRGGBB" (else the default)
//     <root>/<name>.ics             a calendar in one file: title from
//                                   X-WR-CALNAME (else <name>), colour from
//                                   COLOR or X-APPLE-CALENDAR-COLOR
//   a calendar folder named on its own (khal's configured paths): a vdir
//     calendar as above, with the title and colour the configuration gives
//     when its own files say none, in the account "On This Computer".
//
// Each place is used while it exists, so one created later is read from then
// on. Entries whose names start with "." are not read, and a symbolic link is
// followed only when it leads to a place inside its root. A calendar folder
// that is also inside a root is offered once, as the root's.
//
// Calendar identifiers are "vdir:" or "ics:" and 16 hex digits, the FNV-1a
// hash of the root's path and the calendar's path inside it (for a calendar
// named on its own: its path and nothing). They are stable across runs and
// across places appearing or vanishing beside them, and need nothing written
// into the user's folders; moving or renaming the calendar makes a new one.
// A UID inside a file is not used: copies of one file would share it.
//
// Limits, beyond those of each file (ics_file.h): kMaxFolderEntries entries
// looked at per folder, kMaxCalendarsPerRoot calendars per root,
// kMaxItemsPerCalendar item files per vdir calendar (the first by name),
// kMaxItemFiles files across all calendars; past these, the rest is skipped.
// Unreadable, oversized and malformed files are skipped alone. Parsed files
// are kept and re-read only when they change (device, inode, size,
// modification and change times), so a repeated query reads only folders.
#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/calendar/calendar_source.h"
#include "platform/calendar/file_key.h"

namespace solvane::platform {

class IcsFile;

inline constexpr std::size_t kMaxFolderEntries = 50'000;
inline constexpr std::size_t kMaxCalendarsPerRoot = 1'000;
inline constexpr std::size_t kMaxItemsPerCalendar = 10'000;
inline constexpr std::size_t kMaxItemFiles = 100'000;
inline constexpr std::size_t kMaxCalendarRoots = 32;
inline constexpr std::string_view kDefaultCalendarColor = "#2F80ED";

// A vdir calendar named on its own, with what its configuration says of it.
struct FolderCalendar {
    std::filesystem::path path;
    std::string title;                 // used when the folder has no displayname
    std::optional<std::string> color;  // used when the folder has no color file
    bool operator==(const FolderCalendar&) const = default;
};

// Events parsed across all files of a source, whatever a query asks for:
// what damaged or hostile files can cost in memory.
inline constexpr std::size_t kMaxParsedEvents = 200'000;

// `place` when it is a folder, else the nearest existing folder above it,
// whose watch shows `place` being made.
std::optional<std::filesystem::path> existingFolder(const std::filesystem::path& place);

// A parsed calendar file with the key it was parsed at.
struct ParsedIcsFile {
    FileKey key;
    std::shared_ptr<const IcsFile> file;
};

// The calendar file at `path` when it is a regular file (not reached through
// a link in its last component) of at most kMaxIcsFileBytes: `known`'s parse
// when the file has not changed since, else parsed anew; none otherwise.
std::optional<ParsedIcsFile> loadIcsFile(const std::filesystem::path& path,
                                         std::string_view fallbackUid, const ParsedIcsFile* known);

// The roots named by the environment, in order, without duplicates:
// SOLVANE_CALENDAR_DIRS (colon-separated, absolute) when it is set, else
// ~/.calendars and $XDG_DATA_HOME/calendars.
std::vector<std::filesystem::path> calendarRootsFromEnvironment();

// What a folder watch needs to see every change: each existing root, its
// calendar folders and its single-file calendars, each calendar named on its
// own, and the nearest existing folder above each place that does not exist
// yet, so its creation is seen (at most 4,000 paths).
std::vector<std::filesystem::path> calendarWatchPaths(
    const std::vector<std::filesystem::path>& roots,
    const std::vector<FolderCalendar>& calendars = {});

class FolderSource final : public CalendarSource {
  public:
    // The calendars named on their own, asked for at every query so that a
    // configuration edited meanwhile counts (khal_config.h).
    using NamedCalendars = std::function<std::vector<FolderCalendar>()>;

    // `alsoWatch`: folders whose changes may name other calendars (khal's
    // configuration folder).
    FolderSource(std::vector<std::filesystem::path> roots, NamedCalendars named = {},
                 std::vector<std::filesystem::path> alsoWatch = {});
    ~FolderSource() override;

    const std::vector<std::filesystem::path>& roots() const { return roots_; }

    std::string_view kind() const override { return kFolderSourceKind; }
    std::vector<EventCalendar> calendars() override;
    std::vector<CalendarEvent> events(Instant start, Instant end, const Calendar& calendar,
                                      std::size_t limit) override;
    bool unreadable() const override;
    std::vector<std::filesystem::path> watchPaths() const override;

  private:
    struct Cache;

    std::vector<FolderCalendar> namedNow() const;

    std::vector<std::filesystem::path> roots_;
    NamedCalendars named_;
    std::vector<std::filesystem::path> alsoWatch_;
    std::mutex mutex_;
    std::unique_ptr<Cache> cache_;  // guarded by mutex_
};

}  // namespace solvane::platform
