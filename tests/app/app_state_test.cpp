// The window's state against a store in a temporary folder, scripted weather
// services, a fake calendar database and a reload that records what the store
// held when it was asked.
#include "app/app_state.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "app_fakes.h"
#include "core/model/countdown_json.h"

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

TEST_F(AppStateTest, DeletingRemovesEveryCopyAndOnlyATrustedImageFile) {
    const auto icons = *store_.iconsDirectory();
    const std::string name = "E621E1F8-C36C-495A-93FC-0C247A3E6E5F.png";
    std::ofstream(icons / name) << "png";
    std::ofstream(dir_.path() / "data" / "keep.png") << "png";

    Countdown withImage = countdown("Cake");
    withImage.customImage = name;
    Countdown sneaky = countdown("Sneaky");
    sneaky.customImage = "../keep.png";
    store_.saveCountdowns({withImage, countdown("Other"), withImage, sneaky});
    auto state = makeState();

    state->deleteCountdown(withImage);
    EXPECT_FALSE(std::filesystem::exists(icons / name));
    ASSERT_EQ(state->countdowns().size(), 2u);
    EXPECT_EQ(store_.loadCountdowns(newYork(), kNow).size(), 2u);

    state->deleteCountdown(sneaky);
    EXPECT_TRUE(std::filesystem::exists(dir_.path() / "data" / "keep.png"));
    EXPECT_EQ(reloads_, 2);
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

}  // namespace
}  // namespace solvane::app
