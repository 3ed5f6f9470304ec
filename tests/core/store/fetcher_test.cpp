// The weather and forecast fetchers against a store of their own, services
// that answer from memory, and one that hangs until cancelled.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <functional>
#include <initializer_list>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>
#include <type_traits>

#include "core/weather/forecast_fetcher.h"
#include "core/weather/weather_fetcher.h"
#include "support/temp_dir.h"

namespace solvane {
namespace {

const Instant kNow{760000000};
const WeatherError kRefused = WeatherError::fromHttp({net::HttpErrorKind::cannotConnect, ""});

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

// `Record` is WeatherSnapshot or Forecast, made by `recordAt`.
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

    // Whether a stored record answers each case, or the service asked gives a
    // new one that is stored; then that without a source the settings decide.
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

    // With every service failing the place's stored record, untouched, is the
    // answer; the note says why Apple failed.
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

    // A stopping program cancels the fetch: the request ends at once, no other
    // starts, no note is left, and the place's stored record is the answer.
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
            // Stopped once the request hangs; the 30 s limit outlasts CTest's.
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

using Outcome = Result<WeatherSnapshot, WeatherError>;
using enum WeatherSource;

WeatherSnapshot snapshotAt(double lat, double lon, WeatherSource source, WeatherSource requested,
                           Instant fetched, double temperatureC) {
    WeatherSnapshot s;
    s.fetched = fetched;
    s.latitude = lat;
    s.longitude = lon;
    s.source = source;
    s.requested = requested;
    s.temperatureC = temperatureC;
    s.condition = "Clear";
    return s;
}

using WeatherFetcherTest =
    FetcherTest<WeatherSnapshot, WeatherServices, WeatherFetcher, snapshotAt>;

TEST_F(WeatherFetcherTest, ReusesTheCacheOnlyWhileItIsFresh) {
    expectReuse({
        {"24 minutes", 0, 0, 24 * 60, openMeteo, openMeteo, openMeteo, false, true},
        {"exactly 25 minutes", 0, 0, 1500, openMeteo, openMeteo, openMeteo, false, false},
        {"fallback, 4 minutes", 0, 0, 240, openMeteo, apple, apple, false, true},
        {"fallback, 6 minutes", 0, 0, 360, openMeteo, apple, apple, false, false},
        {"0.01 north", 0.01, 0, 60, openMeteo, openMeteo, openMeteo, false, false},
        {"0.0099 both ways", 0.0099, -0.0099, 60, openMeteo, openMeteo, openMeteo, false, true},
        {"an hour ahead", 0, 0, -3600, openMeteo, openMeteo, openMeteo, false, true},
        {"openMeteo cache, apple asked", 0, 0, 60, openMeteo, openMeteo, apple, false, false},
        {"apple cache, openMeteo asked", 0, 0, 60, apple, apple, openMeteo, false, false},
        {"forced, a second old", 0, 0, 1, openMeteo, openMeteo, openMeteo, true, false},
    });
}

TEST_F(WeatherFetcherTest, AppleTimeoutFallsBackWithTheNoteUntilAppleAnswers) {
    std::atomic<bool> sawCancel{false}, returned{false};
    services.appleTimeLimitSeconds = 0.2;
    services.apple = [&](double, double, const net::CancelToken& cancel) -> Outcome {
        while (!cancel.cancelled()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        sawCancel = true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));  // a slow unwind
        returned = true;
        return Failure{WeatherError::fromHttp({net::HttpErrorKind::cancelled, ""})};
    };
    const auto result = fetch(apple);
    EXPECT_TRUE(sawCancel);
    EXPECT_TRUE(returned) << "fetch came back before the Apple request had ended";
    ASSERT_TRUE(result);
    EXPECT_EQ(result->source, openMeteo);
    EXPECT_EQ(result->requested, apple);
    EXPECT_EQ(store.loadWeather(), result);
    EXPECT_EQ(store.loadAppleError(), kAppleTimeoutNote);

    services.apple = appleFake.call();
    const auto later = fetch(apple, true);
    EXPECT_EQ(later->source, apple);
    EXPECT_EQ(store.loadWeather(), later);
    EXPECT_FALSE(store.loadAppleError());
}

TEST_F(WeatherFetcherTest, EverythingFailingGivesTheStoredOneOfThePlaceUntouched) {
    expectEverythingFailingGivesTheStoredOneOfThePlace();
}

TEST_F(WeatherFetcherTest, SnapshotWithNoJsonFormIsReturnedButNotWritten) {
    const auto good = fetch(openMeteo);
    services.openMeteo = [](double lat, double lon, const net::CancelToken&) -> Outcome {
        auto s = snapshotAt(lat, lon, openMeteo, openMeteo, kNow, 1);
        s.windKph = std::numeric_limits<double>::quiet_NaN();
        return s;
    };
    EXPECT_EQ(fetch(openMeteo, true)->temperatureC, 1);
    EXPECT_EQ(store.loadWeather(), good);
}

TEST_F(WeatherFetcherTest, StoppingEndsTheRequestAndGivesTheStoredOne) {
    expectStoppingEndsTheRequest();
}

TEST(WeatherFetcherWithTimeout, FirstToFinishDecidesAndOddLimitsAreBounded) {
    const WeatherSnapshot snap = snapshotAt(1, 2, apple, apple, kNow, 9);
    auto blockUntilCancelled = [](const net::CancelToken& cancel) -> Outcome {
        while (!cancel.cancelled()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return Failure{kRefused};
    };
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        double seconds;
        std::function<Outcome(const net::CancelToken&)> operation;
        std::string expected;
    } cases[] = {
        {5, [&](const net::CancelToken&) -> Outcome { return snap; }, "snapshot"},
        {5, [](const net::CancelToken&) -> Outcome { return Failure{kRefused}; },
         "HttpError.cannotConnect"},
        {5, [](const net::CancelToken&) -> Outcome { throw std::runtime_error("boom"); },
         "HttpError.other"},
        {0.05, blockUntilCancelled, "HttpError.timedOut"},
        {-1, blockUntilCancelled, "HttpError.timedOut"},
        {inf, blockUntilCancelled, "HttpError.timedOut"},
        {std::nan(""), blockUntilCancelled, "HttpError.timedOut"},
    };
    for (const auto& c : cases) {
        const auto outcome = WeatherFetcher::withTimeout(c.seconds, c.operation);
        EXPECT_EQ(outcome ? "snapshot" : outcome.error().printable(), c.expected) << c.seconds;
    }
}

Forecast forecastAt(double lat, double lon, WeatherSource source, WeatherSource requested,
                    Instant fetched, double temperatureC) {
    Forecast f;
    f.fetched = fetched;
    f.latitude = lat;
    f.longitude = lon;
    f.source = source;
    f.requested = requested;
    f.hours = {{fetched, temperatureC, "cloud.sun", 10.0},
               {fetched + 3600, temperatureC + 1, "cloud", std::nullopt}};
    f.days = {{{2025, 1, 1}, temperatureC + 3, temperatureC - 3, "cloud.sun", 30.0}};
    return f;
}

using ForecastFetcherTest = FetcherTest<Forecast, ForecastServices, ForecastFetcher, forecastAt>;

TEST_F(ForecastFetcherTest, AStoredForecastAnswersWithoutARequestWithinTheHour) {
    expectReuse({
        {"59 minutes", 0, 0, 59 * 60, openMeteo, openMeteo, openMeteo, false, true},
        {"an hour", 0, 0, 3600, openMeteo, openMeteo, openMeteo, false, false},
        // A fallback's hours do not change for asking Apple again sooner.
        {"fallback, 59 minutes", 0, 0, 59 * 60, openMeteo, apple, apple, false, true},
        {"from the future", 0, 0, -7200, openMeteo, openMeteo, openMeteo, false, true},
        {"0.0099 away", 0.0099, 0, 60, openMeteo, openMeteo, openMeteo, false, true},
        {"0.01 away", 0.01, 0, 60, openMeteo, openMeteo, openMeteo, false, false},
        {"Open-Meteo's, Apple asked", 0, 0, 60, openMeteo, openMeteo, apple, false, false},
        {"forced", 0, 0, 1, openMeteo, openMeteo, openMeteo, true, false},
    });

    // Without a clock no age is known: the service is asked.
    ASSERT_TRUE(save(forecastAt(0, 0, openMeteo, openMeteo, kNow, 5)));
    appleFake.calls = meteoFake.calls = 0;
    services.clock = nullptr;
    EXPECT_EQ(fetch(openMeteo)->hours.at(0).temperatureC, 20);
    EXPECT_EQ(meteoFake.calls, 1);
}

TEST_F(ForecastFetcherTest, AppleFailingLetsOpenMeteoFillInAndLeavesTheWeathersNote) {
    appleFake.failure = WeatherError::service("WeatherKitError.http(401)");
    const auto fallback = fetch(apple);
    ASSERT_TRUE(fallback);
    EXPECT_EQ(fallback->source, openMeteo);
    EXPECT_EQ(fallback->requested, apple);
    EXPECT_TRUE(fallback->isFallback());
    EXPECT_EQ(store.loadForecast(), fallback);
    EXPECT_EQ(store.loadAppleError(), "WeatherKitError.http(401)");

    // At its time limit Apple is cancelled and waited for; the note is the weather's.
    std::atomic<int> hung{0};
    services.apple = hangUntilCancelled<Forecast>(hung);
    services.appleTimeLimitSeconds = 0.2;
    EXPECT_EQ(fetch(apple, true)->source, openMeteo);
    EXPECT_EQ(hung, 1);
    EXPECT_EQ(store.loadAppleError(), kAppleTimeoutNote);

    // Apple's forecast is stored; the note stays for the weather's fetch to clear.
    services.apple = appleFake.call();
    appleFake.failure.reset();
    const auto answered = fetch(apple, true);
    EXPECT_EQ(answered->source, apple);
    EXPECT_EQ(store.loadForecast(), answered);
    EXPECT_EQ(store.loadAppleError(), kAppleTimeoutNote);
}

TEST_F(ForecastFetcherTest, EverythingFailingGivesTheStoredOneOfThePlaceUntouched) {
    expectEverythingFailingGivesTheStoredOneOfThePlace();
}

TEST_F(ForecastFetcherTest, StoppingEndsTheRequestAndGivesTheStoredOne) {
    expectStoppingEndsTheRequest();
}

}  // namespace
}  // namespace solvane
