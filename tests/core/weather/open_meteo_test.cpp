#include "core/weather/open_meteo.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <limits>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "core/model/json_forms.h"
#include "support/loopback_http_server.h"

namespace solvane {
namespace {

using json_forms::Json;
using solvane::testing::HttpTestReply;
using solvane::testing::HttpTestRequest;
using solvane::testing::LoopbackHttpServer;

constexpr const char* kQueryTail =
    "&current=temperature_2m,apparent_temperature,weather_code,is_day,wind_speed_10m,"
    "wind_direction_10m,cloud_cover&daily=temperature_2m_max,temperature_2m_min"
    "&timezone=auto&forecast_days=1";

const Instant kNow{740000000.5};

std::string readReply(const std::string& name) {
    std::ifstream in(std::string(SOLVANE_TEST_DATA_DIR) + "/open_meteo/" + name);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_FALSE(text.str().empty()) << name;
    return text.str();
}

std::string outcome(const Result<WeatherSnapshot, WeatherError>& r) {
    return r.ok() ? std::string("a snapshot") : r.error().printable();
}

// The recorded full reply with `member` of `block` set to `value`, or removed
// when `value` is discarded.
std::string replyWith(const char* block, const char* member, const Json& value) {
    Json reply = *json_forms::parseJson(readReply("full_reply.json"));
    if (value.is_discarded()) {
        reply[block].erase(member);
    } else {
        reply[block][member] = value;
    }
    return reply.dump();
}

TEST(OpenMeteoCoordinates, ShortestTextThatReadsBack) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {41.5, "41.5"},
        {40, "40.0"},
        {-12.75, "-12.75"},
        {0.1, "0.1"},
        {-90, "-90.0"},
        {0.0001, "0.0001"},  // the smallest plain magnitude
        {-0.00012345, "-0.00012345"},
        {0.00001, "1e-05"},
        {-1.5e-7, "-1.5e-07"},
        {5e-324, "5e-324"},
        {0.0, "0.0"},
        {-0.0, "-0.0"},
        {1e15, "1000000000000000.0"},
        {1e16, "1e+16"},  // the first exponent shown as one
        {std::numeric_limits<double>::max(), "1.7976931348623157e+308"},
        {std::numeric_limits<double>::quiet_NaN(), "nan"},
        {-std::numeric_limits<double>::infinity(), "-inf"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(coordinateText(c.value), c.text) << c.text;
    }

    // Random degrees and random bit patterns all read back exactly.
    std::mt19937_64 random(20240614);
    std::uniform_real_distribution<double> degrees(-180.0, 180.0);
    for (int i = 0; i < 20000; ++i) {
        double value = degrees(random);
        if (i % 2 == 1) {
            const std::uint64_t bits = random();
            std::memcpy(&value, &bits, sizeof value);
        }
        if (std::isfinite(value)) {
            const std::string text = coordinateText(value);
            EXPECT_EQ(std::strtod(text.c_str(), nullptr), value) << text;
        }
    }
}

TEST(OpenMeteoUrl, FixedQueryInFixedOrder) {
    const std::string expected = std::string("https://api.open-meteo.com/v1/forecast") +
                                 "?latitude=40.0&longitude=-12.75" + kQueryTail;
    EXPECT_EQ(openMeteoUrl(kOpenMeteoEndpoint, 40, -12.75), expected);
    EXPECT_EQ(openMeteoUrl("https://api.open-meteo.com/", 40, -12.75), expected);
}

TEST(OpenMeteoConditions, EveryCodeRowByDayAndNight) {
    const struct {
        std::vector<std::int64_t> codes;
        const char* text;
        const char* day;
        const char* night;
    } rows[] = {
        {{0}, "Clear", "sun.max", "moon.stars"},
        {{1}, "Mostly Clear", "cloud.sun", "cloud.moon"},
        {{2}, "Partly Cloudy", "cloud.sun", "cloud.moon"},
        {{3}, "Cloudy", "cloud", "cloud"},
        {{45, 48}, "Foggy", "cloud.fog", "cloud.fog"},
        {{51, 53, 55}, "Drizzle", "cloud.drizzle", "cloud.drizzle"},
        {{56, 57, 66, 67}, "Freezing Rain", "cloud.sleet", "cloud.sleet"},
        {{61, 63, 65}, "Rain", "cloud.rain", "cloud.rain"},
        {{71, 73, 75, 77}, "Snow", "cloud.snow", "cloud.snow"},
        {{80, 81, 82}, "Showers", "cloud.heavyrain", "cloud.heavyrain"},
        {{85, 86}, "Snow Showers", "cloud.snow", "cloud.snow"},
        {{95}, "Thunderstorms", "cloud.bolt.rain", "cloud.bolt.rain"},
        {{96, 99}, "Hail", "cloud.bolt.rain", "cloud.bolt.rain"},
    };
    std::vector<bool> listed(100, false);
    for (const auto& row : rows) {
        for (std::int64_t code : row.codes) {
            listed[static_cast<std::size_t>(code)] = true;
            EXPECT_EQ(openMeteoConditionText(code), row.text) << code;
            EXPECT_EQ(openMeteoConditionSymbol(code, true), row.day) << code;
            EXPECT_EQ(openMeteoConditionSymbol(code, false), row.night) << code;
        }
    }
    // Every other code: an em dash with the storm symbol, day or night.
    std::vector<std::int64_t> others = {-1, 100, std::numeric_limits<std::int64_t>::min()};
    for (std::int64_t code = 0; code < 100; ++code) {
        if (!listed[static_cast<std::size_t>(code)]) {
            others.push_back(code);
        }
    }
    for (std::int64_t code : others) {
        EXPECT_EQ(openMeteoConditionText(code), "\u2014") << code;
        EXPECT_EQ(openMeteoConditionSymbol(code, true), "cloud.bolt.rain") << code;
        EXPECT_EQ(openMeteoConditionSymbol(code, false), "cloud.bolt.rain") << code;
    }
}

TEST(OpenMeteoParse, RecordedRepliesBecomeSnapshotsForTheRequestedPlace) {
    auto full = parseOpenMeteo(readReply("full_reply.json"), 40.7128, -74.006, kNow);
    // The coordinates are the requested ones, not the grid point echoed back.
    EXPECT_EQ(full.valueOr({}), (WeatherSnapshot{kNow, 40.7128, -74.006, WeatherSource::openMeteo,
                                                 WeatherSource::openMeteo, 24.3, 25.1, 27.6, 17.9,
                                                 "Partly Cloudy", "cloud.sun", 11.2, 247, 41}))
        << outcome(full);

    // No daily entry: today's range collapses to the current reading.
    auto empty = parseOpenMeteo(readReply("empty_daily.json"), -33.87, 151.21, kNow);
    ASSERT_TRUE(empty) << outcome(empty);
    EXPECT_EQ(empty->highC, -1.0);
    EXPECT_EQ(empty->lowC, -1.0);
    EXPECT_EQ(empty->symbol, "moon.stars");
}

TEST(OpenMeteoParse, DayIsOnlyIsDayOne) {
    const struct {
        int code;
        int isDay;
        const char* symbol;
    } cases[] = {{2, 0, "cloud.moon"}, {2, 1, "cloud.sun"}, {0, 2, "moon.stars"}};
    for (const auto& c : cases) {
        Json reply = *json_forms::parseJson(readReply("full_reply.json"));
        reply["current"]["weather_code"] = c.code;
        reply["current"]["is_day"] = c.isDay;
        auto r = parseOpenMeteo(reply.dump(), 0, 0, kNow);
        EXPECT_EQ(r.valueOr({}).symbol, c.symbol) << c.code << "/" << c.isDay;
    }
}

TEST(OpenMeteoParse, BrokenRepliesFailWithADecodingError) {
    const struct {
        std::string body;
        const char* printable;
    } cases[] = {
        {readReply("error_reply.json"), R"(DecodingError.keyNotFound("current"))"},
        {readReply("null_in_daily.json"),
         R"(DecodingError.valueNotFound("daily.temperature_2m_max[0]"))"},
        {readReply("truncated_reply.json"), "DecodingError.dataCorrupted"},
        {replyWith("current", "temperature_2m", Json(Json::value_t::discarded)),
         R"(DecodingError.keyNotFound("current.temperature_2m"))"},
        {replyWith("current", "cloud_cover", nullptr),
         R"(DecodingError.valueNotFound("current.cloud_cover"))"},
        // Codes are JSON integers that fit 64 bits, nothing else.
        {replyWith("current", "weather_code", 2.5),
         R"(DecodingError.typeMismatch("current.weather_code"))"},
        {replyWith("current", "weather_code", 2.0),
         R"(DecodingError.typeMismatch("current.weather_code"))"},
        {replyWith("current", "weather_code", 9223372036854775808ULL),
         R"(DecodingError.typeMismatch("current.weather_code"))"},
        {replyWith("current", "is_day", true), R"(DecodingError.typeMismatch("current.is_day"))"},
        {replyWith("current", "wind_speed_10m", "11"),
         R"(DecodingError.typeMismatch("current.wind_speed_10m"))"},
        {replyWith("daily", "temperature_2m_max", 27.6),
         R"(DecodingError.typeMismatch("daily.temperature_2m_max"))"},
        {replyWith("daily", "temperature_2m_min", Json::array({17.9, "18"})),
         R"(DecodingError.typeMismatch("daily.temperature_2m_min[1]"))"},
        {R"({"current":[],"daily":{}})", R"(DecodingError.typeMismatch("current"))"},
        {"[]", R"(DecodingError.typeMismatch(""))"},
        {"<html>Too Many Requests</html>", "DecodingError.dataCorrupted"},
        {std::string(5000, '[') + std::string(5000, ']'), "DecodingError.dataCorrupted"},
    };
    for (const auto& c : cases) {
        auto r = parseOpenMeteo(c.body, 0, 0, kNow);
        ASSERT_FALSE(r) << c.printable;
        EXPECT_EQ(r.error().kind, WeatherError::Kind::decoding);
        EXPECT_EQ(r.error().printable(), c.printable);
    }

    // Whole temperatures are fine; a number beyond the double range is not.
    Json reply = *json_forms::parseJson(readReply("full_reply.json"));
    reply["current"]["temperature_2m"] = -7;
    reply["daily"]["temperature_2m_max"] = Json::array({3, 4.5});
    auto whole = parseOpenMeteo(reply.dump(), 0, 0, kNow);
    EXPECT_EQ(whole.valueOr({}).highC, 3.0) << outcome(whole);
    std::string huge = readReply("full_reply.json");
    huge.replace(huge.find("24.3"), 4, "1e309");
    EXPECT_EQ(outcome(parseOpenMeteo(huge, 0, 0, kNow)), "DecodingError.dataCorrupted");
}

TEST(OpenMeteoFetch, SendsTheFixedRequestAndStampsAfterTheReply) {
    const std::string body = readReply("full_reply.json");
    LoopbackHttpServer server([&](const HttpTestRequest& req) {
        HttpTestReply reply;
        if (req.path() == "/v1/forecast") {
            reply.body = body;
        } else {
            // "/429/v1/forecast": the service's own answers to throttling and outages.
            reply.status = std::atoi(req.path().c_str() + 1);
            reply.body = R"({"error":true,"reason":"Daily API request limit exceeded."})";
        }
        return reply;
    });
    std::size_t requestsWhenStamped = 0;
    const auto clock = [&] {
        requestsWhenStamped = server.requestCount();
        return kNow;
    };
    auto r = fetchOpenMeteo(server.url() + "/", 51.5, -0.00001, clock, net::CancelToken());
    ASSERT_TRUE(r) << outcome(r);
    EXPECT_EQ(r->fetched, kNow);
    EXPECT_EQ(r->longitude, -0.00001);
    EXPECT_EQ(requestsWhenStamped, 1u);
    const HttpTestRequest request = server.requests().at(0);
    EXPECT_EQ(request.method, "GET");
    EXPECT_EQ(request.path(), "/v1/forecast");
    EXPECT_EQ(request.query(), std::string("latitude=51.5&longitude=-1e-05") + kQueryTail);

    for (const char* status : {"429", "500"}) {
        requestsWhenStamped = 0;
        r = fetchOpenMeteo(server.url() + "/" + status, 1, 2, clock, net::CancelToken());
        EXPECT_EQ(outcome(r), R"(DecodingError.keyNotFound("current"))") << status;
        EXPECT_EQ(requestsWhenStamped, 0u);  // nothing decoded, nothing stamped
    }
}

TEST(OpenMeteoFetch, TransportFailuresKeepTheirKind) {
    LoopbackHttpServer server([](const HttpTestRequest&) { return HttpTestReply{}; });
    net::CancelToken cancelled;
    cancelled.cancel();
    const auto r = fetchOpenMeteo(
        server.url(), 1, 2, [] { return kNow; }, cancelled);
    EXPECT_EQ(outcome(r), "HttpError.cancelled");
    EXPECT_EQ(r.error().transport, net::HttpErrorKind::cancelled);
    EXPECT_FALSE(r.error().isTimedOut());
    EXPECT_EQ(server.requestCount(), 0u);

    // The time limit and a network time-out read the same in the failure note.
    const auto network = WeatherError::fromHttp({net::HttpErrorKind::timedOut, "timed out"});
    EXPECT_TRUE(network.isTimedOut());
    EXPECT_EQ(network.printable(), WeatherError::timedOut().printable());
    EXPECT_EQ(WeatherError::timedOut().printable(), "HttpError.timedOut");
}

}  // namespace
}  // namespace solvane
