// The calendar database as the tests hand it in: the calendars and events a
// test puts there, events shown only with full access, and a note of each
// question and each interval asked for.
#pragma once

#include <utility>
#include <vector>

#include "core/calendar/event_store.h"

namespace solvane::testing {

class FakeEventStore : public EventStore {
  public:
    CalendarAuthorization state = CalendarAuthorization::fullAccess;
    std::vector<EventCalendar> calendarList;
    std::vector<CalendarEvent> stored;
    mutable std::vector<std::pair<Instant, Instant>> queries;
    int prompts = 0;

    CalendarAuthorization authorization() const override { return state; }
    bool requestFullAccess(const AccessPrompt& prompt) override {
        ++prompts;
        state =
            prompt && prompt() ? CalendarAuthorization::fullAccess : CalendarAuthorization::denied;
        return state == CalendarAuthorization::fullAccess;
    }
    std::vector<EventCalendar> calendars() const override { return calendarList; }
    std::vector<CalendarEvent> events(Instant start, Instant end, const Calendar&) const override {
        queries.emplace_back(start, end);
        std::vector<CalendarEvent> out;
        for (const auto& e : stored) {
            if (state == CalendarAuthorization::fullAccess && e.start < end && e.end > start) {
                out.push_back(e);
            }
        }
        return out;
    }
};

}  // namespace solvane::testing
