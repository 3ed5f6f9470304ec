// The "Add from Calendar" sheet without its drawing: what it loads, which
// loaded events a search shows, what an empty sheet says, and the texts of a
// row. The view owns one EventPicker per showing of the sheet.
//
//   EventPicker picker;
//   picker.load(EventStore&, askTheUser, now, calendar);  // once per showing
//   picker.setQuery("dent");
//   for (const CalendarEvent* e : picker.visibleEvents()) ...
//   onPick(countdownFrom(*chosen, calendar));
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/calendar/event_store.h"
#include "core/time/calendar.h"

namespace solvane {

class EventPicker {
  public:
    // The sheet's load: asks for access unless it is already full (waiting
    // for the answer, whatever it is), reads the next 365 days and keeps the
    // earliest occurrence of each event. Marks the sheet loaded.
    void load(EventStore& store, const AccessPrompt& prompt, Instant now, const Calendar& calendar);

    // The last two steps of load on their own, for a view that asks for
    // access and reads events on different threads.
    static std::vector<CalendarEvent> firstOccurrences(std::vector<CalendarEvent> events);
    void setEvents(std::vector<CalendarEvent> events);

    bool loaded() const { return loaded_; }
    const std::vector<CalendarEvent>& events() const { return events_; }

    const std::string& query() const { return query_; }
    void setQuery(std::string query) { query_ = std::move(query); }

    // The loaded events the search text lets through, in order; pointers
    // into events(), valid until the next load.
    std::vector<const CalendarEvent*> visibleEvents() const;

    // The text shown instead of the list once loading found no event at all,
    // depending on the authorization at the time of drawing; none while the
    // list is shown (also when the search hides every event).
    std::optional<std::string_view> emptyStateText(CalendarAuthorization current) const;

  private:
    std::string query_;
    std::vector<CalendarEvent> events_;
    bool loaded_ = false;
};

// Whether a search text shows an event: the text trimmed of spaces and tabs
// and lowercased is empty, or is contained in the lowercased title or
// calendar title.
bool matchesSearch(const CalendarEvent& event, std::string_view query);

// A row's two lines: the title ("Event" when none), and the start date as a
// short date label, " · ", the calendar's title.
std::string rowTitle(const CalendarEvent& event);
std::string rowDetail(const CalendarEvent& event, const Calendar& calendar);

}  // namespace solvane
