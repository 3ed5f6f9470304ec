#include "core/weather/forecast_fetcher.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <optional>
#include <string>
#include <thread>

#include "support/temp_dir.h"

namespace solvane {
namespace {

using Clock = std::chrono::steady_clock;
using Outcome = Result<Forecast, WeatherError>;
using enum WeatherSource;

const Instant kNow{760000000};
const WeatherError kRefused = WeatherError::fromHttp({net::HttpErrorKind::cannotConnect, ""});

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

// Answers from memory and counts its callers.
struct FakeService {
    WeatherSource source;
    double temperatureC;
    std::optional<WeatherError> failure;
    std::atomic<int> calls{0};

    ForecastCall call() {
        return [this](double lat, double lon, const net::CancelToken&) -> Outcome {
            ++calls;
            if (failure) {
                return Failure{*failure};
            }
            return forecastAt(lat, lon, source, source, kNow, temperatureC);
        };
    }
};

ForecastCall hangUntilCancelled(std::atomic<int>& calls) {
    return [&calls](double, double, const net::CancelToken& cancel) -> Outcome {
        ++calls;
        while (!cancel.cancelled()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return Failure{WeatherError::fromHttp({net::HttpErrorKind::cancelled, ""})};
    };
}

class ForecastFetcherTest : public ::testing::Test {
  protected:
    testing::TempDir dir;
    SharedStore store{{dir.path() / "config/g/preferences.sqlite", {}, dir.path() / "data"},
                      "en_US"};
    FakeService appleFake{apple, 30, std::nullopt};
    FakeService meteoFake{openMeteo, 20, std::nullopt};
    SavedLocation place{40.7128, -74.006, "New York"};
    ForecastServices services{appleFake.call(), meteoFake.call(), [] { return kNow; }, 15};

    std::optional<Forecast> fetch(std::optional<WeatherSource> source, bool force = false,
                                  const net::CancelToken& stop = net::CancelToken()) {
        return ForecastFetcher::fetch(store, services, place, source, force, stop);
    }
    int calls() const { return appleFake.calls + meteoFake.calls; }
};

TEST_F(ForecastFetcherTest, AStoredForecastAnswersWithoutARequestWithinTheHour) {
    const struct {
        const char* name;
        double dLat, age;
        WeatherSource storedSource, storedRequested, asked;
        bool force, reused;
    } cases[] = {
        {"59 minutes", 0, 59 * 60, openMeteo, openMeteo, openMeteo, false, true},
        {"an hour", 0, 3600, openMeteo, openMeteo, openMeteo, false, false},
        {"apple, 59 minutes", 0, 59 * 60, apple, apple, apple, false, true},
        // A fallback's hours do not change for asking Apple again sooner.
        {"fallback, 59 minutes", 0, 59 * 60, openMeteo, apple, apple, false, true},
        {"from the future", 0, -7200, openMeteo, openMeteo, openMeteo, false, true},
        {"0.0099 away", 0.0099, 60, openMeteo, openMeteo, openMeteo, false, true},
        {"0.01 away", 0.01, 60, openMeteo, openMeteo, openMeteo, false, false},
        {"Open-Meteo's, Apple asked", 0, 60, openMeteo, openMeteo, apple, false, false},
        {"Apple's, Open-Meteo asked", 0, 60, apple, apple, openMeteo, false, false},
        {"forced", 0, 1, openMeteo, openMeteo, openMeteo, true, false},
    };
    // On whole degrees the offsets above are exactly the differences seen.
    place = {0, 0, "Null Island"};
    for (const auto& c : cases) {
        appleFake.calls = meteoFake.calls = 0;
        const Forecast stored =
            forecastAt(c.dLat, 0, c.storedSource, c.storedRequested, kNow - c.age, 5);
        ASSERT_TRUE(store.saveForecast(stored));
        const auto result = fetch(c.asked, c.force);
        ASSERT_TRUE(result) << c.name;
        if (c.reused) {
            EXPECT_EQ(*result, stored) << c.name;
            EXPECT_EQ(calls(), 0) << c.name;
        } else {
            EXPECT_EQ(result->requested, c.asked) << c.name;
            EXPECT_EQ(result->source, c.asked) << c.name;
            EXPECT_EQ((c.asked == apple ? appleFake : meteoFake).calls, 1) << c.name;
            EXPECT_EQ(store.loadForecast(), result) << c.name;
        }
    }

    // Without a clock no age is known: the service is asked.
    appleFake.calls = meteoFake.calls = 0;
    services.clock = nullptr;
    EXPECT_EQ(fetch(openMeteo)->hours.at(0).temperatureC, 20);
    EXPECT_EQ(meteoFake.calls, 1);

    // No source given: the stored settings decide.
    services.clock = [] { return kNow; };
    ASSERT_TRUE(store.saveSettings({apple, TempUnit::celsius, {}}));
    EXPECT_EQ(fetch(std::nullopt, true)->source, apple);
}

TEST_F(ForecastFetcherTest, AnotherPlacesForecastIsNeverTheAnswer) {
    const Forecast london = forecastAt(51.5, -0.12, openMeteo, openMeteo, kNow, 12);
    ASSERT_TRUE(store.saveForecast(london));
    EXPECT_FALSE(ForecastFetcher::cached(store, place));
    EXPECT_EQ(ForecastFetcher::cached(store, {51.5, -0.12, "London"}), london);

    // However fresh, it is not reused, and with nothing else to be had there
    // is no forecast at all.
    appleFake.failure = meteoFake.failure = kRefused;
    EXPECT_FALSE(fetch(openMeteo));
    EXPECT_EQ(meteoFake.calls, 1);
    EXPECT_EQ(store.loadForecast(), london);

    meteoFake.failure.reset();
    const auto here = fetch(openMeteo);
    ASSERT_TRUE(here);
    EXPECT_TRUE(ForecastFetcher::isFor(*here, place));
    EXPECT_EQ(ForecastFetcher::cached(store, place), here);
    EXPECT_FALSE(ForecastFetcher::cached(store, {51.5, -0.12, "London"}));
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

    // Under its time limit, Apple is cancelled and waited for, and the note
    // reads as the weather's does.
    std::atomic<int> hung{0};
    services.apple = hangUntilCancelled(hung);
    services.appleTimeLimitSeconds = 0.2;
    const auto start = Clock::now();
    EXPECT_EQ(fetch(apple, true)->source, openMeteo);
    EXPECT_LT(std::chrono::duration<double>(Clock::now() - start).count(), 5.0);
    EXPECT_EQ(hung, 1);
    EXPECT_EQ(store.loadAppleError(), kAppleTimeoutNote);

    // Apple answering again stores its forecast; the note stays for the
    // weather's own fetch to clear.
    services.apple = appleFake.call();
    appleFake.failure.reset();
    const auto answered = fetch(apple, true);
    EXPECT_EQ(answered->source, apple);
    EXPECT_EQ(store.loadForecast(), answered);
    EXPECT_EQ(store.loadAppleError(), kAppleTimeoutNote);
}

TEST_F(ForecastFetcherTest, EverythingFailingGivesTheStoredOneOfThePlaceUntouched) {
    appleFake.failure = kRefused;
    meteoFake.failure = WeatherError::decoding("DecodingError.dataCorrupted");
    EXPECT_FALSE(fetch(apple, true));
    EXPECT_FALSE(store.rawValue("forecast.v1"));
    EXPECT_EQ(store.loadAppleError(), "HttpError.cannotConnect");

    const Forecast old = forecastAt(40.7128, -74.006, apple, apple, kNow - 86400, 3);
    ASSERT_TRUE(store.saveForecast(old));
    const auto before = store.rawValue("forecast.v1");
    EXPECT_EQ(fetch(apple), old);
    // Open-Meteo by choice leaves the note alone.
    ASSERT_TRUE(store.saveAppleError("earlier"));
    EXPECT_EQ(fetch(openMeteo), old);
    EXPECT_EQ(store.loadAppleError(), "earlier");
    EXPECT_EQ(store.rawValue("forecast.v1"), before);
}

// A program that is stopping cancels the fetch: the request under way ends
// at once, no other is started, and no note is left behind.
TEST_F(ForecastFetcherTest, StoppingEndsTheRequestAndGivesTheStoredOne) {
    const Forecast old = forecastAt(40.7128, -74.006, apple, apple, kNow - 86400, 3);
    for (const WeatherSource source : {apple, openMeteo}) {
        SCOPED_TRACE(std::string(toString(source)));
        ASSERT_TRUE(store.saveForecast(old));
        std::atomic<int> hung{0};
        services = {appleFake.call(), meteoFake.call(), [] { return kNow; }, 30};
        (source == apple ? services.apple : services.openMeteo) = hangUntilCancelled(hung);
        const net::CancelToken stop;
        std::thread stopper([stop] {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            stop.cancel();
        });
        const auto start = Clock::now();
        EXPECT_EQ(fetch(source, true, stop), old);
        stopper.join();
        EXPECT_LT(std::chrono::duration<double>(Clock::now() - start).count(), 1.0);
        EXPECT_EQ(hung, 1);
        EXPECT_EQ(meteoFake.calls, 0);
        EXPECT_FALSE(store.loadAppleError());
        EXPECT_EQ(store.loadForecast(), old);
    }
    // Already stopped: nothing is asked at all.
    services = {appleFake.call(), meteoFake.call(), [] { return kNow; }, 30};
    const net::CancelToken stopped;
    stopped.cancel();
    EXPECT_EQ(fetch(apple, true, stopped), old);
    EXPECT_EQ(calls(), 0);
}

}  // namespace
}  // namespace solvane
