#include "core/calendar/calendar_sync.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>
#include <utility>

#include "core/model/countdown_json.h"

namespace solvane {

namespace {

// The day an instant falls on; the instant itself in the unlikely case the
// calendar cannot find that day's start, so a countdown always has a date.
Instant dayOf(Instant t, const Calendar& calendar) {
    return calendar.startOfDay(t).value_or(t);
}

void sortByStart(std::vector<CalendarEvent>& events) {
    std::stable_sort(
        events.begin(), events.end(),
        [](const CalendarEvent& a, const CalendarEvent& b) { return a.start < b.start; });
}

// Followed events were once named by their bare UID, which two calendars
// can share; they are now named "<calendar>/<UID>". A countdown stored
// with a bare UID finds its event again: a feed countdown in its own
// calendar, one picked by hand in the first calendar holding that UID.
std::string upgradedEventId(const Countdown& countdown,
                            const std::vector<const CalendarEvent*>& firsts) {
    const std::string& uid = *countdown.eventID;
    if (countdown.feedCalendarID) {
        return *countdown.feedCalendarID + "/" + uid;
    }
    for (const CalendarEvent* event : firsts) {
        const std::string& id = event->itemId;
        if (id.size() == event->calendar.id.size() + 1 + uid.size() &&
            id.starts_with(event->calendar.id) && id[event->calendar.id.size()] == '/' &&
            id.ends_with(uid)) {
            return id;
        }
    }
    return {};
}

}  // namespace

Uuid feedCountdownId(std::string_view itemId) {
    static const Uuid kFeedNamespace = *Uuid::parse("5E0F3C2A-9B1D-4C7E-8A41-3D6F2B9C0E17");
    return Uuid::named(kFeedNamespace, itemId);
}

std::vector<CalendarEvent> upcomingEvents(const EventStore& store, int days, Instant now,
                                          const Calendar& calendar) {
    const auto today = calendar.startOfDay(now);
    if (!today) {
        return {};
    }
    // Day arithmetic from midnight can land on a later hour when a clock
    // change skips midnight; the end is still the start of that day.
    const auto later = calendar.addDays(*today, days);
    const auto end = later ? calendar.startOfDay(*later) : std::nullopt;
    if (!end) {
        return {};
    }
    auto events = store.events(*today, *end, calendar);
    sortByStart(events);
    return events;
}

std::optional<DateRule> endRule(const CalendarEvent& event, const Calendar& calendar) {
    const Instant last = event.allDay ? event.end - 1.0 : event.end;
    const auto days = calendar.dayDifference(event.start, last);
    if (!days || *days == 0) {
        return std::nullopt;
    }
    return DateRule::fixed(dayOf(last, calendar));
}

Countdown countdownFrom(const CalendarEvent& event, const Calendar& calendar) {
    Countdown countdown;
    countdown.id = Uuid::random();
    countdown.label = event.title.value_or("Event");
    countdown.start = DateRule::fixed(dayOf(event.start, calendar));
    countdown.end = endRule(event, calendar);
    countdown.eventID = event.itemId;
    return countdown;
}

FeedChange applyFeeds(std::vector<Countdown> countdowns,
                      const std::vector<std::string>& feedCalendarIDs,
                      const std::vector<CalendarEvent>& upcoming, const Calendar& calendar) {
    // The earliest occurrence stands for a repeating event: the countdown
    // moves on to the next one once a sync finds the current one over.
    std::vector<const CalendarEvent*> byStart;
    byStart.reserve(upcoming.size());
    for (const auto& event : upcoming) {
        byStart.push_back(&event);
    }
    std::stable_sort(
        byStart.begin(), byStart.end(),
        [](const CalendarEvent* a, const CalendarEvent* b) { return a->start < b->start; });
    std::unordered_map<std::string_view, const CalendarEvent*> firstOf;
    std::vector<const CalendarEvent*> firsts;
    for (const CalendarEvent* event : byStart) {
        if (firstOf.emplace(event->itemId, event).second) {
            firsts.push_back(event);
        }
    }
    const std::unordered_set<std::string_view> feeds(feedCalendarIDs.begin(),
                                                     feedCalendarIDs.end());
    // Each feed calendar's nearest events are the ones it may follow.
    FeedChange out;
    std::unordered_set<std::string_view> withinCap;
    std::unordered_map<std::string_view, std::size_t> perCalendar;
    for (const CalendarEvent* event : firsts) {
        if (feeds.count(event->calendar.id) == 0) {
            continue;
        }
        if (++perCalendar[event->calendar.id] <= kMaxFeedCountdownsPerCalendar) {
            withinCap.insert(event->itemId);
        } else {
            ++out.beyondCalendarCap[event->calendar.id];
        }
    }

    for (auto& countdown : countdowns) {
        if (!countdown.eventID) {
            continue;
        }
        auto found = firstOf.find(*countdown.eventID);
        if (found == firstOf.end()) {
            found = firstOf.find(upgradedEventId(countdown, firsts));
            if (found == firstOf.end()) {
                continue;
            }
            countdown.eventID = found->second->itemId;
        }
        const CalendarEvent& event = *found->second;
        countdown.start = DateRule::fixed(dayOf(event.start, calendar));
        countdown.end = endRule(event, calendar);
        // A label the user chose for an event picked by hand is theirs.
        if (countdown.feedCalendarID && event.title) {
            countdown.label = *event.title;
        }
    }

    std::erase_if(countdowns, [&](const Countdown& c) {
        return c.feedCalendarID &&
               (feeds.count(*c.feedCalendarID) == 0 || !c.eventID ||
                firstOf.count(*c.eventID) == 0 || withinCap.count(*c.eventID) == 0);
    });

    std::unordered_set<std::string> followed;
    for (const auto& countdown : countdowns) {
        if (countdown.eventID) {
            followed.insert(*countdown.eventID);
        }
    }
    for (const CalendarEvent* event : firsts) {
        if (feeds.count(event->calendar.id) == 0 || followed.count(event->itemId) != 0 ||
            withinCap.count(event->itemId) == 0) {
            continue;
        }
        // A list past the cap could not be stored at all; the earliest
        // events are the ones worth having.
        if (countdowns.size() >= kMaxCountdowns) {
            ++out.leftOut;
            continue;
        }
        Countdown added = countdownFrom(*event, calendar);
        added.feedCalendarID = event->calendar.id;
        // The same event gives the same countdown each time it is added
        // (its calendar switched off and on, a sync after a reinstall), so
        // reminder choices and widgets that chose it by identifier keep it.
        const Uuid stable = feedCountdownId(event->itemId);
        if (std::none_of(countdowns.begin(), countdowns.end(),
                         [&](const Countdown& c) { return c.id == stable; })) {
            added.id = stable;
        }
        countdowns.push_back(std::move(added));
    }
    out.countdowns = std::move(countdowns);
    return out;
}

FeedSyncOutcome syncFeeds(const SharedStore& store, const EventStore& events, Instant now,
                          const Calendar& calendar) {
    FeedSyncOutcome outcome;
    try {
        if (events.authorization() != CalendarAuthorization::fullAccess) {
            return outcome;
        }
        const std::vector<std::string> feeds = store.loadSettings().feedCalendarIDs;
        // The query can take a while; it stays outside the transaction so the
        // application is never kept waiting to save an edit.
        const auto upcoming = upcomingEvents(events, kFeedHorizonDays, now, calendar);
        const auto written = store.updateCountdowns(
            [&](std::vector<Countdown> stored) -> std::optional<std::vector<Countdown>> {
                auto synced = applyFeeds(stored, feeds, upcoming, calendar);
                outcome.leftOut = synced.leftOut;
                outcome.beyondCalendarCap = synced.beyondCalendarCap;
                outcome.changed = synced.countdowns != stored;
                return outcome.changed ? std::optional(std::move(synced.countdowns)) : std::nullopt;
            },
            calendar, now);
        outcome.saved = written.valueOr(false) || !outcome.changed;
        if (!written) {
            outcome.saveFault = written.error();
        }
    } catch (...) {
        // Out of memory is the only way here; the stored list is untouched.
        outcome.saved = !outcome.changed;
    }
    return outcome;
}

std::optional<std::size_t> forgetFeedCalendar(const SharedStore& store,
                                              const std::string& calendarId,
                                              const Calendar& calendar, Instant now) {
    AppSettings settings = store.loadSettings();
    if (std::erase(settings.feedCalendarIDs, calendarId) > 0 && !store.saveSettings(settings)) {
        return std::nullopt;
    }
    std::size_t removed = 0;
    const auto written = store.updateCountdowns(
        [&](std::vector<Countdown> list) -> std::optional<std::vector<Countdown>> {
            removed = std::erase_if(
                list, [&](const Countdown& c) { return c.feedCalendarID == calendarId; });
            return removed == 0 ? std::nullopt : std::optional(std::move(list));
        },
        calendar, now);
    if (removed > 0 && !written.valueOr(false)) {
        return std::nullopt;
    }
    return removed;
}

}  // namespace solvane
