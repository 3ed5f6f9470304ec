#include "core/weather/weather_fetcher.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <functional>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>

#include "core/store/fetcher_fixture.h"

namespace solvane {
namespace {

using namespace fetcher_test;
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
        {"apple, 24 minutes", 0, 0, 24 * 60, apple, apple, apple, false, true},
        {"fallback, 4 minutes", 0, 0, 240, openMeteo, apple, apple, false, true},
        {"fallback, 6 minutes", 0, 0, 360, openMeteo, apple, apple, false, false},
        {"0.01 north", 0.01, 0, 60, openMeteo, openMeteo, openMeteo, false, false},
        {"0.01 west", 0, -0.01, 60, openMeteo, openMeteo, openMeteo, false, false},
        {"0.0099 both ways", 0.0099, -0.0099, 60, openMeteo, openMeteo, openMeteo, false, true},
        {"an hour ahead", 0, 0, -3600, openMeteo, openMeteo, openMeteo, false, true},
        {"openMeteo cache, apple asked", 0, 0, 60, openMeteo, openMeteo, apple, false, false},
        {"apple cache, openMeteo asked", 0, 0, 60, apple, apple, openMeteo, false, false},
        {"fallback, openMeteo asked", 0, 0, 60, openMeteo, apple, openMeteo, false, false},
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
        {1e300, [](const net::CancelToken&) -> Outcome { return Failure{kRefused}; },
         "HttpError.cannotConnect"},
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

}  // namespace
}  // namespace solvane
