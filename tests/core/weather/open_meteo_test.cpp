#include "core/weather/open_meteo.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <limits>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "core/model/json_forms.h"
#include "core/time/calendar.h"
#include "core/time/date_text.h"
#include "core/weather/open_meteo_reply.h"
#include "support/loopback_http_server.h"
#include "support/temp_dir.h"

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
constexpr const char* kForecastQueryTail =
    "&hourly=temperature_2m,weather_code,precipitation_probability,is_day,apparent_temperature,"
    "wind_speed_10m,wind_direction_10m,wind_gusts_10m,precipitation"
    "&daily=weather_code,temperature_2m_max,temperature_2m_min,precipitation_probability_max,"
    "wind_speed_10m_max,wind_direction_10m_dominant,wind_gusts_10m_max,precipitation_sum"
    "&timezone=auto&forecast_days=7";

const Instant kNow{740000000.5};

std::string readReply(const std::string& name) {
    const std::string text = testing::readFile(SOLVANE_TEST_DATA_DIR "/open_meteo/" + name);
    EXPECT_FALSE(text.empty()) << name;
    return text;
}

template <class T>
std::string outcome(const Result<T, WeatherError>& r) {
    return r.ok() ? std::string("a result") : r.error().printable();
}

std::string decoding(const char* kind, const char* path) {
    return std::string("DecodingError.") + kind + (path ? "(\"" + std::string(path) + "\")" : "");
}
const auto keyNotFound = [](const char* path) { return decoding("keyNotFound", path); };
const auto valueNotFound = [](const char* path) { return decoding("valueNotFound", path); };
const auto typeMismatch = [](const char* path) { return decoding("typeMismatch", path); };
const auto dataCorrupted = [](const char* path = nullptr) {
    return decoding("dataCorrupted", path);
};

const Json kRemoved(Json::value_t::discarded);

// A recorded reply with `member` of `block` set to `value`, or removed.
std::string replyWith(const char* block, const char* member, const Json& value,
                      const char* file = "full_reply.json") {
    Json reply = *json_forms::parseJson(readReply(file));
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
        {0.0001, "0.0001"},  // the smallest plain magnitude
        {-0.00012345, "-0.00012345"},
        {0.00001, "1e-05"},
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

// A code the service does not define, or not yet, reads as an em dash with
// the storm symbol, never as a neighbouring condition.
TEST(OpenMeteoConditions, UnknownCodesReadAsADash) {
    for (const std::int64_t code :
         {std::int64_t{-1}, std::int64_t{4}, std::int64_t{44}, std::int64_t{52}, std::int64_t{62},
          std::int64_t{78}, std::int64_t{94}, std::int64_t{97}, std::int64_t{100},
          std::numeric_limits<std::int64_t>::min()}) {
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
    EXPECT_EQ(std::tie(empty->highC, empty->lowC, empty->symbol),
              std::tuple(-1.0, -1.0, "moon.stars"));
}

TEST(OpenMeteoParse, DayIsOnlyIsDayOne) {
    const struct {
        int code;
        int isDay;
        const char* symbol;
    } cases[] = {{2, 0, "cloud.moon"}, {0, 2, "moon.stars"}};
    for (const auto& c : cases) {
        Json reply = *json_forms::parseJson(readReply("full_reply.json"));
        reply["current"]["weather_code"] = c.code;
        reply["current"]["is_day"] = c.isDay;
        auto r = parseOpenMeteo(reply.dump(), 0, 0, kNow);
        EXPECT_EQ(r.valueOr({}).symbol, c.symbol) << c.code << "/" << c.isDay;
    }
}

TEST(OpenMeteoParse, BrokenRepliesFailWithADecodingError) {
    const std::pair<std::string, std::string> cases[] = {
        {readReply("error_reply.json"), keyNotFound("current")},
        {readReply("null_in_daily.json"), valueNotFound("daily.temperature_2m_max[0]")},
        {readReply("truncated_reply.json"), dataCorrupted()},
        {replyWith("current", "temperature_2m", kRemoved), keyNotFound("current.temperature_2m")},
        {replyWith("current", "cloud_cover", nullptr), valueNotFound("current.cloud_cover")},
        // Codes are JSON integers that fit 64 bits, nothing else.
        {replyWith("current", "weather_code", 2.5), typeMismatch("current.weather_code")},
        {replyWith("current", "weather_code", 2.0), typeMismatch("current.weather_code")},
        {replyWith("current", "weather_code", 9223372036854775808ULL),
         typeMismatch("current.weather_code")},
        {replyWith("current", "is_day", true), typeMismatch("current.is_day")},
        {replyWith("daily", "temperature_2m_max", 27.6), typeMismatch("daily.temperature_2m_max")},
        {replyWith("daily", "temperature_2m_min", Json::array({17.9, "18"})),
         typeMismatch("daily.temperature_2m_min[1]")},
        {R"({"current":[],"daily":{}})", typeMismatch("current")},
        {"[]", typeMismatch("")},
        {"<html>Too Many Requests</html>", dataCorrupted()},
        {std::string(5000, '[') + std::string(5000, ']'), dataCorrupted()},
    };
    for (const auto& [body, printable] : cases) {
        auto r = parseOpenMeteo(body, 0, 0, kNow);
        ASSERT_FALSE(r) << printable;
        EXPECT_EQ(r.error().kind, WeatherError::Kind::decoding);
        EXPECT_EQ(r.error().printable(), printable);
    }

    // Whole temperatures are fine; a number beyond the double range is not.
    Json reply = *json_forms::parseJson(readReply("full_reply.json"));
    reply["current"]["temperature_2m"] = -7;
    reply["daily"]["temperature_2m_max"] = Json::array({3, 4.5});
    auto whole = parseOpenMeteo(reply.dump(), 0, 0, kNow);
    EXPECT_EQ(whole.valueOr({}).highC, 3.0) << outcome(whole);
    std::string huge = readReply("full_reply.json");
    huge.replace(huge.find("24.3"), 4, "1e309");
    EXPECT_EQ(outcome(parseOpenMeteo(huge, 0, 0, kNow)), dataCorrupted());
}

TEST(OpenMeteoFetch, SendsTheFixedRequestsAndStampsAfterTheReply) {
    const std::string current = readReply("full_reply.json");
    const std::string week = readReply("forecast_reply.json");
    LoopbackHttpServer server([&](const HttpTestRequest& req) {
        HttpTestReply reply;
        if (req.path() == "/v1/forecast") {
            reply.body = req.query().find("forecast_days=7") != std::string::npos ? week : current;
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
    EXPECT_EQ(std::tie(r->fetched, r->longitude), std::tuple(kNow, -0.00001));
    EXPECT_EQ(requestsWhenStamped, 1u);
    auto f =
        fetchOpenMeteoForecast(server.url() + "/", 40.7128, -74.006, clock, net::CancelToken());
    ASSERT_TRUE(f) << outcome(f);
    EXPECT_EQ(std::tuple(f->fetched, f->hours.size()), std::tuple(kNow, 168u));
    EXPECT_EQ(requestsWhenStamped, 2u);
    ASSERT_EQ(server.requestCount(), 2u);
    for (const HttpTestRequest& request : server.requests()) {
        EXPECT_EQ(request.method, "GET");
        EXPECT_EQ(request.path(), "/v1/forecast");
    }
    EXPECT_EQ(server.requests()[0].query(),
              std::string("latitude=51.5&longitude=-1e-05") + kQueryTail);
    EXPECT_EQ(server.requests()[1].query(),
              std::string("latitude=40.7128&longitude=-74.006") + kForecastQueryTail);

    for (const char* status : {"429", "500"}) {
        requestsWhenStamped = 0;
        r = fetchOpenMeteo(server.url() + "/" + status, 1, 2, clock, net::CancelToken());
        EXPECT_EQ(outcome(r), keyNotFound("current")) << status;
        f = fetchOpenMeteoForecast(server.url() + "/" + status, 1, 2, clock, net::CancelToken());
        EXPECT_EQ(outcome(f), keyNotFound("utc_offset_seconds")) << status;
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
    EXPECT_EQ(outcome(fetchOpenMeteoForecast(
                  server.url(), 1, 2, [] { return kNow; }, cancelled)),
              "HttpError.cancelled");
    EXPECT_EQ(server.requestCount(), 0u);
}

// Rain every other hour, and every day cloudy with a 92% chance.
std::string generatedReply(const char* zone, int utcOffset, const char* firstDay, int hours,
                           int days) {
    return testing::openMeteoForecastReply(
        zone, utcOffset, firstDay, hours, days,
        [](int i) {
            return testing::ReplyHour{10 + i % 24 * 0.5, i % 2 == 0 ? 0 : 61, i % 24 * 4,
                                      i % 24 >= 7 && i % 24 < 19};
        },
        [](int) {
            return testing::ReplyDay{3, 21.5, 9, 92};
        });
}

std::string forecastReplyWith(const std::function<void(Json&)>& change) {
    Json reply = *json_forms::parseJson(readReply("forecast_reply.json"));
    change(reply);
    return reply.dump();
}

void expectHourly(const std::vector<HourForecast>& hours) {
    for (std::size_t i = 1; i < hours.size(); ++i) {
        EXPECT_EQ(hours[i].time - hours[i - 1].time, 3600) << i;
    }
}

TEST(OpenMeteoForecastParse, ARecordedWeekKeepsEveryHourAndDay) {
    const auto r = parseOpenMeteoForecast(readReply("forecast_reply.json"), 40.7128, -74.006, kNow);
    ASSERT_TRUE(r) << outcome(r);
    // The place asked for, not the grid point echoed back.
    EXPECT_EQ(
        std::tie(r->fetched, r->latitude, r->longitude, r->source, r->requested),
        std::tuple(kNow, 40.7128, -74.006, WeatherSource::openMeteo, WeatherSource::openMeteo));
    ASSERT_EQ(r->hours.size(), 168u);
    ASSERT_EQ(r->days.size(), 7u);
    // Local midnight in New York, and one hour after another from there.
    EXPECT_EQ(r->hours[0].time, *parseIso8601("2024-06-14T00:00-04:00"));
    expectHourly(r->hours);
    // 15:00: partly cloudy with a 13% chance; midnight's mostly clear night
    // sky is kept in its daytime form.
    EXPECT_EQ(r->hours[15], (HourForecast{*parseIso8601("2024-06-14T19:00Z"), 27.3, "Partly Cloudy",
                                          "cloud.sun", 13.0}));
    EXPECT_EQ(std::tie(r->hours[0].condition, r->hours[0].symbol),
              std::tuple("Mostly Clear", "sun.max"));
    // The last half day is past the range of the chance of precipitation.
    EXPECT_TRUE(r->hours[155].precipitationChance.has_value());
    EXPECT_EQ(r->hours[156].precipitationChance, std::nullopt);

    EXPECT_EQ(r->days[0].date, (CivilDate{2024, 6, 14}));
    EXPECT_EQ(r->days[2], (DayForecast{{2024, 6, 16}, 25.3, 14.5, "Rain", "cloud.rain", 79.0}));
    EXPECT_EQ(std::tie(r->days[3].condition, r->days[3].symbol),
              std::tuple("Showers", "cloud.sun.rain"));
    EXPECT_EQ(r->days[6].date, (CivilDate{2024, 6, 20}));
    EXPECT_EQ(r->days[6].precipitationChance, std::nullopt);
}

// Every hour is labelled with the one offset in force when the service was
// asked: read by the zone's rules, hours after a change of clocks would shift.
TEST(OpenMeteoForecastParse, HoursAcrossAChangeOfClocksStayAnHourApart) {
    const auto berlin = *Calendar::make("Europe/Berlin", "de_DE");
    const auto autumn = parseOpenMeteoForecast(
        generatedReply("Europe/Berlin", 7200, "2024-10-26", 48, 2), 52.52, 13.42, kNow);
    ASSERT_TRUE(autumn) << outcome(autumn);
    expectHourly(autumn->hours);
    // Labelled 05:00 at +2: 03:00 UTC, which Berlin, back at +1, reads as 04:00.
    const Instant fiveLabelled = autumn->hours[24 + 5].time;
    EXPECT_EQ(fiveLabelled, *parseIso8601("2024-10-27T03:00Z"));
    EXPECT_EQ(fiveLabelled, *berlin.date(2024, 10, 27, 4));

    // Sydney's clocks skip 02:00 on October 5th, yet an hour is labelled so.
    const auto spring = parseOpenMeteoForecast(
        generatedReply("Australia/Sydney", 36000, "2025-10-04", 48, 2), -33.87, 151.21, kNow);
    ASSERT_TRUE(spring) << outcome(spring);
    EXPECT_EQ(spring->hours[26].time, *parseIso8601("2025-10-04T16:00Z"));
    EXPECT_EQ(spring->hours.back().time - spring->hours.front().time, 47 * 3600);

    // A half-hour offset in a zone ICU does not know: the offset alone decides.
    const auto delhi = parseOpenMeteoForecast(
        generatedReply("Nowhere/Invented", 19800, "2024-06-14", 24, 1), 28.6, 77.2, kNow);
    ASSERT_TRUE(delhi) << outcome(delhi);
    EXPECT_EQ(delhi->hours[0].time, *parseIso8601("2024-06-13T18:30Z"));
    EXPECT_EQ(delhi->days[0].date, (CivilDate{2024, 6, 14}));
}

// Nulls past the models' reach leave those entries out; null extras are
// absent; chances are held to percentages.
TEST(OpenMeteoForecastParse, NullsAtTheEndOfTheModelsLeaveThoseEntriesOut) {
    const auto nullsAtTheEnd = [](Json& j) {
        auto& hourly = j["hourly"];
        hourly["precipitation_probability"][1] = 120;
        hourly["precipitation_probability"][2] = -5;
        j["daily"]["precipitation_probability_max"] = Json(7, nullptr);
        for (std::size_t i = 150; i < 168; ++i) {
            hourly["temperature_2m"][i] = nullptr;
            hourly["weather_code"][i] = nullptr;
        }
        hourly["weather_code"][3] = nullptr;
        j["daily"]["temperature_2m_max"][6] = nullptr;
        hourly["apparent_temperature"] = Json::array();
        hourly["wind_speed_10m"] = Json(168, 12.5);
        hourly["wind_speed_10m"][0] = nullptr;
    };
    const auto r = parseOpenMeteoForecast(forecastReplyWith(nullsAtTheEnd), 40.7128, -74.006, kNow);
    ASSERT_TRUE(r) << r.error().printable();
    EXPECT_EQ(std::tuple(r->hours.size(), r->days.size()), std::tuple(168u - 18u - 1u, 6u));
    EXPECT_FALSE(r->hours[0].feelsLikeC);
    EXPECT_FALSE(r->hours[0].windKph);
    EXPECT_EQ(r->hours[1].windKph, 12.5);
    EXPECT_EQ(r->zone, "America/New_York");
    EXPECT_EQ(std::tuple(r->hours[1].precipitationChance, r->hours[2].precipitationChance,
                         r->days[0].precipitationChance),
              std::tuple(100.0, 0.0, std::optional<double>()));
}

TEST(OpenMeteoForecastParse, AMalformedReplyIsAnErrorNeverAPartialForecast) {
    const auto set = [](const char* block, const char* key, const Json& value) {
        return replyWith(block, key, value, "forecast_reply.json");
    };
    const auto setAt = [](const char* block, const char* key, std::size_t i, Json value) {
        return forecastReplyWith([=](Json& j) { j[block][key][i] = value; });
    };
    const auto change = forecastReplyWith;
    const std::pair<std::string, std::string> cases[] = {
        {set("hourly", "time", kRemoved), keyNotFound("hourly.time")},
        {set("daily", "precipitation_probability_max", kRemoved),
         keyNotFound("daily.precipitation_probability_max")},
        {change([](Json& j) { j.erase("daily"); }), keyNotFound("daily")},
        {change([](Json& j) { j["hourly"]["temperature_2m"].erase(167); }),
         dataCorrupted("hourly.temperature_2m")},
        {change([](Json& j) { j["daily"]["weather_code"].push_back(3); }),
         dataCorrupted("daily.weather_code")},
        {set("hourly", "temperature_2m", Json(168, nullptr)), valueNotFound("hourly")},
        {setAt("hourly", "weather_code", 3, 2.5), typeMismatch("hourly.weather_code[3]")},
        {setAt("hourly", "is_day", 4, true), typeMismatch("hourly.is_day[4]")},
        {set("daily", "temperature_2m_min", "x"), typeMismatch("daily.temperature_2m_min")},
        {setAt("hourly", "time", 0, 1718337600), typeMismatch("hourly.time[0]")},
        {setAt("hourly", "time", 2, "2024-06-14 02:00"), dataCorrupted("hourly.time[2]")},
        {setAt("hourly", "time", 2, "2024-06-14T24:00"), dataCorrupted("hourly.time[2]")},
        {setAt("hourly", "time", 1, "2024-06-14T00:00"), dataCorrupted("hourly.time[1]")},
        {setAt("daily", "time", 3, "2024-06-31"), dataCorrupted("daily.time[3]")},
        {setAt("daily", "time", 3, "2024-06-16"), dataCorrupted("daily.time[3]")},
        {change([](Json& j) { j.erase("utc_offset_seconds"); }), keyNotFound("utc_offset_seconds")},
        {change([](Json& j) { j["utc_offset_seconds"] = -14400.5; }),
         typeMismatch("utc_offset_seconds")},
        {change([](Json& j) { j["utc_offset_seconds"] = 86400; }),
         dataCorrupted("utc_offset_seconds")},
        {generatedReply("UTC", 0, "2024-06-14", 401, 1), dataCorrupted("hourly.time")},
        {generatedReply("UTC", 0, "2024-06-14", 24, 0), dataCorrupted("daily.time")},
        {"[]", typeMismatch("")},
        {readReply("full_reply.json"), keyNotFound("hourly")},
        {readReply("forecast_reply.json").substr(0, 3000), dataCorrupted()},
    };
    for (const auto& [body, printable] : cases) {
        const auto r = parseOpenMeteoForecast(body, 0, 0, kNow);
        ASSERT_FALSE(r) << printable;
        EXPECT_EQ(r.error().kind, WeatherError::Kind::decoding);
        EXPECT_EQ(r.error().printable(), printable);
    }
}

}  // namespace
}  // namespace solvane
