// solvane-board forecast against a loopback stand-in for the service: the
// next 24 hours and 7 days with the stand-in's values, an hour's reuse of
// the cache, --offline, and the bar's tooltip with the rest of today's chance.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>

#include "cli/board_fixture.h"
#include "core/weather/open_meteo.h"
#include "core/weather/open_meteo_reply.h"
#include "support/loopback_http_server.h"

namespace solvane::cli {
namespace {

using Json = nlohmann::json;

// A week from local midnight of 20 December 2026 in New York, as the service
// writes it: hour i is i / 2 °C, a chance of i % 100 percent, light rain.
std::string standInReply() {
    return testing::openMeteoForecastReply(
        "America/New_York", -18000, "2026-12-20", 168, 7,
        [](int i) {
            return testing::ReplyHour{i / 2.0, 61, i % 100, i % 24 >= 7 && i % 24 < 17};
        },
        [](int d) {
            return testing::ReplyDay{3, 4.0 + d, -2.0 - d,
                                     d == 3 ? json_forms::Json(nullptr) : json_forms::Json(d * 10)};
        });
}

class ForecastCommand : public BoardFixture {
  protected:
    ForecastCommand() : BoardFixture("2026-12-20T05:20:00-05:00") {
        env.forecast.clock = [this] { return env.now; };
        env.forecast.openMeteo = [this](double lat, double lon, const net::CancelToken& cancel) {
            return fetchOpenMeteoForecast(server.url(), lat, lon, env.forecast.clock, cancel);
        };
    }

    testing::LoopbackHttpServer server{[this](const testing::HttpTestRequest& request) {
        testing::HttpTestReply reply;
        reply.body = request.path() == "/v1/forecast" ? standInReply() : "{}";
        if (withExtras && request.path() == "/v1/forecast") {
            Json j = Json::parse(reply.body);
            j["hourly"]["apparent_temperature"] = Json(168, -3.0);
            j["hourly"]["wind_speed_10m"] = Json(168, 18.0);
            j["hourly"]["wind_direction_10m"] = Json(168, 225);
            j["hourly"]["wind_gusts_10m"] = Json(168, 41.0);
            j["hourly"]["precipitation"] = Json(168, 0.44);
            reply.body = j.dump();
        }
        return reply;
    }};
    bool withExtras = false;
};

TEST_F(ForecastCommand, JsonHasTheNextDayOfHoursAndTheWeekFromTheStandIn) {
    const Json j = Json::parse(output({"forecast", "--json"}));
    EXPECT_EQ(server.requestCount(), 1u);
    EXPECT_NE(server.requests().front().query().find("forecast_days=7"), std::string::npos);
    ASSERT_EQ(j["hourly"].size(), 24u);
    ASSERT_EQ(j["daily"].size(), 7u);
    // The hour under way is 5 AM: the stand-in's sixth hour. Day 3 gave no chance.
    expectHas(j, R"({"hourly":{"0":{"time":"2026-12-20T10:00:00.000Z","temperatureC":2.5,
        "precipitationChance":5.0,"condition":"Rain","symbol":"cloud.rain"},
        "23":{"time":"2026-12-21T09:00:00.000Z"}},
        "daily":{"0":{"date":"2026-12-20"},"6":{"highC":10.0,"lowC":-8.0},
                 "3":{"precipitationChance":null}},
        "source":"openMeteo","fetched":"2026-12-20T10:20:00.000Z","place":"New York"})");

    // Within the hour the cache answers; the text is the same forecast.
    env.now = env.now + 59 * 60;
    const std::string text = output({"forecast"});
    EXPECT_EQ(server.requestCount(), 1u);
    EXPECT_NE(text.find("NEXT HOURS"), std::string::npos) << text;
    EXPECT_NE(text.find("  Today  39° / 28°  Cloudy\n  Mon    41° / 27°  Cloudy  10% chance"),
              std::string::npos)
        << text;
    env.now = env.now + 2 * 60;
    output({"forecast", "--json"});
    EXPECT_EQ(server.requestCount(), 2u) << "over an hour old: asked again";
}

TEST_F(ForecastCommand, OfflineReadsOnlyTheCacheAndTheBarAddsTodaysChance) {
    Json j = Json::parse(output({"forecast", "--json", "--offline"}));
    EXPECT_EQ(server.requestCount(), 0u);
    EXPECT_TRUE(j["hourly"].empty());
    EXPECT_TRUE(j["source"].is_null());
    EXPECT_NE(output({"forecast", "--offline"}).find("Forecast unavailable"), std::string::npos);
    const auto tooltip = [&] {
        return Json::parse(output({"--offline", "--format", "waybar"}))["tooltip"]
            .get<std::string>();
    };
    EXPECT_EQ(tooltip().find("Chance of precipitation"), std::string::npos);

    output({"forecast", "--json"});
    // Until midnight the highest chance is the 11 PM hour's, 23 percent.
    EXPECT_NE(tooltip().find("Chance of precipitation for the rest of today: 23%"),
              std::string::npos)
        << tooltip();
    EXPECT_EQ(server.requestCount(), 1u) << "the bar never asks for a forecast";
    j = Json::parse(output({"forecast", "--json", "--offline"}));
    EXPECT_EQ(j["hourly"].size(), 24u);
}

// What does not fit beside the rest goes on a line of its own rather than
// being cut off; the JSON carries the figures, and says why there is no
// forecast when there is none.
TEST_F(ForecastCommand, FeelsLikeWindAndRainAreShownWholeAndAbsenceIsExplained) {
    EXPECT_EQ(Json::parse(output({"forecast", "--json", "--offline"}))["unavailable"], "notStored");
    withExtras = true;
    const std::string text = output({"forecast"});
    EXPECT_NE(text.find("  Now    37°  Rain\n         feels 27° · 11 mph SW, gusts 25 "
                        "mph · 0.02 in\n"),
              std::string::npos)
        << text;
    EXPECT_EQ(text.find("\u2026"), std::string::npos) << text;
    // The days' wind was not asked of the stand-in.
    expectHas(Json::parse(output({"forecast", "--json"})),
              R"({"hourly":{"0":{"gustKph":41.0,"precipitationMm":0.44}},
                  "daily":{"0":{"windKph":null}},"zone":"America/New_York","unavailable":null})");

    // Two hours on it is still shown, and says when it was made.
    env.now = env.now + 2 * 3600;
    EXPECT_NE(output({"forecast", "--offline"}).find("Updated 5:20\u202fAM\n"), std::string::npos);
    env.now = env.now + 5 * 86400;
    EXPECT_EQ(Json::parse(output({"forecast", "--json", "--offline"}))["unavailable"], "expired");
}

}  // namespace
}  // namespace solvane::cli
