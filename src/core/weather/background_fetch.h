// BackgroundFetch: weather and forecasts fetched away from the thread that
// shows them, so that nothing a person is waiting on waits for the network.
//
// A program that keeps running (the widget host) builds what it shows from
// what is stored and asks here for a fetch when the stored record is due;
// the fetch runs on a worker thread of its own, one at a time, and a request
// for a fetch already waiting or under way is merged into it. When a fetch
// has stored something new, `done` is called on the worker thread (a program
// hands it over to its own thread), and what shows the record is built again
// from the store.
//
// The destructor cancels a fetch under way (the HTTP layer stops promptly)
// and waits for the worker, so a program quits within a second whatever the
// network does.
//
//   BackgroundFetch background(store, weather, forecast, [] { post(reload); });
//   auto shown = WeatherFetcher::stored(store, place);      // never the network
//   if (WeatherFetcher::due(store, weather, place)) background.weather(place);
#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

#include "core/net/http.h"
#include "core/store/saved_location.h"
#include "core/store/shared_store.h"
#include "core/weather/forecast_fetcher.h"
#include "core/weather/weather_fetcher.h"

namespace solvane {

class BackgroundFetch {
  public:
    BackgroundFetch(SharedStore store, WeatherServices weather, ForecastServices forecast,
                    std::function<void()> done);
    ~BackgroundFetch();
    BackgroundFetch(const BackgroundFetch&) = delete;
    BackgroundFetch& operator=(const BackgroundFetch&) = delete;

    // Fetches the weather (or the forecast) for `place` with the stored
    // settings' source, unless the same fetch is waiting or under way.
    void weather(const SavedLocation& place);
    void forecast(const SavedLocation& place);

    // Whether nothing is waiting or under way; for tests and benchmarks.
    bool idle() const;

  private:
    enum class Kind { weather, forecast };
    struct Job {
        Kind kind;
        SavedLocation place;
        bool operator==(const Job&) const = default;
    };

    void request(Job job);
    void run();

    SharedStore store_;
    WeatherServices weatherServices_;
    ForecastServices forecastServices_;
    std::function<void()> done_;
    net::CancelToken stop_;

    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<Job> waiting_;
    bool busy_ = false;
    Job current_{Kind::weather, {}};
    bool stopping_ = false;
    std::thread worker_;  // last: started once everything above is ready
};

}  // namespace solvane
