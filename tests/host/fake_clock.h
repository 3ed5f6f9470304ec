#pragma once

#include "host/timeline_scheduler.h"

namespace solvane::host::testing {

// Wall and monotonic time move together unless a test makes the wall clock jump.
class FakeClock : public SchedulerClock {
  public:
    Instant wall{700000000.0};
    double monotonic = 1000.0;

    Instant wallNow() const override { return wall; }
    double monotonicSeconds() const override { return monotonic; }

    void advance(double seconds) {
        wall = wall + seconds;
        monotonic += seconds;
    }
    void sleep(double seconds) { wall = wall + seconds; }
};

}  // namespace solvane::host::testing
