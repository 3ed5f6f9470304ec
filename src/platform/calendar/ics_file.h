// IcsFile: one iCalendar file, read with libical into the events it holds,
// and the occurrences of those events that overlap an interval.
//
// Read: SUMMARY, UID, DTSTART, DTEND or DURATION, all-day dates, TZID zones,
// RRULE, RDATE, EXDATE, overridden instances (RECURRENCE-ID) and cancelled
// ones (STATUS:CANCELLED), and the calendar's X-WR-CALNAME, COLOR and
// X-APPLE-CALENDAR-COLOR. A TZID is read as the IANA zone of that name
// (also behind a "/vendor/…/" prefix) or the Windows zone of that name,
// through ICU; else through the file's own VTIMEZONE, with libical; else as
// the user's zone. Times without a zone are the user's too, and all-day
// dates are local days of the user's calendar.
//
// Bytes that are not a calendar give a file without events, never a failure.
// Limits, so no file can make a read slow or deep:
//   - over kMaxIcsFileBytes, or components nested over kMaxIcsNesting deep:
//     the file is not parsed at all;
//   - titles are cut to kMaxIcsTitleBytes;
//   - a repeating event yields at most kMaxInstancesPerEvent instances per
//     query, counted from where the query starts looking (from DTSTART when
//     the rule has a COUNT);
//   - rules repeating more often than daily are followed only when they
//     carry no BY… part; otherwise the event keeps its DTSTART and RDATEs;
//   - a VTIMEZONE is used only when its rules are yearly ones, it has at
//     most 16 parts, and the file has used fewer than 4 before it;
//   - a rule whose BYMONTHDAY names no day of its months is not followed;
//   - the query's ExpansionBudget (below) bounds the time spent following
//     rules; an event whose rule is no longer followed contributes only its
//     explicit dates (DTSTART, RDATE, overrides).
//
//   auto file = IcsFile::parse(bytes, "fallback-uid");
//   ExpansionBudget budget;
//   std::vector<IcsOccurrence> out;
//   file.occurrences(from, to, calendar, budget, out);
#pragma once

#include <chrono>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/time/calendar.h"
#include "core/time/instant.h"

namespace solvane::platform {

inline constexpr std::size_t kMaxIcsFileBytes = 4 * 1024 * 1024;
inline constexpr int kMaxIcsNesting = 16;
inline constexpr std::size_t kMaxIcsTitleBytes = 1024;
inline constexpr std::size_t kMaxInstancesPerEvent = 10'000;

// What one query may spend on following repeat rules. libical can walk a
// long way inside one step of a rule that rarely or never matches, so time is
// watched per event: an event that overruns its slice stops there, and a file
// whose events overrun twice has its rules no longer followed in this query,
// so one bad file never starves the others. The query as a whole stops
// following rules after its own time, and returns at most `occurrences`.
class ExpansionBudget {
  public:
    static constexpr std::chrono::milliseconds kQueryTime{5000};
    static constexpr std::chrono::milliseconds kEventTime{100};
    static constexpr int kOverrunsPerFile = 2;
    static constexpr std::size_t kOccurrences = 100'000;

    explicit ExpansionBudget(std::chrono::milliseconds queryTime = kQueryTime,
                             std::chrono::milliseconds eventTime = kEventTime,
                             std::size_t occurrences = kOccurrences);

    void startFile() { overruns_ = 0; }
    // Whether the next event's rule may be followed; starts its time slice.
    bool startEvent();
    // Whether the current event's time is up; counts the overrun once.
    bool outOfTime();

    bool full() const { return taken_ >= occurrences_; }
    void take() { ++taken_; }

  private:
    using Clock = std::chrono::steady_clock;
    Clock::time_point queryDeadline_;
    Clock::time_point eventDeadline_;
    std::chrono::milliseconds eventTime_;
    std::size_t occurrences_;
    std::size_t taken_ = 0;
    int overruns_ = 0;
    bool overran_ = false;
};

// One occurrence, pointing into the IcsFile it came from (valid while that
// file lives).
struct IcsOccurrence {
    const std::string* uid;
    const std::optional<std::string>* title;
    Instant start;
    Instant end;  // exclusive, never before start
    bool allDay = false;
};

class IcsFile {
  public:
    // `fallbackUid` names events that carry no UID: the n-th such event of
    // the file (from 0) gets fallbackUid + "#" + n.
    static IcsFile parse(std::string_view bytes, std::string_view fallbackUid = {});

    IcsFile();
    ~IcsFile();
    IcsFile(IcsFile&&) noexcept;
    IcsFile& operator=(IcsFile&&) noexcept;

    const std::optional<std::string>& name() const;   // X-WR-CALNAME
    const std::optional<std::string>& color() const;  // COLOR, else X-APPLE-CALENDAR-COLOR
    // The VEVENTs kept (those with a start), overridden instances included.
    std::size_t eventCount() const;

    // Appends every occurrence that overlaps [from, to): one that starts
    // before `to` and ends after `from`, or, lasting no time at all, starts
    // at or after `from`. Occurrences come per event, not sorted.
    void occurrences(Instant from, Instant to, const Calendar& calendar, ExpansionBudget& budget,
                     std::vector<IcsOccurrence>& out) const;

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace solvane::platform
