// The store's faults as a user meets them: a damaged file, a link or a folder
// in its place, a folder that cannot be written, a full disk, a lock held by
// another program, and records written by a newer version. None of them may
// hide the user's list behind defaults or another file.
#include <gtest/gtest.h>
#include <sched.h>
#include <sqlite3.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <random>

#include "core/model/countdown_json.h"
#include "core/store/shared_store.h"
#include "core/test_helpers.h"
#include "support/temp_dir.h"

namespace solvane {
namespace {

namespace fs = std::filesystem;
using testing::labels;
using testing::named;
using testing::pathsUnder;
using testing::TempDir;

// Everything in the log moved into the file itself, as after a quiet while.
void foldLog(const fs::path& suite) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(suite.c_str(), &db), SQLITE_OK);
    sqlite3_exec(db, "PRAGMA wal_checkpoint(TRUNCATE)", nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

// Runs `body` in a child with `mount` applied in a mount namespace of its own
// (root only); false from the body fails the test. Skips where the sandbox
// allows no such namespace.
template <class Mount, class Body>
void inMountNamespace(const Mount& mount, const Body& body) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "mounting a read-only folder or a small disk needs root";
    }
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (::unshare(CLONE_NEWNS) != 0 ||
            ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 || !mount()) {
            ::_exit(77);
        }
        ::_exit(body() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 77) {
        GTEST_SKIP() << "this sandbox allows no mount namespace";
    }
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

class StoreFaults : public ::testing::Test {
  protected:
    TempDir dir;
    StorePaths paths = pathsUnder(dir.path());
    SharedStore store{paths, "en_US"};
    Calendar calendar = *Calendar::make("America/New_York", "en_US");
    Instant now = *calendar.date(2030, 3, 12, 10);
};

// A damaged file is kept beside itself, bytes untouched and dated; what can
// still be read goes into a fresh store; the user is told once.
TEST_F(StoreFaults, ADamagedFileIsKeptAsideAndWhatReadsIsSaved) {
    for (const bool half : {false, true}) {
        TempDir fresh;
        const SharedStore s(pathsUnder(fresh.path()), "en_US");
        // Enough records that half a file still holds some of them.
        for (int i = 0; i < 40; ++i) {
            ASSERT_TRUE(s.setRawValue("padding." + std::to_string(i), std::string(900, 'p')));
        }
        ASSERT_TRUE(s.saveCountdowns({named("Mine")}));
        foldLog(s.paths().suite);
        std::string damaged = testing::readFile(s.paths().suite);
        if (half) {
            damaged.resize(damaged.size() / 2);
        } else {
            std::mt19937 random(7);
            for (char& c : damaged) {
                c = static_cast<char>(random());
            }
        }
        std::ofstream(s.paths().suite, std::ios::binary | std::ios::trunc) << damaged;

        ::testing::internal::CaptureStderr();
        const auto list = s.readCountdowns(calendar, now);
        const std::string said = ::testing::internal::GetCapturedStderr();
        ASSERT_TRUE(list.ok()) << half;
        const StoreHealth health = s.health();
        ASSERT_TRUE(health.recoveredCopy.has_value()) << said;
        EXPECT_TRUE(health.recoveredCopy->starts_with("preferences.sqlite.damaged-"));
        EXPECT_EQ(testing::readFile(s.paths().suite.parent_path() / *health.recoveredCopy),
                  damaged);
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
        EXPECT_NE(said.find(*health.recoveredCopy), std::string::npos) << said;
        if (half) {
            EXPECT_TRUE(s.rawValue("padding.0").has_value()) << "nothing was saved: " << said;
        } else {
            EXPECT_EQ(labels(*list), labels(s.loadCountdowns(calendar, now)));
        }

        ::testing::internal::CaptureStderr();
        ASSERT_TRUE(s.saveCountdowns({named("After")}));
        ASSERT_TRUE(s.dismissRecoveredNotice());
        EXPECT_EQ(::testing::internal::GetCapturedStderr(), "") << "told twice";
        EXPECT_FALSE(s.health().recoveredCopy.has_value());
        EXPECT_EQ(labels(s.loadCountdowns(calendar, now)), std::vector<std::string>{"After"});
    }
}

// A link or a folder where the store belongs is said and never followed, and
// no other file stands in for it; the fallback file stands in only for a
// group folder that cannot be made at all.
TEST_F(StoreFaults, ALinkOrAFolderInTheStoresPlaceIsRefused) {
    const fs::path elsewhere = dir.path() / "elsewhere";
    std::ofstream(elsewhere) << "precious";
    fs::create_directories(paths.suite.parent_path());
    for (const bool link : {true, false}) {
        fs::remove_all(paths.suite);
        if (link) {
            fs::create_symlink(elsewhere, paths.suite);
        } else {
            fs::create_directory(paths.suite);
        }
        const auto list = store.readCountdowns(calendar, now);
        ASSERT_FALSE(list.ok());
        EXPECT_EQ(list.error(), StoreFault::notAFile);
        const auto saved = store.saveLocation({1, 2, "Here"});
        ASSERT_FALSE(saved.ok());
        EXPECT_EQ(saved.error(), StoreFault::notAFile);
        EXPECT_EQ(store.health().readFault, StoreFault::notAFile);
    }
    EXPECT_EQ(testing::readFile(elsewhere), "precious");
    EXPECT_FALSE(fs::exists(paths.fallbackSuite));

    TempDir other;
    const StorePaths blocked = pathsUnder(other.path());
    fs::create_directories(blocked.suite.parent_path().parent_path());
    std::ofstream(blocked.suite.parent_path()) << "a file where the group's folder belongs";
    ASSERT_TRUE(SharedStore(blocked, "en_US").saveCountdowns({named("Kept")}));
    EXPECT_TRUE(fs::exists(blocked.fallbackSuite));
}

// A program reads the file once and keeps its connection, but another may
// remove or replace the file in between: every record still goes to and
// comes from the file now at the path, never one that is gone.
TEST_F(StoreFaults, EachRecordFollowsTheFileNowAtThePath) {
    TempDir other;
    const SharedStore theirs(pathsUnder(other.path()), "en_US");
    ASSERT_TRUE(theirs.saveCountdowns({named("Theirs")}));
    foldLog(theirs.paths().suite);

    ASSERT_TRUE(store.saveCountdowns({named("Mine")}));
    EXPECT_EQ(labels(store.loadCountdowns(calendar, now)), std::vector<std::string>{"Mine"});
    foldLog(paths.suite);
    fs::rename(theirs.paths().suite, paths.suite);
    EXPECT_EQ(labels(store.loadCountdowns(calendar, now)), std::vector<std::string>{"Theirs"});

    for (const char* end : {"", "-wal", "-shm"}) {
        fs::remove(paths.suite.string() + end);
    }
    ASSERT_TRUE(store.saveCountdowns({named("Again")}));
    foldLog(paths.suite);
    EXPECT_NE(testing::readFile(paths.suite).find("Again"), std::string::npos)
        << "saved to a removed file";
}

// A folder that cannot be written still shows the user's list; each save
// says why it cannot be made.
TEST_F(StoreFaults, AReadOnlyFolderKeepsTheListInViewAndEverySaveSaysWhy) {
    ASSERT_TRUE(store.saveCountdowns({named("Mine")}));
    const std::string folder = paths.suite.parent_path();
    inMountNamespace(
        [&] {
            return ::mount(folder.c_str(), folder.c_str(), nullptr, MS_BIND, nullptr) == 0 &&
                   ::mount(nullptr, folder.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY,
                           nullptr) == 0;
        },
        [&] {
            const auto list = store.readCountdowns(calendar, now);
            const auto saved = store.saveCountdowns({named("Lost")});
            return list.ok() && labels(*list) == std::vector<std::string>{"Mine"} && !saved.ok() &&
                   saved.error() == StoreFault::readOnly &&
                   store.health().writeFault == StoreFault::readOnly;
        });
}

// A full disk fails the save that does not fit, says so, and keeps what was
// saved before; nothing goes to another file.
TEST_F(StoreFaults, AFullDiskFailsTheSaveAndKeepsTheList) {
    const std::string folder = paths.suite.parent_path();
    fs::create_directories(folder);
    inMountNamespace(
        [&] { return ::mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=64k,mode=0700") == 0; },
        [&] {
            std::vector<Countdown> many;
            for (int i = 0; i < 2000; ++i) {
                many.push_back(named("A countdown with a long label " + std::to_string(i)));
            }
            const bool first = store.saveCountdowns({named("Mine")}).ok();
            const auto saved = store.saveCountdowns(many);
            const auto list = store.readCountdowns(calendar, now);
            return first && !saved.ok() && saved.error() == StoreFault::full && list.ok() &&
                   labels(*list) == std::vector<std::string>{"Mine"} &&
                   !fs::exists(paths.fallbackSuite);
        });
}

// Another program holding the store is waited for a while, then said: never
// an empty list or the defaults in place of the user's.
TEST_F(StoreFaults, ALockHeldByAnotherProgramIsBusyNotEmpty) {
    ASSERT_TRUE(store.saveCountdowns({named("Mine")}));
    sqlite3* holder = nullptr;
    ASSERT_EQ(sqlite3_open(paths.suite.c_str(), &holder), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(holder,
                           "PRAGMA locking_mode=EXCLUSIVE; BEGIN EXCLUSIVE;"
                           "INSERT OR REPLACE INTO preferences VALUES('x', 'y')",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    const auto held = store.readCountdowns(calendar, now);
    ASSERT_FALSE(held.ok());
    EXPECT_EQ(held.error(), StoreFault::busy);
    EXPECT_EQ(store.health().readFault, StoreFault::busy);
    EXPECT_FALSE(store.saveCountdowns({named("Lost")}).ok());
    sqlite3_exec(holder, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(holder);
    EXPECT_EQ(labels(store.loadCountdowns(calendar, now)), std::vector<std::string>{"Mine"});
}

// A record this version cannot read (a rule or a value of a newer version)
// is left out of the list shown and written back, byte for byte, in its
// place by every save.
TEST_F(StoreFaults, RecordsOfANewerVersionAreKeptInPlace) {
    const Countdown a = named("A"), b = named("B"), c = named("C");
    const std::string lunar = R"({"label":"Lunar", "start":{"lunar":{"day":1}}})";
    const std::string months = R"({"label":"M","start":{"season":{"_0":1}},"unit":"months"})";
    ASSERT_TRUE(store.setRawValue("countdowns.v1", "[" + encodeCountdown(a) + ",\n  " + lunar +
                                                       "," + encodeCountdown(b) + "," + months +
                                                       "]"));
    EXPECT_EQ(store.loadCountdowns(calendar, now), (std::vector<Countdown>{a, b}));
    EXPECT_EQ(store.health().countdowns, (UnreadableCountdowns{false, false, 2}));

    ASSERT_TRUE(store
                    .updateCountdowns(
                        [&](std::vector<Countdown> list) -> std::optional<std::vector<Countdown>> {
                            list.push_back(c);
                            return list;
                        },
                        calendar, now)
                    .valueOr(false));
    EXPECT_EQ(store.rawValue("countdowns.v1"), "[" + encodeCountdown(a) + "," + lunar + "," +
                                                   encodeCountdown(b) + "," + months + "," +
                                                   encodeCountdown(c) + "]");
    // A shorter list keeps them too, after what is left.
    ASSERT_TRUE(store.saveCountdowns({b}));
    EXPECT_EQ(store.rawValue("countdowns.v1"),
              "[" + encodeCountdown(b) + "," + lunar + "," + months + "]");
}

}  // namespace
}  // namespace solvane
