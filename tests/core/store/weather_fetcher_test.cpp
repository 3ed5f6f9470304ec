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

#include "support/temp_dir.h"

namespace solvane {
namespace {

using Clock = std::chrono::steady_clock;
using Outcome = Result<WeatherSnapshot, WeatherError>;
using enum WeatherSource;

const Instant kNow{760000000};
const WeatherError kRefused = WeatherError::fromHttp({net::HttpErrorKind::cannotConnect, ""});

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

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

// Answers from memory and counts its callers.
struct FakeService {
    WeatherSource source;
    double temperatureC;
    std::optional<WeatherError> failure;
    std::atomic<int> calls{0};

    WeatherCall call() {
        return [this](double lat, double lon, const net::CancelToken&) -> Outcome {
            ++calls;
            if (failure) {
                return Failure{*failure};
            }
            return snapshotAt(lat, lon, source, source, kNow, temperatureC);
        };
    }
};

class WeatherFetcherTest : public ::testing::Test {
  protected:
    testing::TempDir dir;
    SharedStore store{{dir.path() / "config/g/preferences.sqlite", {}, dir.path() / "data"},
                      "en_US"};
    FakeService appleFake{apple, 30, std::nullopt};
    FakeService meteoFake{openMeteo, 20, std::nullopt};
    SavedLocation place{40.7128, -74.006, "New York"};
    WeatherServices services{appleFake.call(), meteoFake.call(), [] { return kNow; }, 15};

    std::optional<WeatherSnapshot> fetch(std::optional<WeatherSource> source, bool force = false) {
        return WeatherFetcher::fetch(store, services, place, source, force);
    }
};

TEST_F(WeatherFetcherTest, ReusesTheCacheOnlyWhileItIsFresh) {
    const struct {
        const char* name;
        double dLat, dLon, age;
        WeatherSource cachedSource, cachedRequested, resolved;
        bool force, reused;
    } cases[] = {
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
    };
    // On whole degrees the offsets above are exactly the differences seen.
    place = {0, 0, "Null Island"};
    for (const auto& c : cases) {
        appleFake.calls = meteoFake.calls = 0;
        const WeatherSnapshot cached =
            snapshotAt(c.dLat, c.dLon, c.cachedSource, c.cachedRequested, kNow - c.age, 5);
        ASSERT_TRUE(store.saveWeather(cached));
        const auto result = fetch(c.resolved, c.force);
        ASSERT_TRUE(result) << c.name;
        if (c.reused) {
            EXPECT_EQ(*result, cached) << c.name;
            EXPECT_EQ(appleFake.calls + meteoFake.calls, 0) << c.name;
        } else {
            EXPECT_EQ(result->requested, c.resolved) << c.name;
            EXPECT_EQ((c.resolved == apple ? appleFake : meteoFake).calls, 1) << c.name;
            EXPECT_EQ(store.loadWeather(), result) << c.name;
        }
    }
    // No source given: the stored settings decide.
    ASSERT_TRUE(store.saveSettings({apple, TempUnit::celsius, {}}));
    EXPECT_EQ(fetch(std::nullopt, true)->source, apple);
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
    const auto start = Clock::now();
    const auto result = fetch(apple);
    EXPECT_GE(secondsSince(start), 0.2);
    EXPECT_LT(secondsSince(start), 5.0);
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

TEST_F(WeatherFetcherTest, AppleFailureNoteIsTheErrorsPrintableForm) {
    const std::pair<WeatherError, std::string> cases[] = {
        {kRefused, "HttpError.cannotConnect"},
        {WeatherError::service("WeatherKitError.http(401)"), "WeatherKitError.http(401)"},
        {WeatherError::fromHttp({net::HttpErrorKind::timedOut, ""}),
         std::string(kAppleTimeoutNote)},
    };
    for (const auto& [error, note] : cases) {
        appleFake.failure = error;
        EXPECT_TRUE(fetch(apple, true)->isFallback());
        EXPECT_EQ(store.loadAppleError(), note);
    }
}

TEST_F(WeatherFetcherTest, BothFailingReturnsTheCacheOfThePlaceUnchangedAndWritesNoWeather) {
    appleFake.failure = kRefused;
    meteoFake.failure = WeatherError::decoding("DecodingError");
    EXPECT_FALSE(fetch(apple, true));
    EXPECT_FALSE(store.rawValue("weather.v2"));
    EXPECT_EQ(store.loadAppleError(), "HttpError.cannotConnect");

    // Another place's snapshot is never an answer, however fresh.
    ASSERT_TRUE(store.saveWeather(snapshotAt(51.5, -0.12, apple, apple, kNow, 3)));
    EXPECT_FALSE(fetch(apple));

    const WeatherSnapshot old = snapshotAt(40.7128, -74.006, apple, apple, kNow - 86400, 3);
    ASSERT_TRUE(store.saveWeather(old));
    const auto before = store.rawValue("weather.v2");
    ASSERT_TRUE(store.saveAppleError("earlier"));
    EXPECT_EQ(fetch(apple), old);
    EXPECT_EQ(store.loadAppleError(), "HttpError.cannotConnect");
    // Open-Meteo by choice leaves the note alone, failing or not.
    ASSERT_TRUE(store.saveAppleError("earlier"));
    EXPECT_EQ(fetch(openMeteo), old);
    EXPECT_EQ(store.rawValue("weather.v2"), before);
    meteoFake.failure.reset();
    EXPECT_EQ(fetch(openMeteo)->requested, openMeteo);
    EXPECT_EQ(store.loadAppleError(), "earlier");
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

// A program that is stopping cancels the fetch: the request under way ends
// at once, no other is started, and no failure note is left behind.
TEST_F(WeatherFetcherTest, StoppingEndsTheRequestAndStartsNoOther) {
    for (const WeatherSource source : {apple, openMeteo}) {
        SCOPED_TRACE(std::string(toString(source)));
        std::atomic<int> hung{0};
        const auto hang = [&](double, double, const net::CancelToken& cancel) -> Outcome {
            ++hung;
            while (!cancel.cancelled()) {
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
            return Failure{WeatherError::fromHttp({net::HttpErrorKind::cancelled, ""})};
        };
        services.appleTimeLimitSeconds = 30;
        (source == apple ? services.apple : services.openMeteo) = hang;
        const net::CancelToken stop;
        std::thread stopper([stop] {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            stop.cancel();
        });
        const auto start = Clock::now();
        EXPECT_FALSE(WeatherFetcher::fetch(store, services, place, source, true, stop));
        stopper.join();
        EXPECT_LT(secondsSince(start), 1.0);
        EXPECT_EQ(hung, 1);
        EXPECT_EQ(meteoFake.calls, 0);
        EXPECT_FALSE(store.loadAppleError());
        services = {appleFake.call(), meteoFake.call(), [] { return kNow; }, 15};
    }
    // Already stopped: nothing is asked at all.
    const net::CancelToken stopped;
    stopped.cancel();
    EXPECT_FALSE(WeatherFetcher::fetch(store, services, place, apple, true, stopped));
    EXPECT_EQ(appleFake.calls + meteoFake.calls, 0);
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
        const auto start = Clock::now();
        const auto outcome = WeatherFetcher::withTimeout(c.seconds, c.operation);
        EXPECT_EQ(outcome ? "snapshot" : outcome.error().printable(), c.expected) << c.seconds;
        EXPECT_LT(secondsSince(start), 2.0) << c.seconds;
    }
}

}  // namespace
}  // namespace solvane
