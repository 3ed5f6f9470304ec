// SubscriptionSource: the calendars the user follows by address, offered
// read-only from the copies the SubscriptionStore keeps (subscriptions.h).
// A query never fetches: refreshing is the store's, on its own schedule.
//
// Each subscription with a copy that can be read is one calendar: its
// identifier ("sub:…"), the title the user gave it, else the calendar's
// X-WR-CALNAME, else its address's host; the calendar's colour, else the
// default; the account kSubscribedAccountTitle.
//
// The limits are the folder source's: each copy is read only when it is a
// regular file of at most kMaxIcsFileBytes, parsed once and re-read only when
// it changes, and at most 200,000 events are parsed across all copies.
//
//   SubscriptionSource source(SubscriptionPaths::standard());
//   for (const CalendarEvent& e : source.events(from, to, calendar, 1000)) ...
#pragma once

#include <cstddef>
#include <filesystem>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/calendar/calendar_source.h"
#include "platform/calendar/subscriptions.h"

namespace solvane::platform {

class SubscriptionSource final : public CalendarSource {
  public:
    explicit SubscriptionSource(SubscriptionPaths paths);
    ~SubscriptionSource() override;

    std::string_view kind() const override { return kSubscriptionSourceKind; }
    std::vector<EventCalendar> calendars() override;
    std::vector<CalendarEvent> events(Instant start, Instant end, const Calendar& calendar,
                                      std::size_t limit) override;
    // The copies' folder and the list's, or the nearest folder above one
    // that does not exist yet, so a subscription made later is seen.
    std::vector<std::filesystem::path> watchPaths() const override;

  private:
    struct Cache;

    SubscriptionStore store_;
    std::mutex mutex_;
    std::unique_ptr<Cache> cache_;  // guarded by mutex_
};

}  // namespace solvane::platform
