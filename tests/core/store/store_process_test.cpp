// The store as the two programs use it: separate processes writing and reading
// one suite at once, with no lock between them but SQLite's.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/model/countdown_json.h"
#include "core/store/shared_store.h"
#include "core/weather/weather_json.h"
#include "support/temp_dir.h"

namespace solvane {
namespace {

constexpr int kRounds = 1000;
enum Exit : int { kOk = 0, kSaveFailed = 10, kReadBackWrong = 11 };

StorePaths pathsUnder(const std::filesystem::path& root) {
    return {root / "config/org.solvane.shared/preferences.sqlite",
            root / "config/solvane/preferences.sqlite", root / "data/org.solvane.shared"};
}

Countdown labelled(const std::string& label) {
    Countdown c;
    c.id = Uuid::random();
    c.label = label;
    c.start = DateRule::season(3);
    return c;
}

int numberIn(const std::string& text, std::size_t from) {
    return from < text.size() ? static_cast<int>(std::strtol(text.c_str() + from, nullptr, 10))
                              : -2;
}

// The round a key holds: -1 when missing, -2 when present but undecodable.
// Raw bytes and the decoders, so the two cases are told apart.
int roundOf(const SharedStore& store, const std::string& key) {
    const auto raw = store.rawValue(key);
    if (!raw) {
        return -1;
    }
    if (key == "countdowns.v1") {
        const auto list = decodeCountdowns(*raw);
        return list && list->size() == 1 ? numberIn(list->front().label, 6) : -2;
    }
    if (key == "settings.v1") {
        const auto settings = decodeAppSettings(*raw, AppSettings::defaults("en_US"));
        return settings && settings->feedCalendarIDs.size() == 1
                   ? numberIn(settings->feedCalendarIDs[0], 0)
                   : -2;
    }
    const auto weather = decodeWeatherSnapshot(*raw);
    return weather ? static_cast<int>(weather->temperatureC) : -2;
}

// Forks a child that waits for `gate` to close, runs `body` and leaves with
// _exit, so nothing of the parent's (the temporary folder, the test
// framework) is torn down twice.
template <class Body>
pid_t spawn(const int gate[2], Body body) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(gate[1]);
        char byte;
        while (::read(gate[0], &byte, 1) < 0) {
        }
        ::_exit(body());
    }
    return pid;
}

int exitCode(int status) {
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

TEST(StoreProcesses, WritersAndAReaderNeverSeeAHoleOrGoBack) {
    testing::TempDir dir;
    const StorePaths paths = pathsUnder(dir.path());
    int gate[2];
    ASSERT_EQ(::pipe(gate), 0);
    const pid_t lists = spawn(gate, [&] {
        const SharedStore store(paths, "en_US");
        for (int n = 1; n <= kRounds; ++n) {
            const std::string text = std::to_string(n);
            if (!store.saveCountdowns({labelled("round " + text)}) ||
                !store.saveSettings({WeatherSource::apple, TempUnit::celsius, {text}})) {
                return kSaveFailed;
            }
            // Nobody else writes these keys, so this must be our own write.
            if (roundOf(store, "countdowns.v1") != n || roundOf(store, "settings.v1") != n) {
                return kReadBackWrong;
            }
        }
        return kOk;
    });
    const pid_t weather = spawn(gate, [&] {
        const SharedStore store(paths, "en_US");
        for (int n = 1; n <= kRounds; ++n) {
            WeatherSnapshot s;
            s.fetched = Instant{760000000.0 + n};
            s.temperatureC = n;
            if (!store.saveWeather(s)) {
                return kSaveFailed;
            }
            if (roundOf(store, "weather.v2") != n) {
                return kReadBackWrong;
            }
        }
        return kOk;
    });
    ::close(gate[0]);
    ::close(gate[1]);
    ASSERT_GT(lists, 0);
    ASSERT_GT(weather, 0);

    // Once written, a key must always be there and decode; with one writer
    // counting up per key, its round may never go back.
    const SharedStore store(paths, "en_US");
    const std::vector<std::string> keys = {"countdowns.v1", "settings.v1", "weather.v2"};
    std::map<std::string, int> last, faults;
    std::map<pid_t, int> exits;
    int passes = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(2);
    for (; exits.size() < 2; ++passes) {
        for (const auto& key : keys) {
            const int round = roundOf(store, key);
            if (round == -2 || (last.count(key) != 0 && round < last[key])) {
                ++faults[key];
            }
            if (round >= 0) {
                last[key] = round;
            }
        }
        for (const pid_t pid : {lists, weather}) {
            int status = 0;
            if (exits.count(pid) == 0 && ::waitpid(pid, &status, WNOHANG) == pid) {
                exits[pid] = exitCode(status);
            } else if (exits.count(pid) == 0 && std::chrono::steady_clock::now() > deadline) {
                ::kill(pid, SIGKILL);
            }
        }
    }
    EXPECT_EQ(exits[lists], kOk);
    EXPECT_EQ(exits[weather], kOk);
    for (const auto& key : keys) {
        EXPECT_EQ(faults[key], 0) << key;
        EXPECT_EQ(roundOf(store, key), kRounds) << key;
    }
    EXPECT_GT(passes, 10) << "the reader hardly overlapped the writers";
}

}  // namespace
}  // namespace solvane
