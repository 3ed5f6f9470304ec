// When each placed widget shows which entry and when it needs a new timeline.
//
// Pure bookkeeping with an injected clock: the host asks takeDueReloads(),
// calls the plug-in for each id, reports back, and sleeps for
// secondsUntilNextEvent().
//
//   TimelineScheduler s(clock);
//   s.add("w1");
//   for (const auto& id : s.takeDueReloads()) s.timelineArrived(id, dates, reloadAt);
//   s.entryIndex("w1");   // the entry to show now
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/time/instant.h"

namespace solvane::host {

class SchedulerClock {
  public:
    virtual ~SchedulerClock() = default;
    virtual Instant wallNow() const = 0;
    // Does not advance while the computer sleeps and ignores clock changes.
    virtual double monotonicSeconds() const = 0;
};

class SystemSchedulerClock : public SchedulerClock {
  public:
    Instant wallNow() const override;
    double monotonicSeconds() const override;
};

class TimelineScheduler {
  public:
    // A provider may fetch from the network; no reason to ask one widget more often.
    static constexpr double kMinimumReloadInterval = 60.0;
    static constexpr double kRequestedReloadSpacing = 1.0;
    // Timers fire late under load by seconds; a suspend or a clock change is longer.
    static constexpr double kClockJumpThreshold = 90.0;
    static constexpr double kRetryAfterFailure = 300.0;
    // A timeline without a policy is asked again after its last entry, but not sooner.
    static constexpr double kMinimumDefaultReload = 300.0;

    explicit TimelineScheduler(const SchedulerClock& clock);

    void add(const std::string& id);
    void remove(const std::string& id);
    bool contains(const std::string& id) const { return widgets_.contains(id); }

    // Both coalesced to at most one request per widget per minute.
    void reloadAll();
    void reload(const std::string& id);
    // Someone changed what the widgets show (the app saved an edit): every
    // widget is asked again as soon as its last request is a second old,
    // whatever its schedule, so requests in quick succession make one.
    void requestReloadAll();
    // The system time zone changed: every entry's days, captions and sun
    // times are another zone's, so every widget is asked again now, whatever
    // its last request.
    void reloadAllNow();
    // The widget's configuration changed: its entries are stale at once, but
    // the request still waits for the minute to pass.
    void restart(const std::string& id);

    // Compares the wall clock with the monotonic clock since the last check;
    // a jump (wake from sleep, clock set) asks every widget for a new
    // timeline. Returns whether one was seen.
    bool checkClockJump();

    // Widgets that should be asked for a timeline now; each is marked as asked.
    std::vector<std::string> takeDueReloads();

    void timelineArrived(const std::string& id, std::vector<Instant> entryDates,
                         std::optional<Instant> reloadAfter);
    // The previous entries stay; asked again later.
    void timelineFailed(const std::string& id);

    // The latest entry whose date has come, or the first one while all are
    // still ahead; nullopt before any timeline arrived.
    std::optional<std::size_t> entryIndex(const std::string& id) const;

    // Until the next entry date or reload; nullopt when nothing is scheduled.
    std::optional<double> secondsUntilNextEvent() const;

  private:
    struct State {
        std::vector<Instant> dates;
        std::optional<Instant> reloadAt;
        std::optional<double> lastRequest;  // monotonic
        bool pending = true;                // a first timeline, or a request, is owed
        bool requested = false;             // owed to a change made elsewhere: not throttled
    };

    double rateLimitRemaining(const State& state) const;
    bool wantsReload(const State& state, Instant now) const;

    const SchedulerClock& clock_;
    std::map<std::string, State> widgets_;
    std::optional<Instant> lastWall_;
    double lastMonotonic_ = 0.0;
};

}  // namespace solvane::host
