#include "core/store/shared_store.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>

#include <atomic>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "core/model/countdown_json.h"
#include "core/model/presets.h"
#include "core/store/board_data.h"
#include "core/store/default_place.h"
#include "core/store/place_name.h"
#include "core/store/saved_location.h"
#include "core/store/suite.h"
#include "core/test_helpers.h"
#include "core/weather/forecast_json.h"
#include "core/weather/weather_json.h"
#include "support/temp_dir.h"

namespace solvane {
namespace {

namespace fs = std::filesystem;
using testing::cal;
using testing::countdownOn;
using testing::labels;
using testing::named;
using testing::newYork;
using testing::pathsUnder;
using testing::ScopedEnv;
using testing::TempDir;
using List = std::vector<Countdown>;
using Edit = std::optional<List>;

mode_t modeOf(const fs::path& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 ? info.st_mode & 07777 : 0;
}

void writeFile(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

const std::vector<std::string> kStarters = {"Fall back", "Winter solstice", "Spring forward",
                                            "Summer Fridays"};

WeatherSnapshot snapshot() {
    WeatherSnapshot s;
    s.fetched = Instant{760000000.5};
    s.latitude = 40.7128;
    s.source = WeatherSource::openMeteo;
    s.requested = WeatherSource::apple;
    s.temperatureC = 21.5;
    s.condition = "Partly Cloudy";
    return s;
}

Forecast forecast() {
    Forecast f;
    f.fetched = Instant{760000000.5};
    f.latitude = 40.7128;
    f.longitude = -74.006;
    f.source = WeatherSource::openMeteo;
    f.requested = WeatherSource::apple;
    f.hours = {{Instant{760000000}, 21.5, "cloud.sun", 20.0}};
    f.days = {{{2025, 1, 1}, 24, 12, "cloud.rain", std::nullopt}};
    return f;
}

class SharedStoreTest : public ::testing::Test {
  protected:
    TempDir dir;
    Calendar calendar = *Calendar::make("America/New_York", "en_US");
    Instant now = *calendar.date(2030, 3, 12, 10);
    SharedStore store{pathsUnder(dir.path()), "en_US"};
};

TEST_F(SharedStoreTest, RecordsReadBackAndAnEmptyListStaysEmpty) {
    const List list = {named("Trip"), named("Exam")};
    const SavedLocation place{35.6762, 139.6503, "Tokyo"};
    const AppSettings settings{WeatherSource::apple, TempUnit::celsius, {"work"}};
    ASSERT_TRUE(store.saveCountdowns(list) && store.saveLocation(place) &&
                store.saveSettings(settings) && store.saveWeather(snapshot()));
    // The forecast is a record of its own: the weather's bytes stay as they were.
    const auto weatherBytes = store.rawValue("weather.v2");
    ASSERT_TRUE(store.saveForecast(forecast()));
    EXPECT_EQ(store.rawValue("weather.v2"), weatherBytes);
    EXPECT_EQ(store.rawValue("forecast.v1"), encodeForecast(forecast()));
    EXPECT_EQ(store.loadCountdowns(calendar, now), list);
    EXPECT_EQ(store.loadLocation(calendar), place);
    EXPECT_EQ(store.loadSettings(), settings);
    EXPECT_EQ(store.loadWeather(), snapshot());
    EXPECT_EQ(store.loadForecast(), forecast());

    ASSERT_TRUE(store.saveCountdowns({}));
    EXPECT_EQ(store.rawValue("countdowns.v1"), "[]");
    EXPECT_TRUE(store.loadCountdowns(calendar, now).empty());

    // A record with no JSON form is not written over a good one.
    EXPECT_FALSE(store.saveLocation({std::nan(""), 0, "Lost"}));
    EXPECT_EQ(store.loadLocation(calendar), place);
    Forecast lost = forecast();
    lost.latitude = std::nan("");
    EXPECT_FALSE(store.saveForecast(lost));
    EXPECT_EQ(store.loadForecast(), forecast());

    ASSERT_TRUE(store.saveAppleError("HttpError.cannotConnect"));
    ASSERT_TRUE(store.removeAppleError());
    EXPECT_FALSE(store.loadAppleError());
    EXPECT_TRUE(store.removeAppleError()) << "removing what is not there is no failure";
}

TEST_F(SharedStoreTest, UnreadableRecordsGiveDefaultsAndAreNotRepaired) {
    std::string noRequested = encodeWeatherSnapshot(snapshot());
    noRequested.erase(noRequested.find(R"(,"requested":"apple")"), 20);
    const std::pair<const char*, std::string> cases[] = {
        {"countdowns.v1", R"({"label":5})"},
        {"countdowns.v1", ""},
        {"location.v1", R"({"latitude":1,"longitude":2})"},
        {"weather.v2", noRequested},
        {"settings.v1", R"({"weatherSource":"apple","unit":"kelvin"})"},
        {"forecast.v1", R"({"fetched":760000000,"latitude":1,"longitude":2})"},
    };
    for (const auto& [key, raw] : cases) {
        TempDir fresh;
        const SharedStore s(pathsUnder(fresh.path()), "en_US");
        ASSERT_TRUE(s.setRawValue(key, raw));
        EXPECT_EQ(labels(s.loadCountdowns(calendar, now)), kStarters) << raw;
        EXPECT_EQ(s.loadLocation(calendar), defaultLocation()) << raw;
        EXPECT_EQ(s.loadSettings(), AppSettings::defaults("en_US")) << raw;
        EXPECT_FALSE(s.loadWeather()) << raw;
        EXPECT_FALSE(s.loadForecast()) << raw;
        EXPECT_EQ(s.rawValue(key), raw);
    }
    // Which keys may be absent is weather_json_test.cpp's; the store's locale
    // supplies their defaults.
    ASSERT_TRUE(store.setRawValue("settings.v1", R"({"weatherSource":"apple"})"));
    EXPECT_EQ(SharedStore(store.paths(), "de_DE").loadSettings(),
              (AppSettings{WeatherSource::apple, TempUnit::celsius, {}}));
}

// A record larger than any the store reads, written behind the store's back.
void storeOversizedList(const fs::path& suite) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(suite.c_str(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db,
                           "INSERT OR REPLACE INTO preferences(key, value) "
                           "VALUES('countdowns.v1', zeroblob(17 * 1024 * 1024))",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(db);
}

// Starters stand in for an unreadable list; the first write would lose it.
TEST_F(SharedStoreTest, AnUnreadableListIsKeptAsideBeforeAWriteReplacesIt) {
    const std::string cases[] = {
        R"({"version":2,"countdowns":[]})",                      // a form that is not a list
        encodeCountdowns(List(kMaxCountdowns + 1, named("x"))),  // past the cap
        "",                                                      // larger than any record
    };
    for (const std::string& raw : cases) {
        for (bool bySave : {false, true}) {
            TempDir fresh;
            const SharedStore s(pathsUnder(fresh.path()), "en_US");
            if (raw.empty()) {
                ASSERT_TRUE(s.setRawValue("settings.v1", "{}"));  // creates the suite
                storeOversizedList(s.paths().suite);
            } else {
                ASSERT_TRUE(s.setRawValue("countdowns.v1", raw));
            }
            SCOPED_TRACE(raw.substr(0, 40));
            const auto expectKept = [&] {
                EXPECT_EQ(s.rawValue("countdowns.v1.unreadable"),
                          raw.empty() ? std::nullopt : std::optional(raw));
            };
            EXPECT_EQ(s.health().countdowns, (UnreadableCountdowns{true, false}));
            EXPECT_EQ(labels(s.loadCountdowns(calendar, now)), kStarters);

            const bool written =
                bySave ? s.saveCountdowns({named("New")}).ok()
                       : s.updateCountdowns([](List list) -> Edit { return list; }, calendar, now)
                             .valueOr(false);
            ASSERT_TRUE(written);
            EXPECT_EQ(s.health().countdowns, (UnreadableCountdowns{false, true}));
            expectKept();

            // A second unreadable list does not replace the one kept.
            ASSERT_TRUE(s.setRawValue("countdowns.v1", "1"));
            ASSERT_TRUE(s.saveCountdowns({named("Again")}));
            expectKept();
            EXPECT_EQ(labels(s.loadCountdowns(calendar, now)), std::vector<std::string>{"Again"});

            // Dismissing the notice keeps the bytes.
            ASSERT_TRUE(s.dismissUnreadableCountdowns());
            EXPECT_EQ(s.health().countdowns, (UnreadableCountdowns{false, false}));
            expectKept();
        }
    }
    // A readable list is simply replaced.
    ASSERT_TRUE(store.saveCountdowns({named("One")}));
    ASSERT_TRUE(store.saveCountdowns({named("Two")}));
    EXPECT_EQ(store.rawValue("countdowns.v1.unreadable"), std::nullopt);
    EXPECT_EQ(store.health(), StoreHealth{});
}

// A fresh store reads as every default; the starters are stored when first
// used, so their identifiers last.
TEST_F(SharedStoreTest, AnEmptySuiteGivesDefaultsAndStoresTheStartersOnceWhenFirstUsed) {
    EXPECT_EQ(labels(store.loadCountdowns(calendar, now)), kStarters);
    EXPECT_EQ(store.loadLocation(calendar), defaultLocation());
    EXPECT_EQ(store.loadSettings(),
              (AppSettings{WeatherSource::openMeteo, TempUnit::fahrenheit, {}}));
    EXPECT_EQ(SharedStore(store.paths(), "de_DE").loadSettings().unit, TempUnit::celsius);
    EXPECT_FALSE(store.loadWeather() || store.loadForecast() || store.loadAppleError());
    EXPECT_FALSE(store.rawValue("countdowns.v1")) << "a plain read writes nothing";

    // Programs starting together are tests/programs/first_start_test.cpp's.
    const List used = store.loadCountdownsForUse(calendar, now);
    EXPECT_EQ(labels(used), kStarters);
    EXPECT_EQ(store.loadCountdowns(calendar, now), used) << "one list, one set of identifiers";

    // A list that cannot be read is the user's, even while starters stand in.
    TempDir fresh;
    const SharedStore damaged(pathsUnder(fresh.path()), "en_US");
    ASSERT_TRUE(damaged.setRawValue("countdowns.v1", "{}"));
    EXPECT_EQ(labels(damaged.loadCountdownsForUse(calendar, now)), kStarters);
    EXPECT_EQ(damaged.rawValue("countdowns.v1"), "{}");
}

TEST_F(SharedStoreTest, FoldersAre0700AndFiles0600WhateverTheUmask) {
    const mode_t oldMask = ::umask(0);
    const StorePaths& paths = store.paths();
    writeFile(paths.suite, "");  // an empty file is an empty database
    fs::permissions(paths.suite, fs::perms(0644));
    fs::permissions(paths.suite.parent_path(), fs::perms(0755));

    std::optional<mode_t> wal, shm;  // these exist only while a connection is open
    EXPECT_TRUE(store.updateCountdowns(
        [&](List list) -> Edit {
            wal = modeOf(paths.suite.string() + "-wal");
            shm = modeOf(paths.suite.string() + "-shm");
            return list;
        },
        calendar, now));
    const auto icons = store.iconsDirectory();
    ::umask(oldMask);

    for (const auto& mode : {std::optional(modeOf(paths.suite)), wal, shm}) {
        EXPECT_EQ(mode, 0600u);
    }
    EXPECT_EQ(modeOf(paths.suite.parent_path()), 0700u);
    ASSERT_TRUE(icons);
    EXPECT_EQ(icons->string(), (paths.container / "Icons").string());
    for (const fs::path& folder : {*icons, paths.container, dir.path() / "data"}) {
        EXPECT_EQ(modeOf(folder), 0700u) << folder;
    }
    writeFile(dir.path() / "blocked/Icons", "a file where the folder belongs");
    EXPECT_FALSE(SharedStore({{}, {}, dir.path() / "blocked"}, "en_US").iconsDirectory());
}

TEST_F(SharedStoreTest, UpdateCountdownsEditsTheStoredListOrNothing) {
    std::vector<std::string> seen;
    auto append = [&](List list) -> Edit {
        seen = labels(list);
        list.push_back(named("Added"));
        return list;
    };
    ASSERT_TRUE(store.updateCountdowns(append, calendar, now));
    EXPECT_EQ(seen, kStarters);  // nothing stored yet
    ASSERT_TRUE(store.updateCountdowns(append, calendar, now));
    EXPECT_EQ(seen.size(), 5u);

    const auto before = store.rawValue("countdowns.v1");
    EXPECT_FALSE(store.updateCountdowns([](List) { return Edit(); }, calendar, now).valueOr(true));
    EXPECT_FALSE(
        store.updateCountdowns([](List) -> Edit { throw std::runtime_error("x"); }, calendar, now)
            .valueOr(true));
    EXPECT_FALSE(store.updateCountdowns(nullptr, calendar, now).valueOr(true));
    EXPECT_EQ(store.rawValue("countdowns.v1"), before);
}

TEST_F(SharedStoreTest, UpdateCountdownsHoldsOffOtherWritersUntilItCommits) {
    std::atomic<bool> otherDone{false};
    std::thread other;
    const std::uint64_t waitsBefore = busyWaits();
    ASSERT_TRUE(store.updateCountdowns(
        [&](List list) -> Edit {
            other = std::thread([&] {
                EXPECT_TRUE(store.saveCountdowns({named("Later writer")}));
                otherDone = true;
            });
            // Until the other writer is seen waiting on the lock, or slips in.
            while (busyWaits() == waitsBefore && !otherDone) {
                std::this_thread::yield();
            }
            EXPECT_FALSE(otherDone) << "a save slipped into the transaction";
            return list;
        },
        calendar, now));
    other.join();
    EXPECT_EQ(labels(store.loadCountdowns(calendar, now)),
              std::vector<std::string>{"Later writer"});
}

TEST(AppGroup, OnlyASafeFolderNameIsTaken) {
    TempDir dir;
    const std::string longest(128, 'g');
    const std::pair<std::string, std::optional<std::string>> cases[] = {
        {R"({"Version":"1","AppGroup":"A-b_c.9"})", "A-b_c.9"},
        {R"({"AppGroup":")" + longest + R"("})", longest},
        {R"({"AppGroup":")" + longest + R"(g"})", std::nullopt},
        {R"({"AppGroup":"../../etc"})", std::nullopt},
        {R"({"AppGroup":"a/b"})", std::nullopt},
        {R"({"AppGroup":""})", std::nullopt},
        {R"({"AppGroup":7})", std::nullopt},
        {"AppGroup=org.example", std::nullopt},
        {R"({"AppGroup":"big","pad":")" + std::string(70 * 1024, ' ') + R"("})", std::nullopt},
    };
    for (const auto& [contents, expected] : cases) {
        writeFile(dir.path() / "Info.json", contents);
        EXPECT_EQ(readAppGroup(dir.path() / "Info.json"), expected) << contents.substr(0, 60);
    }
    EXPECT_FALSE(readAppGroup(dir.path() / "missing.json"));
    ASSERT_EQ(::mkfifo((dir.path() / "fifo").c_str(), 0600), 0);
    EXPECT_FALSE(readAppGroup(dir.path() / "fifo"));  // must not wait for a writer

    // The group is read once per process; this is the only place that asks.
    writeFile(dir.path() / "Info.json", R"({"AppGroup":"../../etc"})");
    const ScopedEnv info("SOLVANE_INFO", (dir.path() / "Info.json").c_str());
    const ScopedEnv config("XDG_CONFIG_HOME", (dir.path() / "config").c_str());
    const ScopedEnv data("XDG_DATA_HOME", (dir.path() / "data").c_str());
    EXPECT_EQ(appGroupIdentifier(), kBuiltInAppGroup);
    EXPECT_EQ(SharedStore::standard().paths().suite.string(),
              pathsUnder(dir.path()).suite.string());
}

TEST(StorePathsForGroup, FollowsTheXdgRulesAndRefusesUnsafeGroups) {
    const ScopedEnv home("HOME", "/home/ada");
    const ScopedEnv config("XDG_CONFIG_HOME", "/cfg");
    const ScopedEnv data("XDG_DATA_HOME", "relative/data");  // not absolute: ignored
    const StorePaths paths = StorePaths::forGroup("org.a");
    EXPECT_EQ(paths.suite.string(), "/cfg/org.a/preferences.sqlite");
    EXPECT_EQ(paths.fallbackSuite.string(), "/cfg/solvane/preferences.sqlite");
    EXPECT_EQ(paths.container.string(), "/home/ada/.local/share/org.a");
    EXPECT_EQ(StorePaths::forGroup("../../etc").suite.string(),
              "/cfg/org.solvane.shared/preferences.sqlite");
}

// The first board of a new user is for the city of their time zone, named
// in their language, until they choose a place.
TEST(DefaultPlace, IsTheTimeZonesCityInTheUsersLanguage) {
    struct Case {
        const char* zone;
        const char* locale;
        const char* name;
        double latitude, longitude;
        PlaceSource source;
    };
    const Case cases[] = {
        {"Europe/Berlin", "de_DE", "Berlin", 52.5, 13.3667, PlaceSource::zone},
        {"Asia/Tokyo", "ja_JP", "東京", 35.6544, 139.7447, PlaceSource::zone},
        {"Australia/Sydney", "en_AU", "Sydney", -33.8667, 151.2167, PlaceSource::zone},
        {"America/Sao_Paulo", "pt_BR", "São Paulo", -23.5333, -46.6167, PlaceSource::zone},
        // New York keeps its exact place; links find their zone's city.
        {"America/New_York", "en_US", "New York", 40.7128, -74.0060, PlaceSource::zone},
        {"Asia/Calcutta", "en_IN", "Kolkata", 22.5333, 88.3667, PlaceSource::zone},
        {"US/Eastern", "en_US", "New York", 40.7128, -74.0060, PlaceSource::zone},
        // No city at all: New York.
        {"Etc/UTC", "en_GB", "New York", 40.7128, -74.0060, PlaceSource::fallback},
    };
    for (const auto& c : cases) {
        const BoardPlace place = defaultPlace(cal(c.zone, c.locale));
        EXPECT_EQ(place.location.name, c.name) << c.zone;
        EXPECT_NEAR(place.location.latitude, c.latitude, 1e-4) << c.zone;
        EXPECT_NEAR(place.location.longitude, c.longitude, 1e-4) << c.zone;
        EXPECT_EQ(place.source, c.source) << c.zone;
    }
}

TEST(DefaultPlace, AMissingOrBrokenZoneTableKeepsNewYork) {
    testing::TempDir missing;
    EXPECT_FALSE(zoneCity("Europe/Berlin", "de_DE", missing.path()));
    testing::TempDir dir;
    std::ofstream(dir.path() / "zone1970.tab") << "# comment\nDE\tnot-a-place\tEurope/Berlin\n"
                                               << "JP\t+3541+13945\n"
                                               << "FR\t+4852+00220\tEurope/Paris\tmost\n";
    EXPECT_EQ(defaultPlace(cal("Europe/Berlin"), dir.path()).source, PlaceSource::fallback);
    const auto paris = zoneCity("Europe/Paris", "fr_FR", dir.path());
    ASSERT_TRUE(paris);
    EXPECT_NEAR(paris->latitude, 48.8667, 1e-4);
    EXPECT_EQ(paris->name, "Paris");
}

// Never stored, and a chosen place always wins; the first starters already
// have the southern hemisphere's seasons in Sydney.
TEST(DefaultPlace, StandsInUntilAPlaceIsSavedAndGivesTheSeasonsOfItsHemisphere) {
    testing::TempDir dir;
    const SharedStore store{{dir.path() / "p.sqlite", dir.path() / "f.sqlite", dir.path()},
                            "en_AU"};
    const Calendar sydney = cal("Australia/Sydney", "en_AU");
    EXPECT_EQ(store.loadPlace(sydney).source, PlaceSource::zone);
    EXPECT_FALSE(store.loadSavedLocation());
    EXPECT_FALSE(store.rawValue("location.v1"));
    const Instant now = *sydney.date(2026, 12, 7, 12);
    const auto titles = labels(store.loadCountdowns(sydney, now));
    // March's equinox is autumn's there.
    EXPECT_NE(std::find(titles.begin(), titles.end(), "Fall equinox"), titles.end())
        << ::testing::PrintToString(titles);

    const SavedLocation perth{-31.95, 115.86, "Perth"};
    ASSERT_TRUE(store.saveLocation(perth));
    EXPECT_EQ(store.loadPlace(sydney), (BoardPlace{perth, PlaceSource::saved}));
}

// Board assembly from sources given directly, and once from a store.
Instant day(int y, int m, int d, int hour = 0) {
    return *newYork().date(y, m, d, hour);
}

TEST(BoardData, ASelectionGivesARowPerIdentifierInItsOwnOrder) {
    const Instant now = day(2030, 3, 12, 10);
    const Countdown a = countdownOn("A", day(2030, 3, 20));
    const Countdown b = countdownOn("B", day(2030, 6, 1));
    const Countdown c = countdownOn("C", day(2030, 4, 2));
    const Countdown over = countdownOn("Over", day(2030, 1, 1));
    Countdown twin = countdownOn("Twin of A", day(2030, 3, 13));
    twin.id = a.id;  // only the first countdown with an id is ever shown
    const BoardSources sources{{40.7128, -74.0060, "New York"}, {b, a, twin, over, c}};
    const Uuid unknown = Uuid::random();

    const struct {
        const char* what;
        std::vector<Uuid> selection;
        std::vector<std::string> rows;
    } cases[] = {
        {"selection order, not date order", {b.id, a.id}, {"B", "A"}},
        {"one twice, apart", {c.id, b.id, c.id}, {"C", "B", "C"}},
        {"unknown ones skipped", {unknown, c.id, unknown, a.id}, {"C", "A"}},
        {"only unknown ones", {unknown}, {}},
        {"a finished countdown has no row", {over.id, b.id}, {"B"}},
    };
    for (const auto& chosen : cases) {
        const BoardData board =
            BoardData::assemble(sources, now, chosen.selection, std::nullopt, newYork());
        EXPECT_EQ(labels(board), chosen.rows) << chosen.what;
    }
}

// The order itself is sortedDisplays' (model/countdown_test.cpp); here,
// that no selection and an empty one both mean every row.
TEST(BoardData, WithoutASelectionEveryRowShowsBySortDate) {
    const Instant now = day(2030, 3, 12, 10);
    const BoardSources sources{
        {40.7128, -74.0060, "New York"},
        {countdownOn("June", day(2030, 6, 1)), countdownOn("April", day(2030, 4, 2)),
         countdownOn("Over", day(2030, 1, 1))}};
    for (const auto& selection :
         {std::optional<std::vector<Uuid>>{}, std::optional(std::vector<Uuid>{})}) {
        const BoardData board =
            BoardData::assemble(sources, now, selection, std::nullopt, newYork());
        EXPECT_EQ(labels(board), (std::vector<std::string>{"April", "June"}))
            << (selection ? "empty selection" : "no selection");
    }
}

// A place the user named nothing keeps its empty name, given directly or
// from the store; the board does not fall back to the default place's.
TEST(BoardData, CarriesThePlaceUnitWeatherAndMomentAsGiven) {
    const Instant now = day(2030, 3, 12, 10);
    const SavedLocation reykjavik{64.1466, -21.9426, ""};
    const BoardSources sources{reykjavik, {}, TempUnit::celsius};
    WeatherSnapshot weather;
    weather.condition = "Snow";

    const BoardData board = BoardData::assemble(sources, now, std::nullopt, weather, newYork());
    EXPECT_EQ(board.place, "");
    EXPECT_EQ(board.unit, TempUnit::celsius);
    EXPECT_EQ(board.weather, weather);
    EXPECT_EQ(board.date, now);
    EXPECT_EQ(board.sky, SkySnapshot::compute(now, 64.1466, -21.9426, newYork()));
    EXPECT_EQ(BoardData::assemble(sources, now, std::nullopt, std::nullopt, newYork()).weather,
              std::nullopt);

    testing::TempDir dir;
    const SharedStore store{{dir.path() / "config/g/preferences.sqlite", {}, dir.path() / "data"},
                            "en_US"};
    ASSERT_TRUE(store.saveCountdowns(
        {countdownOn("B", day(2030, 6, 1)), countdownOn("A", day(2030, 3, 20))}));
    ASSERT_TRUE(store.saveLocation(reykjavik));
    const BoardData stored = BoardData::assemble(store, now, std::nullopt, std::nullopt, newYork());
    EXPECT_EQ(stored.place, "");
    EXPECT_EQ(labels(stored), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(stored.sky, board.sky);
}

using namespace std::string_literals;

TEST(SavedLocationJson, WritesFieldOrderAndReadsBackExactly) {
    EXPECT_EQ(encodeSavedLocation(defaultLocation()),
              R"({"latitude":40.7128,"longitude":-74.006,"name":"New York"})");
    EXPECT_EQ(encodeSavedLocation({-33.0, 151.0, "\"Q\""}),
              R"({"latitude":-33,"longitude":151,"name":"\"Q\""})");
    // What decodes round-trips in location_fuzz; no JSON form, nothing reads back.
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_FALSE(decodeSavedLocation(encodeSavedLocation({nan, 0, "a"})));
    EXPECT_FALSE(decodeSavedLocation(
        encodeSavedLocation({0, std::numeric_limits<double>::infinity(), "b"})));
}

TEST(SavedLocationJson, NeedsAllThreeKeysWithFiniteNumbersAndAString) {
    const struct {
        std::string json;
        std::optional<SavedLocation> expected;
    } cases[] = {
        {R"({"name":"X","longitude":2,"latitude":1.5,"extra":[null]})", SavedLocation{1.5, 2, "X"}},
        {R"({"latitude":1e1,"longitude":-2.5E-1,"name":"\u00e9"})", SavedLocation{10, -0.25, "é"}},
        {R"({"latitude":1,"longitude":2})", std::nullopt},
        {R"({"latitude":1,"name":"X"})", std::nullopt},
        {R"({"latitude":"1","longitude":2,"name":"X"})", std::nullopt},
        {R"({"latitude":1,"longitude":null,"name":"X"})", std::nullopt},
        {R"({"latitude":1,"longitude":2,"name":7})", std::nullopt},
        {R"({"latitude":1e400,"longitude":2,"name":"X"})", std::nullopt},
        {R"({"latitude":1,"longitude":2,"name":"X"} trailing)", std::nullopt},
        {"{\"latitude\":1,\"longitude\":2,\"name\":\"\xff\"}", std::nullopt},
        {"{\"latitude\":1,\"longitude\":2,\"name\":\"a\0b\"}"s, std::nullopt},
        {"[]", std::nullopt},
        {"", std::nullopt},
        {std::string(100, '[') + std::string(100, ']'), std::nullopt},
    };
    for (const auto& c : cases) {
        const auto place = decodeSavedLocation(c.json);
        EXPECT_EQ(place ? std::optional(*place) : std::nullopt, c.expected) << c.json;
    }
}

TEST(PlaceName, JoinsWhatTheGeocoderFoundElseTwoDecimalCoordinates) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        std::optional<PlaceParts> parts;
        double latitude;
        double longitude;
        std::string expected;
    } cases[] = {
        {PlaceParts{"Boulder", "CO"}, 40.0, -105.3, "Boulder, CO"},
        {PlaceParts{"Boulder", std::nullopt}, 40.0, -105.3, "Boulder"},
        {PlaceParts{"", "Colorado"}, 40.0, -105.3, "Colorado"},
        {PlaceParts{"", std::nullopt}, 12.346, -56.789, "12.35, -56.79"},
        {std::nullopt, 12.346, -56.789, "12.35, -56.79"},
        // printf's rounding and sign, not a prettier invention.
        {std::nullopt, -0.001, 0.005, "-0.00, 0.01"},
        {std::nullopt, nan, -std::numeric_limits<double>::infinity(), "nan, -inf"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(placeName(c.parts, c.latitude, c.longitude), c.expected) << c.expected;
    }
    // Hundreds of digits, and none of them cut off.
    EXPECT_EQ(coordinatePlaceName(1e300, -1e300).size(), 304u + 2 + 305);
}

}  // namespace
}  // namespace solvane
