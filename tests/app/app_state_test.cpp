// The window's state against a store in a temporary folder, scripted weather
// services, a fake calendar database and a reload that records what the store
// held when it was asked; and the update check against feeds served on the
// loopback interface, the appcast reading and the version order.
#include "app/app_state.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/update_checker.h"
#include "app_fakes.h"
#include "core/model/countdown_json.h"
#include "support/loopback_http_server.h"
#include "support/temp_dir.h"

namespace solvane::app {
namespace {

using namespace std::chrono_literals;
using fakes::FakeEventStore;
using fakes::kFeed;
using fakes::kNow;
using fakes::newYork;
using fakes::waitUntil;

class AppStateTest : public fakes::StoreTest {
  protected:
    std::unique_ptr<AppState> makeState(EventStore* events = nullptr,
                                        std::chrono::milliseconds attemptDelay = 10ms) {
        AppServices app = appServices();
        app.attribution = [this]() -> std::optional<platform::WeatherKitAttribution> {
            ++attributionCalls_;
            return platform::WeatherKitAttribution{"Apple Weather", "https://l/light.png",
                                                   "https://l/dark.png", "https://l/legal"};
        };
        app.events = events;
        app.reloadWidgets = [this] {
            ++reloads_;
            if (onReload_) {
                onReload_();
            }
        };
        app.attemptDelay = attemptDelay;
        return std::make_unique<AppState>(std::move(app));
    }

    void settle(AppState& state) {
        ASSERT_TRUE(waitUntil([&] { return !state.weatherLoading(); }));
    }
    void followFeed(FakeEventStore& events, std::initializer_list<const char*> ids) {
        for (const char* id : ids) {
            events.stored.push_back(CalendarEvent{id, "Trip", kNow + 86400.0 * 5,
                                                  kNow + 86400.0 * 5 + 3600, false, kFeed});
        }
        AppSettings settings = store_.loadSettings();
        settings.feedCalendarIDs = {kFeed.id};
        store_.saveSettings(settings);
    }

    std::atomic<int> attributionCalls_{0};
    int reloads_ = 0;
    std::function<void()> onReload_;
};

Countdown countdown(std::string label) {
    return fakes::countdownOn(std::move(label), kNow + 86400.0 * 10);
}

TEST_F(AppStateTest, EveryEditIsStoredBeforeTheWidgetsAreAskedToReload) {
    store_.saveCountdowns({countdown("A"), countdown("B")});
    auto state = makeState();
    ASSERT_EQ(state->countdowns().size(), 2u);
    std::vector<std::vector<std::string>> seenByReload;
    onReload_ = [&] {
        std::vector<std::string> labels;
        for (const auto& c : store_.loadCountdowns(newYork(), kNow)) {
            labels.push_back(c.label);
        }
        seenByReload.push_back(labels);
    };

    Countdown added = state->newCountdownDraft();
    EXPECT_TRUE(state->isNew(added));
    added.label = "C";
    state->saveCountdown(added, true);
    added.label = "C2";
    state->saveCountdown(added, true);  // replaced in place, not appended
    state->moveCountdowns({2}, 0);
    state->moveCountdowns({0, 1}, 3);
    state->deleteCountdown(added);
    // Moves that change nothing write nothing, so ask for no reload.
    state->moveCountdowns({}, 0);
    state->moveCountdowns({7, 99}, 0);  // out of range
    state->moveCountdowns({0}, 1);      // before itself's successor: same place
    state->moveCountdowns({1}, 1000);   // already last

    EXPECT_EQ(
        seenByReload,
        (std::vector<std::vector<std::string>>{
            {"A", "B", "C"}, {"A", "B", "C2"}, {"C2", "A", "B"}, {"B", "C2", "A"}, {"B", "A"}}));
}

// Which image files a delete may remove is the hostile-store test's.
TEST_F(AppStateTest, DeletingRemovesEveryCopy) {
    const Countdown twice = countdown("Cake");
    store_.saveCountdowns({twice, countdown("Other"), twice});
    auto state = makeState();
    state->deleteCountdown(twice);
    EXPECT_EQ(state->countdowns().size(), 1u);
    EXPECT_EQ(store_.loadCountdowns(newYork(), kNow).size(), 1u);
    EXPECT_EQ(reloads_, 1);
}

TEST_F(AppStateTest, SettingsChangesAreStoredReloadedAndRefetchOnlyForANewSource) {
    openMeteo_.script({true});
    apple_.script({true});
    auto state = makeState();
    state->refreshWeather();
    settle(*state);
    ASSERT_EQ(openMeteo_.calls(), 1);
    EXPECT_EQ(attributionCalls_, 1);

    onReload_ = [&] { EXPECT_EQ(store_.loadSettings(), state->settings()); };
    state->setUnit(TempUnit::celsius);
    settle(*state);
    EXPECT_EQ(reloads_, 1);
    EXPECT_EQ(openMeteo_.calls(), 1) << "the cached snapshot serves a unit change";
    EXPECT_EQ(apple_.calls(), 0);

    state->setWeatherSource(WeatherSource::apple);
    settle(*state);
    EXPECT_EQ(reloads_, 2);
    EXPECT_EQ(apple_.calls(), 1);

    state->setWeatherSource(WeatherSource::apple);  // no change, nothing happens
    EXPECT_EQ(reloads_, 2);

    for (const char* id : {"b", "a", "b"}) {
        state->setFeedCalendar(id, true);
    }
    EXPECT_EQ(store_.loadSettings().feedCalendarIDs, (std::vector<std::string>{"a", "b"}));
    state->setFeedCalendar("a", false);
    EXPECT_EQ(store_.loadSettings().feedCalendarIDs, (std::vector<std::string>{"b"}));
    settle(*state);
    EXPECT_EQ(attributionCalls_, 1) << "the attribution is asked for once";
}

TEST_F(AppStateTest, RefreshTriesThreeTimesWithoutBlockingAndKeepsTheOldWeather) {
    auto state = makeState();
    int loadingSignals = 0;
    QObject::connect(state.get(), &AppState::weatherLoadingChanged, [&] { ++loadingSignals; });

    state->refreshWeather();
    EXPECT_TRUE(state->weatherLoading()) << "the refresh returns before any attempt finishes";
    settle(*state);
    // The delay between attempts is the one the closing test sets to a day.
    ASSERT_EQ(openMeteo_.calls(), 3);
    EXPECT_FALSE(state->weather());
    EXPECT_FALSE(state->showsFallbackNotice());
    EXPECT_EQ(loadingSignals, 2);
    EXPECT_EQ(reloads_, 0) << "a refresh leaves the widgets to their own schedule";

    // The second attempt succeeds: no third one.
    openMeteo_.script({false, false, false, false, true});
    state->refreshWeather();
    settle(*state);
    EXPECT_EQ(openMeteo_.calls(), 5);
    EXPECT_TRUE(state->weather());
}

// A close that waited out the day between attempts would hang the test.
TEST_F(AppStateTest, ClosingTheWindowDoesNotWaitOutTheDelayBetweenAttempts) {
    auto state = makeState(nullptr, 24h);
    state->refreshWeather();
    ASSERT_TRUE(waitUntil([&] { return openMeteo_.calls() == 1; }));
    state.reset();
    EXPECT_EQ(openMeteo_.calls(), 1);
}

// The retry that reaches Apple is driven through the window.
TEST_F(AppStateTest, FallbackNoticeShowsTheNoteAndAnEmptyRetryClearsTheWeather) {
    store_.saveSettings(AppSettings{WeatherSource::apple, TempUnit::fahrenheit, {}});
    openMeteo_.script({true});
    auto state = makeState();
    EXPECT_EQ(state->fallbackDetails(), kNoFailureDetails);

    state->refreshWeather();
    settle(*state);
    ASSERT_TRUE(state->weather());
    EXPECT_TRUE(state->showsFallbackNotice());
    EXPECT_EQ(state->fallbackDetails(), "WeatherKitError.http(503)");
    EXPECT_EQ(apple_.calls(), 1);

    // A retry that finds nothing, with nothing cached to fall back on, clears
    // the weather rather than keep showing the old.
    store_.setRawValue("weather.v2", "not json");
    state->retryAppleWeather();
    settle(*state);
    EXPECT_FALSE(state->weather());
    EXPECT_EQ(reloads_, 1);
}

// Until its own weather comes, the old place's is never shown under the new
// name, not even by a window opened later on the same store.
TEST_F(AppStateTest, ANewPlaceIsStoredFetchedAndNeverShowsTheOldWeather) {
    openMeteo_.script({true, true});  // then the service fails
    auto state = makeState();
    state->refreshWeather();
    settle(*state);
    const SavedLocation paris{48.85, 2.35, "Paris"};
    onReload_ = [&] { EXPECT_EQ(store_.loadSavedLocation(), paris); };
    state->placeChanged(paris);
    EXPECT_FALSE(state->weather()) << "the old place's weather stood under the new name";
    EXPECT_TRUE(state->weatherLoading());
    settle(*state);
    EXPECT_EQ(state->location(), paris);
    EXPECT_EQ(openMeteo_.calls(), 2) << "the cache was for the old place";
    ASSERT_TRUE(state->weather());
    EXPECT_DOUBLE_EQ(state->weather()->latitude, 48.85);
    EXPECT_EQ(reloads_, 1);

    onReload_ = nullptr;
    state->placeChanged(SavedLocation{48.14, 11.58, "Munich"});
    settle(*state);
    EXPECT_FALSE(state->weather());
    auto reopened = makeState();
    reopened->refreshWeather();
    settle(*reopened);
    EXPECT_FALSE(reopened->weather());
}

// Until the user chooses, the place is the zone's city, and says so; a place
// saved by another program is taken up.
TEST_F(AppStateTest, ThePlaceIsTheZonesCityUntilOneIsChosen) {
    auto state = makeState();
    EXPECT_EQ(state->placeSource(), PlaceSource::zone);
    EXPECT_EQ(state->location().name, "New York");
    EXPECT_FALSE(store_.loadSavedLocation()) << "a default is never stored";
    ASSERT_TRUE(store_.saveLocation({52.52, 13.405, "Berlin"}));
    state->storeChanged();
    EXPECT_EQ(state->placeSource(), PlaceSource::saved);
    EXPECT_EQ(state->location().name, "Berlin");
}

TEST_F(AppStateTest, CalendarSyncAddsFeedEventsReloadsOnlyOnChangeAndFollowsAccess) {
    FakeEventStore events;
    followFeed(events, {"ev-1"});
    store_.saveCountdowns({countdown("Mine")});
    openMeteo_.script({true});
    auto state = makeState(&events);
    onReload_ = [&] { EXPECT_EQ(store_.loadCountdowns(newYork(), kNow), state->countdowns()); };

    state->windowShown();
    EXPECT_TRUE(state->calendarAccess());
    ASSERT_EQ(state->countdowns().size(), 2u);
    EXPECT_EQ(state->countdowns()[1].label, "Trip");
    EXPECT_EQ(state->countdowns()[1].feedCalendarID, kFeed.id);
    EXPECT_EQ(reloads_, 1);
    settle(*state);
    EXPECT_TRUE(state->weather()) << "the refresh follows the sync";

    state->syncCalendars();
    EXPECT_EQ(reloads_, 1) << "nothing changed, nothing reloaded";

    events.state = CalendarAuthorization::denied;
    events.stored.clear();
    state->syncCalendars();
    EXPECT_FALSE(state->calendarAccess());
    EXPECT_EQ(state->countdowns().size(), 2u) << "without access feed countdowns stay";

    state->connectCalendars([] { return true; });
    EXPECT_TRUE(state->calendarAccess());
    ASSERT_EQ(state->countdowns().size(), 1u) << "the deleted event's countdown goes";
    EXPECT_EQ(reloads_, 2);
}

TEST_F(AppStateTest, AFullListSaysWhatItCouldNotAddOrStore) {
    FakeEventStore events;
    followFeed(events, {"ev-1", "ev-2"});
    std::vector<Countdown> full;
    for (std::size_t i = 0; i < kMaxCountdowns; ++i) {
        full.push_back(countdown("Mine"));
    }
    ASSERT_TRUE(store_.saveCountdowns(full));
    auto state = makeState(&events);

    state->syncCalendars();
    EXPECT_EQ(state->feedEventsLeftOut(), 2u);
    EXPECT_FALSE(state->lastSaveFault());
    EXPECT_EQ(reloads_, 0) << "nothing could be added, nothing changed";

    // One more by hand cannot be stored either: shown, and said so.
    const Countdown extra = countdown("Extra");
    state->saveCountdown(extra, true);
    EXPECT_TRUE(state->lastSaveFault());
    EXPECT_EQ(state->countdowns().size(), kMaxCountdowns + 1);
    EXPECT_EQ(store_.loadCountdowns(newYork(), kNow).size(), kMaxCountdowns);

    // Making room lets both through.
    state->deleteCountdown(state->countdowns().front());
    EXPECT_FALSE(state->lastSaveFault());
    state->syncCalendars();
    EXPECT_EQ(state->feedEventsLeftOut(), 1u);
    EXPECT_EQ(store_.loadCountdowns(newYork(), kNow).back().label, "Trip");
}

using testing::HttpTestReply;
using testing::HttpTestRequest;
using testing::LoopbackHttpServer;

std::string appcast(const std::string& items) {
    return R"(<?xml version="1.0" encoding="utf-8"?>
<rss version="2.0" xmlns:sparkle="http://www.andymatuschak.org/xml-namespaces/sparkle">
<channel><title>Solvane</title>)" +
           items + "</channel></rss>";
}

const std::string kTwoReleases = appcast(R"(
<item><title>0.9</title>
  <enclosure url="https://example.org/solvane-0.9.tar.gz" sparkle:version="0.9"/></item>
<item><title>0.10</title><link>https://example.org/releases/0.10</link>
  <sparkle:version>210</sparkle:version>
  <sparkle:shortVersionString>0.10</sparkle:shortVersionString></item>)");

HttpTestReply xmlReply(int status, std::string body) {
    return HttpTestReply{status, std::move(body), {{"Content-Type", "application/rss+xml"}}};
}

TEST(UpdateCheckerVersions, CompareNumericallyPartByPart) {
    EXPECT_GT(compareVersions("1.10", "1.9"), 0);
    EXPECT_LT(compareVersions("1.9", "1.10"), 0);
    EXPECT_EQ(compareVersions("1.2", "1.2.0"), 0);
    EXPECT_GT(compareVersions("2", "1.99.99"), 0);
    EXPECT_LT(compareVersions("2.0b1", "2.0"), 0);
    EXPECT_LT(compareVersions("2.0b1", "2.0b2"), 0);
    EXPECT_EQ(compareVersions("99999999999999999999999", "99999999999999999999998"), 0);
    EXPECT_EQ(compareVersions("", "0"), 0);
    EXPECT_LT(compareVersions("..", "0.0.1"), 0);
}

TEST(UpdateCheckerAppcast, ReadsAttributesElementsAndAddresses) {
    auto items = parseAppcast(kTwoReleases);
    ASSERT_TRUE(items);
    EXPECT_EQ(*items, (std::vector<AppcastItem>{
                          {"0.9", "https://example.org/solvane-0.9.tar.gz"},
                          {"0.10", "https://example.org/releases/0.10"},
                      }));

    // No version, or no web address to send the user to: not offered.
    items = parseAppcast(appcast(R"(
<item><link>https://example.org/x</link></item>
<item><sparkle:version>5.0</sparkle:version><link>file:///etc/passwd</link></item>
<item><enclosure url="javascript:void" sparkle:version="6.0"/></item>)"));
    ASSERT_TRUE(items);
    EXPECT_TRUE(items->empty());

    EXPECT_FALSE(parseAppcast("<rss><channel><item></channel></rss>"));
    EXPECT_FALSE(parseAppcast(""));
    EXPECT_FALSE(parseAppcast(std::string(kMaxAppcastBytes + 1, ' ')));
}

TEST(UpdateCheckerInfo, ReadsFeedAndVersionFromInfoJson) {
    testing::TempDir dir;
    const auto file = dir.path() / "Info.json";
    std::ofstream(file) << R"({"AppGroup":"g","Version":"1.4.2","UpdateFeed":"https://x/a.xml"})";
    UpdateInfo info = readUpdateInfo(file, "0");
    EXPECT_EQ(info.feed, "https://x/a.xml");
    EXPECT_EQ(info.version, "1.4.2");

    std::ofstream(file, std::ios::trunc) << R"({"UpdateFeed":"","Version":7})";
    info = readUpdateInfo(file, "0.1.0");
    EXPECT_FALSE(info.feed);
    EXPECT_EQ(info.version, "0.1.0");
    EXPECT_FALSE(readUpdateInfo(dir.path() / "missing.json", "0").feed);
}

TEST(UpdateCheckerFeed, ReportsNewerSameAndEveryFailure) {
    std::string body = kTwoReleases;
    int status = 200;
    LoopbackHttpServer server([&](const HttpTestRequest&) { return xmlReply(status, body); });
    const UpdateInfo running{server.url() + "/appcast.xml", "0.9.1"};

    UpdateResult result = checkForUpdates(running);
    EXPECT_EQ(result.kind, UpdateResult::Kind::available);
    EXPECT_EQ(result.message,
              "Solvane 0.10 is available — download it from https://example.org/releases/0.10.");
    EXPECT_EQ(server.requests().back().path(), "/appcast.xml");

    result = checkForUpdates(UpdateInfo{running.feed, "0.10"});
    EXPECT_EQ(result.kind, UpdateResult::Kind::upToDate);
    EXPECT_EQ(result.message, "You're up to date (Solvane 0.10).");
    EXPECT_EQ(checkForUpdates(UpdateInfo{running.feed, "1.0"}).kind, UpdateResult::Kind::upToDate);

    // Each failure says what happened and what to do, and keeps the exact
    // technical text apart; never an internal name in the sentence.
    const struct {
        int status;
        std::string body;
        const char *says, *detail;
    } failures[] = {
        {200, "<rss><channel><item><title>broken", "could not be read", "not well-formed XML"},
        {200, "<rss><channel></channel></rss>", "lists no versions", "no item"},
        {500, kTwoReleases, "had a problem. Try again later.", "HTTP 500"},
        {404, kTwoReleases, "may be out of date", "HTTP 404"},
    };
    for (const auto& f : failures) {
        status = f.status;
        body = f.body;
        result = checkForUpdates(running);
        EXPECT_EQ(result.kind, UpdateResult::Kind::failed) << f.detail;
        EXPECT_TRUE(result.message.starts_with("Solvane couldn't check for updates: "));
        EXPECT_NE(result.message.find(f.says), std::string::npos) << result.message;
        EXPECT_EQ(result.message.find("Error."), std::string::npos) << result.message;
        EXPECT_NE(result.detail.find(f.detail), std::string::npos) << result.detail;
    }

    server.stop();
    result = checkForUpdates(running);
    EXPECT_EQ(result.kind, UpdateResult::Kind::failed);
    EXPECT_EQ(result.message,
              "Solvane couldn't check for updates: the update server could not be reached. "
              "Check the connection and try again.");
    EXPECT_EQ(result.detail, "HttpError.cannotConnect");
}

class UpdateCheckerAuto : public ::testing::Test {
  protected:
    std::optional<std::pair<UpdateResult, bool>> runUntilFinished(UpdateChecker& checker) {
        std::optional<std::pair<UpdateResult, bool>> finished;
        auto connection = QObject::connect(&checker, &UpdateChecker::checkFinished,
                                           [&](const UpdateResult& r, bool requested) {
                                               finished = std::make_pair(r, requested);
                                           });
        fakes::waitUntil([&] { return finished.has_value(); });
        QObject::disconnect(connection);
        return finished;
    }

    UpdateChecker::Config configFor(std::optional<std::string> feed) {
        return {.info = UpdateInfo{std::move(feed), "0.9"},
                .stateFile = dir_.path() / "solvane" / "last-update-check",
                .clock = [this] { return now_; }};
    }

    testing::TempDir dir_;
    Instant now_ = Instant::fromUnix(1'700'000'000);
};

TEST_F(UpdateCheckerAuto, ChecksOffTheMainThreadAndOnceADay) {
    LoopbackHttpServer server([&](const HttpTestRequest&) { return xmlReply(200, kTwoReleases); });
    const UpdateChecker::Config config = configFor(server.url() + "/appcast.xml");
    UpdateChecker checker(config);

    EXPECT_TRUE(checker.automaticCheckDue());
    checker.startAutomaticChecks();
    EXPECT_TRUE(checker.checking()) << "the request runs on a worker";
    auto finished = runUntilFinished(checker);
    ASSERT_TRUE(finished);
    EXPECT_EQ(finished->first.kind, UpdateResult::Kind::available);
    EXPECT_FALSE(finished->second);
    EXPECT_FALSE(checker.automaticCheckDue());

    now_ = now_ + 23 * 3600.0;
    EXPECT_FALSE(UpdateChecker(config).automaticCheckDue()) << "kept across runs";
    now_ = now_ + 3600.0;
    EXPECT_TRUE(checker.automaticCheckDue());
    now_ = Instant::fromUnix(1'600'000'000);
    EXPECT_TRUE(checker.automaticCheckDue()) << "a clock set back does not stop checks";

    std::ofstream(config.stateFile, std::ios::trunc) << "garbage";
    EXPECT_TRUE(checker.automaticCheckDue());

    checker.checkNow();
    finished = runUntilFinished(checker);
    ASSERT_TRUE(finished);
    EXPECT_TRUE(finished->second);
    EXPECT_EQ(server.requestCount(), 2u);
}

TEST_F(UpdateCheckerAuto, NoFeedIsNeverDueAndSaysSoWhenAsked) {
    const UpdateChecker::Config config = configFor(std::nullopt);
    UpdateChecker checker(config);
    EXPECT_FALSE(checker.automaticCheckDue());
    checker.checkNow();
    auto finished = runUntilFinished(checker);
    ASSERT_TRUE(finished);
    EXPECT_EQ(finished->first.kind, UpdateResult::Kind::noFeed);
    EXPECT_EQ(finished->first.message, "No update feed is configured.");
    EXPECT_FALSE(std::filesystem::exists(config.stateFile));
}

}  // namespace
}  // namespace solvane::app
