// A fresh account: the app and the widget host started at the same moment
// on an empty store, over and over. The starter countdowns must end up
// stored once, and keep their identifiers, or a widget configured with some
// of them loses them at the next start.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "core/model/presets.h"
#include "core/store/board_data.h"
#include "core/store/shared_store.h"
#include "core/test_helpers.h"
#include "support/child_process.h"
#include "support/temp_dir.h"

namespace solvane {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr int kRounds = 20;

struct Account {
    testing::TempDir dir;
    fs::path root = dir.path();

    std::vector<std::string> environment() const {
        const std::string r = root.string();
        std::vector<std::string> env = {"PATH=/usr/bin:/bin",
                                        "TZ=America/New_York",
                                        "LANG=en_US.UTF-8",
                                        "QT_QPA_PLATFORM=offscreen",
                                        "SOLVANE_WIDGETS_PLUGIN=" SOLVANE_WIDGETS_PLUGIN_FILE,
                                        "SOLVANE_INFO=" SOLVANE_INFO_FILE,
                                        "DBUS_SESSION_BUS_ADDRESS=unix:path=" + r + "/run/no-bus",
                                        "HOME=" + r + "/home",
                                        "XDG_CONFIG_HOME=" + r + "/config",
                                        "XDG_DATA_HOME=" + r + "/data",
                                        "XDG_CACHE_HOME=" + r + "/cache",
                                        "XDG_RUNTIME_DIR=" + r + "/run",
                                        "SOLVANE_CALENDAR_DIRS=" + r + "/data/calendars"};
        for (const char* service : {"OPEN_METEO", "WEATHERKIT", "NOMINATIM"}) {
            env.push_back("SOLVANE_" + std::string(service) + "_URL=http://127.0.0.1:9");
        }
        return env;
    }

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
// timeline's countdowns, the app until its first paint.
void startBoth(const Account& account) {
    testing::StartGate gate;
    const auto env = account.environment();
    const fs::path& root = account.root;
    const pid_t app = testing::startProgram({SOLVANE_APP_FILE, "--quit-after-first-paint"}, env,
                                            root, root / "app.out", root / "app.log", &gate);
    const pid_t host = testing::startProgram({SOLVANE_HOST_FILE, "--headless-service"}, env, root,
                                             root / "host.out", root / "host.log", &gate);
    gate.release();
    const auto appDone = testing::waitFor(app, 30s);
    EXPECT_EQ(appDone.code, 0) << (appDone.timedOut ? "the app hung" : "the app failed");
    const auto giveUp = std::chrono::steady_clock::now() + 20s;
    while (!account.store().rawValue("countdowns.v1") &&
           std::chrono::steady_clock::now() < giveUp) {
        std::this_thread::sleep_for(20ms);
    }
    // Its first timeline is asked for at start and made before the signal
    // is read.
    const auto logged = [&] {
        return testing::readFile(account.root / "host.log").find("timeline ") != std::string::npos;
    };
    while (!logged() && std::chrono::steady_clock::now() < giveUp) {
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
    for (int round = 0; round < kRounds; ++round) {
        Account account;
        account.placeWidget({});
        startBoth(account);
        const auto stored = account.store().rawValue("countdowns.v1");
        ASSERT_TRUE(stored.has_value()) << "round " << round;
        const auto list = account.store().loadCountdowns(newYork, now);
        ASSERT_EQ(testing::labels(list), starters) << "round " << round;

        if (round + 1 < kRounds) {
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
