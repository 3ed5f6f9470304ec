#include "host/timeline_scheduler.h"

#include <algorithm>
#include <chrono>
#include <cmath>

#include "platform/system_clock.h"

namespace solvane::host {

Instant SystemSchedulerClock::wallNow() const {
    return platform::systemNow();
}

double SystemSchedulerClock::monotonicSeconds() const {
    using namespace std::chrono;
    return duration_cast<duration<double>>(steady_clock::now().time_since_epoch()).count();
}

TimelineScheduler::TimelineScheduler(const SchedulerClock& clock) : clock_(clock) {}

void TimelineScheduler::add(const std::string& id) {
    widgets_.try_emplace(id);
}

void TimelineScheduler::remove(const std::string& id) {
    widgets_.erase(id);
}

void TimelineScheduler::reloadAll() {
    for (auto& [id, state] : widgets_) {
        state.pending = true;
    }
}

void TimelineScheduler::requestReloadAll() {
    for (auto& [id, state] : widgets_) {
        state.pending = true;
        state.requested = true;
    }
}

void TimelineScheduler::reloadAllNow() {
    for (auto& [id, state] : widgets_) {
        state.pending = true;
        state.lastRequest.reset();
    }
}

void TimelineScheduler::reload(const std::string& id) {
    if (auto it = widgets_.find(id); it != widgets_.end()) {
        it->second.pending = true;
    }
}

void TimelineScheduler::restart(const std::string& id) {
    if (auto it = widgets_.find(id); it != widgets_.end()) {
        it->second.dates.clear();
        it->second.reloadAt.reset();
        it->second.pending = true;
    }
}

bool TimelineScheduler::checkClockJump() {
    const Instant wall = clock_.wallNow();
    const double monotonic = clock_.monotonicSeconds();
    bool jumped = false;
    if (lastWall_) {
        const double drift = (wall - *lastWall_) - (monotonic - lastMonotonic_);
        if (std::abs(drift) > kClockJumpThreshold) {
            jumped = true;
            for (auto& [id, state] : widgets_) {
                state.pending = true;
                // Forward: the computer slept, so far more than a minute of
                // real time passed since the last request.
                if (drift > 0) {
                    state.lastRequest.reset();
                }
            }
        }
    }
    lastWall_ = wall;
    lastMonotonic_ = monotonic;
    return jumped;
}

double TimelineScheduler::rateLimitRemaining(const State& state) const {
    if (!state.lastRequest) {
        return 0.0;
    }
    const double since = clock_.monotonicSeconds() - *state.lastRequest;
    const double spacing = state.requested ? kRequestedReloadSpacing : kMinimumReloadInterval;
    return std::max(0.0, spacing - since);
}

bool TimelineScheduler::wantsReload(const State& state, Instant now) const {
    return state.pending || (state.reloadAt && now >= *state.reloadAt);
}

std::vector<std::string> TimelineScheduler::takeDueReloads() {
    const Instant now = clock_.wallNow();
    std::vector<std::string> due;
    for (auto& [id, state] : widgets_) {
        if (wantsReload(state, now) && rateLimitRemaining(state) <= 0.0) {
            due.push_back(id);
            state.pending = false;
            state.requested = false;
            state.reloadAt.reset();
            state.lastRequest = clock_.monotonicSeconds();
        }
    }
    return due;
}

void TimelineScheduler::timelineArrived(const std::string& id, std::vector<Instant> entryDates,
                                        std::optional<Instant> reloadAfter) {
    auto it = widgets_.find(id);
    if (it == widgets_.end()) {
        return;
    }
    if (entryDates.empty()) {
        timelineFailed(id);
        return;
    }
    State& state = it->second;
    std::stable_sort(entryDates.begin(), entryDates.end());
    state.dates = std::move(entryDates);
    if (reloadAfter) {
        state.reloadAt = reloadAfter;
    } else {
        state.reloadAt = std::max(state.dates.back(), clock_.wallNow() + kMinimumDefaultReload);
    }
}

void TimelineScheduler::timelineFailed(const std::string& id) {
    if (auto it = widgets_.find(id); it != widgets_.end()) {
        it->second.reloadAt = clock_.wallNow() + kRetryAfterFailure;
    }
}

std::optional<std::size_t> TimelineScheduler::entryIndex(const std::string& id) const {
    auto it = widgets_.find(id);
    if (it == widgets_.end() || it->second.dates.empty()) {
        return std::nullopt;
    }
    const auto& dates = it->second.dates;
    const auto after = std::upper_bound(dates.begin(), dates.end(), clock_.wallNow());
    if (after == dates.begin()) {
        return 0;
    }
    return static_cast<std::size_t>(after - dates.begin()) - 1;
}

std::optional<double> TimelineScheduler::secondsUntilNextEvent() const {
    const Instant now = clock_.wallNow();
    std::optional<double> soonest;
    const auto consider = [&](double seconds) {
        seconds = std::max(0.0, seconds);
        if (!soonest || seconds < *soonest) {
            soonest = seconds;
        }
    };
    for (const auto& [id, state] : widgets_) {
        const auto next = std::upper_bound(state.dates.begin(), state.dates.end(), now);
        if (next != state.dates.end()) {
            consider(*next - now);
        }
        const double limit = rateLimitRemaining(state);
        if (state.pending) {
            consider(limit);
        } else if (state.reloadAt) {
            consider(std::max(*state.reloadAt - now, limit));
        }
    }
    return soonest;
}

}  // namespace solvane::host
