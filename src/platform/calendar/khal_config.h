// The calendars khal's configuration names, so people who keep their
// calendars for khal see them without naming them again.
//
// khal reads $XDG_CONFIG_HOME/khal/config (~/.config/khal/config): under
// [calendars], one [[name]] section per calendar with `path` (a vdir folder;
// "~" and $VARIABLES expanded), `color` (a name khal knows, "#RRGGBB" or
// "auto"), and `type`: "calendar" (the default), "discover" (`path` is a glob
// pattern and every folder it matches is a calendar, titled by its own
// displayname or folder name), or "birthdays" (an address book, not read).
//
//   [calendars]
//   [[work]]
//   path = ~/.calendars/work/
//   color = dark green
//   [[synced]]
//   path = ~/.calendars/google/*
//   type = discover
//
// Reading never fails: an unreadable or malformed file names no calendars,
// a malformed section is skipped alone. At most kMaxKhalCalendars calendars.
#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/calendar/folder_source.h"

namespace solvane::platform {

inline constexpr std::size_t kMaxKhalCalendars = 256;
inline constexpr std::size_t kMaxKhalConfigBytes = 256 * 1024;

// Expands a glob pattern into the folders it matches, sorted.
using GlobFolders = std::function<std::vector<std::filesystem::path>(const std::string& pattern)>;

// The folders matching `pattern` on this computer (POSIX glob).
std::vector<std::filesystem::path> globFolders(const std::string& pattern);

// The calendars named by configuration `text`. `home` expands "~";
// `variable` gives $NAME and ${NAME} (empty when unset).
std::vector<FolderCalendar> khalCalendars(
    std::string_view text, const std::filesystem::path& home,
    const std::function<std::string(const std::string& name)>& variable,
    const GlobFolders& glob = globFolders);

// khal's configuration file for this environment; empty when no folder can
// be worked out.
std::filesystem::path khalConfigPath();

// The calendars the user's khal configuration names now.
std::vector<FolderCalendar> khalCalendarsFromEnvironment();

}  // namespace solvane::platform
