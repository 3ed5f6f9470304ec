#include "core/weather/time_limit.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>

namespace solvane {

namespace {

// Far beyond any sensible limit, yet small enough that the deadline cannot
// overflow the steady clock: about 31 years.
constexpr double kLongestLimitSeconds = 1e9;

}  // namespace

namespace time_limit_detail {

WeatherError noOutcome() {
    return WeatherError::fromHttp(net::HttpError{net::HttpErrorKind::other, "no outcome"});
}

}  // namespace time_limit_detail

LimitOutcome runWithinLimit(double seconds,
                            const std::function<void(const net::CancelToken&)>& work,
                            const net::CancelToken& stop) {
    // Falling back at once beats waiting for ever on a bad setting.
    if (!std::isfinite(seconds) || seconds < 0) {
        seconds = 0;
    }
    if (seconds > kLongestLimitSeconds) {
        seconds = kLongestLimitSeconds;
    }
    const auto deadline = std::chrono::steady_clock::now() +
                          std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                              std::chrono::duration<double>(seconds));

    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
    const net::CancelToken cancel;

    auto run = [&] {
        try {
            if (work) {
                work(cancel);
            }
        } catch (...) {
            // Nothing to report but the lack of an outcome, which the caller
            // sees as such.
        }
        const std::lock_guard lock(mutex);
        done = true;
        finished.notify_all();
    };

    std::thread worker;
    try {
        worker = std::thread(run);
    } catch (const std::system_error&) {
        return LimitOutcome::notStarted;
    }

    // Whoever lost the race is stopped and waited for, on every way out: the
    // work must not outlive the references it was given.
    struct StopAndJoin {
        const net::CancelToken& cancel;
        std::thread& worker;
        ~StopAndJoin() {
            cancel.cancel();
            worker.join();
        }
    };

    const StopAndJoin joined{cancel, worker};
    std::unique_lock lock(mutex);
    // The caller's stop is a flag, not a wake-up: looked at often enough that
    // a stopping program is not kept waiting.
    constexpr auto kStopPoll = std::chrono::milliseconds(50);
    while (!done && !stop.cancelled() && std::chrono::steady_clock::now() < deadline) {
        finished.wait_until(lock, std::min(deadline, std::chrono::steady_clock::now() + kStopPoll),
                            [&] { return done; });
    }
    if (done) {
        return LimitOutcome::finished;
    }
    return stop.cancelled() ? LimitOutcome::stopped : LimitOutcome::timedOut;
}

}  // namespace solvane
