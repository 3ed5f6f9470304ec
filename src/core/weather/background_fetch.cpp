#include "core/weather/background_fetch.h"

#include <algorithm>
#include <utility>

namespace solvane {

BackgroundFetch::BackgroundFetch(SharedStore store, WeatherServices weather,
                                 ForecastServices forecast, std::function<void()> done)
    : store_(std::move(store)),
      weatherServices_(std::move(weather)),
      forecastServices_(std::move(forecast)),
      done_(std::move(done)),
      worker_([this] { run(); }) {}

BackgroundFetch::~BackgroundFetch() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        waiting_.clear();
    }
    stop_.cancel();
    wake_.notify_all();
    worker_.join();
}

void BackgroundFetch::weather(const SavedLocation& place) {
    request({Kind::weather, place});
}

void BackgroundFetch::forecast(const SavedLocation& place) {
    request({Kind::forecast, place});
}

bool BackgroundFetch::idle() const {
    std::lock_guard lock(mutex_);
    return !busy_ && waiting_.empty();
}

void BackgroundFetch::request(Job job) {
    {
        std::lock_guard lock(mutex_);
        if (stopping_ || (busy_ && current_ == job) ||
            std::find(waiting_.begin(), waiting_.end(), job) != waiting_.end()) {
            return;
        }
        waiting_.push_back(std::move(job));
    }
    wake_.notify_one();
}

void BackgroundFetch::run() {
    while (true) {
        {
            std::unique_lock lock(mutex_);
            busy_ = false;
            wake_.wait(lock, [this] { return stopping_ || !waiting_.empty(); });
            if (stopping_) {
                return;
            }
            current_ = waiting_.front();
            waiting_.pop_front();
            busy_ = true;
        }
        bool fetched = false;
        try {
            if (current_.kind == Kind::weather) {
                const auto before = store_.loadWeather();
                fetched = WeatherFetcher::fetch(store_, weatherServices_, current_.place,
                                                std::nullopt, false, stop_) != before;
            } else {
                const auto before = store_.loadForecast();
                fetched = ForecastFetcher::fetch(store_, forecastServices_, current_.place,
                                                 std::nullopt, false, stop_) != before;
            }
        } catch (...) {
            // Out of memory is the only way here; what is stored stays shown.
        }
        if (fetched && !stop_.cancelled() && done_) {
            done_();
        }
    }
}

}  // namespace solvane
