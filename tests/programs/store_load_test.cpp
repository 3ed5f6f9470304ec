// The programs and the store between them: the window's edits, the host's
// timelines and readers of every key at once in separate processes; a fresh
// account's two programs starting together; records written by someone else.
#include <QCoreApplication>
#include <QImage>
#include <QPainter>

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <ctime>
#include <fstream>
#include <functional>
#include <iterator>
#include <limits>
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

// The environment the built programs run with: every folder under `root`, no
// session bus, and every service on a closed loopback port.
std::vector<std::string> programEnvironment(const std::filesystem::path& root,
                                            const std::string& info) {
    const std::string r = root.string();
    std::vector<std::string> env = {"PATH=/usr/bin:/bin",
                                    "TZ=America/New_York",
                                    "LANG=en_US.UTF-8",
                                    "QT_QPA_PLATFORM=offscreen",
                                    "SOLVANE_WIDGETS_PLUGIN=" SOLVANE_WIDGETS_PLUGIN_FILE,
                                    "SOLVANE_INFO=" + info,
                                    "DBUS_SESSION_BUS_ADDRESS=unix:path=" + r + "/run/no-bus",
                                    "HOME=" + r + "/home",
                                    "XDG_CONFIG_HOME=" + r + "/config",
                                    "XDG_DATA_HOME=" + r + "/data",
                                    "XDG_CACHE_HOME=" + r + "/cache",
                                    "XDG_RUNTIME_DIR=" + r + "/run",
                                    "SOLVANE_CALENDAR_DIRS=" + r + "/data/calendars"};
    for (const char* service : {"OPEN_METEO", "WEATHERKIT", "NOMINATIM"}) {
        env.push_back("SOLVANE_" + std::string(service) + "_URL=http://127.0.0.1:9/");
    }
    return env;
}

constexpr int kAppEdits = 1600;
constexpr int kHostRounds = 400;
constexpr int kReaders = 2;
constexpr long kOperations = 10000;
// The readers make up whatever the writers' operations leave of the total.
constexpr long kReads = (kOperations - kAppEdits - 2 * kHostRounds + kReaders - 1) / kReaders;
constexpr const char* kNote = "HttpError.cannotConnect";

// The feed in round `round`: four events, one leaving and one arriving every
// five rounds, so most syncs change the list and no event ever comes back.
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
        // A breath leaves the writers the cores; passes still overlap every write.
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

// The app and the host started together on an empty store, over and over: the
// starters are stored once with lasting identifiers, or widgets lose them.
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

// Both at once: the host until it stored its first timeline's countdowns (made
// at start, before the signal is read), the app until its first paint.
void startBoth(const Account& account) {
    testing::StartGate gate;
    const auto env = programEnvironment(account.root, SOLVANE_INFO_FILE);
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

// Records huge, deeply nested, at the limits or naming files outside the Icons folder: each
// program finishes, shows what decodes (or the defaults) and opens nothing outside.
using Records = std::map<std::string, std::string>;

const std::string kGoodIcon = "6F9619FF-8B86-4011-B42D-00CF4FC964FF.png";
const std::string kLinkIcon = "0E984725-C51C-4BF4-9960-E1C80E27ABA0.png";

std::string joined(const std::vector<std::string>& items) {
    std::string out;
    for (const auto& item : items) {
        out += (out.empty() ? "" : ",") + item;
    }
    return out;
}

std::string repeated(const std::string& item, std::size_t count) {
    return joined(std::vector<std::string>(count, item));
}

std::string countdown(const std::string& label, const std::string& start,
                      const std::string& extra = "") {
    return R"({"label":")" + label + R"(","start":)" + start + extra + "}";
}

// A weekday rule with `field` set to `value` and the others ordinary.
std::string nth(const std::string& field, const std::string& value) {
    std::string rule = R"({"nthWeekday":{"n":1,"weekday":1,"month":1,"offset":0}})";
    return rule.replace(rule.find('"' + field + '"') + field.size() + 3, 1, value);
}

bool isPng(const fs::path& file) {
    return testing::readFile(file).starts_with("\x89PNG\r\n\x1a\n");
}

// The store's table as the programs make it, holding `records` byte for byte.
void writeRecords(const fs::path& suite, const Records& records) {
    fs::create_directories(suite.parent_path());
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(suite.c_str(), &db), SQLITE_OK);
    sqlite3_exec(db,
                 "PRAGMA journal_mode=WAL; CREATE TABLE IF NOT EXISTS preferences("
                 "key TEXT PRIMARY KEY NOT NULL, value BLOB NOT NULL)",
                 nullptr, nullptr, nullptr);
    for (const auto& [key, value] : records) {
        sqlite3_stmt* insert = nullptr;
        sqlite3_prepare_v2(db, "INSERT OR REPLACE INTO preferences VALUES(?1, ?2)", -1, &insert,
                           nullptr);
        sqlite3_bind_text(insert, 1, key.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_blob(insert, 2, value.data(), static_cast<int>(value.size()),
                          SQLITE_TRANSIENT);
        EXPECT_EQ(sqlite3_step(insert), SQLITE_DONE) << key;
        sqlite3_finalize(insert);
    }
    sqlite3_close(db);
}

// Everything the kernel reports happening to watched files and folders:
// opened, read, written, created, deleted, renamed or changed.
class Watch {
  public:
    Watch() : fd_(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {}
    ~Watch() { ::close(fd_); }

    void add(const fs::path& path) {
        const int wd = ::inotify_add_watch(fd_, path.c_str(), IN_ALL_EVENTS & ~IN_CLOSE_NOWRITE);
        ASSERT_GE(wd, 0) << path;
        paths_[wd] = path;
    }
    // What happened since the last call, apart from events on the entries
    // named in `own` of the folder `folder`.
    std::vector<std::string> happened(const fs::path& folder, const std::vector<std::string>& own) {
        std::vector<std::string> out;
        alignas(inotify_event) char buffer[65536];
        for (ssize_t n; (n = ::read(fd_, buffer, sizeof buffer)) > 0;) {
            for (char* p = buffer; p < buffer + n;) {
                const auto* event = reinterpret_cast<const inotify_event*>(p);
                const std::string name = event->len ? event->name : "";
                const bool mine = paths_[event->wd] == folder &&
                                  std::find(own.begin(), own.end(), name) != own.end();
                if (!mine && !(event->mask & IN_IGNORED)) {
                    out.push_back((paths_[event->wd] / name).string() + " mask " +
                                  std::to_string(event->mask));
                }
                p += sizeof(inotify_event) + event->len;
            }
        }
        return out;
    }

  private:
    int fd_;
    std::map<int, fs::path> paths_;
};

class HostileStore : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const auto& folder : kOwn) {
            fs::create_directories(root / folder);
            fs::permissions(root / folder, fs::perms::owner_all);
        }
        fs::create_directories(icons);
        fs::create_directories(outside);
        std::ofstream(sentinel) << "keep me";
        QImage dot(128, 128, QImage::Format_ARGB32_Premultiplied);
        dot.fill(Qt::transparent);
        QPainter(&dot).fillRect(32, 32, 64, 64, Qt::black);
        ASSERT_TRUE(dot.save(QString::fromStdString(secret.string()), "png"));
        ASSERT_TRUE(dot.save(QString::fromStdString((icons / kGoodIcon).string()), "png"));
        fs::create_directory_symlink(outside, icons / "escape");
        fs::create_symlink(secret, icons / kLinkIcon);
        // A refused update feed keeps the window's update check on this machine.
        std::ofstream(root / "config/Info.json")
            << R"({"AppGroup":"org.solvane.shared","UpdateFeed":"http://127.0.0.1:9/"})";
    }

    // Runs every program on the store, from the temporary folder itself, and
    // checks that each finished, in bounded memory, and touched nothing
    // outside its folders; the board's text and JSON for the caller to check.
    std::map<std::string, std::string> runEveryProgram() {
        const fs::path pictures = root / "home";
        const std::vector<std::vector<std::string>> runs = {
            {SOLVANE_BOARD_FILE},
            {SOLVANE_BOARD_FILE, "--json"},
            {SOLVANE_BOARD_FILE, "--png", pictures / "board.png", "--style", "dark"},
            {SOLVANE_HOST_FILE, "--render", "Solvane", "--size", "extraLarge", "--entry", "0"},
            {SOLVANE_HOST_FILE, "--render", "Sky", "--size", "large"},
            {SOLVANE_HOST_FILE, "--render", "Countdowns", "--size", "medium", "--entry",
             "placeholder"},
            {SOLVANE_HOST_FILE, "--render", "Moon", "--size", "small", "--entry", "3"},
            {SOLVANE_APP_FILE, "--quit-after-first-paint"},
        };
        watchOutside();
        std::map<std::string, std::string> board;
        for (std::size_t i = 0; i < runs.size(); ++i) {
            std::vector<std::string> argv = runs[i];
            const fs::path picture = pictures / ("widget" + std::to_string(i) + ".png");
            if (argv[0] == SOLVANE_HOST_FILE) {
                argv.insert(argv.end(), {"--out", picture.string()});
            }
            const fs::path out = pictures / "out.txt";
            const fs::path err = pictures / "err.txt";
            const auto finished = testing::runProgram(argv, env, root, out, err, 30s);
            const std::string mode = argv.size() > 2 ? argv[2] : argv.size() > 1 ? argv[1] : "text";
            const std::string what = fs::path(argv[0]).filename().string() + ' ' + mode;
            EXPECT_EQ(finished.code, 0)
                << what << (finished.timedOut ? "hung" : testing::readFile(err));
            // Decoding the largest record the store reads (16 MB) costs a few
            // hundred megabytes at worst.
            EXPECT_LT(finished.maxRssKiB, 1024 * 1024) << what;
            if (argv[0] == SOLVANE_HOST_FILE) {
                EXPECT_TRUE(isPng(picture)) << what;
            }
            board[mode] = testing::readFile(out);
        }
        EXPECT_TRUE(isPng(pictures / "board.png"));
        EXPECT_TRUE(board["--quit-after-first-paint"].starts_with("first paint"));
        expectOutsideUntouched();
        return board;
    }

    // From now on, whatever happens to anything outside the programs' folders
    // (reading included) is noted.
    void watchOutside() {
        watch_ = std::make_unique<Watch>();
        for (const fs::path& watched : {root, outside, sentinel, secret}) {
            watch_->add(watched);
        }
    }
    void expectOutsideUntouched() {
        EXPECT_EQ(watch_->happened(root, kOwn), std::vector<std::string>{});
    }

    testing::TempDir dir;
    const fs::path root = dir.path();
    const std::vector<std::string> kOwn = {"config", "data", "cache", "home", "run"};
    const fs::path suite = root / "config/org.solvane.shared/preferences.sqlite";
    const fs::path icons = root / "data/org.solvane.shared/Icons";
    const fs::path outside = root / "outside";
    const fs::path secret = outside / "secret.png";
    const fs::path sentinel = root / "sentinel.txt";
    const std::vector<std::string> env =
        programEnvironment(root, (root / "config/Info.json").string());

  private:
    std::unique_ptr<Watch> watch_;
};

// Icon names pointing out of the Icons folder, and one its own, first and for
// tomorrow so every view draws them; without identifiers, as older versions wrote.
std::vector<std::string> iconCountdowns(const fs::path& secret) {
    const std::string tomorrow =
        R"({"fixed":{"_0":)" + std::to_string(std::time(nullptr) + 86400 - 978307200) + "}}";
    std::vector<std::string> list;
    for (const auto& name : {kLinkIcon, std::string("../../../outside/secret.png"), secret.string(),
                             std::string("escape/secret.png"), std::string("/etc/passwd"),
                             std::string(".."), std::string()}) {
        list.push_back(countdown("Escape", tomorrow, R"(,"customImage":")" + name + '"'));
    }
    list.push_back(countdown("Good", tomorrow, R"(,"customImage":")" + kGoodIcon + '"'));
    return list;
}

// Records that decode at the extremes: 10 MB texts, a million calendar
// identifiers, rules at the 64-bit limits and dates at the edge of a double.
Records extremeRecords(const fs::path& secret) {
    const std::string huge(10 * 1024 * 1024, 'W');
    const std::string max = std::to_string(std::numeric_limits<std::int64_t>::max());
    const std::string min = std::to_string(std::numeric_limits<std::int64_t>::min());
    std::vector<std::string> list = iconCountdowns(secret);
    const std::string today =
        R"({"fixed":{"_0":)" + std::to_string(std::time(nullptr) - 978307200) + "}}";
    list.insert(list.begin(), countdown(R"(Clear\u001b[2J\u001b]52;c;SGk=\u0007\u009b!p)", today));
    list.push_back(countdown(huge, R"({"season":{"_0":2}})"));
    list.push_back(
        countdown("Far", R"({"fixed":{"_0":1.7976931348623157e308}})", R"(,"recurs":true)"));
    list.push_back(countdown("Early", R"({"fixed":{"_0":-1.7976931348623157e308}})",
                             R"(,"end":{"fixed":{"_0":1.7976931348623157e308}})"));
    list.push_back(countdown("Season", R"({"season":{"_0":)" + min + "}}",
                             R"(,"end":{"season":{"_0":)" + max + "}}"));
    for (const char* field : {"n", "weekday", "month", "offset"}) {
        for (const std::string& limit : {max, min}) {
            list.push_back(countdown(field, nth(field, limit), R"(,"recurs":true,"unit":"weeks")"));
            list.push_back(countdown(field, R"({"season":{"_0":0}})",
                                     R"(,"end":)" + nth(field, limit) + R"(,"unit":"workdays")"));
        }
    }
    const std::string weather =
        R"({"fetched":1.7976931348623157e308,"latitude":-90,"longitude":180,)"
        R"("source":"openMeteo","requested":"apple","temperatureC":1.7976931348623157e308,)"
        R"("feelsLikeC":-1.7976931348623157e308,"highC":1e300,"lowC":-1e300,"condition":")" +
        huge +
        R"(","symbol":"../../../outside/secret","windKph":1.7976931348623157e308,)"
        R"("windDirection":-1.7976931348623157e308,"cloudCover":1e308})";
    return {
        {"countdowns.v1", "[" + joined(list) + "]"},
        {"location.v1", R"({"latitude":-1e308,"longitude":1e308,"name":")" + huge + R"("})"},
        {"settings.v1", R"({"weatherSource":"apple","unit":"celsius","feedCalendarIDs":[)" +
                            repeated(R"("")", 1000000) + "]}"},
        {"weather.v2", weather},
        {"weather.appleError", huge},
    };
}

TEST_F(HostileStore, ExtremeRecordsShowAndNothingOutsideIsOpened) {
    writeRecords(suite, extremeRecords(secret));
    auto board = runEveryProgram();
    EXPECT_NE(board["text"].find("Good"), std::string::npos);
    EXPECT_NE(board["text"].find("WWW…"), std::string::npos) << "the place, cut";
    EXPECT_NE(board["--json"].find(R"("label":"Good")"), std::string::npos);
    EXPECT_GT(board["--json"].size(), 20u * 1024 * 1024) << "the huge label and place, whole";
    EXPECT_EQ(board["--json"].find("Winter solstice"), std::string::npos) << "fell back";
    // A label cannot clear the terminal, write its clipboard or ring it.
    const fs::path out = root / "home" / "describe.txt";
    const auto described = testing::runProgram(
        {SOLVANE_HOST_FILE, "--render", "Countdowns", "--size", "medium", "--describe"}, env, root,
        out, root / "home" / "describe.err", 30s);
    EXPECT_EQ(described.code, 0);
    for (const std::string& text : {testing::readFile(out), board["text"]}) {
        EXPECT_NE(text.find("Clear"), std::string::npos) << text.substr(0, 200);
        for (const char* control : {"\x1b", "\x07", "\xc2\x9b"}) {
            EXPECT_EQ(text.find(control), std::string::npos) << text.substr(0, 200);
        }
    }
}

// Records that must not decode (a million-element array, nesting 10,000 deep,
// numbers beyond a double, too long a list): every program shows the defaults.
TEST_F(HostileStore, UndecodableRecordsGiveTheDefaults) {
    const std::string deep = std::string(10000, '[') + std::string(10000, ']');
    writeRecords(suite,
                 {{"countdowns.v1",
                   "[" + repeated(countdown("Many", R"({"season":{"_0":1}})"), 10001) + "]"},
                  {"location.v1", R"({"latitude":[)" + repeated("1", 1000000) +
                                      R"(],"longitude":1e309,"name":"Nowhere"})"},
                  {"settings.v1", R"({"weatherSource":"apple","feedCalendarIDs":)" + deep + "}"},
                  {"weather.v2", R"({"fetched":1e309,"temperatureC":-1e309})"},
                  {"weather.appleError", std::string("\xff\xfe\x00\xc0", 4)}});
    auto board = runEveryProgram();
    for (const char* shown : {"Winter solstice", "Fall back", "New York"}) {
        EXPECT_NE(board["--json"].find(shown), std::string::npos) << shown;
        EXPECT_NE(board["text"].find(shown), std::string::npos) << shown;
    }
    EXPECT_EQ(board["--json"].find("Many"), std::string::npos);
    EXPECT_NE(board["text"].find("Weather unavailable"), std::string::npos);
}

// The window's delete removes a countdown's icon with it; no stored name
// may turn that into deleting anything else.
TEST_F(HostileStore, DeletingCountdownsRemovesOnlyTheirOwnIcons) {
    writeRecords(suite, {{"countdowns.v1", "[" + joined(iconCountdowns(secret)) + "]"}});
    const SharedStore store(testing::pathsUnder(root), "en_US");
    app::AppState state(app::fakes::servicesOn(store));
    watchOutside();
    const std::vector<Countdown> all = state.countdowns();
    ASSERT_EQ(all.size(), 8u);
    for (const auto& c : all) {
        state.deleteCountdown(c);
    }
    EXPECT_TRUE(state.countdowns().empty());
    EXPECT_EQ(store.rawValue("countdowns.v1"), "[]");
    EXPECT_FALSE(fs::exists(icons / kGoodIcon)) << "its own icon goes with it";
    EXPECT_TRUE(fs::is_symlink(icons / kLinkIcon));
    expectOutsideUntouched();
}

}  // namespace
}  // namespace solvane
