// The feed sync from real calendar files into a real store.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "calendar_fixture.h"
#include "core/calendar/calendar_sync.h"
#include "core/store/shared_store.h"

namespace solvane {
namespace {

namespace fs = std::filesystem;
using testing::kToday;
using testing::newYork;
using testing::ny;
using List = std::vector<Countdown>;

StorePaths pathsUnder(const fs::path& root) {
    return {root / "config/org.solvane.shared/preferences.sqlite",
            root / "config/solvane/preferences.sqlite", root / "data/org.solvane.shared"};
}

class FeedSync : public ::testing::Test {
  protected:
    void SetUp() override {
        home = setup.database->calendars().at(0).id;
        ASSERT_TRUE(store.saveCountdowns({}));
        setFeeds({home});
    }

    void setFeeds(std::vector<std::string> feeds) {
        AppSettings settings = store.loadSettings();
        settings.feedCalendarIDs = std::move(feeds);
        ASSERT_TRUE(store.saveSettings(settings));
    }
    bool sync(Instant now = kToday) {
        return syncFeeds(store, *setup.database, now, newYork()).changed;
    }
    List stored() const { return store.loadCountdowns(newYork(), kToday); }

    // "label start[–end]" as local days, e.g. "Trip 03-11–03-13".
    static std::vector<std::string> summary(const List& list) {
        auto day = [](const DateRule& rule) {
            const auto d = *newYork().civilDate(rule.asFixed()->date);
            char text[8];
            std::snprintf(text, sizeof text, "%02d-%02d", d.month, d.day);
            return std::string(text);
        };
        std::vector<std::string> out;
        for (const auto& c : list) {
            out.push_back(c.label + " " + day(c.start) + (c.end ? "–" + day(*c.end) : ""));
        }
        return out;
    }

    testing::CalendarSetup setup;
    SharedStore store{pathsUnder(setup.dir.path()), "en_US"};
    std::string home;
};

TEST_F(FeedSync, AddsTheFeedsEventsThenWritesNothingUntilTheyChange) {
    ASSERT_TRUE(sync());
    const List added = stored();
    EXPECT_EQ(summary(added), (std::vector<std::string>{
                                  "Trip 03-11–03-13", "Night shift 03-15–03-16", "Dentist 03-20",
                                  "Team sync (moved) 03-26", "Conference 04-01–04-03"}));
    for (const auto& c : added) {
        EXPECT_EQ(c.feedCalendarID, home);
        EXPECT_TRUE(c.eventID && c.eventID->ends_with("@solvane.test"));
    }
    const auto bytes = store.rawValue("countdowns.v1");
    EXPECT_FALSE(sync());
    EXPECT_EQ(store.rawValue("countdowns.v1"), bytes);

    // Two weeks on, what ended is gone; the team sync is its next occurrence, its title.
    ASSERT_TRUE(sync(ny(2030, 3, 27, 12)));
    EXPECT_EQ(summary(stored()),
              (std::vector<std::string>{"Team sync 04-01", "Conference 04-01–04-03"}));

    // Without full access the list is left alone, whatever the feeds.
    const auto synced = store.rawValue("countdowns.v1");
    setup.permissions.record(platform::kCalendarsPermissionKey, platform::kPermissionDenied);
    setFeeds({});
    EXPECT_FALSE(sync(ny(2030, 3, 27, 12)));
    EXPECT_EQ(store.rawValue("countdowns.v1"), synced);
}

// Changed and deleted files are followed; a countdown picked by hand keeps
// its name, and it alone stays once the calendar is no longer a feed.
TEST_F(FeedSync, FollowsChangedAndDeletedFilesButRenamesOnlyFeedCountdowns) {
    const auto launch = upcomingEvents(*setup.database, kPickerHorizonDays, kToday, newYork());
    const auto it = std::find_if(launch.begin(), launch.end(),
                                 [](const CalendarEvent& e) { return e.title == "Launch"; });
    ASSERT_NE(it, launch.end());
    Countdown picked = countdownFrom(*it, newYork());
    picked.label = "Our launch";
    ASSERT_TRUE(store.saveCountdowns({picked}));
    ASSERT_TRUE(sync());

    fs::copy_file(testing::calendarData() / "changes" / "dentist.ics",
                  setup.root / "home" / "dentist.ics", fs::copy_options::overwrite_existing);
    fs::copy_file(testing::calendarData() / "changes" / "work.ics", setup.root / "work.ics",
                  fs::copy_options::overwrite_existing);
    fs::remove(setup.root / "home" / "trip.ics");
    ASSERT_TRUE(sync());
    const List list = stored();
    EXPECT_EQ(summary(list),
              (std::vector<std::string>{"Our launch 05-02", "Night shift 03-15–03-16",
                                        "Orthodontist 03-21", "Team sync (moved) 03-26",
                                        "Conference 04-01–04-03"}));
    EXPECT_EQ(list[0].id, picked.id);
    EXPECT_FALSE(list[0].feedCalendarID);

    setFeeds({});
    ASSERT_TRUE(sync());
    EXPECT_EQ(summary(stored()), std::vector<std::string>{"Our launch 05-02"});
}

// A sync racing the window's edits in other processes is store_load_test.cpp's.

}  // namespace
}  // namespace solvane
