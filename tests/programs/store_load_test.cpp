// The store as it is used on a desktop: the window saving the user's edits,
// the widget host building timelines (a feed sync and a weather fetch each),
// and readers decoding every key, all at once in separate processes; and a
// fresh account's two programs starting at the same moment.
#include <QCoreApplication>

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "app/app_fakes.h"
#include "app/app_state.h"
#include "core/model/countdown_json.h"
#include "core/model/presets.h"
#include "core/store/board_data.h"
#include "core/test_helpers.h"
#include "core/weather/weather_json.h"
#include "programs/program_environment.h"
#include "support/child_process.h"
#include "support/temp_dir.h"
#include "widgets/providers.h"

namespace solvane {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using app::fakes::kFeed;
using app::fakes::kNow;
using app::fakes::newYork;
using Counts = std::map<std::string, long>;

constexpr int kAppEdits = 1600;
constexpr int kHostRounds = 400;
constexpr int kReaders = 2;
constexpr long kOperations = 10000;
// The readers make up whatever the writers' operations leave of the total.
constexpr long kReads = (kOperations - kAppEdits - 2 * kHostRounds + kReaders - 1) / kReaders;
constexpr const char* kNote = "HttpError.cannotConnect";

// The feed calendar as the host sees it in round `round`: four events at a
// time, the earliest leaving and a new one arriving every five rounds, so most
// syncs change the list and no event ever comes back.
std::vector<CalendarEvent> eventsOf(int round) {
    std::vector<CalendarEvent> out;
    for (int k = round / 5; k < round / 5 + 4; ++k) {
        const Instant start = kNow + 40 * 86400.0 + k * 3600.0;
        out.push_back({"event " + std::to_string(k), "Event " + std::to_string(k), start,
                       start + 3600, false, kFeed});
    }
    return out;
}

bool isUsers(const Countdown& c) {
    return !c.feedCalendarID;
}

int appWriter(const StorePaths& paths, const fs::path& report) {
    int argc = 1;
    char name[] = "app";
    char* argv[] = {name, nullptr};
    QCoreApplication qt(argc, argv);
    // The window only reads weather here: every fetch of its own fails.
    const WeatherCall offline =
        [](double, double, const net::CancelToken&) -> Result<WeatherSnapshot, WeatherError> {
        return Failure(WeatherError::service("x"));
    };
    Counts counts = {{"operations", kAppEdits}};
    {
        app::AppState state(app::fakes::servicesOn(SharedStore(paths, "en_US"),
                                                   {offline, offline, [] { return kNow; }}));
        std::mt19937 random(7);
        int added = 0;
        for (int i = 0; i < kAppEdits; ++i) {
            std::vector<Countdown> users;
            std::copy_if(state.countdowns().begin(), state.countdowns().end(),
                         std::back_inserter(users), isUsers);
            const int step = i % 10;
            if (step < 3 || users.empty()) {
                Countdown c = state.newCountdownDraft();
                c.label = "user " + std::to_string(added++);
                state.saveCountdown(c, true);
            } else if (step < 5) {
                state.deleteCountdown(users[random() % users.size()]);
                ++counts["deleted"];
            } else if (step < 7) {
                Countdown c = users[random() % users.size()];
                c.symbol = "star " + std::to_string(i);
                state.saveCountdown(c, false);
            } else if (step < 9) {
                const std::size_t size = state.countdowns().size();
                state.moveCountdowns({random() % size}, random() % (size + 1));
            } else {
                state.setUnit(i % 20 == 9 ? TempUnit::celsius : TempUnit::fahrenheit);
            }
            QCoreApplication::processEvents();
        }
        // What the window shows last is what must be stored in the end.
        std::ofstream labels(report.string() + ".labels");
        for (const auto& c : state.countdowns()) {
            if (isUsers(c)) {
                labels << c.label << '\n';
            }
        }
        counts["added"] = added;
        counts["celsius"] = state.settings().unit == TempUnit::celsius;
    }
    testing::writeCounts(report, counts);
    return 0;
}

int hostWriter(const StorePaths& paths, const fs::path& report) {
    auto calendar = std::make_shared<app::fakes::FakeEventStore>();
    std::atomic<int> round = 0;
    // A new reading every round, each 2000 s after the last, so the cache is
    // never fresh and every timeline writes the weather.
    const auto clock = [&] { return kNow + round * 2000.0; };
    const WeatherCall reading =
        [&](double latitude, double longitude,
            const net::CancelToken&) -> Result<WeatherSnapshot, WeatherError> {
        WeatherSnapshot s;
        s.fetched = clock();
        s.latitude = latitude;
        s.longitude = longitude;
        s.temperatureC = round;
        return s;
    };
    const widgets::WidgetEnvironment environment{SharedStore(paths, "en_US"),
                                                 clock,
                                                 [] { return newYork(); },
                                                 WeatherServices{reading, reading, clock},
                                                 calendar,
                                                 {}};
    Counts counts;
    for (; round < kHostRounds; ++round) {
        calendar->stored = eventsOf(round);
        const auto timeline = widgets::makeTimeline(environment, std::nullopt, WidgetStyle::glass);
        counts["short timelines"] += timeline.entries.size() != widgets::kTimelineEntries;
    }
    // Each timeline is a feed sync and a weather write.
    counts["operations"] = 2L * kHostRounds;
    testing::writeCounts(report, counts);
    return 0;
}

// Decodes every key until `stop` reaches its end, and at least kReads times.
// Once stored, a key must never be missing or undecodable, and each event's
// feed countdown must keep the one identifier it was given: another one means
// a writer threw the host's sync away and the next sync made it again.
int reader(const StorePaths& paths, int stop, const fs::path& report) {
    const SharedStore store(paths, "en_US");
    std::map<std::string, Uuid> followers;
    Counts counts = {{"missing", 0}, {"undecodable", 0}, {"new identity", 0}};
    const std::map<std::string, std::function<bool(const std::string&)>> decoders = {
        {"countdowns.v1",
         [&](const std::string& raw) {
             const auto list = decodeCountdowns(raw);
             for (const auto& c : list ? *list : std::vector<Countdown>{}) {
                 if (c.feedCalendarID && c.eventID) {
                     const auto [known, added] = followers.emplace(*c.eventID, c.id);
                     counts["new identity"] += !added && known->second != c.id;
                 }
             }
             return list.ok();
         }},
        {"location.v1", [](const std::string& raw) { return decodeSavedLocation(raw).ok(); }},
        {"settings.v1",
         [](const std::string& raw) {
             return decodeAppSettings(raw, AppSettings::defaults("en_US")).ok();
         }},
        {"weather.v2", [](const std::string& raw) { return decodeWeatherSnapshot(raw).ok(); }},
        {"weather.appleError", [](const std::string& raw) { return raw == kNote; }},
    };
    char byte;
    while (::read(stop, &byte, 1) < 0 || counts["operations"] < kReads) {
        for (const auto& [key, decodes] : decoders) {
            ++counts["operations"];
            const auto raw = store.rawValue(key);
            counts[raw ? "undecodable" : "missing"] += !raw || !decodes(*raw);
        }
        // A breath between passes leaves the writers the cores; the passes
        // still overlap every write many times over.
        ::usleep(1000);
    }
    testing::writeCounts(report, counts);
    return 0;
}

TEST(StoreUnderLoad, EditsSyncsAndWeatherFromSeparateProcessesAllSurvive) {
    testing::TempDir dir;
    const StorePaths paths = testing::pathsUnder(dir.path());
    const SharedStore store(paths, "en_US");
    // Every key exists from the start, so a read that finds one missing is a
    // fault and not a reader that came early.
    ASSERT_TRUE(store.saveCountdowns({}) &&
                store.saveSettings({WeatherSource::openMeteo, TempUnit::fahrenheit, {kFeed.id}}) &&
                store.saveLocation(defaultLocation()) && store.saveWeather(WeatherSnapshot{}) &&
                store.saveAppleError(kNote));

    int stop[2];
    ASSERT_EQ(::pipe2(stop, O_NONBLOCK), 0);
    const fs::path report = dir.path() / "report";
    testing::StartGate gate;
    std::map<std::string, pid_t> children = {
        {"app", testing::spawn(gate, [&] { return appWriter(paths, report.string() + ".app"); })},
        {"host",
         testing::spawn(gate, [&] { return hostWriter(paths, report.string() + ".host"); })}};
    for (int i = 0; i < kReaders; ++i) {
        const std::string name = "reader" + std::to_string(i);
        children[name] = testing::spawn(gate, [&] {
            ::close(stop[1]);
            return reader(paths, stop[0], report.string() + "." + name);
        });
    }
    gate.release();
    std::map<std::string, testing::Finished> finished;
    for (const char* writer : {"app", "host"}) {
        finished[writer] = testing::waitFor(children[writer], 3min);
    }
    ::close(stop[1]);
    for (const auto& [name, pid] : children) {
        if (!finished.count(name)) {
            finished[name] = testing::waitFor(pid, 30s);
        }
    }
    ::close(stop[0]);

    long operations = 0;
    for (const auto& [name, outcome] : finished) {
        ASSERT_EQ(outcome.code, 0) << name << (outcome.timedOut ? " hung" : " failed");
        const Counts counts = testing::readCounts(report.string() + "." + name);
        for (const char* fault : {"missing", "undecodable", "new identity", "short timelines"}) {
            EXPECT_EQ(counts.count(fault) ? counts.at(fault) : 0, 0) << name << ": " << fault;
        }
        operations += counts.at("operations");
        std::printf("%s: %ld operations\n", name.c_str(), counts.at("operations"));
    }
    EXPECT_GE(operations, kOperations);

    // Every countdown the user added and did not delete is there, once, in
    // the order the window last showed; deleted ones stayed deleted.
    std::vector<std::string> expected, stored;
    std::ifstream labels(report.string() + ".app.labels");
    for (std::string line; std::getline(labels, line);) {
        expected.push_back(line);
    }
    const auto app = testing::readCounts(report.string() + ".app");
    ASSERT_EQ(static_cast<long>(expected.size()), app.at("added") - app.at("deleted"));
    for (const auto& c : store.loadCountdowns(newYork(), kNow)) {
        if (isUsers(c)) {
            stored.push_back(c.label);
        }
    }
    EXPECT_EQ(stored, expected);
    EXPECT_EQ(store.loadSettings().feedCalendarIDs, std::vector<std::string>{kFeed.id});
    EXPECT_EQ(store.loadSettings().unit == TempUnit::celsius, app.at("celsius") == 1);
    EXPECT_EQ(store.loadWeather().value_or(WeatherSnapshot{}).temperatureC, kHostRounds - 1);
    EXPECT_EQ(store.loadAppleError(), kNote);
}

// A fresh account: the app and the widget host started at the same moment on
// an empty store, over and over. The starters must be stored once and keep
// their identifiers, or a widget configured with some of them loses them.
struct Account {
    testing::TempDir dir;
    fs::path root = dir.path();

    SharedStore store() const { return SharedStore(testing::pathsUnder(root), "en_US"); }

    // One Countdowns widget showing the countdowns `chosen`, or all.
    void placeWidget(const std::vector<std::string>& chosen) const {
        fs::create_directories(root / "config" / "solvane");
        std::string ids;
        for (const auto& id : chosen) {
            ids += (ids.empty() ? "\"" : ", \"") + id + "\"";
        }
        std::ofstream(root / "config" / "solvane" / "widgets.json")
            << R"({"accentedColours": false, "version": 1, "widgets": [
                   {"configuration": {"choices": {}, "entityLists": {"countdowns": [)"
            << ids
            << R"(]}}, "id": "w", "kind": "Countdowns", "size": "medium", "x": 40, "y": 40}]})";
    }
};

// Both programs at once; the host runs until it has stored its first
// timeline's countdowns (made at start, before the signal is read), the app
// until its first paint.
void startBoth(const Account& account) {
    testing::StartGate gate;
    const auto env = testing::programEnvironment(account.root, SOLVANE_INFO_FILE);
    const fs::path& root = account.root;
    const pid_t app = testing::startProgram({SOLVANE_APP_FILE, "--quit-after-first-paint"}, env,
                                            root, root / "app.out", root / "app.log", &gate);
    const pid_t host = testing::startProgram({SOLVANE_HOST_FILE, "--headless-service"}, env, root,
                                             root / "host.out", root / "host.log", &gate);
    gate.release();
    const auto appDone = testing::waitFor(app, 30s);
    EXPECT_EQ(appDone.code, 0) << (appDone.timedOut ? "the app hung" : "the app failed");
    const auto giveUp = std::chrono::steady_clock::now() + 20s;
    const auto done = [&] {
        return account.store().rawValue("countdowns.v1") &&
               testing::readFile(root / "host.log").find("timeline ") != std::string::npos;
    };
    while (!done() && std::chrono::steady_clock::now() < giveUp) {
        std::this_thread::sleep_for(20ms);
    }
    ::kill(host, SIGTERM);
    testing::waitFor(host, 10s);
}

TEST(FirstStart, BothProgramsAtOnceStoreTheStartersOnceWithLastingIdentifiers) {
    const Calendar newYork = *Calendar::make("America/New_York", "en_US");
    const Instant now = *newYork.date(2026, 12, 7, 12);
    const auto starters = testing::labels(
        starterCountdowns(newYork, PresetRegion::of(newYork, now, std::nullopt), now));
    for (int round = 0; round < 20; ++round) {
        Account account;
        account.placeWidget({});
        startBoth(account);
        const auto stored = account.store().rawValue("countdowns.v1");
        ASSERT_TRUE(stored.has_value()) << "round " << round;
        const auto list = account.store().loadCountdowns(newYork, now);
        ASSERT_EQ(testing::labels(list), starters) << "round " << round;
        if (round < 19) {
            continue;
        }
        // The user ticks two of them for the widget; after both programs
        // start again the widget still finds them.
        account.placeWidget({list[1].id.toString(), list[3].id.toString()});
        startBoth(account);
        EXPECT_EQ(account.store().rawValue("countdowns.v1"), stored);
        const BoardData board = BoardData::assemble(
            account.store(), now, std::vector<Uuid>{list[1].id, list[3].id}, std::nullopt, newYork);
        EXPECT_EQ(board.countdowns.size(), 2u);
    }
}

}  // namespace
}  // namespace solvane
