#include "core/store/suite.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <system_error>
#include <utility>
#include <vector>

#include "core/util/display_text.h"
#include "core/util/file_descriptor.h"
#include "core/util/private_files.h"
#include "core/util/translation.h"

// Older SQLite builds lack the flag; the file is also checked for a link
// before SQLite sees it.
#ifndef SQLITE_OPEN_NOFOLLOW
#define SQLITE_OPEN_NOFOLLOW 0
#endif

namespace solvane {

namespace fs = std::filesystem;

namespace {

// No record comes near this; anything bigger is damage or mischief, and
// reading it would only cost memory before failing to decode.
constexpr std::size_t kMaxValueBytes = 16 * 1024 * 1024;
// A record is written in well under a millisecond: a reader that waits this
// long for another program has waited for something else, and says so.
constexpr int kBusyWaitMs = 3000;
constexpr mode_t kPrivateFile = 0600;

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

fs::path besideFile(const fs::path& file, std::string_view suffix) {
    return fs::path(file.native() + std::string(suffix));
}

StoreFault faultOfErrno(int error) {
    switch (error) {
        case ENOSPC:
        case EDQUOT:
            return StoreFault::full;
        case EROFS:
            return StoreFault::readOnly;
        case EACCES:
        case EPERM:
            return StoreFault::denied;
        case ELOOP:
            return StoreFault::notAFile;
        default:
            return StoreFault::unavailable;
    }
}

StoreFault faultOfCode(int rc, int systemErrno, std::optional<StoreFault> writeFault) {
    switch (rc & 0xff) {
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            return StoreFault::busy;
        case SQLITE_CORRUPT:
        case SQLITE_NOTADB:
            return StoreFault::damaged;
        case SQLITE_FULL:
            return StoreFault::full;
        case SQLITE_READONLY:
            return writeFault.value_or(StoreFault::readOnly);
        case SQLITE_PERM:
        case SQLITE_AUTH:
            return StoreFault::denied;
        case SQLITE_CANTOPEN:
        case SQLITE_IOERR:
            return faultOfErrno(systemErrno);
        default:
            return StoreFault::unavailable;
    }
}

// SQLite's own back-off would sleep up to 100 ms at a time; a short, even
// poll gets in soon after the other program lets go, and gives up in time.
std::atomic<std::uint64_t> waitsForOthers{0};

int waitBriefly(void*, int attempts) {
    constexpr int kPollMicroseconds = 1000;
    waitsForOthers.fetch_add(1, std::memory_order_relaxed);
    if (attempts >= kBusyWaitMs * 1000 / kPollMicroseconds) {
        return 0;
    }
    ::usleep(kPollMicroseconds);
    return 1;
}

// The log of changes is folded into the file and emptied once it holds this
// many pages. Several programs open the file, and none closing it last
// checkpoints; each opening reads the whole log again: left to grow
// (SQLite's own checkpoint never gets to reset it here), a session of edits
// made every read slower and slower.
constexpr int kCheckpointFrames = 32;

int foldLog(void*, sqlite3* db, const char* name, int frames) {
    if (frames >= kCheckpointFrames) {
        // A program reading just now is waited for, as by any write; if it
        // holds on, the next write tries again.
        sqlite3_wal_checkpoint_v2(db, name, SQLITE_CHECKPOINT_TRUNCATE, nullptr, nullptr);
    }
    return SQLITE_OK;
}

int execute(sqlite3* db, const char* sql) {
    return sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
}

struct StatementFinalizer {
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using Statement = std::unique_ptr<sqlite3_stmt, StatementFinalizer>;

// The statement, or the result code that kept it from being prepared.
Result<Statement, int> prepare(sqlite3* db, const char* sql) {
    sqlite3_stmt* raw = nullptr;
    const int rc = sqlite3_prepare_v2(db, sql, -1, &raw, nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_finalize(raw);
        return Failure{rc};
    }
    return Statement(raw);
}

bool bindText(sqlite3_stmt* statement, int index, std::string_view text) {
    return sqlite3_bind_text(statement, index, text.data(), static_cast<int>(text.size()),
                             SQLITE_TRANSIENT) == SQLITE_OK;
}

bool tableExists(sqlite3* db) {
    auto statement =
        prepare(db, "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = 'preferences'");
    return statement && sqlite3_step(statement->get()) == SQLITE_ROW;
}

struct Opened {
    sqlite3* db = nullptr;
    std::optional<StoreFault> writeFault;
    bool hasTable = true;
};

// One attempt at opening `file` and making it ready for records.
Result<Opened, StoreFault> tryOpen(const fs::path& file) {
    struct stat info {};
    const bool existed = ::lstat(file.c_str(), &info) == 0;
    if (existed && !S_ISREG(info.st_mode)) {
        return Failure{StoreFault::notAFile};  // a link or folder: never followed
    }
    sqlite3* raw = nullptr;
    int rc = sqlite3_open_v2(
        file.c_str(), &raw,
        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX | SQLITE_OPEN_NOFOLLOW,
        nullptr);
    std::optional<StoreFault> writeFault;
    if (rc != SQLITE_OK) {
        const StoreFault fault = faultOfCode(rc, sqlite3_system_errno(raw), std::nullopt);
        sqlite3_close_v2(raw);
        raw = nullptr;
        // What can no longer be written can still be read.
        if (!existed || (fault != StoreFault::readOnly && fault != StoreFault::denied)) {
            return Failure{fault};
        }
        rc = sqlite3_open_v2(file.c_str(), &raw,
                             SQLITE_OPEN_READONLY | SQLITE_OPEN_FULLMUTEX | SQLITE_OPEN_NOFOLLOW,
                             nullptr);
        if (rc != SQLITE_OK) {
            const StoreFault readFault = faultOfCode(rc, sqlite3_system_errno(raw), std::nullopt);
            sqlite3_close_v2(raw);
            return Failure{readFault};
        }
        writeFault = fault;
    }
    Opened opened{raw, writeFault, true};
    struct CloseUnlessKept {
        sqlite3*& db;
        ~CloseUnlessKept() {
            if (db != nullptr) {
                sqlite3_close_v2(db);
            }
        }
    } guard{opened.db};

    // A write-protected file opens for reading only, without a word.
    if (!opened.writeFault && sqlite3_db_readonly(opened.db, "main") == 1) {
        opened.writeFault =
            ::access(file.c_str(), W_OK) != 0 ? faultOfErrno(errno) : StoreFault::readOnly;
    }
    sqlite3_busy_handler(opened.db, waitBriefly, nullptr);
    // Connections come and go with threads and faults, and a checkpoint on
    // each close would cost a disk sync each time. The log is folded into the
    // database every few dozen pages instead.
    sqlite3_db_config(opened.db, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
    sqlite3_wal_hook(opened.db, foldLog, nullptr);
    // Room for one record at the limit plus its key; a bigger value then fails
    // to load instead of being read into memory.
    sqlite3_limit(opened.db, SQLITE_LIMIT_LENGTH, static_cast<int>(kMaxValueBytes + 64 * 1024));

    // WAL lets one program read while the other writes, and NORMAL sync is
    // still safe against corruption in that mode.
    const bool writable = !opened.writeFault;
    for (const char* sql : {"PRAGMA journal_mode=WAL", "PRAGMA synchronous=NORMAL"}) {
        rc = execute(opened.db, sql);
        if (rc != SQLITE_OK && (writable || (rc & 0xff) != SQLITE_READONLY)) {
            return Failure{faultOfCode(rc, sqlite3_system_errno(opened.db), opened.writeFault)};
        }
    }
    rc = execute(opened.db,
                 "CREATE TABLE IF NOT EXISTS preferences("
                 "key TEXT PRIMARY KEY NOT NULL, value BLOB NOT NULL)");
    if (rc != SQLITE_OK) {
        const StoreFault fault =
            faultOfCode(rc, sqlite3_system_errno(opened.db), opened.writeFault);
        if (writable || fault == StoreFault::damaged || fault == StoreFault::busy) {
            return Failure{fault};
        }
        opened.hasTable = tableExists(opened.db);
    }
    if (writable) {
        // SQLite gives its journal files the main file's mode at the time,
        // which for a new file was still the umask's.
        makePrivateFile(file);
        makePrivateFile(besideFile(file, "-wal"));
        makePrivateFile(besideFile(file, "-shm"));
    }
    Opened kept = opened;
    opened.db = nullptr;
    return kept;
}

// Two programs opening a new file at the same moment both try to switch it
// to WAL and create the table, and the loser gets a plain "busy" that SQLite
// does not wait out itself; it clears as soon as the winner is done.
Result<Opened, StoreFault> openWaiting(const fs::path& file) {
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::milliseconds(kBusyWaitMs);
    while (true) {
        auto opened = tryOpen(file);
        if (opened || opened.error() != StoreFault::busy ||
            std::chrono::steady_clock::now() > giveUp) {
            return opened;
        }
        ::usleep(1000);
    }
}

// --- Recovery ------------------------------------------------------------------

struct Row {
    std::string key;
    std::string value;
    bool text = false;
};

// A copy of the damaged file to read from, as long as its header says the
// file was: a file cut short reads as damaged from its first query, while
// its first pages, completed with zeros, still give their records.
std::optional<fs::path> wholeSizedCopy(const fs::path& file) {
    std::string bytes;
    {
        std::ifstream in(file, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), {});
    }
    constexpr std::string_view kMagic("SQLite format 3\0", 16);
    if (bytes.size() >= 100 && std::string_view(bytes).substr(0, 16) == kMagic) {
        const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
        std::size_t pageSize = (std::size_t{byte(16)} << 8) | byte(17);
        pageSize = pageSize == 1 ? 65536 : pageSize;
        const std::size_t pages = (std::size_t{byte(28)} << 24) | (std::size_t{byte(29)} << 16) |
                                  (std::size_t{byte(30)} << 8) | byte(31);
        const std::size_t whole = pages * pageSize;
        if (whole > bytes.size() && whole <= kMaxValueBytes * 8) {
            bytes.resize(whole, '\0');
        }
    }
    const fs::path copy = besideFile(file, ".salvage");
    const FileDescriptor fd(
        ::open(copy.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, kPrivateFile));
    if (fd.get() < 0 || !writeAll(fd.get(), bytes)) {
        std::error_code ec;
        fs::remove(copy, ec);
        return std::nullopt;
    }
    return copy;
}

void collectRows(sqlite3_stmt* statement, std::vector<Row>& rows, int& rc) {
    while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
        const auto* key = sqlite3_column_text(statement, 0);
        const auto* value = static_cast<const char*>(sqlite3_column_blob(statement, 1));
        const int size = sqlite3_column_bytes(statement, 1);
        const bool text = sqlite3_column_type(statement, 1) == SQLITE_TEXT;
        if (key == nullptr || std::any_of(rows.begin(), rows.end(), [&](const Row& r) {
                return r.key == reinterpret_cast<const char*>(key);
            })) {
            continue;
        }
        rows.push_back(
            {reinterpret_cast<const char*>(key),
             value != nullptr ? std::string(value, static_cast<std::size_t>(size)) : std::string(),
             text});
    }
}

// Whatever rows of the file can still be read: the table in order until the
// first unreadable page, then each of the store's records by its key.
std::vector<Row> salvage(const fs::path& file, bool& damaged) {
    std::vector<Row> rows;
    damaged = true;
    const auto copy = wholeSizedCopy(file);
    if (!copy) {
        return rows;
    }
    struct RemoveCopy {
        fs::path path;
        ~RemoveCopy() {
            std::error_code ec;
            fs::remove(path, ec);
        }
    } removeCopy{*copy};
    sqlite3* raw = nullptr;
    if (sqlite3_open_v2(file.c_str(), &raw, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOFOLLOW, nullptr) !=
        SQLITE_OK) {
        sqlite3_close_v2(raw);
        return rows;
    }
    // The file as it is, with its log: damaged or not?
    {
        const std::unique_ptr<sqlite3, decltype(&sqlite3_close_v2)> db(raw, sqlite3_close_v2);
        auto statement = prepare(raw, "SELECT key, value FROM preferences");
        if (!statement) {
            // No table in an empty file is no damage; anything else is.
            if ((statement.error() & 0xff) == SQLITE_ERROR && !tableExists(raw)) {
                damaged = false;
            }
            if (!damaged) {
                return rows;
            }
        } else {
            int rc = SQLITE_ROW;
            collectRows(statement->get(), rows, rc);
            damaged = rc != SQLITE_DONE && (rc & 0xff) != SQLITE_TOOBIG;
            if (!damaged) {
                return rows;
            }
        }
    }
    // Damaged: what the whole-sized copy still gives.
    raw = nullptr;
    if (sqlite3_open_v2(copy->c_str(), &raw, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOFOLLOW,
                        nullptr) != SQLITE_OK) {
        sqlite3_close_v2(raw);
        return rows;
    }
    const std::unique_ptr<sqlite3, decltype(&sqlite3_close_v2)> db(raw, sqlite3_close_v2);
    sqlite3_limit(raw, SQLITE_LIMIT_LENGTH, static_cast<int>(kMaxValueBytes + 64 * 1024));
    int rc = SQLITE_DONE;
    if (auto scan = prepare(raw, "SELECT key, value FROM preferences")) {
        collectRows(scan->get(), rows, rc);
    }
    for (const char* key : {kCountdownsKey, kLocationKey, kSettingsKey, kWeatherKey, kAppleErrorKey,
                            kForecastKey, kUnreadableCountdownsKey, kUnreadableSeenKey}) {
        auto one = prepare(raw, "SELECT key, value FROM preferences WHERE key = ?1");
        if (one && bindText(one->get(), 1, key)) {
            collectRows(one->get(), rows, rc);
        }
    }
    return rows;
}

std::string utcStamp() {
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
    ::gmtime_r(&now, &parts);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%dT%H%M%SZ", &parts);
    return text;
}

// The kept copy's name: dated, and never an existing file.
fs::path keptName(const fs::path& file) {
    const std::string base = file.native() + ".damaged-" + utcStamp();
    fs::path kept(base);
    std::error_code ec;
    for (int n = 2; fs::exists(fs::symlink_status(kept, ec)); ++n) {
        kept = fs::path(base + "-" + std::to_string(n));
    }
    return kept;
}

// Serialises recoveries between programs; released with the descriptor.
class RecoveryLock {
  public:
    explicit RecoveryLock(const fs::path& file)
        : fd_(::open(besideFile(file, ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW,
                     kPrivateFile)) {
        const auto giveUp =
            std::chrono::steady_clock::now() + std::chrono::milliseconds(4 * kBusyWaitMs);
        while (fd_.get() >= 0 && !locked_ && std::chrono::steady_clock::now() < giveUp) {
            locked_ = ::flock(fd_.get(), LOCK_EX | LOCK_NB) == 0;
            if (!locked_) {
                ::usleep(2000);
            }
        }
    }
    bool locked() const { return locked_; }

  private:
    FileDescriptor fd_;
    bool locked_ = false;
};

void say(const std::string& line) {
    std::fprintf(stderr, "solvane: %s\n", oneLine(line).c_str());
}

}  // namespace

std::string storeFaultText(StoreFault fault) {
    switch (fault) {
        case StoreFault::busy:
            return translate("Store", "Another program is holding the countdown store.");
        case StoreFault::damaged:
            return translate("Store", "The countdown store is damaged.");
        case StoreFault::full:
            return translate("Store", "The disk is full.");
        case StoreFault::readOnly:
            return translate("Store", "The countdown store cannot be written (read-only).");
        case StoreFault::denied:
            return translate("Store", "Permission to the countdown store was denied.");
        case StoreFault::notAFile:
            return translate("Store",
                             "A link or a folder stands where the countdown store belongs.");
        case StoreFault::unavailable:
            return translate("Store", "The countdown store cannot be reached.");
    }
    return {};
}

Suite::Suite(std::unique_ptr<sqlite3, Closer> db, fs::path file,
             std::optional<StoreFault> writeFault, bool hasTable)
    : db_(std::move(db)), file_(std::move(file)), writeFault_(writeFault), hasTable_(hasTable) {}

Result<Suite, StoreFault> Suite::open(const StorePaths& paths) {
    fs::path file = paths.suite;
    if (file.empty() || !file.is_absolute()) {
        return Failure{StoreFault::unavailable};
    }
    if (!makePrivateFolder(file.parent_path())) {
        // No folder can be made for the group at all: the fallback file
        // stands for the group's, and only then.
        if (paths.fallbackSuite.empty() || paths.fallbackSuite == file ||
            !makePrivateFolder(paths.fallbackSuite.parent_path())) {
            return Failure{StoreFault::unavailable};
        }
        file = paths.fallbackSuite;
    }
    auto opened = openWaiting(file);
    if (!opened && opened.error() == StoreFault::damaged && recoverDamagedSuite(file)) {
        opened = openWaiting(file);
    }
    if (!opened) {
        return Failure{opened.error()};
    }
    return Suite(std::unique_ptr<sqlite3, Closer>(opened->db), std::move(file), opened->writeFault,
                 opened->hasTable);
}

namespace {

// What tells the file at a path apart from the one a connection opened.
struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    uid_t owner = 0;
    mode_t mode = 0;
    bool writable = false;
    bool operator==(const FileIdentity&) const = default;
};

std::optional<FileIdentity> identityOf(const fs::path& file) {
    struct stat status {};
    if (::lstat(file.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) {
        return std::nullopt;
    }
    return FileIdentity{status.st_dev, status.st_ino, status.st_uid, status.st_mode,
                        ::access(file.c_str(), W_OK) == 0};
}

struct KeptSuite {
    std::optional<Suite> suite;
    StorePaths paths;
    FileIdentity identity;
    pid_t owner = 0;  // the process that opened it
    bool inUse = false;
};

KeptSuite& keptSuite() {
    thread_local KeptSuite kept;
    // A connection must not be used, nor closed, by a child forked after it
    // was opened: closing it there could undo the parent's locks. The child
    // lets it be and opens its own.
    if (kept.suite && kept.owner != ::getpid()) {
        new Suite(std::move(*kept.suite));  // NOLINT: deliberately never closed
        kept.suite.reset();
    }
    return kept;
}

}  // namespace

Result<SuiteLease, StoreFault> SuiteLease::take(const StorePaths& paths) {
    KeptSuite& kept = keptSuite();
    SuiteLease lease;
    if (!kept.inUse && kept.suite && kept.paths.suite == paths.suite &&
        kept.paths.fallbackSuite == paths.fallbackSuite &&
        identityOf(kept.suite->file()) == kept.identity) {
        kept.inUse = true;
        lease.holdsKept_ = true;
        lease.reused_ = true;
        return lease;
    }
    const auto before = identityOf(paths.suite);
    auto opened = Suite::open(paths);
    if (!opened) {
        return Failure{opened.error()};
    }
    const auto after = identityOf(opened->file());
    // Kept only when nothing changed the file while it was opened; the
    // fallback file only stands in until the group's folder can be made, so
    // it is opened afresh each time.
    if (kept.inUse || !after || opened->file() != paths.suite || before != after) {
        lease.own_ = std::move(*opened);
        return lease;
    }
    kept.suite = std::move(*opened);
    kept.owner = ::getpid();
    kept.paths = paths;
    kept.identity = *after;
    kept.inUse = true;
    lease.holdsKept_ = true;
    return lease;
}

SuiteLease::SuiteLease(SuiteLease&& other) noexcept
    : own_(std::move(other.own_)),
      holdsKept_(std::exchange(other.holdsKept_, false)),
      reused_(other.reused_),
      dropped_(other.dropped_) {}

SuiteLease::~SuiteLease() {
    if (!holdsKept_) {
        return;
    }
    KeptSuite& kept = keptSuite();
    kept.inUse = false;
    if (dropped_) {
        kept.suite.reset();
    }
}

const Suite& SuiteLease::suite() const {
    return own_ ? *own_ : *keptSuite().suite;
}

StoreFault Suite::faultOf(int rc) const {
    return faultOfCode(rc, sqlite3_system_errno(db_.get()), writeFault_);
}

Result<StoredValue, StoreFault> Suite::read(std::string_view key) const {
    if (!hasTable_) {
        return StoredValue{};
    }
    if (key.size() > kMaxValueBytes) {
        return Failure{StoreFault::unavailable};
    }
    auto statement = prepare(db_.get(), "SELECT value FROM preferences WHERE key = ?1");
    if (!statement) {
        return Failure{faultOf(statement.error())};
    }
    if (!bindText(statement->get(), 1, key)) {
        return Failure{StoreFault::unavailable};
    }
    const int rc = sqlite3_step(statement->get());
    if (rc == SQLITE_DONE) {
        return StoredValue{};
    }
    if ((rc & 0xff) == SQLITE_TOOBIG) {
        return StoredValue{ValueStatus::tooLarge, {}};
    }
    if (rc != SQLITE_ROW) {
        return Failure{faultOf(rc)};
    }
    const int size = sqlite3_column_bytes(statement->get(), 0);
    if (size < 0 || static_cast<std::size_t>(size) > kMaxValueBytes) {
        return StoredValue{ValueStatus::tooLarge, {}};
    }
    const void* data = sqlite3_column_blob(statement->get(), 0);
    if (data == nullptr || size == 0) {
        return StoredValue{ValueStatus::found, {}};
    }
    return StoredValue{ValueStatus::found,
                       std::string(static_cast<const char*>(data), static_cast<std::size_t>(size))};
}

StoreResult Suite::write(std::string_view key, std::string_view value, ValueType type) const {
    if (writeFault_) {
        return Failure{*writeFault_};
    }
    if (key.size() > kMaxValueBytes || value.size() > kMaxValueBytes) {
        return Failure{StoreFault::unavailable};
    }
    auto statement =
        prepare(db_.get(), "INSERT OR REPLACE INTO preferences(key, value) VALUES(?1, ?2)");
    if (!statement) {
        return Failure{faultOf(statement.error())};
    }
    const int size = static_cast<int>(value.size());
    // A zero-length blob bound from a null pointer would be stored as NULL,
    // which the table refuses; any non-null pointer will do for no bytes.
    const char* data = value.data() != nullptr ? value.data() : "";
    const int bound = type == ValueType::text
                          ? sqlite3_bind_text(statement->get(), 2, data, size, SQLITE_TRANSIENT)
                          : sqlite3_bind_blob(statement->get(), 2, data, size, SQLITE_TRANSIENT);
    if (!bindText(statement->get(), 1, key) || bound != SQLITE_OK) {
        return Failure{StoreFault::unavailable};
    }
    const int rc = sqlite3_step(statement->get());
    if (rc != SQLITE_DONE) {
        return Failure{faultOf(rc)};
    }
    return Saved{};
}

StoreResult Suite::remove(std::string_view key) const {
    if (writeFault_) {
        return Failure{*writeFault_};
    }
    if (!hasTable_) {
        return Saved{};
    }
    auto statement = prepare(db_.get(), "DELETE FROM preferences WHERE key = ?1");
    if (!statement) {
        return Failure{faultOf(statement.error())};
    }
    if (key.size() > kMaxValueBytes || !bindText(statement->get(), 1, key)) {
        return Failure{StoreFault::unavailable};
    }
    const int rc = sqlite3_step(statement->get());
    if (rc != SQLITE_DONE) {
        return Failure{faultOf(rc)};
    }
    return Saved{};
}

StoreResult Suite::begin() const {
    if (writeFault_) {
        return Failure{*writeFault_};
    }
    const int rc = execute(db_.get(), "BEGIN IMMEDIATE");
    if (rc != SQLITE_OK) {
        return Failure{faultOf(rc)};
    }
    return Saved{};
}

StoreResult Suite::commit() const {
    const int rc = execute(db_.get(), "COMMIT");
    if (rc != SQLITE_OK) {
        return Failure{faultOf(rc)};
    }
    return Saved{};
}

void Suite::rollback() const {
    if (sqlite3_get_autocommit(db_.get()) == 0) {
        execute(db_.get(), "ROLLBACK");
    }
}

std::uint64_t busyWaits() {
    return waitsForOthers.load(std::memory_order_relaxed);
}

bool recoverDamagedSuite(const fs::path& file) {
    const RecoveryLock lock(file);
    if (!lock.locked()) {
        return false;
    }
    bool damaged = false;
    std::vector<Row> rows = salvage(file, damaged);
    if (!damaged) {
        return true;  // another program set it right meanwhile
    }
    const fs::path kept = keptName(file);
    std::error_code ec;
    fs::rename(file, kept, ec);
    if (ec) {
        say("the store " + file.string() +
            " cannot be read, and cannot be kept aside: " + ec.message());
        return false;
    }
    // The log holds changes of the same database: it goes with it.
    if (fs::exists(fs::symlink_status(besideFile(file, "-wal"), ec))) {
        fs::rename(besideFile(file, "-wal"), besideFile(kept, "-wal"), ec);
    }
    fs::remove(besideFile(file, "-shm"), ec);

    auto fresh = tryOpen(file);
    if (!fresh) {
        say("the store " + file.string() + " could not be read and was kept as " +
            kept.filename().string() +
            "; a new one cannot be made: " + storeFaultText(fresh.error()));
        return false;
    }
    const Suite suite(std::unique_ptr<sqlite3, Suite::Closer>(fresh->db), file, fresh->writeFault,
                      fresh->hasTable);
    std::size_t saved = 0;
    if (suite.begin()) {
        for (const Row& row : rows) {
            if (row.key != kRecoveredKey && row.key != kRecoveredSeenKey &&
                suite.write(row.key, row.value, row.text ? ValueType::text : ValueType::blob)) {
                ++saved;
            }
        }
        suite.write(kRecoveredKey, kept.filename().string(), ValueType::text);
        suite.remove(kRecoveredSeenKey);
        if (!suite.commit()) {
            suite.rollback();
        }
    }
    say("the store " + file.string() + " could not be read; it is kept as " +
        kept.filename().string() + ", and " + std::to_string(saved) +
        (saved == 1 ? " record was" : " records were") + " saved from it");
    return true;
}

}  // namespace solvane
