// EventStore: the user's calendar database as the core sees it — calendars,
// the events of an interval, and the user's permission to read them.
//
// The core declares it and never implements it: the programs hand in the
// platform adapter (platform/calendar/calendar_database.h), and tests a fake.
// Every call returns a usable value and never throws; a database that cannot
// be read looks like one with no calendars.
//
//   if (store.authorization() == CalendarAuthorization::fullAccess)
//       for (const CalendarEvent& e : store.events(from, to, calendar)) ...
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/time/calendar.h"
#include "core/time/instant.h"
#include "core/util/enum_strings.h"

namespace solvane {

// The user's answer on reading calendars, as far as this program knows it.
enum class CalendarAuthorization {
    notDetermined,  // never asked
    restricted,     // the calendars are there but cannot be read, whatever the user says
    denied,         // the user said no
    fullAccess,     // the user said yes; the only state in which events are read
};

template <>
struct EnumCases<CalendarAuthorization> {
    static constexpr std::array<EnumCase<CalendarAuthorization>, 4> list{{
        {CalendarAuthorization::notDetermined, "notDetermined"},
        {CalendarAuthorization::restricted, "restricted"},
        {CalendarAuthorization::denied, "denied"},
        {CalendarAuthorization::fullAccess, "fullAccess"},
    }};
};

struct EventCalendar {
    std::string id;            // stable across runs; what feed choices are stored by
    std::string title;         // shown beside its toggle and in picker rows
    std::string color;         // "#RRGGBB", or a colour name as the calendar wrote it
    std::string accountTitle;  // the account (source) the calendar belongs to
    // False when its source did not answer when last asked (a remote
    // calendar whose server hangs): its events are left out until it does.
    bool responding = true;

    bool operator==(const EventCalendar&) const = default;
};

// One occurrence of an event. All occurrences of a repeating event share
// `itemId`.
struct CalendarEvent {
    std::string itemId;
    std::optional<std::string> title;  // none when the event has no title
    Instant start;
    Instant end;  // never before start; exclusive (an all-day day ends at the next midnight)
    bool allDay = false;
    EventCalendar calendar;

    bool operator==(const CalendarEvent&) const = default;
};

// Asks the user whether this program may read their calendars; true for yes.
// Supplied by a caller that can show a question (the application's dialog).
using AccessPrompt = std::function<bool()>;

class EventStore {
  public:
    virtual ~EventStore() = default;

    virtual CalendarAuthorization authorization() const = 0;

    // Asks for full access through `prompt` when the state allows asking, and
    // remembers the answer. Returns whether full access is granted afterwards;
    // a prompt that fails counts as a no.
    virtual bool requestFullAccess(const AccessPrompt& prompt) = 0;

    // Every calendar, when access is full; none otherwise.
    virtual std::vector<EventCalendar> calendars() const = 0;

    // Every occurrence that overlaps [start, end), sorted by start, when access
    // is full; none otherwise. `calendar` is the user's: all-day events are
    // local days of it, and times written without a zone are read in its zone.
    virtual std::vector<CalendarEvent> events(Instant start, Instant end,
                                              const Calendar& calendar) const = 0;
};

}  // namespace solvane
