#include "core/weather/forecast_fetcher.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <optional>

#include "core/store/fetcher_fixture.h"

namespace solvane {
namespace {

using namespace fetcher_test;
using enum WeatherSource;

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
        {"apple, 59 minutes", 0, 0, 59 * 60, apple, apple, apple, false, true},
        // A fallback's hours do not change for asking Apple again sooner.
        {"fallback, 59 minutes", 0, 0, 59 * 60, openMeteo, apple, apple, false, true},
        {"from the future", 0, 0, -7200, openMeteo, openMeteo, openMeteo, false, true},
        {"0.0099 away", 0.0099, 0, 60, openMeteo, openMeteo, openMeteo, false, true},
        {"0.01 away", 0.01, 0, 60, openMeteo, openMeteo, openMeteo, false, false},
        {"Open-Meteo's, Apple asked", 0, 0, 60, openMeteo, openMeteo, apple, false, false},
        {"Apple's, Open-Meteo asked", 0, 0, 60, apple, apple, openMeteo, false, false},
        {"forced", 0, 0, 1, openMeteo, openMeteo, openMeteo, true, false},
    });

    // Without a clock no age is known: the service is asked.
    ASSERT_TRUE(save(forecastAt(0, 0, openMeteo, openMeteo, kNow, 5)));
    appleFake.calls = meteoFake.calls = 0;
    services.clock = nullptr;
    EXPECT_EQ(fetch(openMeteo)->hours.at(0).temperatureC, 20);
    EXPECT_EQ(meteoFake.calls, 1);
}

TEST_F(ForecastFetcherTest, TheCachedForecastIsOnlyThePlacesOwn) {
    const Forecast london = forecastAt(51.5, -0.12, openMeteo, openMeteo, kNow, 12);
    ASSERT_TRUE(store.saveForecast(london));
    EXPECT_FALSE(ForecastFetcher::cached(store, place));
    EXPECT_EQ(ForecastFetcher::cached(store, {51.5, -0.12, "London"}), london);

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
    services.apple = hangUntilCancelled<Forecast>(hung);
    services.appleTimeLimitSeconds = 0.2;
    EXPECT_EQ(fetch(apple, true)->source, openMeteo);
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
    expectEverythingFailingGivesTheStoredOneOfThePlace();
}

TEST_F(ForecastFetcherTest, StoppingEndsTheRequestAndGivesTheStoredOne) {
    expectStoppingEndsTheRequest();
}

}  // namespace
}  // namespace solvane
