// Calendar events as countdowns: the upcoming events of all calendars, the
// countdown made from one event, and the feed sync that keeps countdowns of
// the feed calendars' events added, dated, titled and removed.
//
// Events are named "<calendar id>/<UID>" by every source, so the same UID in
// two calendars is two events, and a feed countdown's own identifier derives
// from that name (feedCountdownId).
//
// A feed countdown carries the identifier of the calendar that added it
// (`feedCalendarID`) and of the event it follows (`eventID`). A countdown the
// user picked from an event carries only `eventID`: it follows the event's
// days but keeps the label the user gave it, and the sync never removes it.
//
//   auto upcoming = upcomingEvents(store, kPickerHorizonDays, now, calendar);
//   Countdown c = countdownFrom(upcoming.front(), calendar);
//   if (syncFeeds(sharedStore, store, now, calendar).changed) reload();
#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/calendar/event_store.h"
#include "core/model/countdown.h"
#include "core/store/shared_store.h"
#include "core/time/calendar.h"

namespace solvane {

inline constexpr int kPickerHorizonDays = 365;
inline constexpr int kFeedHorizonDays = 400;
// The most countdowns one feed calendar adds: its nearest events. A feed of
// thousands of repeating events would otherwise fill the list, and every
// board and bar with it.
inline constexpr std::size_t kMaxFeedCountdownsPerCalendar = 500;

// The occurrences of all calendars that overlap the start of today through
// the start of the day `days` days later, earliest start first. Empty when
// that end cannot be formed.
std::vector<CalendarEvent> upcomingEvents(const EventStore& store, int days, Instant now,
                                          const Calendar& calendar);

// The last day of an event that spans more than one day, as a fixed rule at
// the start of that day; none for an event that ends on the day it starts.
// An all-day event's end is exclusive, so its last moment is a second before.
std::optional<DateRule> endRule(const CalendarEvent& event, const Calendar& calendar);

// The identifier of the feed countdown that follows the event `itemId`
// ("<calendar>/<UID>"): always the same for the same event, different for
// the same UID in another calendar.
Uuid feedCountdownId(std::string_view itemId);

// A new, non-recurring countdown on the event's days, following the event;
// titled "Event" when the event has no title.
Countdown countdownFrom(const CalendarEvent& event, const Calendar& calendar);

// The feed sync's change to a list, without the store: `upcoming` is the
// feed horizon's occurrences sorted by start. Dates follow the events, feed
// countdowns take their event's title, feed countdowns whose calendar left
// `feedCalendarIDs` or whose event is gone are removed, and events of feed
// calendars that no countdown follows yet are appended in start order, as
// many as the list has room for (kMaxCountdowns); the rest are counted in
// `leftOut`. Each feed calendar follows only its kMaxFeedCountdownsPerCalendar
// nearest events: feed countdowns of later ones are removed, and the events
// passed over are counted by calendar in `beyondCalendarCap`.
struct FeedChange {
    std::vector<Countdown> countdowns;
    std::size_t leftOut = 0;
    std::map<std::string, std::size_t> beyondCalendarCap;
};
FeedChange applyFeeds(std::vector<Countdown> countdowns,
                      const std::vector<std::string>& feedCalendarIDs,
                      const std::vector<CalendarEvent>& upcoming, const Calendar& calendar);

struct FeedSyncOutcome {
    bool changed = false;                 // the sync changed the list (written or not)
    bool saved = true;                    // false when a change was due but not written
    std::optional<StoreFault> saveFault;  // why, when the store said
    std::map<std::string, std::size_t> beyondCalendarCap;  // see FeedChange
    std::size_t leftOut = 0;  // events not added because the list is full
    bool operator==(const FeedSyncOutcome&) const = default;
};

// Runs the feed sync against the shared store when access is full. The
// events are read first; the list is then read, changed and written in one
// transaction, so an edit the application saves meanwhile is never
// overwritten. Nothing is written when nothing changed.
FeedSyncOutcome syncFeeds(const SharedStore& store, const EventStore& events, Instant now,
                          const Calendar& calendar);

// Stops following the feed calendar `calendarId` (an unsubscribed or
// vanished calendar): out of the feed choices first, so a sync running
// meanwhile does not add back what goes next, then its feed countdowns out of
// the list (countdowns the user picked from its events stay). The number of
// countdowns removed; nullopt when the store could not be written, with
// nothing done after the step that failed. `calendar` and `now` make the
// starter countdowns when no list can be read.
std::optional<std::size_t> forgetFeedCalendar(const SharedStore& store,
                                              const std::string& calendarId,
                                              const Calendar& calendar, Instant now);

}  // namespace solvane
