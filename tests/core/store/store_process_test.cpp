// The store as the programs use it: a writer that dies at any moment. Writers
// and readers in separate processes at once are store_load_test.cpp's.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
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

using solvane::testing::pathsUnder;

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

// The round a key holds: -1 when missing, -2 when present but undecodable or
// not all of one round. Raw bytes and the decoders, so the cases are told
// apart.
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

// SQLite rolls back whatever a dead process left unfinished when the suite is
// next opened; this holds the store (its opening, transactions and busy
// handling) to that. A writer saves round after round of large records under
// every key and reports each finished round down a pipe until it is killed at
// a random moment; every key must then hold, whole, the round reported last or
// the one after it.
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
    // Kills spread over the first few rounds, however fast this machine
    // writes them.
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
            // Before the first report this round, the key may still hold
            // what the previous round left, or be missing if nothing was
            // ever written.
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
