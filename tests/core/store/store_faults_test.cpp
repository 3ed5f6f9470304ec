// The store's faults as a user meets them: a damaged file, a link or a folder
// in its place, a folder that cannot be written, a full disk, a lock held by
// another program, records of a newer version, and a writer killed at any
// moment. None may hide the user's list behind defaults or another file.
#include <gtest/gtest.h>
#include <sched.h>
#include <sqlite3.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "core/model/countdown_json.h"
#include "core/store/shared_store.h"
#include "core/test_helpers.h"
#include "core/weather/weather_json.h"
#include "support/child_process.h"
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

long numberIn(const std::string& text, std::size_t from) {
    return from < text.size() ? std::strtol(text.c_str() + from, nullptr, 10) : -2;
}

// The records of round `n`: `width` countdowns and calendar identifiers all
// naming the round, and weather whose text names it too, `padding` long.
std::vector<Countdown> listOf(long n, int width) {
    return std::vector<Countdown>(static_cast<std::size_t>(width),
                                  solvane::testing::named("round " + std::to_string(n)));
}
AppSettings settingsOf(long n, int width) {
    return {WeatherSource::apple, TempUnit::celsius,
            std::vector<std::string>(static_cast<std::size_t>(width), std::to_string(n))};
}
WeatherSnapshot weatherOf(long n, std::size_t padding) {
    WeatherSnapshot s;
    s.fetched = Instant{760000000.0 + static_cast<double>(n)};
    s.temperatureC = static_cast<double>(n);
    s.condition = "round " + std::to_string(n) + ' ' + std::string(padding, '~');
    return s;
}

// The round a key holds: -1 when missing, -2 when undecodable or mixed.
long roundOf(const SharedStore& store, const std::string& key) {
    const auto raw = store.rawValue(key);
    if (!raw) {
        return -1;
    }
    if (key == "countdowns.v1") {
        const auto list = decodeCountdowns(*raw);
        const bool whole = list && !list->empty() &&
                           std::all_of(list->begin(), list->end(), [&](const Countdown& c) {
                               return c.label == list->front().label;
                           });
        return whole ? numberIn(list->front().label, 6) : -2;
    }
    if (key == "settings.v1") {
        const auto settings = decodeAppSettings(*raw, AppSettings::defaults("en_US"));
        const auto* ids = settings ? &settings->feedCalendarIDs : nullptr;
        const bool whole = ids && !ids->empty() &&
                           std::all_of(ids->begin(), ids->end(),
                                       [&](const std::string& id) { return id == ids->front(); });
        return whole ? numberIn(ids->front(), 0) : -2;
    }
    const auto weather = decodeWeatherSnapshot(*raw);
    return weather && numberIn(weather->condition, 6) == static_cast<long>(weather->temperatureC)
               ? static_cast<long>(weather->temperatureC)
               : -2;
}

const std::vector<std::string> kKeys = {"countdowns.v1", "settings.v1", "weather.v2"};

// SQLite rolls back what a dead process left unfinished; this holds the store
// (opening, transactions, busy handling) to that. A writer saves large records
// under every key round after round, reporting each down a pipe, until killed
// at a random moment: every key must hold, whole, the last round reported or
// the next.
TEST(StoreProcesses, AWriterKilledAtAnyMomentLeavesEveryKeyWhole) {
    constexpr int kKills = 100;
    constexpr int kWidth = 200;  // countdowns and identifiers per record, some 50 kB
    const Calendar utc = *Calendar::make("UTC", "en_US");
    const auto writeRound = [&](const SharedStore& store, long n) {
        return (n % 2 == 0
                    ? store.saveCountdowns(listOf(n, kWidth)).ok()
                    : store
                          .updateCountdowns([&](auto) { return listOf(n, kWidth); }, utc, Instant{})
                          .valueOr(false)) &&
               store.saveSettings(settingsOf(n, kWidth)) && store.saveWeather(weatherOf(n, 20000));
    };
    // Kills spread over the first few rounds, however fast this machine writes them.
    testing::TempDir trial;
    const auto started = std::chrono::steady_clock::now();
    const SharedStore trialStore(pathsUnder(trial.path()), "en_US");
    ASSERT_TRUE(writeRound(trialStore, 1) && writeRound(trialStore, 2));
    const auto longestLife = std::chrono::duration_cast<std::chrono::microseconds>(
        3 * (std::chrono::steady_clock::now() - started));

    testing::TempDir dir;
    const SharedStore store(pathsUnder(dir.path()), "en_US");
    const unsigned seed = std::random_device{}();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    std::map<std::string, long> held;  // by key, the round seen after the previous kill
    int killedWhileWriting = 0, roundsReported = 0;

    for (int kill = 0; kill < kKills; ++kill) {
        int reports[2];
        ASSERT_EQ(::pipe(reports), 0);
        const long first = (kill + 1) * 1000000L + 1;
        const pid_t writer = ::fork();
        ASSERT_GE(writer, 0);
        if (writer == 0) {
            ::close(reports[0]);
            for (long n = first;; ++n) {
                if (!writeRound(store, n) || ::write(reports[1], &n, sizeof n) != sizeof n) {
                    ::_exit(1);
                }
            }
        }
        ::close(reports[1]);
        std::this_thread::sleep_for(
            std::uniform_int_distribution<long>(0, longestLife.count())(random) *
            std::chrono::microseconds(1));
        ::kill(writer, SIGKILL);
        const testing::Finished finished = testing::waitFor(writer, std::chrono::seconds(10));
        ASSERT_EQ(finished.code, 128 + SIGKILL) << "the writer stopped by itself at " << kill;

        long reported = 0;
        for (long n; ::read(reports[0], &n, sizeof n) == sizeof n;) {
            reported = n;
        }
        ::close(reports[0]);
        roundsReported += reported != 0 ? static_cast<int>(reported - first + 1) : 0;
        for (const auto& key : kKeys) {
            const long round = roundOf(store, key);
            // Before this round's first report: what the last one left, if any.
            const long settled = reported != 0 ? reported : held.count(key) ? held[key] : -1;
            const long writing = reported != 0 ? reported + 1 : first;
            EXPECT_TRUE(round == settled || round == writing)
                << key << " holds round " << round << " after kill " << kill << "; expected "
                << settled << " or " << writing;
            held[key] = round;
            killedWhileWriting += round == writing ? 1 : 0;
        }
    }
    // The kills must have landed both between and in the middle of writes,
    // or the test proved little.
    EXPECT_GT(roundsReported, 0);
    EXPECT_GT(killedWhileWriting, 0);
    std::printf("%d kills, %d rounds written, %d keys caught mid-round\n", kKills, roundsReported,
                killedWhileWriting);
}

}  // namespace
}  // namespace solvane
