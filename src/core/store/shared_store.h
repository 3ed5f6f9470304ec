// SharedStore: the state the application and the widget host share, and
// nothing else.
//
// The suite is one SQLite database per application group,
// $XDG_CONFIG_HOME/<group>/preferences.sqlite, holding whole JSON records
// under versioned keys:
//
//   "countdowns.v1"       array of countdowns     default: the starter countdowns
//   "location.v1"         SavedLocation           default: defaultPlace(calendar)
//   "settings.v1"         AppSettings             default: AppSettings::defaults(locale)
//   "weather.v2"          WeatherSnapshot         default: no weather
//   "weather.appleError"  text                    default: no text
//   "forecast.v1"         Forecast                default: no forecast
//   "weather.notBefore.v1" {service: date}        default: no wait
//
// Every load reads the file now at the store's path and returns a usable
// value (see SuiteLease for the one connection a thread keeps): a missing or
// unreadable record gives its default, and nothing is repaired or written
// back. A countdown list that cannot be read is never lost to the write that
// replaces it: that write first moves it, bytes untouched, to
// "countdowns.v1.unreadable" (only the first such list; a later one does not
// replace it). A record of the list that this version cannot read (written by
// a newer version, or damaged) is left out of what is shown and goes back,
// byte for byte, into every list written. Every save replaces one whole
// record in one statement; the last writer wins. WAL mode lets both programs
// read and write at once; a read waits a few seconds for another program's
// lock, then says the store is busy.
//
// The store is one file. Its faults are said, never hidden behind defaults
// or another file (see suite.h for how each is met): the list is read with
// readCountdowns, which gives the fault instead of a list; saves give the
// fault that kept them from being made; health() tells the window what to
// say. The fallback file $XDG_CONFIG_HOME/solvane/preferences.sqlite stands
// in only when no folder can be made for the group at all.
//
// The shared container is $XDG_DATA_HOME/<group>/, with the "Icons" folder
// for imported images. Folders are created 0700 and files 0600.
//
// The group identifier is read once per process from Info.json ("AppGroup"):
// $SOLVANE_INFO when set, else Info.json beside the program or in
// ../share/solvane/, else the built-in identifier.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/countdown.h"
#include "core/store/default_place.h"
#include "core/store/saved_location.h"
#include "core/store/store_fault.h"
#include "core/time/calendar.h"
#include "core/weather/forecast.h"
#include "core/weather/weather.h"

namespace solvane {

inline constexpr std::string_view kBuiltInAppGroup = "org.solvane.shared";

// The "AppGroup" string of an Info.json file; nullopt when the file cannot be
// read, holds no such string, or holds one that is unfit for a folder name
// (empty, over 128 characters, a leading '.', "..", or anything outside
// [A-Za-z0-9._-]).
std::optional<std::string> readAppGroup(const std::filesystem::path& infoFile);

// The group of this process, read once and then reused.
const std::string& appGroupIdentifier();

struct StorePaths {
    std::filesystem::path suite;          // the group's preferences.sqlite
    std::filesystem::path fallbackSuite;  // when no folder can be made for `suite`
    std::filesystem::path container;      // holds Icons/

    // Paths for `group` under the XDG folders of the environment
    // ($XDG_CONFIG_HOME or ~/.config, $XDG_DATA_HOME or ~/.local/share).
    static StorePaths forGroup(std::string_view group);
};

// The programs' own configuration folder, $XDG_CONFIG_HOME/solvane (or
// ~/.config/solvane): credentials, permissions, placed widgets, update
// checks. Empty when neither variable names an absolute folder.
std::filesystem::path solvaneConfigFolder();

// Whether the user's countdown list could not be read.
struct UnreadableCountdowns {
    // "countdowns.v1" holds a list that cannot be read (damaged, too large,
    // not a list): the starter countdowns stand in for it.
    bool inUse = false;
    // A write moved such a list to "countdowns.v1.unreadable", and the user
    // has not dismissed the notice about it.
    bool keptAside = false;
    // Records of the list this version cannot read, kept and not shown.
    std::size_t keptRecords = 0;
    bool operator==(const UnreadableCountdowns&) const = default;
};

// What the window tells about the store.
struct StoreHealth {
    std::optional<StoreFault> readFault;       // nothing could be read
    std::optional<StoreFault> writeFault;      // readable, but no save can be made
    std::optional<std::string> recoveredCopy;  // a damaged store was set right; the
                                               // file kept of it, until dismissed
    UnreadableCountdowns countdowns;
    bool operator==(const StoreHealth&) const = default;
};

class SharedStore {
  public:
    // The store of this process's application group, for the user's
    // measurement locale.
    static SharedStore standard();

    // `locale` decides the default temperature unit (see AppSettings).
    SharedStore(StorePaths paths, std::string locale);

    const StorePaths& paths() const { return paths_; }

    // The stored list, or the starter countdowns for the calendar's zone at
    // `now` and the saved place's hemisphere when none is stored or the list
    // cannot be read; the fault when the store itself cannot be read. With
    // `forUse` (the list goes on screen) a store with nothing yet gets the
    // starters stored first, so that their identifiers last (a widget keeps
    // the countdowns it shows by them): of two programs starting at once, one
    // stores them and the other reads them.
    StoreRead<std::vector<Countdown>> readCountdowns(const Calendar& calendar, Instant now,
                                                     bool forUse = false) const;
    // The same, with nothing in place of a fault, for those that show nothing
    // then.
    std::vector<Countdown> loadCountdowns(const Calendar& calendar, Instant now) const;
    std::vector<Countdown> loadCountdownsForUse(const Calendar& calendar, Instant now) const;
    StoreResult saveCountdowns(const std::vector<Countdown>& countdowns) const;

    // Reads the list, lets `change` edit it, and writes the result, all in one
    // transaction so no other writer's list is lost in between. `change`
    // returns nullopt to leave the list as it is. The list passed in is the
    // stored one, or the starter countdowns when none can be read. Gives
    // whether the list was written, or the fault that kept it from it.
    using CountdownEdit =
        std::function<std::optional<std::vector<Countdown>>(std::vector<Countdown>)>;
    StoreRead<bool> updateCountdowns(const CountdownEdit& change, const Calendar& calendar,
                                     Instant now) const;

    StoreHealth health() const;
    // Marks the kept-aside list as told about; its bytes stay.
    StoreResult dismissUnreadableCountdowns() const;
    // Marks the recovered store's notice as told about; the kept copy stays.
    StoreResult dismissRecoveredNotice() const;

    // The place the user chose, if one is stored and readable.
    std::optional<SavedLocation> loadSavedLocation() const;
    // That place, else the default for the calendar's zone (never stored).
    BoardPlace loadPlace(const Calendar& calendar) const;
    SavedLocation loadLocation(const Calendar& calendar) const {
        return loadPlace(calendar).location;
    }
    StoreResult saveLocation(const SavedLocation& location) const;

    AppSettings loadSettings() const;
    StoreResult saveSettings(const AppSettings& settings) const;

    std::optional<WeatherSnapshot> loadWeather() const;
    StoreResult saveWeather(const WeatherSnapshot& snapshot) const;

    // The last forecast fetched, for whichever place it was fetched for.
    std::optional<Forecast> loadForecast() const;
    StoreResult saveForecast(const Forecast& forecast) const;

    // The moment before which `source` asked not to be asked again, if it
    // lies ahead of any moment; the weather and the forecast heed it alike.
    std::optional<Instant> loadNotBefore(WeatherSource source) const;
    StoreResult saveNotBefore(WeatherSource source, Instant notBefore) const;

    std::optional<std::string> loadAppleError() const;
    StoreResult saveAppleError(std::string_view note) const;
    StoreResult removeAppleError() const;

    // container/Icons, created when missing; nullopt when it cannot be made.
    std::optional<std::filesystem::path> iconsDirectory() const;

    // The stored bytes of a key as they are, for diagnostics and tests.
    std::optional<std::string> rawValue(std::string_view key) const;
    StoreResult setRawValue(std::string_view key, std::string_view value) const;

  private:
    StoreResult saveRecord(std::string_view key, const std::string& bytes,
                           const std::function<bool(const std::string&)>& reads) const;

    StorePaths paths_;
    std::string locale_;
};

}  // namespace solvane
