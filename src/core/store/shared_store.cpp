#include "core/store/shared_store.h"

#include <fcntl.h>
#include <pwd.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "core/model/countdown_json.h"
#include "core/model/json_forms.h"
#include "core/model/presets.h"
#include "core/store/app_info.h"
#include "core/store/suite.h"
#include "core/util/file_descriptor.h"
#include "core/util/private_files.h"
#include "core/weather/forecast_json.h"
#include "core/weather/weather_json.h"

namespace solvane {

namespace fs = std::filesystem;

namespace {

// Far larger than any list a person keeps; a record beyond it is damage or
// mischief.
constexpr int kMaxKeptAsideBytes = 64 * 1024 * 1024;
// --- Records -----------------------------------------------------------------------

StoreRead<StoredValue> readRecord(const StorePaths& paths, std::string_view key) {
    return withSuite<StoredValue>(paths, [&](const Suite& suite) { return suite.read(key); });
}

// The bytes of a record that is there and not too large to read.
std::optional<std::string> loadValue(const StorePaths& paths, std::string_view key) {
    auto stored = readRecord(paths, key);
    if (!stored || stored->status != ValueStatus::found) {
        return std::nullopt;
    }
    return std::move(stored->bytes);
}

StoreResult storeValue(const StorePaths& paths, std::string_view key, std::string_view value,
                       ValueType type = ValueType::blob) {
    return withSuite<Saved>(paths,
                            [&](const Suite& suite) { return suite.write(key, value, type); });
}

StoreResult removeRecord(const StorePaths& paths, std::string_view key) {
    return withSuite<Saved>(paths, [&](const Suite& suite) { return suite.remove(key); });
}

// The starters for where the user is. The latitude is read before any write
// transaction begins: opening the store again inside one would wait on it.
std::vector<Countdown> startersAt(const Calendar& calendar, Instant now, double latitude) {
    return starterCountdowns(calendar, PresetRegion::of(calendar, now, latitude), now);
}

// The stored list as it reads: nullopt when it is missing or is not a list.
std::optional<CountdownList> decodedList(const StoredValue& stored) {
    if (stored.status != ValueStatus::found) {
        return std::nullopt;
    }
    auto decoded = decodeCountdownList(stored.bytes);
    return decoded ? std::optional(std::move(*decoded)) : std::nullopt;
}

// Before a write replaces a list that cannot be read (damaged, too large, not
// a list), it moves to a key of its own, bytes untouched, so the user's
// countdowns can still be recovered. Only the first such list is kept: a
// later one never replaces it.
StoreResult keepUnreadableAside(const Suite& suite) {
    sqlite3* db = suite.handle();
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db, "UPDATE OR IGNORE preferences SET key = ?2 WHERE key = ?1", -1, &raw,
                           nullptr) != SQLITE_OK) {
        sqlite3_finalize(raw);
        return Failure{suite.faultOf(sqlite3_errcode(db))};
    }
    const std::unique_ptr<sqlite3_stmt, decltype(&sqlite3_finalize)> statement(raw,
                                                                               sqlite3_finalize);
    sqlite3_bind_text(raw, 1, kCountdownsKey, -1, SQLITE_STATIC);
    sqlite3_bind_text(raw, 2, kUnreadableCountdownsKey, -1, SQLITE_STATIC);
    // Renaming rewrites the row, so a record too large to read needs room
    // for it, for this statement only. One larger still is bigger than any
    // list of ours could be; it is not worth the memory and is let go.
    const int limit = sqlite3_limit(db, SQLITE_LIMIT_LENGTH, kMaxKeptAsideBytes);
    const int rc = sqlite3_step(raw);
    sqlite3_limit(db, SQLITE_LIMIT_LENGTH, limit);
    if ((rc & 0xff) == SQLITE_TOOBIG) {
        return Saved{};
    }
    if (rc != SQLITE_DONE) {
        return Failure{suite.faultOf(rc)};
    }
    // A list newly kept aside has not been told about yet.
    if (sqlite3_changes(db) == 0) {
        return Saved{};
    }
    return suite.remove(kUnreadableSeenKey);
}

// The list as stored: read when it reads, absent otherwise; `missing` tells
// nothing stored from something unreadable.
struct StoredList {
    std::optional<CountdownList> list;
    bool missing = false;
};

using ListChange = std::function<std::optional<std::vector<Countdown>>(const StoredList& stored)>;

// Reads the list, asks `change` for the list to write (nullopt: none), keeps
// an unreadable stored list aside and writes, all in one transaction. The
// records this version cannot read go back where they were. True when the
// list was written.
StoreRead<bool> changeStoredList(const StorePaths& paths, const ListChange& change) {
    return withSuite<bool>(paths, [&](const Suite& suite) -> StoreRead<bool> {
        // IMMEDIATE takes the write lock before reading, so no other writer
        // can slip a list in between our read and our write.
        if (auto begun = suite.begin(); !begun) {
            return Failure{begun.error()};
        }
        struct RollbackUnlessCommitted {
            const Suite& suite;
            bool committed = false;
            ~RollbackUnlessCommitted() {
                if (!committed) {
                    suite.rollback();
                }
            }
        } transaction{suite};

        // Not knowing what is stored is not the same as nothing stored:
        // writing now could overwrite the user's list.
        const auto stored = suite.read(kCountdownsKey);
        if (!stored) {
            return Failure{stored.error()};
        }
        const StoredList list{decodedList(*stored), stored->status == ValueStatus::missing};
        std::optional<std::vector<Countdown>> edited;
        try {
            edited = change(list);
        } catch (...) {
            return false;
        }
        if (!edited) {
            return false;
        }
        const std::vector<KeptRecord> kept =
            list.list ? list.list->kept : std::vector<KeptRecord>{};
        const std::string encoded = encodeCountdownList(*edited, kept);
        // The encoders cannot fail, but a value with no JSON form (a
        // non-finite date) comes out as something no reader accepts: such a
        // list is not written, so a bad save never replaces a good list.
        const auto check = decodeCountdownList(encoded);
        if (!check || check->countdowns.size() != edited->size()) {
            return false;
        }
        const bool unreadable = !list.missing && !list.list;
        if (unreadable) {
            if (auto aside = keepUnreadableAside(suite); !aside) {
                return Failure{aside.error()};
            }
        }
        if (auto written = suite.write(kCountdownsKey, encoded); !written) {
            return Failure{written.error()};
        }
        if (auto committed = suite.commit(); !committed) {
            return Failure{committed.error()};
        }
        transaction.committed = true;
        return true;
    });
}

// --- The application group ---------------------------------------------------------

// The first Info.json that can be read is the program's information
// dictionary, and it alone decides: a missing, non-string or unsafe
// "AppGroup" in it means the built-in group, not a hunt through the others.
std::string resolveAppGroup() {
    const auto found = findAppInfo();
    return found && found->info.appGroup ? *found->info.appGroup : std::string(kBuiltInAppGroup);
}

fs::path homeFolder() {
    if (const char* home = std::getenv("HOME"); home != nullptr) {
        fs::path path(home);
        if (path.is_absolute()) {
            return path;
        }
    }
    // No usable $HOME (a stripped environment): the password database still
    // knows. Without either, there is nowhere private to keep anything.
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::string buffer(size > 0 ? static_cast<std::size_t>(size) : 16384, '\0');
    struct passwd entry {};
    struct passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 &&
        found != nullptr && found->pw_dir != nullptr) {
        fs::path path(found->pw_dir);
        if (path.is_absolute()) {
            return path;
        }
    }
    return {};
}

// The XDG base directory rule: a relative value is invalid and ignored.
fs::path xdgFolder(const char* variable, const fs::path& underHome) {
    if (const char* value = std::getenv(variable); value != nullptr) {
        fs::path path(value);
        if (path.is_absolute()) {
            return path;
        }
    }
    fs::path home = homeFolder();
    return home.empty() ? fs::path() : home / underHome;
}

}  // namespace

fs::path solvaneConfigFolder() {
    const fs::path config = xdgFolder("XDG_CONFIG_HOME", ".config");
    return config.empty() ? fs::path() : config / "solvane";
}

std::optional<std::string> readAppGroup(const fs::path& infoFile) {
    const auto info = readAppInfo(infoFile);
    return info ? info->appGroup : std::nullopt;
}

const std::string& appGroupIdentifier() {
    static std::once_flag once;
    static std::string group;
    std::call_once(once, [] { group = resolveAppGroup(); });
    return group;
}

StorePaths StorePaths::forGroup(std::string_view group) {
    const std::string folder =
        isSafeAppGroup(group) ? std::string(group) : std::string(kBuiltInAppGroup);
    const fs::path config = xdgFolder("XDG_CONFIG_HOME", ".config");
    const fs::path data = xdgFolder("XDG_DATA_HOME", fs::path(".local") / "share");
    StorePaths paths;
    if (!config.empty()) {
        paths.suite = config / folder / "preferences.sqlite";
        paths.fallbackSuite = config / "solvane" / "preferences.sqlite";
    }
    if (!data.empty()) {
        paths.container = data / folder;
    }
    return paths;
}

SharedStore SharedStore::standard() {
    return SharedStore(StorePaths::forGroup(appGroupIdentifier()),
                       Calendar::measurementLocaleName());
}

SharedStore::SharedStore(StorePaths paths, std::string locale)
    : paths_(std::move(paths)), locale_(std::move(locale)) {}

StoreRead<std::vector<Countdown>> SharedStore::readCountdowns(const Calendar& calendar, Instant now,
                                                              bool forUse) const {
    auto stored = readRecord(paths_, kCountdownsKey);
    if (!stored) {
        return Failure{stored.error()};
    }
    if (auto list = decodedList(*stored)) {
        return std::move(list->countdowns);
    }
    const double latitude = loadLocation(calendar).latitude;
    if (stored->status != ValueStatus::missing || !forUse) {
        return startersAt(calendar, now, latitude);
    }
    // Nothing stored yet and the list goes on screen: the starters are
    // stored, so that their identifiers last. Of two programs starting at
    // once, one stores them and the other reads them.
    std::vector<Countdown> result;
    auto written = changeStoredList(
        paths_, [&](const StoredList& list) -> std::optional<std::vector<Countdown>> {
            if (list.list) {
                result = list.list->countdowns;
                return std::nullopt;
            }
            result = startersAt(calendar, now, latitude);
            // Only a key that is not there at all gets the starters: an
            // unreadable list is kept for the user.
            return list.missing ? std::optional(result) : std::nullopt;
        });
    if (!written && written.error() != StoreFault::full &&
        written.error() != StoreFault::readOnly && written.error() != StoreFault::denied) {
        return Failure{written.error()};
    }
    // A new store that cannot be written still starts with the starters.
    return result.empty() && !written ? startersAt(calendar, now, latitude) : result;
}

std::vector<Countdown> SharedStore::loadCountdowns(const Calendar& calendar, Instant now) const {
    return readCountdowns(calendar, now).valueOr({});
}

std::vector<Countdown> SharedStore::loadCountdownsForUse(const Calendar& calendar,
                                                         Instant now) const {
    return readCountdowns(calendar, now, true).valueOr({});
}

StoreResult SharedStore::saveCountdowns(const std::vector<Countdown>& countdowns) const {
    auto written =
        changeStoredList(paths_, [&](const StoredList&) { return std::optional(countdowns); });
    if (!written) {
        return Failure{written.error()};
    }
    if (!*written) {
        return Failure{StoreFault::unavailable};
    }
    return Saved{};
}

StoreRead<bool> SharedStore::updateCountdowns(const CountdownEdit& change, const Calendar& calendar,
                                              Instant now) const {
    if (!change) {
        return false;
    }
    const double latitude = loadLocation(calendar).latitude;
    return changeStoredList(paths_, [&](const StoredList& stored) {
        return change(stored.list ? stored.list->countdowns : startersAt(calendar, now, latitude));
    });
}

StoreHealth SharedStore::health() const {
    auto read = withSuite<StoreHealth>(paths_, [](const Suite& suite) -> StoreRead<StoreHealth> {
        StoreHealth health;
        health.writeFault = suite.writeFault();
        const auto stored = suite.read(kCountdownsKey);
        const auto kept = suite.read(kUnreadableCountdownsKey);
        const auto seen = suite.read(kUnreadableSeenKey);
        const auto recovered = suite.read(kRecoveredKey);
        const auto recoveredSeen = suite.read(kRecoveredSeenKey);
        for (const auto* r : {&stored, &kept, &seen, &recovered, &recoveredSeen}) {
            if (!*r) {
                return Failure{r->error()};
            }
        }
        const auto list = decodedList(*stored);
        health.countdowns.inUse = stored->status != ValueStatus::missing && !list;
        health.countdowns.keptRecords = list ? list->kept.size() : 0;
        health.countdowns.keptAside =
            kept->status != ValueStatus::missing && seen->status == ValueStatus::missing;
        if (recovered->status == ValueStatus::found &&
            recoveredSeen->status == ValueStatus::missing) {
            health.recoveredCopy = recovered->bytes;
        }
        return health;
    });
    if (!read) {
        StoreHealth health;
        health.readFault = read.error();
        return health;
    }
    return std::move(*read);
}

StoreResult SharedStore::dismissUnreadableCountdowns() const {
    return storeValue(paths_, kUnreadableSeenKey, "true", ValueType::text);
}

StoreResult SharedStore::dismissRecoveredNotice() const {
    return storeValue(paths_, kRecoveredSeenKey, "true", ValueType::text);
}

std::optional<SavedLocation> SharedStore::loadSavedLocation() const {
    if (const auto bytes = loadValue(paths_, kLocationKey)) {
        auto decoded = decodeSavedLocation(*bytes);
        if (decoded) {
            return std::move(*decoded);
        }
    }
    return std::nullopt;
}

BoardPlace SharedStore::loadPlace(const Calendar& calendar) const {
    if (auto saved = loadSavedLocation()) {
        return {std::move(*saved), PlaceSource::saved};
    }
    return defaultPlace(calendar);
}

StoreResult SharedStore::saveLocation(const SavedLocation& location) const {
    return saveRecord(kLocationKey, encodeSavedLocation(location),
                      [](const std::string& b) { return decodeSavedLocation(b).ok(); });
}

StoreResult SharedStore::saveRecord(std::string_view key, const std::string& bytes,
                                    const std::function<bool(const std::string&)>& reads) const {
    // A value with no JSON form comes out as bytes no reader accepts; such a
    // record is not written, so a bad save never replaces a good record.
    if (!reads(bytes)) {
        return Failure{StoreFault::unavailable};
    }
    return storeValue(paths_, key, bytes);
}

AppSettings SharedStore::loadSettings() const {
    const AppSettings defaults = AppSettings::defaults(locale_);
    if (const auto bytes = loadValue(paths_, kSettingsKey)) {
        auto decoded = decodeAppSettings(*bytes, defaults);
        if (decoded) {
            return std::move(*decoded);
        }
    }
    return defaults;
}

StoreResult SharedStore::saveSettings(const AppSettings& settings) const {
    return saveRecord(kSettingsKey, encodeAppSettings(settings), [this](const std::string& b) {
        return decodeAppSettings(b, AppSettings::defaults(locale_)).ok();
    });
}

std::optional<WeatherSnapshot> SharedStore::loadWeather() const {
    if (const auto bytes = loadValue(paths_, kWeatherKey)) {
        auto decoded = decodeWeatherSnapshot(*bytes);
        if (decoded) {
            return std::move(*decoded);
        }
    }
    return std::nullopt;
}

StoreResult SharedStore::saveWeather(const WeatherSnapshot& snapshot) const {
    return saveRecord(kWeatherKey, encodeWeatherSnapshot(snapshot),
                      [](const std::string& b) { return decodeWeatherSnapshot(b).ok(); });
}

std::optional<Forecast> SharedStore::loadForecast() const {
    if (const auto bytes = loadValue(paths_, kForecastKey)) {
        auto decoded = decodeForecast(*bytes);
        if (decoded) {
            return std::move(*decoded);
        }
    }
    return std::nullopt;
}

StoreResult SharedStore::saveForecast(const Forecast& forecast) const {
    return saveRecord(kForecastKey, encodeForecast(forecast),
                      [](const std::string& b) { return decodeForecast(b).ok(); });
}

std::optional<Instant> SharedStore::loadNotBefore(WeatherSource source) const {
    const auto bytes = loadValue(paths_, kNotBeforeKey);
    const auto document = bytes ? json_forms::parseJson(*bytes)
                                : Result<json_forms::Json, DecodeError>(Failure{DecodeError{}});
    if (!document || !document->is_object()) {
        return std::nullopt;
    }
    const auto it = document->find(std::string(toString(source)));
    if (it == document->end() || !it->is_number() || !std::isfinite(it->get<double>())) {
        return std::nullopt;
    }
    return Instant{it->get<double>()};
}

StoreResult SharedStore::saveNotBefore(WeatherSource source, Instant notBefore) const {
    if (!std::isfinite(notBefore.seconds)) {
        return Failure{StoreFault::unavailable};
    }
    json_forms::Json document = json_forms::Json::object();
    for (const WeatherSource other : allCases<WeatherSource>()) {
        if (other == source) {
            document[std::string(toString(other))] = notBefore.seconds;
        } else if (const auto kept = loadNotBefore(other)) {
            document[std::string(toString(other))] = kept->seconds;
        }
    }
    return storeValue(paths_, kNotBeforeKey, json_forms::dump(document));
}

std::optional<std::string> SharedStore::loadAppleError() const {
    return loadValue(paths_, kAppleErrorKey);
}

StoreResult SharedStore::saveAppleError(std::string_view note) const {
    // A plain string, not JSON: stored as text so it reads as one by hand.
    return storeValue(paths_, kAppleErrorKey, note, ValueType::text);
}

StoreResult SharedStore::removeAppleError() const {
    return removeRecord(paths_, kAppleErrorKey);
}

std::optional<fs::path> SharedStore::iconsDirectory() const {
    if (paths_.container.empty()) {
        return std::nullopt;
    }
    fs::path icons = paths_.container / "Icons";
    if (!makePrivateFolder(paths_.container) || !makePrivateFolder(icons)) {
        return std::nullopt;
    }
    return icons;
}

std::optional<std::string> SharedStore::rawValue(std::string_view key) const {
    return loadValue(paths_, key);
}

StoreResult SharedStore::setRawValue(std::string_view key, std::string_view value) const {
    return storeValue(paths_, key, value);
}

}  // namespace solvane
