// What the weather and forecast fetcher tests share: a store of their own,
// services that answer from memory, and one that hangs until cancelled.
#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <initializer_list>
#include <optional>
#include <string>
#include <thread>
#include <type_traits>

#include "core/weather/forecast_fetcher.h"
#include "core/weather/weather_fetcher.h"
#include "support/temp_dir.h"

namespace solvane::fetcher_test {

inline const Instant kNow{760000000};
inline const WeatherError kRefused =
    WeatherError::fromHttp({net::HttpErrorKind::cannotConnect, ""});

// A call that counts its callers and gives up only when cancelled.
template <class Record>
auto hangUntilCancelled(std::atomic<int>& calls) {
    return
        [&calls](double, double, const net::CancelToken& cancel) -> Result<Record, WeatherError> {
            ++calls;
            while (!cancel.cancelled()) {
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
            return Failure{WeatherError::fromHttp({net::HttpErrorKind::cancelled, ""})};
        };
}

// `Record` is WeatherSnapshot or Forecast; `recordAt(lat, lon, source,
// requested, fetched, temperatureC)` makes one.
template <class Record, class Services, class Fetcher,
          Record (*recordAt)(double, double, WeatherSource, WeatherSource, Instant, double)>
class FetcherTest : public ::testing::Test {
  protected:
    // Answers from memory and counts its callers.
    struct FakeService {
        WeatherSource source;
        double temperatureC;
        std::optional<WeatherError> failure;
        std::atomic<int> calls{0};

        auto call() {
            return [this](double lat, double lon,
                          const net::CancelToken&) -> Result<Record, WeatherError> {
                ++calls;
                if (failure) {
                    return Failure{*failure};
                }
                return recordAt(lat, lon, source, source, kNow, temperatureC);
            };
        }
    };

    std::optional<Record> fetch(std::optional<WeatherSource> source, bool force = false,
                                const net::CancelToken& stop = net::CancelToken()) {
        return Fetcher::fetch(store, services, place, source, force, stop);
    }
    int calls() const { return appleFake.calls + meteoFake.calls; }
    bool save(const Record& record) const {
        if constexpr (std::is_same_v<Record, Forecast>) {
            return store.saveForecast(record).ok();
        } else {
            return store.saveWeather(record).ok();
        }
    }
    std::optional<Record> stored() const {
        if constexpr (std::is_same_v<Record, Forecast>) {
            return store.loadForecast();
        } else {
            return store.loadWeather();
        }
    }

    struct ReuseCase {
        const char* name;
        double dLat, dLon, age;
        WeatherSource storedSource, storedRequested, asked;
        bool force, reused;
    };

    // Whether a stored record answers each case without a request, or the
    // service asked gives a new one that is stored; then, with no source
    // given, that the stored settings decide.
    void expectReuse(std::initializer_list<ReuseCase> cases) {
        using enum WeatherSource;
        // On whole degrees the offsets are exactly the differences seen.
        place = {0, 0, "Null Island"};
        for (const auto& c : cases) {
            appleFake.calls = meteoFake.calls = 0;
            const Record kept =
                recordAt(c.dLat, c.dLon, c.storedSource, c.storedRequested, kNow - c.age, 5);
            ASSERT_TRUE(save(kept));
            const auto result = fetch(c.asked, c.force);
            ASSERT_TRUE(result) << c.name;
            if (c.reused) {
                EXPECT_EQ(*result, kept) << c.name;
                EXPECT_EQ(calls(), 0) << c.name;
            } else {
                EXPECT_EQ(result->requested, c.asked) << c.name;
                EXPECT_EQ(result->source, c.asked) << c.name;
                EXPECT_EQ((c.asked == apple ? appleFake : meteoFake).calls, 1) << c.name;
                EXPECT_EQ(stored(), result) << c.name;
            }
        }
        ASSERT_TRUE(store.saveSettings({apple, TempUnit::celsius, {}}));
        EXPECT_EQ(fetch(std::nullopt, true)->source, apple);
    }

    // When every service fails, the stored record is the answer if it is for
    // the place, and it is left as it was; the note says why Apple failed.
    void expectEverythingFailingGivesTheStoredOneOfThePlace() {
        using enum WeatherSource;
        const char* key = std::is_same_v<Record, Forecast> ? "forecast.v1" : "weather.v2";
        appleFake.failure = kRefused;
        meteoFake.failure = WeatherError::decoding("DecodingError.dataCorrupted");
        EXPECT_FALSE(fetch(apple, true));
        EXPECT_FALSE(store.rawValue(key));
        EXPECT_EQ(store.loadAppleError(), "HttpError.cannotConnect");

        // Another place's record is never an answer, however fresh.
        ASSERT_TRUE(save(recordAt(51.5, -0.12, apple, apple, kNow, 3)));
        EXPECT_FALSE(fetch(apple));

        const Record old = recordAt(40.7128, -74.006, apple, apple, kNow - 86400, 3);
        ASSERT_TRUE(save(old));
        const auto before = store.rawValue(key);
        ASSERT_TRUE(store.saveAppleError("earlier"));
        EXPECT_EQ(fetch(apple), old);
        EXPECT_EQ(store.loadAppleError(), "HttpError.cannotConnect");
        // Open-Meteo by choice leaves the note alone, failing or not.
        ASSERT_TRUE(store.saveAppleError("earlier"));
        EXPECT_EQ(fetch(openMeteo), old);
        EXPECT_EQ(store.rawValue(key), before);
        meteoFake.failure.reset();
        EXPECT_EQ(fetch(openMeteo)->requested, openMeteo);
        EXPECT_EQ(store.loadAppleError(), "earlier");
    }

    // A program that is stopping cancels the fetch: the request under way
    // ends at once, no other is started, no failure note is left behind, and
    // what was stored for the place is the answer.
    void expectStoppingEndsTheRequest() {
        const Record old =
            recordAt(40.7128, -74.006, WeatherSource::apple, WeatherSource::apple, kNow - 86400, 3);
        for (const WeatherSource source : {WeatherSource::apple, WeatherSource::openMeteo}) {
            SCOPED_TRACE(std::string(toString(source)));
            ASSERT_TRUE(save(old));
            std::atomic<int> hung{0};
            services = {appleFake.call(), meteoFake.call(), [] { return kNow; }, 30};
            (source == WeatherSource::apple ? services.apple : services.openMeteo) =
                hangUntilCancelled<Record>(hung);
            const net::CancelToken stop;
            // Stopped once the request hangs: a 30 s limit is the only
            // other way out, which CTest's limit would not wait for.
            std::thread stopper([stop, &hung] {
                while (hung == 0) {
                    std::this_thread::yield();
                }
                stop.cancel();
            });
            EXPECT_EQ(fetch(source, true, stop), old);
            stopper.join();
            EXPECT_EQ(hung, 1);
            EXPECT_EQ(meteoFake.calls, 0);
            EXPECT_FALSE(store.loadAppleError());
            EXPECT_EQ(stored(), old);
        }
        // Already stopped: nothing is asked at all.
        services = {appleFake.call(), meteoFake.call(), [] { return kNow; }, 30};
        const net::CancelToken stopped;
        stopped.cancel();
        EXPECT_EQ(fetch(WeatherSource::apple, true, stopped), old);
        EXPECT_EQ(calls(), 0);
    }

    testing::TempDir dir;
    SharedStore store{{dir.path() / "config/g/preferences.sqlite", {}, dir.path() / "data"},
                      "en_US"};
    FakeService appleFake{WeatherSource::apple, 30, std::nullopt};
    FakeService meteoFake{WeatherSource::openMeteo, 20, std::nullopt};
    SavedLocation place{40.7128, -74.006, "New York"};
    Services services{appleFake.call(), meteoFake.call(), [] { return kNow; }, 15};
};

}  // namespace solvane::fetcher_test
