// Every network client against every way a server can fail, over loopback:
// each case ends within its limit and leaves the documented fallback behind.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "core/weather/forecast_fetcher.h"
#include "core/weather/open_meteo.h"
#include "core/weather/weather_fetcher.h"
#include "loopback_test.h"
#include "platform/jwt_check.h"
#include "platform/location/nominatim.h"
#include "platform/weatherkit/weatherkit.h"

namespace solvane::platform {
namespace {

using Outcome = Result<WeatherSnapshot, WeatherError>;

// Stand-ins for the programs' limits; as there, the fetcher's strikes before WeatherKit's own.
constexpr double kOpenMeteoLimit = 2;
constexpr double kAppleLimit = 2;
constexpr double kWeatherKitClientLimit = 5;
constexpr double kGeocoderLimit = 2;

constexpr Instant kNow = Instant::fromUnix(1718380000);
constexpr double kLatitude = 12.3456;
constexpr double kLongitude = -56.789;
constexpr std::size_t kFloodBytes = 50 * 1024 * 1024;
constexpr std::size_t kRequestsPerRedirectLoop = 6;  // the first and five redirects

enum class Client { openMeteo, weatherKit, nominatim };

enum class Fault {
    none,
    refused,
    resetMidBody,
    silent,
    drip,
    status500Html,
    status429,
    truncatedJson,
    flood,
    floodWithoutLength,
    redirectLoop,
    selfSignedTls,
    invalidUtf8
};

struct FaultCase {
    Fault fault;
    const char* name;
    // What fetchOpenMeteo reports, and the failure note a WeatherKit failure
    // leaves; the timeout note when null.
    const char* openMeteoError;
    const char* appleNote;
};

const FaultCase kCases[] = {
    {Fault::none, "Healthy", "ok", ""},
    {Fault::refused, "ConnectionRefused", "HttpError.cannotConnect", "HttpError.cannotConnect"},
    {Fault::resetMidBody, "ResetMidBody", "HttpError.connectionLost", "HttpError.connectionLost"},
    {Fault::silent, "NeverAnswers", "HttpError.timedOut", nullptr},
    {Fault::drip, "DripsAByteASecond", "HttpError.timedOut", nullptr},
    {Fault::status500Html, "Status500Html", "DecodingError.dataCorrupted",
     "WeatherKitError.http(500)"},
    {Fault::status429, "Status429", "OpenMeteoError.http(429)", "WeatherKitError.http(429)"},
    {Fault::truncatedJson, "TruncatedJson", "DecodingError.dataCorrupted",
     "WeatherKitError.decoding"},
    {Fault::flood, "Body50MB", "HttpError.tooLarge", "HttpError.tooLarge"},
    {Fault::floodWithoutLength, "Body50MBWithoutLength", "HttpError.tooLarge",
     "HttpError.tooLarge"},
    {Fault::redirectLoop, "RedirectLoop", "HttpError.tooManyRedirects",
     "HttpError.tooManyRedirects"},
    {Fault::selfSignedTls, "SelfSignedTls", "HttpError.secureConnectionFailed",
     "HttpError.secureConnectionFailed"},
    {Fault::invalidUtf8, "InvalidUtf8", "DecodingError.dataCorrupted", "WeatherKitError.decoding"},
};

std::string printable(const Outcome& r) {
    return r.ok() ? "ok" : r.error().printable();
}

std::string fixture(const std::string& path) {
    std::ifstream in(std::string(SOLVANE_TEST_DATA_DIR) + "/" + path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string replaceAll(std::string text, std::string_view from, std::string_view to) {
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

// --- the faulty servers ------------------------------------------------------

// A good reply, the same with Latin-1 where UTF-8 belongs, and the answer to throttling.
struct Replies {
    std::string good;
    std::string invalidUtf8;
    std::string throttled;
};

Replies openMeteoReplies() {
    const std::string good = fixture("open_meteo/full_reply.json");
    return {good, replaceAll(good, "\u00b0", "\xb0"),
            R"({"error":true,"reason":"Too many concurrent requests"})"};
}

Replies weatherKitReplies() {
    const std::string good = fixture("weatherkit/full_reply.json");
    return {good, replaceAll(good, "\"PartlyCloudy\"", "\"PartlyCloudy\xc3\""),
            fixture("weatherkit/error_429.json")};
}

Replies nominatimReplies() {
    const std::string good =
        R"({"place_id":1,"display_name":"München, Bayern, Deutschland","address":)"
        R"({"city":"München","state":"Bayern","ISO3166-2-lvl4":"DE-BY","country":"Deutschland"}})";
    return {good, replaceAll(good, "\u00fc", "\xfc"),
            "<html><body>Too Many Requests</body></html>"};
}

HttpTestReply replyFor(Fault fault, const Replies& replies, const HttpTestRequest& request) {
    HttpTestReply reply;
    reply.body = replies.good;
    switch (fault) {
        case Fault::resetMidBody:
            reply.behaviour = Behaviour::resetBody;
            break;
        case Fault::silent:
            reply.behaviour = Behaviour::neverAnswer;
            break;
        case Fault::drip:
            reply.behaviour = Behaviour::drip;
            reply.dripInterval = std::chrono::seconds(1);
            break;
        case Fault::status500Html:
            reply.status = 500;
            reply.body = "<html><body><h1>500 Internal Server Error</h1></body></html>";
            reply.headers = {{"Content-Type", "text/html"}};
            break;
        case Fault::status429:
            reply.status = 429;
            reply.body = replies.throttled;
            reply.headers.emplace_back("Retry-After", "60");
            break;
        case Fault::truncatedJson:
            reply.body.resize(reply.body.size() / 2);
            break;
        case Fault::flood:
        case Fault::floodWithoutLength:
            reply.behaviour = Behaviour::flood;
            reply.floodBytes = kFloodBytes;
            reply.floodAnnounced = fault == Fault::flood;
            break;
        case Fault::redirectLoop:
            reply.status = 302;
            reply.body.clear();
            reply.headers.emplace_back("Location", request.target);
            break;
        case Fault::invalidUtf8:
            reply.body = replies.invalidUtf8;
            break;
        case Fault::none:
        case Fault::refused:
        case Fault::selfSignedTls:
            break;
    }
    return reply;
}

struct FaultyEndpoint {
    Fault fault;
    std::unique_ptr<LoopbackHttpServer> http;
    std::unique_ptr<LoopbackTlsServer> tls;
    std::string url;

    FaultyEndpoint(Fault f, Replies replies) : fault(f) {
        EXPECT_NE(replies.invalidUtf8, replies.good) << "the reply to spoil has changed";
        auto handler = [f, replies = std::move(replies)](const HttpTestRequest& request) {
            return replyFor(f, replies, request);
        };
        if (f == Fault::refused) {
            // A server gone again: nothing listens at its port.
            url = LoopbackHttpServer(handler).url();
        } else if (f == Fault::selfSignedTls) {
            tls = std::make_unique<LoopbackTlsServer>(handler);
            url = tls->url();
        } else {
            http = std::make_unique<LoopbackHttpServer>(handler);
            url = http->url();
        }
    }

    // What the server saw must match the fault, or the case tested nothing.
    void expectReached(std::size_t calls) const {
        if (tls) {
            // The client may be done before the server has read its alert.
            const auto end = Clock::now() + std::chrono::duration<double>(kSlack);
            while (tls->refusedHandshakes() < calls && Clock::now() < end) {
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            }
            EXPECT_GE(tls->refusedHandshakes(), calls);
            EXPECT_EQ(tls->requestCount(), 0u) << "a self-signed certificate was trusted";
        } else if (http && fault == Fault::redirectLoop) {
            EXPECT_EQ(http->requestCount(), calls * kRequestsPerRedirectLoop);
        } else if (http) {
            EXPECT_EQ(http->requestCount(), calls);
        }
    }
};

// --- the clients -------------------------------------------------------------

struct WeatherRun {
    TempDir dir;
    SharedStore store{{dir.path() / "g/preferences.sqlite", {}, dir.path() / "data"}, "en_US"};
    SavedLocation place{kLatitude, kLongitude, "Somewhere"};
    WeatherServices services;
    std::vector<std::string> openMeteoOutcomes;

    explicit WeatherRun(std::string openMeteoUrl) {
        services.clock = [] { return kNow; };
        services.appleTimeLimitSeconds = kAppleLimit;
        services.openMeteo = [this, url = std::move(openMeteoUrl)](double lat, double lon,
                                                                   const net::CancelToken& cancel) {
            auto r = fetchOpenMeteo(url, lat, lon, services.clock, cancel, kOpenMeteoLimit);
            openMeteoOutcomes.push_back(printable(r));
            return r;
        };
    }

    std::optional<WeatherSnapshot> fetch(WeatherSource source) {
        return WeatherFetcher::fetch(store, services, place, source, false);
    }
};

// Open-Meteo asked for directly: a failure hands back what is stored, and never writes.
void runOpenMeteo(const FaultCase& c) {
    const FaultyEndpoint endpoint(c.fault, openMeteoReplies());
    WeatherRun run(endpoint.url);
    const bool healthy = c.fault == Fault::none;

    const auto fresh = run.fetch(WeatherSource::openMeteo);
    ASSERT_EQ(run.openMeteoOutcomes.size(), 1u);
    EXPECT_EQ(run.openMeteoOutcomes[0], c.openMeteoError);
    EXPECT_EQ(fresh.has_value(), healthy);
    EXPECT_EQ(run.store.loadWeather(), fresh) << "the store holds something it was not given";
    endpoint.expectReached(1);

    const WeatherSnapshot stale{.fetched = kNow - 7200,
                                .latitude = kLatitude,
                                .longitude = kLongitude,
                                .temperatureC = 3.5,
                                .condition = "Foggy",
                                .symbol = "cloud.fog"};
    ASSERT_TRUE(run.store.saveWeather(stale));
    const auto afterStale = run.fetch(WeatherSource::openMeteo);
    ASSERT_TRUE(afterStale);
    EXPECT_EQ(*afterStale == stale, !healthy) << "a failure must hand back the cache";
    EXPECT_EQ(run.store.loadWeather(), afterStale);
    EXPECT_FALSE(run.store.loadAppleError());
}

// Apple Weather: a failure leaves its note, Open-Meteo fills in; success clears the note.
void runWeatherKit(const FaultCase& c) {
    const FaultyEndpoint endpoint(c.fault, weatherKitReplies());
    LoopbackHttpServer openMeteo([good = openMeteoReplies().good](const HttpTestRequest&) {
        return HttpTestReply{200, good};
    });
    const TempDir account;  // with a key made for the run
    const fs::path keyFile = account.path() / "AuthKey_KEY123.p8";
    std::ofstream(keyFile) << solvane::testing::privateKeyPem(
        solvane::testing::generateKey("P-256").get());
    WeatherKitConfig config;
    config.endpoint = endpoint.url;
    config.clock = [] { return kNow; };
    config.credentials = [keyFile] {
        return WeatherKitCredentials{"TEAM123456", "com.example.solvane", "KEY123", keyFile};
    };
    config.timeoutSeconds = kWeatherKitClientLimit;

    WeatherRun run(openMeteo.url());
    run.services.apple = weatherKitCall(config);
    ASSERT_TRUE(run.store.saveAppleError("HttpError.timedOut"));
    const bool healthy = c.fault == Fault::none;
    const std::string note = c.appleNote ? c.appleNote : std::string(kAppleTimeoutNote);

    const auto result = run.fetch(WeatherSource::apple);
    ASSERT_TRUE(result);
    EXPECT_EQ(toString(result->requested), "apple");
    EXPECT_EQ(toString(result->source), healthy ? "apple" : "openMeteo");
    EXPECT_EQ(run.store.loadWeather(), result);
    EXPECT_EQ(run.store.loadAppleError().value_or(""), healthy ? "" : note);
    EXPECT_EQ(run.openMeteoOutcomes.size(), healthy ? 0u : 1u);
    endpoint.expectReached(1);
}

// Any failure is no name; the manager's naming by coordinates is location_manager_test's.
void runNominatim(const FaultCase& c) {
    const FaultyEndpoint endpoint(c.fault, nominatimReplies());
    NominatimConfig config = NominatimConfig::standard();
    config.endpoint = endpoint.url;
    config.timeoutSeconds = kGeocoderLimit;
    const auto parts = reverseGeocode(config, kLatitude, kLongitude);
    EXPECT_EQ(parts,
              c.fault == Fault::none ? std::optional(PlaceParts{"München", "BY"}) : std::nullopt);
    endpoint.expectReached(1);
}

// --- the matrix ----------------------------------------------------------------

class NetworkFault : public ::testing::TestWithParam<std::tuple<Client, FaultCase>> {};

std::string caseName(const ::testing::TestParamInfo<NetworkFault::ParamType>& info) {
    static constexpr const char* kClients[] = {"OpenMeteo", "WeatherKit", "Nominatim"};
    return std::string(kClients[static_cast<int>(std::get<0>(info.param))]) + "_" +
           std::get<1>(info.param).name;
}

TEST_P(NetworkFault, EndsWithinItsLimitWithTheDocumentedFallback) {
    static constexpr void (*kRun[])(const FaultCase&) = {runOpenMeteo, runWeatherKit, runNominatim};
    const auto& [client, c] = GetParam();
    kRun[static_cast<int>(client)](c);
}

INSTANTIATE_TEST_SUITE_P(Matrix, NetworkFault,
                         ::testing::Combine(::testing::Values(Client::openMeteo, Client::weatherKit,
                                                              Client::nominatim),
                                            ::testing::ValuesIn(kCases)),
                         caseName);

// A throttled service is left alone for the wait it asks, for weather and forecast alike;
// a wait it cannot be held to (unreadable, or days long) ends sooner.
TEST(RetryAfter, AThrottledServiceIsLeftAloneForTheTimeItAsked) {
    char httpDate[64];
    const std::time_t inFiveMinutes = std::time(nullptr) + 300;
    std::strftime(httpDate, sizeof httpDate, "%a, %d %b %Y %H:%M:%S GMT",
                  std::gmtime(&inFiveMinutes));
    const struct {
        int status;
        std::string retryAfter;
        double stillWaitingAt, askedAgainAt;
    } cases[] = {
        {429, "120", 119, 121},    {503, " 30 ", 29, 31},
        {429, httpDate, 250, 350}, {429, "99999999999", 86000, 86401},
        {429, "soon", 0, 0},       {500, "120", 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.retryAfter + " with " + std::to_string(c.status));
        LoopbackHttpServer server([&](const HttpTestRequest&) {
            return HttpTestReply{
                c.status,
                R"({"error":true,"reason":"Too many concurrent requests"})",
                {{"Content-Type", "application/json"}, {"Retry-After", c.retryAfter}}};
        });
        TempDir dir;
        const SharedStore store{{dir.path() / "g/preferences.sqlite", {}, dir.path() / "data"},
                                "en_US"};
        const SavedLocation place{kLatitude, kLongitude, "Somewhere"};
        Instant now = kNow;
        const auto clock = [&] { return now; };
        WeatherServices weather;
        weather.clock = clock;
        weather.openMeteo = [&](double lat, double lon, const net::CancelToken& cancel) {
            return fetchOpenMeteo(server.url(), lat, lon, clock, cancel, kOpenMeteoLimit);
        };
        ForecastServices forecast;
        forecast.clock = clock;
        forecast.openMeteo = [&](double lat, double lon, const net::CancelToken& cancel) {
            return fetchOpenMeteoForecast(server.url(), lat, lon, clock, cancel, kOpenMeteoLimit);
        };
        const auto ask = [&](double after) {
            now = kNow + after;
            WeatherFetcher::fetch(store, weather, place, WeatherSource::openMeteo, true);
            ForecastFetcher::fetch(store, forecast, place, WeatherSource::openMeteo, true);
            return server.requestCount();
        };

        if (c.askedAgainAt == 0) {
            EXPECT_EQ(ask(0), 2u);
            EXPECT_EQ(ask(1), 4u);
            continue;
        }
        // The weather's answer holds the forecast back as well.
        EXPECT_EQ(ask(0), 1u);
        EXPECT_EQ(ask(c.stillWaitingAt), 1u);
        EXPECT_EQ(ask(c.askedAgainAt), 2u);
    }
}

}  // namespace
}  // namespace solvane::platform

int main(int argc, char** argv) {
    // A proxy from the environment would take loopback requests elsewhere.
    for (const char* name :
         {"http_proxy", "HTTP_PROXY", "https_proxy", "HTTPS_PROXY", "all_proxy", "ALL_PROXY"}) {
        ::unsetenv(name);
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
