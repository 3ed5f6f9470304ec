#include "core/store/shared_store.h"

#include <fcntl.h>
#include <pwd.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
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
#include "core/util/file_descriptor.h"
#include "core/weather/forecast_json.h"
#include "core/weather/weather_json.h"

// Older SQLite builds lack the flag; the suite is also checked for a symlink
// before SQLite sees it.
#ifndef SQLITE_OPEN_NOFOLLOW
#define SQLITE_OPEN_NOFOLLOW 0
#endif

namespace solvane {

namespace fs = std::filesystem;

namespace {

constexpr const char* kCountdownsKey = "countdowns.v1";
constexpr const char* kLocationKey = "location.v1";
constexpr const char* kSettingsKey = "settings.v1";
constexpr const char* kWeatherKey = "weather.v2";
constexpr const char* kAppleErrorKey = "weather.appleError";
constexpr const char* kForecastKey = "forecast.v1";
// A list that could not be read, moved here by the write that replaced it,
// and the mark that the user has seen the notice about it.
constexpr const char* kUnreadableCountdownsKey = "countdowns.v1.unreadable";
constexpr const char* kUnreadableSeenKey = "countdowns.v1.unreadable.seen";

// No record comes near this; anything bigger is damage or mischief, and
// reading it would only cost memory before failing to decode.
constexpr std::size_t kMaxValueBytes = 16 * 1024 * 1024;
// Far larger than any list a person keeps; a record beyond it is damage or
// mischief.
constexpr int kMaxKeptAsideBytes = 64 * 1024 * 1024;
// An information dictionary holds a handful of keys.
constexpr std::size_t kMaxInfoBytes = 64 * 1024;
constexpr std::size_t kMaxGroupLength = 128;

// The other program may be mid-write; five seconds is far longer than any
// single-record write takes, and still bounded.
constexpr int kBusyTimeoutMs = 5000;

constexpr mode_t kPrivateFolder = 0700;
constexpr mode_t kPrivateFile = 0600;

// --- Files and folders -------------------------------------------------------

// Creates `dir` and any missing parents as 0700, and makes `dir` itself 0700
// even when it already existed: it holds the user's records. Parents that
// were already there are left as their owner set them.
bool makePrivateFolder(const fs::path& dir) {
    if (dir.empty() || !dir.is_absolute()) {
        return false;
    }
    std::vector<fs::path> missing;
    std::error_code ec;
    for (fs::path p = dir; !fs::exists(fs::symlink_status(p, ec)); p = p.parent_path()) {
        if (ec && ec != std::errc::no_such_file_or_directory) {
            return false;
        }
        missing.push_back(p);
        if (p == p.parent_path()) {
            break;
        }
    }
    // mkdir with 0700 leaves no moment in which the folder is wider open; the
    // chmod undoes whatever the umask took away from the owner.
    for (auto it = missing.rbegin(); it != missing.rend(); ++it) {
        if (::mkdir(it->c_str(), kPrivateFolder) != 0 && errno != EEXIST) {
            return false;
        }
        ::chmod(it->c_str(), kPrivateFolder);
    }
    struct stat info {};
    if (::stat(dir.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
        return false;
    }
    if ((info.st_mode & 07777) != kPrivateFolder) {
        ::chmod(dir.c_str(), kPrivateFolder);
    }
    return true;
}

// Anything but a regular file where the suite belongs (a symlink planted to
// redirect our writes, a folder) makes it unusable.
bool isRegularOrMissing(const fs::path& file) {
    struct stat info {};
    if (::lstat(file.c_str(), &info) != 0) {
        return errno == ENOENT;
    }
    return S_ISREG(info.st_mode);
}

// Makes `file` 0600 whatever the umask, by path and never through a
// descriptor: closing any descriptor of a file drops every POSIX lock this
// process holds on it, SQLite's included, and another program could then
// truncate the shared memory under our feet. The folder is already 0700, so
// the moment before this runs exposes nothing.
void makePrivateFile(const fs::path& file) {
    struct stat info {};
    if (::lstat(file.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
        (info.st_mode & 07777) != kPrivateFile) {
        ::chmod(file.c_str(), kPrivateFile);
    }
}

// The whole of a small regular file; nullopt for anything else, including a
// FIFO or device that would block or never end.
std::optional<std::string> readSmallFile(const fs::path& file, std::size_t limit) {
    const FileDescriptor fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.get() < 0) {
        return std::nullopt;
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_size < 0 ||
        static_cast<std::size_t>(info.st_size) > limit) {
        return std::nullopt;
    }
    std::string bytes;
    char buffer[8192];
    while (true) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return std::nullopt;
        }
        if (n == 0) {
            break;
        }
        bytes.append(buffer, static_cast<std::size_t>(n));
        // The file may grow after fstat.
        if (bytes.size() > limit) {
            return std::nullopt;
        }
    }
    return bytes;
}

// --- The suite -------------------------------------------------------------------

struct DatabaseCloser {
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
using Database = std::unique_ptr<sqlite3, DatabaseCloser>;

struct StatementFinalizer {
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using Statement = std::unique_ptr<sqlite3_stmt, StatementFinalizer>;

enum class OpenFailure {
    unusable,  // this file cannot serve as the suite: try the fallback
    busy,      // the other program holds it: the suite is fine, just not now
};

bool isBusy(int rc) {
    const int primary = rc & 0xff;
    return primary == SQLITE_BUSY || primary == SQLITE_LOCKED;
}

OpenFailure classify(int rc) {
    return isBusy(rc) ? OpenFailure::busy : OpenFailure::unusable;
}

int execute(sqlite3* db, const char* sql) {
    return sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
}

// Each record is a few hundred bytes written in well under a millisecond,
// so a short, even poll gets in soon after the other program lets go, where
// SQLite's own back-off would sleep up to 100 ms at a time. It gives up after
// about five seconds all the same.
int waitBriefly(void*, int attempts) {
    constexpr int kPollMicroseconds = 1000;
    if (attempts >= kBusyTimeoutMs * 1000 / kPollMicroseconds) {
        return 0;
    }
    ::usleep(kPollMicroseconds);
    return 1;
}

Result<Database, OpenFailure> tryOpenSuiteFile(const fs::path& file) {
    if (file.empty() || !file.is_absolute() || !makePrivateFolder(file.parent_path()) ||
        !isRegularOrMissing(file)) {
        return Failure{OpenFailure::unusable};
    }
    sqlite3* raw = nullptr;
    const int opened = sqlite3_open_v2(
        file.c_str(), &raw,
        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX | SQLITE_OPEN_NOFOLLOW,
        nullptr);
    Database db(raw);
    if (opened != SQLITE_OK || db == nullptr) {
        return Failure{OpenFailure::unusable};
    }
    sqlite3_busy_handler(db.get(), waitBriefly, nullptr);
    // Every call opens and closes the suite, and a checkpoint on each close
    // would cost a disk sync per record read or written. The log is folded
    // into the database by the automatic checkpoint instead, and a later
    // opener replays whatever is still in it.
    sqlite3_db_config(db.get(), SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
    // Room for one record at the limit plus its key; a bigger value then fails
    // to load instead of being read into memory.
    sqlite3_limit(db.get(), SQLITE_LIMIT_LENGTH, static_cast<int>(kMaxValueBytes + 64 * 1024));

    // WAL lets one program read while the other writes, and NORMAL sync is
    // still safe against corruption in that mode.
    int rc = execute(db.get(), "PRAGMA journal_mode=WAL");
    if (rc != SQLITE_OK) {
        return Failure{classify(rc)};
    }
    rc = execute(db.get(), "PRAGMA synchronous=NORMAL");
    if (rc != SQLITE_OK) {
        return Failure{classify(rc)};
    }
    rc = execute(db.get(),
                 "CREATE TABLE IF NOT EXISTS preferences("
                 "key TEXT PRIMARY KEY NOT NULL, value BLOB NOT NULL)");
    if (rc != SQLITE_OK) {
        return Failure{classify(rc)};
    }
    // SQLite gives its journal files the main file's mode at the time, which
    // for a new suite was still the umask's.
    makePrivateFile(file);
    makePrivateFile(fs::path(file.native() + "-wal"));
    makePrivateFile(fs::path(file.native() + "-shm"));
    return Result<Database, OpenFailure>(std::move(db));
}

// Two programs opening a new suite at the same moment both try to switch it
// to WAL and create the table, and the loser gets a plain "busy" that SQLite
// does not wait out itself; it clears as soon as the winner is done.
Result<Database, OpenFailure> openSuiteFile(const fs::path& file) {
    const auto giveUp =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(kBusyTimeoutMs);
    while (true) {
        auto db = tryOpenSuiteFile(file);
        if (db || db.error() != OpenFailure::busy || std::chrono::steady_clock::now() > giveUp) {
            return db;
        }
        ::usleep(1000);
    }
}

std::optional<Database> openSuite(const StorePaths& paths) {
    auto db = openSuiteFile(paths.suite);
    if (db) {
        return std::move(*db);
    }
    if (db.error() == OpenFailure::busy || paths.fallbackSuite.empty() ||
        paths.fallbackSuite == paths.suite) {
        return std::nullopt;
    }
    auto fallback = openSuiteFile(paths.fallbackSuite);
    if (!fallback) {
        return std::nullopt;
    }
    return std::move(*fallback);
}

Statement prepare(sqlite3* db, const char* sql) {
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &raw, nullptr) != SQLITE_OK) {
        sqlite3_finalize(raw);
        return Statement(nullptr);
    }
    return Statement(raw);
}

bool bindKey(sqlite3_stmt* statement, std::string_view key) {
    return sqlite3_bind_text(statement, 1, key.data(), static_cast<int>(key.size()),
                             SQLITE_TRANSIENT) == SQLITE_OK;
}

enum class ReadStatus {
    found,
    missing,
    tooLarge,  // there, but larger than any record we read
    failed,
};

struct ReadOutcome {
    ReadStatus status = ReadStatus::failed;
    std::string bytes;
};

ReadOutcome readValue(sqlite3* db, std::string_view key) {
    const Statement statement = prepare(db, "SELECT value FROM preferences WHERE key = ?1");
    if (!statement || key.size() > kMaxValueBytes || !bindKey(statement.get(), key)) {
        return {ReadStatus::failed, {}};
    }
    const int rc = sqlite3_step(statement.get());
    if (rc == SQLITE_DONE) {
        return {ReadStatus::missing, {}};
    }
    if ((rc & 0xff) == SQLITE_TOOBIG) {
        return {ReadStatus::tooLarge, {}};
    }
    if (rc != SQLITE_ROW) {
        return {ReadStatus::failed, {}};
    }
    const int size = sqlite3_column_bytes(statement.get(), 0);
    if (size < 0 || static_cast<std::size_t>(size) > kMaxValueBytes) {
        return {ReadStatus::tooLarge, {}};
    }
    const void* data = sqlite3_column_blob(statement.get(), 0);
    if (data == nullptr || size == 0) {
        return {ReadStatus::found, {}};
    }
    return {ReadStatus::found,
            std::string(static_cast<const char*>(data), static_cast<std::size_t>(size))};
}

enum class ValueType { blob, text };

bool writeValue(sqlite3* db, std::string_view key, std::string_view value, ValueType type) {
    if (key.size() > kMaxValueBytes || value.size() > kMaxValueBytes) {
        return false;
    }
    const Statement statement =
        prepare(db, "INSERT OR REPLACE INTO preferences(key, value) VALUES(?1, ?2)");
    if (!statement || !bindKey(statement.get(), key)) {
        return false;
    }
    const int size = static_cast<int>(value.size());
    // A zero-length blob bound from a null pointer would be stored as NULL,
    // which the table refuses; any non-null pointer will do for no bytes.
    const char* data = value.data() != nullptr ? value.data() : "";
    const int bound = type == ValueType::text
                          ? sqlite3_bind_text(statement.get(), 2, data, size, SQLITE_TRANSIENT)
                          : sqlite3_bind_blob(statement.get(), 2, data, size, SQLITE_TRANSIENT);
    return bound == SQLITE_OK && sqlite3_step(statement.get()) == SQLITE_DONE;
}

bool removeValue(sqlite3* db, std::string_view key) {
    const Statement statement = prepare(db, "DELETE FROM preferences WHERE key = ?1");
    return statement && key.size() <= kMaxValueBytes && bindKey(statement.get(), key) &&
           sqlite3_step(statement.get()) == SQLITE_DONE;
}

std::optional<std::string> loadValue(const StorePaths& paths, std::string_view key) {
    auto db = openSuite(paths);
    if (!db) {
        return std::nullopt;
    }
    auto outcome = readValue(db->get(), key);
    if (outcome.status != ReadStatus::found) {
        return std::nullopt;
    }
    return std::move(outcome.bytes);
}

bool storeValue(const StorePaths& paths, std::string_view key, std::string_view value,
                ValueType type = ValueType::blob) {
    auto db = openSuite(paths);
    return db && writeValue(db->get(), key, value, type);
}

// The starters for where the user is. The latitude is read before any write
// transaction begins: opening the suite again inside one would wait on it.
std::vector<Countdown> startersAt(const Calendar& calendar, Instant now, double latitude) {
    return starterCountdowns(calendar, PresetRegion::of(calendar, now, latitude), now);
}

std::vector<Countdown> countdownsOrStarters(const std::optional<std::string>& bytes,
                                            const SharedStore& store, const Calendar& calendar,
                                            Instant now) {
    if (bytes) {
        auto decoded = decodeCountdowns(*bytes);
        if (decoded) {
            return std::move(*decoded);
        }
    }
    return startersAt(calendar, now, store.loadLocation(calendar).latitude);
}

// The encoders have no way to fail, but a value with no JSON form (a
// non-finite coordinate) comes out as something no reader accepts. Such a
// record is not written, so a bad save never replaces a good record.
std::optional<std::string> encodedCountdowns(const std::vector<Countdown>& countdowns) {
    std::string bytes = encodeCountdowns(countdowns);
    if (!decodeCountdowns(bytes)) {
        return std::nullopt;
    }
    return bytes;
}

// The stored list as it reads: nullopt when it is missing or cannot be read.
std::optional<std::vector<Countdown>> decodedList(const ReadOutcome& stored) {
    if (stored.status != ReadStatus::found) {
        return std::nullopt;
    }
    auto decoded = decodeCountdowns(stored.bytes);
    return decoded ? std::optional(std::move(*decoded)) : std::nullopt;
}

// Before a write replaces a list that cannot be read (damaged, too large, from
// a newer version), it moves to a key of its own, bytes untouched, so the
// user's countdowns can still be recovered. Only the first such list is kept:
// a later one never replaces it.
bool keepUnreadableAside(sqlite3* db) {
    const Statement statement =
        prepare(db, "UPDATE OR IGNORE preferences SET key = ?2 WHERE key = ?1");
    if (!statement || !bindKey(statement.get(), kCountdownsKey) ||
        sqlite3_bind_text(statement.get(), 2, kUnreadableCountdownsKey, -1, SQLITE_STATIC) !=
            SQLITE_OK) {
        return false;
    }
    // Renaming rewrites the row, so a record too large to read needs room
    // for it, for this statement only. One larger still is bigger than any
    // list of ours could be; it is not worth the memory and is let go.
    const int limit = sqlite3_limit(db, SQLITE_LIMIT_LENGTH, kMaxKeptAsideBytes);
    const int rc = sqlite3_step(statement.get());
    sqlite3_limit(db, SQLITE_LIMIT_LENGTH, limit);
    if ((rc & 0xff) == SQLITE_TOOBIG) {
        return true;
    }
    if (rc != SQLITE_DONE) {
        return false;
    }
    // A list newly kept aside has not been told about yet.
    return sqlite3_changes(db) == 0 || removeValue(db, kUnreadableSeenKey);
}

// The list as stored: decoded when it reads, absent otherwise; `missing`
// tells nothing stored from something unreadable.
struct StoredList {
    std::optional<std::vector<Countdown>> list;
    bool missing = false;
};

using ListChange = std::function<std::optional<std::vector<Countdown>>(const StoredList& stored)>;

// Reads the list, asks `change` for the list to write (nullopt: none), keeps
// an unreadable stored list aside and writes, all in one transaction.
bool changeStoredList(const StorePaths& paths, const ListChange& change) {
    auto db = openSuite(paths);
    if (!db) {
        return false;
    }
    sqlite3* handle = db->get();
    // IMMEDIATE takes the write lock before reading, so no other writer can
    // slip a list in between our read and our write.
    if (execute(handle, "BEGIN IMMEDIATE") != SQLITE_OK) {
        return false;
    }
    struct RollbackUnlessCommitted {
        sqlite3* db;
        bool committed = false;
        ~RollbackUnlessCommitted() {
            if (!committed) {
                execute(db, "ROLLBACK");
            }
        }
    } transaction{handle};

    const ReadOutcome stored = readValue(handle, kCountdownsKey);
    if (stored.status == ReadStatus::failed) {
        // Not knowing what is stored is not the same as nothing stored:
        // writing now could overwrite the user's list.
        return false;
    }
    const StoredList list{decodedList(stored), stored.status == ReadStatus::missing};
    std::optional<std::vector<Countdown>> edited;
    try {
        edited = change(list);
    } catch (...) {
        return false;
    }
    if (!edited) {
        return false;
    }
    const auto encoded = encodedCountdowns(*edited);
    if (!encoded) {
        return false;
    }
    const bool unreadable =
        stored.status == ReadStatus::tooLarge || (stored.status == ReadStatus::found && !list.list);
    if ((unreadable && !keepUnreadableAside(handle)) ||
        !writeValue(handle, kCountdownsKey, *encoded, ValueType::blob) ||
        execute(handle, "COMMIT") != SQLITE_OK) {
        return false;
    }
    transaction.committed = true;
    return true;
}

// --- The application group ---------------------------------------------------------

bool isSafeGroup(std::string_view group) {
    if (group.empty() || group.size() > kMaxGroupLength || group.front() == '.' ||
        group.find("..") != std::string_view::npos) {
        return false;
    }
    for (const char c : group) {
        const bool allowed = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                             (c >= '0' && c <= '9') || c == '.' || c == '_' || c == '-';
        if (!allowed) {
            return false;
        }
    }
    return true;
}

struct InfoLookup {
    bool readable = false;             // the file is a JSON object
    std::optional<std::string> group;  // its "AppGroup", when usable
};

InfoLookup lookUpInfo(const fs::path& infoFile) {
    const auto bytes = readSmallFile(infoFile, kMaxInfoBytes);
    if (!bytes) {
        return {};
    }
    const auto document = json_forms::parseJson(*bytes);
    if (!document || !document->is_object()) {
        return {};
    }
    const auto it = document->find("AppGroup");
    if (it == document->end() || !it->is_string()) {
        return {true, std::nullopt};
    }
    std::string group = it->get<std::string>();
    // The group becomes a folder name under the user's config and data
    // folders; anything that could step out of them is not a group.
    if (!isSafeGroup(group)) {
        return {true, std::nullopt};
    }
    return {true, std::move(group)};
}

std::vector<fs::path> infoCandidates() {
    std::vector<fs::path> candidates;
    if (const char* explicitInfo = std::getenv("SOLVANE_INFO");
        explicitInfo != nullptr && *explicitInfo != '\0') {
        candidates.emplace_back(explicitInfo);
    }
    std::error_code ec;
    const fs::path program = fs::read_symlink("/proc/self/exe", ec);
    if (!ec && program.is_absolute()) {
        const fs::path folder = program.parent_path();
        candidates.push_back(folder / "Info.json");
        candidates.push_back(folder / ".." / "share" / "solvane" / "Info.json");
    }
    return candidates;
}

// The first Info.json that can be read is the program's information
// dictionary, and it alone decides: a missing, non-string or unsafe
// "AppGroup" in it means the built-in group, not a hunt through the others.
std::string resolveAppGroup() {
    for (const auto& candidate : infoCandidates()) {
        auto lookup = lookUpInfo(candidate);
        if (lookup.readable) {
            return lookup.group ? std::move(*lookup.group) : std::string(kBuiltInAppGroup);
        }
    }
    return std::string(kBuiltInAppGroup);
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
    return lookUpInfo(infoFile).group;
}

const std::string& appGroupIdentifier() {
    static std::once_flag once;
    static std::string group;
    std::call_once(once, [] { group = resolveAppGroup(); });
    return group;
}

StorePaths StorePaths::forGroup(std::string_view group) {
    const std::string folder =
        isSafeGroup(group) ? std::string(group) : std::string(kBuiltInAppGroup);
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

std::vector<Countdown> SharedStore::loadCountdowns(const Calendar& calendar, Instant now) const {
    return countdownsOrStarters(loadValue(paths_, kCountdownsKey), *this, calendar, now);
}

std::vector<Countdown> SharedStore::loadCountdownsForUse(const Calendar& calendar,
                                                         Instant now) const {
    // Most reads find a list: read it as any load does, and take the write
    // lock only when there is none.
    {
        auto db = openSuite(paths_);
        if (!db) {
            return startersAt(calendar, now, loadLocation(calendar).latitude);
        }
        ReadOutcome stored = readValue(db->get(), kCountdownsKey);
        if (stored.status != ReadStatus::missing) {
            return countdownsOrStarters(stored.status == ReadStatus::found
                                            ? std::optional(std::move(stored.bytes))
                                            : std::nullopt,
                                        *this, calendar, now);
        }
    }
    const double latitude = loadLocation(calendar).latitude;
    std::vector<Countdown> result;
    bool decided = false;
    changeStoredList(paths_,
                     [&](const StoredList& stored) -> std::optional<std::vector<Countdown>> {
                         decided = true;
                         if (stored.list) {
                             result = *stored.list;
                             return std::nullopt;
                         }
                         result = startersAt(calendar, now, latitude);
                         // Only a key that is not there at all gets the starters: an
                         // unreadable list is kept for the user.
                         return stored.missing ? std::optional(result) : std::nullopt;
                     });
    return decided ? result : loadCountdowns(calendar, now);
}

bool SharedStore::saveCountdowns(const std::vector<Countdown>& countdowns) const {
    return changeStoredList(paths_, [&](const StoredList&) { return std::optional(countdowns); });
}

bool SharedStore::updateCountdowns(const CountdownEdit& change, const Calendar& calendar,
                                   Instant now) const {
    const double latitude = loadLocation(calendar).latitude;
    return changeStoredList(paths_, [&](const StoredList& stored) {
        return change(stored.list ? *stored.list : startersAt(calendar, now, latitude));
    });
}

UnreadableCountdowns SharedStore::unreadableCountdowns() const {
    UnreadableCountdowns out;
    auto db = openSuite(paths_);
    if (!db) {
        return out;
    }
    const ReadOutcome stored = readValue(db->get(), kCountdownsKey);
    out.inUse = stored.status == ReadStatus::tooLarge ||
                (stored.status == ReadStatus::found && !decodedList(stored));
    const ReadOutcome kept = readValue(db->get(), kUnreadableCountdownsKey);
    const ReadOutcome seen = readValue(db->get(), kUnreadableSeenKey);
    out.keptAside = (kept.status == ReadStatus::found || kept.status == ReadStatus::tooLarge) &&
                    seen.status == ReadStatus::missing;
    return out;
}

bool SharedStore::dismissUnreadableCountdowns() const {
    return storeValue(paths_, kUnreadableSeenKey, "true", ValueType::text);
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

bool SharedStore::saveLocation(const SavedLocation& location) const {
    const std::string bytes = encodeSavedLocation(location);
    return decodeSavedLocation(bytes) && storeValue(paths_, kLocationKey, bytes);
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

bool SharedStore::saveSettings(const AppSettings& settings) const {
    const std::string bytes = encodeAppSettings(settings);
    return decodeAppSettings(bytes, AppSettings::defaults(locale_)) &&
           storeValue(paths_, kSettingsKey, bytes);
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

bool SharedStore::saveWeather(const WeatherSnapshot& snapshot) const {
    const std::string bytes = encodeWeatherSnapshot(snapshot);
    return decodeWeatherSnapshot(bytes) && storeValue(paths_, kWeatherKey, bytes);
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

bool SharedStore::saveForecast(const Forecast& forecast) const {
    const std::string bytes = encodeForecast(forecast);
    return decodeForecast(bytes) && storeValue(paths_, kForecastKey, bytes);
}

std::optional<std::string> SharedStore::loadAppleError() const {
    return loadValue(paths_, kAppleErrorKey);
}

bool SharedStore::saveAppleError(std::string_view note) const {
    // A plain string, not JSON: stored as text so it reads as one by hand.
    return storeValue(paths_, kAppleErrorKey, note, ValueType::text);
}

bool SharedStore::removeAppleError() const {
    auto db = openSuite(paths_);
    return db && removeValue(db->get(), kAppleErrorKey);
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

bool SharedStore::setRawValue(std::string_view key, std::string_view value) const {
    return storeValue(paths_, key, value);
}

}  // namespace solvane
