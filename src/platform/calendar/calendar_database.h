// CalendarDatabase: the EventStore of this build — every calendar the user
// keeps, from every source (folders on disk and khal's paths, Evolution Data
// Server, subscribed addresses), offered as one, read-only.
//
// Calendars come sorted by account title, then title, then identifier;
// events by start. Identifiers carry their source's prefix, so they never
// collide. A source that is missing (no EDS in this session, nothing
// subscribed) simply offers nothing.
//
// Access: the user's answer lives in the PermissionRecord under "calendars".
// A source with calendars that exist but cannot be read makes access
// restricted, so a passing permission problem never looks like deleted
// events. Without full access no calendar or event is read.
//
// At most kMaxEvents events are returned across all sources. One query at a
// time runs; others wait for it.
#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

#include "core/calendar/event_store.h"
#include "platform/calendar/calendar_source.h"
#include "platform/calendar/folder_source.h"
#include "platform/calendar/permission_record.h"

namespace solvane::platform {

inline constexpr std::size_t kMaxEvents = 200'000;

class CalendarDatabase final : public EventStore {
  public:
    CalendarDatabase(std::vector<std::unique_ptr<CalendarSource>> sources,
                     PermissionRecord permissions);
    // Only folders: the roots given, nothing else.
    CalendarDatabase(std::vector<std::filesystem::path> roots, PermissionRecord permissions);
    ~CalendarDatabase() override;

    // The program's one database — the environment's folders and khal's,
    // Evolution Data Server when the session has it, the subscriptions —
    // on the user's permission record; made on first use and kept for the
    // program's life.
    static CalendarDatabase& shared();

    // Every folder that a folder watch should follow.
    std::vector<std::filesystem::path> watchPaths() const;
    // Called on the event loop's thread when a source that can tell (EDS)
    // changed by itself.
    void setChangeHandler(std::function<void()> handler);
    // The source of that kind, if the database has one.
    CalendarSource* source(std::string_view kind) const;

    CalendarAuthorization authorization() const override;
    // Asks when the state is not determined or denied (asking again is how
    // the user turns access back on); never when restricted or granted.
    bool requestFullAccess(const AccessPrompt& prompt) override;
    std::vector<EventCalendar> calendars() const override;
    std::vector<CalendarEvent> events(Instant start, Instant end,
                                      const Calendar& calendar) const override;

  private:
    std::vector<std::unique_ptr<CalendarSource>> sources_;
    PermissionRecord permissions_;
    mutable std::mutex mutex_;  // one query at a time
};

}  // namespace solvane::platform
