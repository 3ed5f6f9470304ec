// EdsSource: the calendars of Evolution Data Server — those of GNOME Calendar,
// Evolution and Online Accounts — read through libecal and never written to.
//
//   if (auto eds = EdsSource::connect(std::chrono::seconds(2))) {
//       eds->setChangeHandler([] { /* read again, debounced */ });
//       for (const CalendarEvent& e : eds->events(from, to, calendar, 1000)) ...
//   }
//
// Calendars: every enabled source with a calendar extension (not task or
// memo lists), whose parents are enabled too. Identifier "eds:" + the
// source's UID; title its display name; colour its own, as "#RRGGBB" (else
// kDefaultCalendarColor); account the parent source's display name ("On
// This Computer" for local calendars, the address of an online account),
// else "On This Computer".
//
// Events: the occurrences in [start, end) of every enabled calendar, with
// repeat rules expanded and moved instances at their new times, read by the
// rules of ics_file.h: all-day events are local days of the user's
// calendar, TZIDs are zones by name or by the calendar's own definition,
// times without a zone are the user's. Item identifier "eds:" + source UID
// + "/" + event UID, shared by all occurrences. One-off events before 1970
// are not found.
//
// Work is bounded: calendars connect in parallel, a query waits for one to
// connect until kEdsConnectWait after it began connecting, for one to be
// read kEdsReadWait, and for EDS kEdsQueryTime in all; a calendar not ready
// or not read by then is left out of that query (and listed as not
// responding), and the change handler is called once it is ready. A remote
// calendar whose server accepts and never answers so costs a query about a
// second, once. At most kEdsMaxComponents
// components are read per calendar, and rules are followed within
// IcsFile's limits. Calendars a query has read are kept until EDS reports a
// change in them, so a repeated query asks EDS nothing.
//
// Threads: EDS's objects live on a thread of the source's own, with its own
// GLib main context, so their signals never depend on who calls or on the
// program's event loop. Any thread may call; queries run one at a time.
// The change handler runs on the thread that iterates GLib's default main
// context (the Qt main thread, with Qt's GLib event dispatcher), after EDS
// reports a calendar added, removed, enabled, disabled or changed, or events
// added, modified or removed in a calendar read before; bursts that arrive
// before it runs give one call.
#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "platform/calendar/calendar_source.h"

namespace solvane::platform {

inline constexpr std::chrono::milliseconds kEdsConnectWait{1000};
inline constexpr std::chrono::milliseconds kEdsReadWait{2000};
inline constexpr std::chrono::milliseconds kEdsQueryTime{10000};
inline constexpr std::size_t kEdsMaxComponents = 100'000;

class EdsSource final : public CalendarSource {
  public:
    // Nothing, quickly and without a word, when the session has no bus, EDS
    // is not installed, or its source registry does not answer within
    // `timeout`.
    static std::unique_ptr<EdsSource> connect(std::chrono::milliseconds timeout);

    ~EdsSource() override;
    EdsSource(const EdsSource&) = delete;
    EdsSource& operator=(const EdsSource&) = delete;

    std::string_view kind() const override { return kEvolutionSourceKind; }
    std::vector<EventCalendar> calendars() override;
    std::vector<CalendarEvent> events(Instant start, Instant end, const Calendar& calendar,
                                      std::size_t limit) override;
    void setChangeHandler(std::function<void()> handler) override;

  private:
    struct State;
    explicit EdsSource(std::shared_ptr<State> state);
    std::shared_ptr<State> state_;
};

}  // namespace solvane::platform
