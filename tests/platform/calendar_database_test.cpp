// The calendar adapter over real vdir folders, .ics files and khal's configuration,
// and the feed sync from it into a real store (racing the window's edits in other
// processes is store_load_test.cpp's).
#include "platform/calendar/calendar_database.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "calendar_fixture.h"
#include "core/calendar/calendar_sync.h"
#include "core/store/shared_store.h"
#include "platform/calendar/ics_file.h"
#include "platform/calendar/khal_config.h"

namespace solvane {
namespace {

namespace fs = std::filesystem;
using platform::CalendarDatabase;
using testing::CalendarSetup;
using testing::kToday;
using testing::newYork;
using testing::ny;
using testing::writeFile;

std::string row(const CalendarEvent& e) {
    return e.title.value_or("-") + " | " + *formatIso8601(e.start) + " | " + *formatIso8601(e.end) +
           (e.allDay ? " | all-day | " : " | ") + e.calendar.title;
}

std::vector<std::string> rows(const std::vector<CalendarEvent>& events) {
    std::vector<std::string> out;
    for (const auto& e : events) {
        out.push_back(row(e));
    }
    return out;
}

TEST(CalendarDatabase, ReadsEveryOccurrenceOverlappingTheIntervalInStartOrder) {
    const CalendarSetup setup;
    const auto events =
        setup.database->events(ny(2030, 3, 12), ny(2031, 4, 16), testing::newYork());
    // The trip began yesterday and is still on; the standup's time has no
    // zone and is New York's; the team sync keeps 10:00 in Berlin across
    // Europe's clock change on 31 March, skips 18 March, moves 25 March to
    // the 26th and ends with its UNTIL; the anniversary repeats from 2020.
    const std::vector<std::string> expected = {
        "Trip | 2030-03-11T22:00:00.000Z | 2030-03-13T13:00:00.000Z | Home",
        "Standup | 2030-03-14T13:00:00.000Z | 2030-03-14T13:00:00.000Z | Work",
        "Night shift | 2030-03-16T02:00:00.000Z | 2030-03-16T05:00:00.000Z | Home",
        "Dentist | 2030-03-20T04:00:00.000Z | 2030-03-21T04:00:00.000Z | all-day | Home",
        "Team sync (moved) | 2030-03-26T13:00:00.000Z | 2030-03-26T13:45:00.000Z | Home",
        "Conference | 2030-04-01T04:00:00.000Z | 2030-04-04T04:00:00.000Z | all-day | Home",
        "Team sync | 2030-04-01T08:00:00.000Z | 2030-04-01T08:30:00.000Z | Home",
        "Team sync | 2030-04-08T08:00:00.000Z | 2030-04-08T08:30:00.000Z | Home",
        "Team sync | 2030-04-15T08:00:00.000Z | 2030-04-15T08:30:00.000Z | Home",
        "Team sync | 2030-04-22T08:00:00.000Z | 2030-04-22T08:30:00.000Z | Home",
        "Team sync | 2030-04-29T08:00:00.000Z | 2030-04-29T08:30:00.000Z | Home",
        "Launch | 2030-05-01T13:00:00.000Z | 2030-05-01T15:00:00.000Z | Work",
        "Anniversary | 2030-06-15T04:00:00.000Z | 2030-06-16T04:00:00.000Z | all-day | Work",
    };
    EXPECT_EQ(rows(events), expected);
    ASSERT_FALSE(events.empty());
    // Every occurrence carries the event's name within its calendar.
    EXPECT_EQ(events[4].itemId, events[4].calendar.id + "/team-sync@solvane.test");
    EXPECT_EQ(events[6].itemId, events[4].itemId);
}

TEST(CalendarDatabase, NamesCalendarsStablyWhateverElseComesAndGoes) {
    const CalendarSetup setup;
    const auto calendars = setup.database->calendars();
    ASSERT_EQ(calendars.size(), 2u);
    EXPECT_EQ(calendars,
              (std::vector<EventCalendar>{{calendars[0].id, "Home", "#FF8800", "Personal"},
                                          {calendars[1].id, "Work", "#0088FF", "Personal"}}));
    EXPECT_TRUE(calendars[0].id.starts_with("vdir:") && calendars[1].id.starts_with("ics:"));

    // Another root first (with a calendar of the same name), a hidden folder,
    // a vanished root and the same root spelled with a slash change nothing.
    const fs::path other = setup.dir.path() / "other";
    writeFile(other / "home" / "x.ics", "");
    fs::create_directories(setup.root / ".git" / "objects");
    const CalendarDatabase moved({other, setup.dir.path() / "gone", setup.root.string() + "/"},
                                 setup.permissions);
    const auto again = moved.calendars();
    ASSERT_EQ(again.size(), 3u);
    EXPECT_EQ(again[0].title, "home");
    // A root without a displayname is no account; never its folder's name.
    EXPECT_EQ(again[0].accountTitle, "On This Computer");
    EXPECT_NE(again[0].id, calendars[0].id);
    EXPECT_EQ(again[1], calendars[0]);
    EXPECT_EQ(again[2], calendars[1]);
}

// --- Access ------------------------------------------------------------------------------

TEST(CalendarAccess, FollowsThePermissionRecordAndReadsNothingWithoutIt) {
    const CalendarSetup setup;
    const fs::path record = setup.permissions.file();
    const std::map<std::string, CalendarAuthorization> cases = {
        {"{\"calendars\":\"granted\"}", CalendarAuthorization::fullAccess},
        {"{\"location\":\"granted\",\"calendars\":\"denied\"}", CalendarAuthorization::denied},
        // Unreadable records are the permission record's own (LocationPermission).
        {"{\"location\":\"granted\"}", CalendarAuthorization::notDetermined},
    };
    for (const auto& [bytes, state] : cases) {
        writeFile(record, bytes);
        EXPECT_EQ(setup.database->authorization(), state) << bytes;
        const bool reads = state == CalendarAuthorization::fullAccess;
        EXPECT_EQ(!setup.database->calendars().empty(), reads) << bytes;
        EXPECT_EQ(
            !setup.database->events(ny(2030, 3, 12), ny(2030, 4, 12), testing::newYork()).empty(),
            reads)
            << bytes;
    }
    fs::remove(record);
    EXPECT_EQ(setup.database->authorization(), CalendarAuthorization::notDetermined);
}

TEST(CalendarAccess, AsksUntilGrantedAndKeepsTheOtherServicesAnswers) {
    const CalendarSetup setup;
    writeFile(setup.permissions.file(), "{\"location\":\"granted\"}");
    CalendarDatabase& database = *setup.database;
    int asked = 0;
    auto answer = [&](bool yes) {
        return [&asked, yes] {
            ++asked;
            return yes;
        };
    };
    EXPECT_FALSE(database.requestFullAccess(answer(false)));
    EXPECT_EQ(database.authorization(), CalendarAuthorization::denied);
    EXPECT_FALSE(database.requestFullAccess([]() -> bool { throw std::runtime_error("closed"); }));
    EXPECT_FALSE(database.requestFullAccess(nullptr));
    EXPECT_TRUE(database.requestFullAccess(answer(true)));
    EXPECT_TRUE(database.requestFullAccess(answer(false)));
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(setup.permissions.answer("location"), "granted");
    EXPECT_EQ(setup.permissions.answer("calendars"), "granted");
}

TEST(CalendarAccess, AnUnreadableRootRestrictsAccessWithoutAsking) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root reads every folder";
    }
    const CalendarSetup setup;
    fs::permissions(setup.root, fs::perms::none);
    int asked = 0;
    EXPECT_EQ(setup.database->authorization(), CalendarAuthorization::restricted);
    EXPECT_FALSE(setup.database->requestFullAccess([&] { return ++asked > 0; }));
    EXPECT_EQ(asked, 0);
    fs::permissions(setup.root, fs::perms::owner_all);
    EXPECT_EQ(setup.database->authorization(), CalendarAuthorization::fullAccess);
}

// --- Limits -------------------------------------------------------------------------------

std::string oneEvent(const std::string& uid, const std::string& title, const std::string& start) {
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nBEGIN:VEVENT\r\nUID:" + uid + "\r\nSUMMARY:" + title +
           "\r\nDTSTART:" + start + "\r\nDURATION:PT30M\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
}

TEST(IcsLimits, HostileFilesAreSkippedOrCappedAndTheRestIsRead) {
    const CalendarSetup setup("hostile");
    const fs::path folder = setup.root / "mixed";
    // Over the size limit, though every byte of it is a fine calendar.
    std::string big = oneEvent("big", "Too big", "20300312T170000Z");
    big.insert(big.find("SUMMARY"),
               "COMMENT:" + std::string(platform::kMaxIcsFileBytes, 'x') + "\r\n");
    writeFile(folder / "big.ics", big);
    std::string deep;
    for (int i = 0; i < 200'000; ++i) {
        deep += "BEGIN:VEVENT\r\n";
    }
    writeFile(folder / "deep.ics", deep);
    writeFile(setup.dir.path() / "outside.ics", oneEvent("outside", "Outside", "20300312T170000Z"));
    fs::create_symlink(setup.dir.path() / "outside.ics", folder / "outside.ics");
    ASSERT_EQ(::mkfifo((folder / "fifo.ics").c_str(), 0600), 0);
    // Rules libical finds empty only by walking to their last year: 30 February is seen
    // at once, a Tuesday every 7th day from a Monday costs each event its time slice,
    // then its file its turn; files after it are read in full.
    std::string impossible = "BEGIN:VCALENDAR\r\n";
    for (int i = 0; i < 20; ++i) {
        impossible += "BEGIN:VEVENT\r\nUID:never-" + std::to_string(i) +
                      "\r\nDTSTART:20300311T090000Z\r\nRRULE:FREQ=DAILY;" +
                      (i % 2 == 0 ? "BYMONTH=2;BYMONTHDAY=30" : "INTERVAL=7;BYDAY=TU") +
                      "\r\nEND:VEVENT\r\n";
    }
    writeFile(folder / "aaa-never.ics", impossible + "END:VCALENDAR\r\n");
    if (::geteuid() != 0) {
        writeFile(folder / "locked.ics", oneEvent("locked", "Locked", "20300312T170000Z"));
        fs::permissions(folder / "locked.ics", fs::perms::none);
    }

    const auto events =
        setup.database->events(ny(2030, 3, 12), ny(2030, 3, 13), testing::newYork());
    std::map<std::string, int> count;
    std::map<std::string, std::string> start;
    for (const auto& e : events) {
        ++count[*e.title];
        start.emplace(*e.title, *formatIso8601(e.start));
    }
    EXPECT_EQ(count["Still here"], 1);
    EXPECT_EQ(count["Ticker"], static_cast<int>(platform::kMaxInstancesPerEvent));
    EXPECT_EQ(start["Ticker"], "2030-03-12T04:00:00.000Z");
    EXPECT_EQ(count["Sparse hourly"], 1);
    EXPECT_EQ(start["Defined zone"], "2030-03-12T06:30:00.000Z");
    EXPECT_EQ(start["Vendor zone"], "2030-03-12T09:00:00.000Z");
    EXPECT_EQ(start["Windows zone"], "2030-03-12T11:00:00.000Z");
    // A zone that cannot be used is read as the user's.
    EXPECT_EQ(start["Restless zone"], "2030-03-12T16:00:00.000Z");
    EXPECT_EQ(start["Unknown zone"], "2030-03-12T16:00:00.000Z");
    for (const char* skipped : {"No start", "Too big", "Outside", "Locked"}) {
        EXPECT_EQ(count.count(skipped), 0u) << skipped;
    }
}

// How long such a query takes is measured by the calendar benchmark, not here.
TEST(IcsLimits, TenThousandItemsAreReadAndTheRestSkipped) {
    const CalendarSetup setup;
    const fs::path folder = setup.root / "busy";
    for (int i = 0; i < 10'050; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "item-%05d.ics", i);
        char start[32];
        std::snprintf(start, sizeof start, "2030%02d%02dT%02d%02d00Z", 4 + i / 2800,
                      1 + i / 100 % 28, i / 4 % 24, i % 4 * 15);
        writeFile(folder / name, oneEvent(std::to_string(i), "Item " + std::to_string(i), start));
    }
    const auto events =
        setup.database->events(ny(2030, 3, 12), ny(2031, 4, 16), testing::newYork());
    const auto busy = std::count_if(events.begin(), events.end(), [](const CalendarEvent& e) {
        return e.calendar.title == "busy";
    });
    EXPECT_EQ(static_cast<std::size_t>(busy), platform::kMaxItemsPerCalendar);
}

// --- khal ---------------------------------------------------------------------------------

using platform::FolderCalendar;
using platform::FolderSource;
using platform::globFolders;
using platform::khalCalendars;

std::string noVariables(const std::string&) {
    return {};
}

TEST(KhalConfig, NamesTheCalendarsOfItsCalendarsSection) {
    const std::string text = R"(
[default]
path = /not/a/calendar
[calendars]
# a comment
  [[home]]
  path = ~/.calendars/home/   # trailing comment
  color = dark green
  [[quoted]]
  path = "~/cals/with # hash"
  color = '#12abef'
  [[vars]]
  path = ${XDG_DATA_HOME}/cal/$USER
  color = auto
  [[people]]
  path = ~/.contacts/
  type = birthdays
  [[relative]]
  path = cals/relative
  [[nopath]]
  color = light blue
  [[synced]]
  path = /srv/google/*
  type = discover
  color = light red
[locale]
  [[notacalendar]]
  path = /elsewhere
)";
    const std::map<std::string, std::string> vars = {{"XDG_DATA_HOME", "/data"}, {"USER", "ana"}};
    const auto calendars = khalCalendars(
        text, "/home/ana",
        [&](const std::string& name) { return vars.count(name) ? vars.at(name) : ""; },
        [](const std::string& pattern) {
            EXPECT_EQ(pattern, "/srv/google/*");
            return std::vector<fs::path>{"/srv/google/Family", "/srv/google/Work"};
        });
    const std::vector<FolderCalendar> expected = {
        {"/home/ana/.calendars/home/", "home", "#00AA00"},
        {"/home/ana/cals/with # hash", "quoted", "#12abef"},
        {"/data/cal/ana", "vars", std::nullopt},
        {"/srv/google/Family", "Family", "#FF5555"},
        {"/srv/google/Work", "Work", "#FF5555"},
    };
    EXPECT_EQ(calendars, expected);
    EXPECT_TRUE(khalCalendars("", "/home/ana", noVariables).empty());
    EXPECT_TRUE(khalCalendars("[calendars\n[[x]]\npath=/a\n", "/h", noVariables).empty());
}

TEST(KhalConfig, DiscoverFindsOnlyFolders) {
    solvane::testing::TempDir dir;
    fs::create_directories(dir.path() / "google" / "b");
    fs::create_directories(dir.path() / "google" / "a");
    writeFile(dir.path() / "google" / "notes.txt", "x");
    EXPECT_EQ(globFolders((dir.path() / "google" / "*").string()),
              (std::vector<fs::path>{dir.path() / "google" / "a", dir.path() / "google" / "b"}));
    EXPECT_TRUE(globFolders((dir.path() / "nothing" / "*").string()).empty());
}

// A calendar named on its own sits beside the roots' ones, once; a root made after
// start counts from then on, its parent folder watched for it until then.
TEST(FolderSource, CalendarsNamedOnTheirOwnAndRootsThatAppearLater) {
    solvane::testing::TempDir dir;
    const fs::path root = dir.path() / "calendars";
    const fs::path khalWork = dir.path() / "khal" / "work";
    writeFile(khalWork / "a.ics", "BEGIN:VCALENDAR\r\nEND:VCALENDAR\r\n");
    writeFile(dir.path() / "khal" / "titled" / "displayname", "Titled by its folder\n");
    std::vector<FolderCalendar> named = {
        {khalWork, "Work", std::string("#00AA00")},
        {dir.path() / "khal" / "titled", "ignored", std::nullopt},
        {root / "home", "Home in the root", std::nullopt},  // also the root's
        {dir.path() / "missing", "Missing", std::nullopt},
    };
    FolderSource source({root}, [&] { return named; });

    auto calendars = source.calendars();
    ASSERT_EQ(calendars.size(), 2u);
    EXPECT_EQ(calendars[0],
              (EventCalendar{calendars[0].id, "Work", "#00AA00", "On This Computer"}));
    EXPECT_EQ(calendars[1].title, "Titled by its folder");
    const auto watched = source.watchPaths();
    EXPECT_NE(std::find(watched.begin(), watched.end(), dir.path()), watched.end())
        << "the folder above the missing root";

    writeFile(root / "home" / "displayname", "Home\n");
    calendars = source.calendars();
    ASSERT_EQ(calendars.size(), 3u);
    EXPECT_EQ(calendars[0].title, "Home") << "the root's, not a second copy";
    const std::string workId = calendars[1].id;
    named.erase(named.begin() + 2);
    EXPECT_EQ(source.calendars()[1].id, workId) << "identifiers do not depend on neighbours";
}

// --- Feed sync -----------------------------------------------------------------------

using List = std::vector<Countdown>;

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
    SharedStore store{testing::pathsUnder(setup.dir.path()), "en_US"};
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

}  // namespace
}  // namespace solvane
