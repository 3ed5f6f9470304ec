// Events to countdowns and the feed sync's change to a list, against a fake
// event store: the edges. Adding, renaming and removing with the real adapter
// and store are tests/platform/calendar_database_test.cpp's.
#include "core/calendar/calendar_sync.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "core/calendar/event_picker.h"
#include "core/calendar/fake_event_store.h"
#include "core/model/countdown_json.h"
#include "core/test_helpers.h"

namespace solvane {
namespace {

using namespace testing;

Instant at(int y, int m, int d, int hour = 0, int minute = 0) {
    return *newYork().date(y, m, d, hour) + minute * 60.0;
}

const EventCalendar kHome{"vdir:home", "Home", "#FF8800", "Personal"};
const EventCalendar kWork{"ics:work", "Work", "#0088FF", "Personal"};

CalendarEvent event(std::string id, std::optional<std::string> title, Instant start, Instant end,
                    bool allDay = false, const EventCalendar& calendar = kHome) {
    return {std::move(id), std::move(title), start, end, allDay, calendar};
}

const Instant kNow = at(2030, 3, 12, 15);

Countdown following(const std::string& label, const std::string& eventId,
                    std::optional<std::string> feed) {
    Countdown c;
    c.id = Uuid::random();
    c.label = label;
    c.start = DateRule::fixed(at(2030, 1, 1));
    c.eventID = eventId;
    c.feedCalendarID = std::move(feed);
    return c;
}

// The edges; plain multi-day and overnight events are calendar_database_test's.
TEST(CalendarSync, EndRuleIsTheLastDayOfAMultiDayEvent) {
    struct Case {
        const char* name;
        CalendarEvent event;
        std::optional<Instant> lastDay;
    };
    const Case cases[] = {
        {"all-day, one day", event("a", "A", at(2030, 3, 20), at(2030, 3, 21), true), std::nullopt},
        {"timed within a day", event("d", "D", at(2030, 3, 15, 9), at(2030, 3, 15, 17)),
         std::nullopt},
        {"timed up to midnight", event("e", "E", at(2030, 3, 15, 22), at(2030, 3, 16)),
         at(2030, 3, 16)},
        {"all-day across the clock change", event("f", "F", at(2030, 3, 9), at(2030, 3, 11), true),
         at(2030, 3, 10)},
    };
    for (const auto& c : cases) {
        const auto rule = endRule(c.event, newYork());
        EXPECT_EQ(rule, c.lastDay ? std::optional(DateRule::fixed(*c.lastDay)) : std::nullopt)
            << c.name;
    }
}

TEST(CalendarSync, CountdownFromAnEventFollowsItOnItsDays) {
    const auto untitled = event("trip", std::nullopt, at(2030, 3, 11, 18), at(2030, 3, 13, 9));
    const Countdown a = countdownFrom(untitled, newYork());
    Countdown expected = following("Event", "trip", std::nullopt);
    expected.id = a.id;
    expected.start = DateRule::fixed(at(2030, 3, 11));
    expected.end = DateRule::fixed(at(2030, 3, 13));
    EXPECT_EQ(a, expected);
    EXPECT_NE(a.id, countdownFrom(untitled, newYork()).id);
}

TEST(CalendarSync, UpcomingEventsAskFromTodayToTheStartOfTheLastDay) {
    FakeEventStore store;
    store.stored = {event("later", "Later", at(2030, 3, 20), at(2030, 3, 21), true),
                    event("ongoing", "Ongoing", at(2030, 3, 11, 18), at(2030, 3, 13, 9))};
    const auto events = upcomingEvents(store, 400, kNow, newYork());
    ASSERT_EQ(store.queries.size(), 1u);
    // Today starts at midnight EDT; 400 days on, midnight is EDT again.
    EXPECT_EQ(store.queries[0].first, at(2030, 3, 12));
    EXPECT_EQ(store.queries[0].second, at(2031, 4, 16));
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].itemId, "ongoing");
}

class ApplyFeeds : public ::testing::Test {
  protected:
    // Sorted by start, as upcomingEvents gives them; "weekly" repeats.
    std::vector<CalendarEvent> upcoming = {
        event("weekly", "Weekly", at(2030, 3, 14, 10), at(2030, 3, 14, 11)),
        event("dentist", "Dentist", at(2030, 3, 20), at(2030, 3, 21), true),
        event("weekly", "Weekly", at(2030, 3, 21, 10), at(2030, 3, 21, 11)),
        event("launch", "Launch", at(2030, 5, 1, 9), at(2030, 5, 1, 11), false, kWork),
        event("untitled", std::nullopt, at(2030, 6, 1), at(2030, 6, 4), true),
    };
};

TEST_F(ApplyFeeds, RemovesOnlyFeedCountdownsThatLostTheirFeedOrEvent) {
    auto noEvent = following("No event", "x", "vdir:home");
    noEvent.eventID.reset();
    const std::vector<Countdown> list = {
        following("Gone", "deleted", "vdir:home"),
        following("Off", "launch", "ics:work"),
        noEvent,
        following("Stays", "weekly", "vdir:home"),
        following("Picked, gone", "deleted", std::nullopt),
        following("Picked", "launch", std::nullopt),
    };
    const auto synced = applyFeeds(list, {"vdir:home"}, upcoming, newYork()).countdowns;
    EXPECT_EQ(labels(synced),
              (std::vector<std::string>{"Weekly", "Picked, gone", "Picked", "Dentist", "Event"}));
    EXPECT_EQ(labels(applyFeeds(list, {}, upcoming, newYork()).countdowns),
              (std::vector<std::string>{"Picked, gone", "Picked"}));
}

TEST_F(ApplyFeeds, AFeedCountdownKeepsItsIdentityAcrossOffAndOnAndPerCalendar) {
    // Named as the sources name them: the same UID in two calendars.
    const std::vector<CalendarEvent> named = {
        event("vdir:home/party", "Party", at(2030, 4, 1), at(2030, 4, 2), true, kHome),
        event("ics:work/party", "Party", at(2030, 4, 3), at(2030, 4, 4), true, kWork),
    };
    const std::vector<std::string> both = {"vdir:home", "ics:work"};
    const auto on = applyFeeds({}, both, named, newYork()).countdowns;
    ASSERT_EQ(on.size(), 2u) << "one UID in two calendars is two events";
    EXPECT_NE(on[0].id, on[1].id);
    EXPECT_EQ(on[0].id, feedCountdownId("vdir:home/party"));
    EXPECT_TRUE(applyFeeds(on, {}, named, newYork()).countdowns.empty());
    EXPECT_EQ(applyFeeds({}, both, named, newYork()).countdowns, on);

    // Stored before events were named per calendar: a feed countdown finds its
    // event in its own calendar, one picked by hand in the first holding it.
    const Countdown old = following("Party", "party", "ics:work");
    const Countdown picked = following("Mine", "party", std::nullopt);
    const auto upgraded = applyFeeds({old, picked}, {"ics:work"}, named, newYork()).countdowns;
    ASSERT_EQ(upgraded.size(), 2u) << "the work party was added a second time";
    EXPECT_EQ(upgraded[0].id, old.id);
    EXPECT_EQ(upgraded[0].eventID, "ics:work/party");
    EXPECT_EQ(upgraded[0].start, DateRule::fixed(at(2030, 4, 3)));
    EXPECT_EQ(upgraded[1].eventID, "vdir:home/party");
}

// A list past the cap could not be stored at all, so the sync adds the
// earliest events that fit and counts the rest.
TEST_F(ApplyFeeds, AFullListTakesWhatFitsAndCountsTheRest) {
    const std::vector<Countdown> nearlyFull(kMaxCountdowns - 1,
                                            following("Mine", "none", std::nullopt));
    const auto change = applyFeeds(nearlyFull, {"vdir:home", "ics:work"}, upcoming, newYork());
    ASSERT_EQ(change.countdowns.size(), kMaxCountdowns);
    EXPECT_EQ(change.countdowns.back().label, "Weekly");
    EXPECT_EQ(change.leftOut, 3u);

    const auto full = applyFeeds(change.countdowns, {"vdir:home", "ics:work"}, upcoming, newYork());
    EXPECT_EQ(full.countdowns, change.countdowns);
    EXPECT_EQ(full.leftOut, 3u);
}

// A feed of thousands of events adds its nearest few hundred and counts the
// rest; an event falling out of those loses its countdown.
TEST_F(ApplyFeeds, OneCalendarAddsItsNearestEventsOnly) {
    std::vector<CalendarEvent> busy;
    const std::size_t total = kMaxFeedCountdownsPerCalendar + 120;
    for (std::size_t i = 0; i < total; ++i) {
        const Instant start = at(2030, 3, 13) + 3600.0 * static_cast<double>(i);
        busy.push_back(event("busy" + std::to_string(i), "Busy", start, start + 600));
    }
    busy.push_back(event("launch", "Launch", at(2030, 5, 1, 9), at(2030, 5, 1, 11), false, kWork));
    std::stable_sort(busy.begin(), busy.end(),
                     [](const auto& a, const auto& b) { return a.start < b.start; });
    const Countdown far = following("Busy", "busy" + std::to_string(total - 1), "vdir:home");
    const auto change = applyFeeds({far}, {"vdir:home", "ics:work"}, busy, newYork());
    EXPECT_EQ(change.countdowns.size(), kMaxFeedCountdownsPerCalendar + 1);
    EXPECT_EQ(change.countdowns.front().eventID, "busy0");
    EXPECT_EQ(change.countdowns.back().label, "Launch");
    EXPECT_EQ(change.beyondCalendarCap, (std::map<std::string, std::size_t>{{"vdir:home", 120}}));
}

// Loading, asking for access and the empty texts are the picker sheet's
// (tests/app/sections_test.cpp).
TEST(EventPicker, KeepsAYearOfEventsAndSearchesTitlesAndCalendarsWhateverTheCase) {
    FakeEventStore store;
    store.stored = {event("1", "Dentist", at(2030, 3, 20), at(2030, 3, 21), true),
                    event("2", "Café Lumière", at(2030, 3, 22), at(2030, 3, 23), true),
                    event("3", std::nullopt, at(2030, 5, 1), at(2030, 5, 2), true, kWork),
                    event("next-year", "Too far", at(2031, 3, 12), at(2031, 3, 13), true)};
    EventPicker picker;
    picker.load(
        store, [] { return true; }, kNow, newYork());
    ASSERT_EQ(picker.events().size(), 3u);
    EXPECT_EQ(rowDetail(picker.events()[0], newYork()), "Wed, Mar 20 · Home");
    const struct {
        const char* query;
        std::vector<std::string> shown;
    } cases[] = {
        {" \t ", {"1", "2", "3"}}, {"DENT", {"1"}},      {"  cafÉ ", {"2"}},
        {"work", {"3"}},           {"home", {"1", "2"}}, {"event", {}},
    };
    for (const auto& c : cases) {
        picker.setQuery(c.query);
        std::vector<std::string> shown;
        for (const auto* e : picker.visibleEvents()) {
            shown.push_back(e->itemId);
        }
        EXPECT_EQ(shown, c.shown) << '"' << c.query << '"';
    }
}

}  // namespace
}  // namespace solvane
