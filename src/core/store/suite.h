// The SQLite file behind the shared store, one connection at a time: opened
// with its faults told apart, recovered when it is damaged, read and written
// one whole record at a time. Internal to the store.
//
// Opening takes the group's file and nothing else, except when no folder for
// the group can be made at all: then the fallback file stands for it. A link
// or folder in the file's place is refused. A file that cannot be written (a
// read-only folder, a write-protected file) is opened for reading, so the
// user's records stay in view, and every write says why it cannot be done.
//
// A file that cannot be read as a database is kept beside itself, bytes
// untouched, under a dated name ("preferences.sqlite.damaged-20261207T160248Z");
// every record that can still be read goes into a fresh file, which notes the
// kept copy under "store.recovered" for the window to tell; one line says so
// on stderr. Two programs finding the damage at once recover it once.
#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "core/store/shared_store.h"
#include "core/store/store_fault.h"

namespace solvane {

// The records of the store.
inline constexpr const char* kCountdownsKey = "countdowns.v1";
inline constexpr const char* kLocationKey = "location.v1";
inline constexpr const char* kSettingsKey = "settings.v1";
inline constexpr const char* kWeatherKey = "weather.v2";
inline constexpr const char* kAppleErrorKey = "weather.appleError";
inline constexpr const char* kForecastKey = "forecast.v1";
// By service: the moment before which it asked not to be asked (Retry-After).
inline constexpr const char* kNotBeforeKey = "weather.notBefore.v1";
// A list that could not be read, moved here by the write that replaced it,
// and the mark that the user has seen the notice about it.
inline constexpr const char* kUnreadableCountdownsKey = "countdowns.v1.unreadable";
inline constexpr const char* kUnreadableSeenKey = "countdowns.v1.unreadable.seen";
// The file a damaged store was kept as, and the mark that the user has seen
// the notice about it.
inline constexpr const char* kRecoveredKey = "store.recovered";
inline constexpr const char* kRecoveredSeenKey = "store.recovered.seen";

enum class ValueStatus {
    found,
    missing,
    tooLarge,  // there, but larger than any record is read
};

struct StoredValue {
    ValueStatus status = ValueStatus::missing;
    std::string bytes;
};

enum class ValueType { blob, text };

// How often a connection of this process has found the file locked by
// another writer and waited: what a held-off writer leaves to be seen.
std::uint64_t busyWaits();

// Keeps the file at `file` aside and moves what can be read of it into a
// fresh one (see above); false when the damage could not be set right.
bool recoverDamagedSuite(const std::filesystem::path& file);

class Suite {
  public:
    // The group's file (see above); a damaged one is recovered first.
    static Result<Suite, StoreFault> open(const StorePaths& paths);

    Result<StoredValue, StoreFault> read(std::string_view key) const;
    StoreResult write(std::string_view key, std::string_view value,
                      ValueType type = ValueType::blob) const;
    StoreResult remove(std::string_view key) const;

    // A write transaction: taken before reading, so that no other writer's
    // change falls between what is read and what is written. Rolled back
    // unless committed.
    StoreResult begin() const;
    StoreResult commit() const;
    void rollback() const;

    // Why writes cannot be done through this connection, known at opening.
    std::optional<StoreFault> writeFault() const { return writeFault_; }

    sqlite3* handle() const { return db_.get(); }
    const std::filesystem::path& file() const { return file_; }

    // The fault an SQLite result code stands for on this connection.
    StoreFault faultOf(int rc) const;

  private:
    friend bool recoverDamagedSuite(const std::filesystem::path& file);

    struct Closer {
        void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
    };
    Suite(std::unique_ptr<sqlite3, Closer> db, std::filesystem::path file,
          std::optional<StoreFault> writeFault, bool hasTable);

    std::unique_ptr<sqlite3, Closer> db_;
    std::filesystem::path file_;
    std::optional<StoreFault> writeFault_;
    bool hasTable_ = true;  // a new file that cannot be written has none
};

// The connection one operation runs on. A thread keeps the connection its
// operations open and reuses it while the file at the store's path is still
// the one it opened, as it was (not replaced, recovered, removed, given
// another owner or mode, or made writable or not since): a program opens the
// file once, not once per record. An operation run inside another (a read in
// the middle of an edit) gets a connection of its own, as does every
// operation on a file that cannot be told apart.
class SuiteLease {
  public:
    static Result<SuiteLease, StoreFault> take(const StorePaths& paths);
    SuiteLease(SuiteLease&& other) noexcept;
    SuiteLease& operator=(SuiteLease&&) = delete;
    ~SuiteLease();

    const Suite& suite() const;
    // Whether the connection was kept from an earlier operation.
    bool reused() const { return reused_; }
    // Not kept for the next operation: a connection that met a fault is not
    // trusted again.
    void drop() { dropped_ = true; }

  private:
    SuiteLease() = default;
    std::optional<Suite> own_;  // used once, never kept
    bool holdsKept_ = false;
    bool reused_ = false;
    bool dropped_ = false;
};

// Runs `op` on the store's connection; when it fails on a kept connection
// for a reason a fresh one may not share, runs it once more on a fresh one;
// when it finds the file damaged, recovers the file and runs it once more.
template <class T, class Op>
Result<T, StoreFault> withSuite(const StorePaths& paths, const Op& op) {
    bool reopened = false;
    for (int attempt = 0;; ++attempt) {
        std::filesystem::path file;
        {
            auto lease = SuiteLease::take(paths);
            if (!lease) {
                return Failure{lease.error()};
            }
            Result<T, StoreFault> result = op(lease->suite());
            if (result) {
                return result;
            }
            lease->drop();
            // Waiting again on a busy or full store would only double the wait.
            const StoreFault fault = result.error();
            if (lease->reused() && !reopened && fault != StoreFault::busy &&
                fault != StoreFault::full) {
                reopened = true;
                --attempt;
                continue;
            }
            if (fault != StoreFault::damaged || attempt > 0) {
                return result;
            }
            file = lease->suite().file();
        }
        if (!recoverDamagedSuite(file)) {
            return Failure{StoreFault::damaged};
        }
    }
}

}  // namespace solvane
