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

    testing::LoopbackHttpServer server{[](const testing::HttpTestRequest& request) {
        testing::HttpTestReply reply;
        reply.body = request.path() == "/v1/forecast" ? standInReply() : "{}";
        return reply;
    }};
};

TEST_F(ForecastCommand, JsonHasTheNextDayOfHoursAndTheWeekFromTheStandIn) {
    const Json j = Json::parse(output({"forecast", "--json"}));
    EXPECT_EQ(server.requestCount(), 1u);
    EXPECT_NE(server.requests().front().query().find("forecast_days=7"), std::string::npos);
    ASSERT_EQ(j["hourly"].size(), 24u);
    ASSERT_EQ(j["daily"].size(), 7u);
    // The hour under way is 5 AM: the stand-in's sixth hour.
    EXPECT_EQ(j["hourly"][0]["time"], "2026-12-20T10:00:00.000Z");
    EXPECT_DOUBLE_EQ(j["hourly"][0]["temperatureC"].get<double>(), 2.5);
    EXPECT_DOUBLE_EQ(j["hourly"][0]["precipitationChance"].get<double>(), 5);
    EXPECT_EQ(j["hourly"][0]["condition"], "Rain");
    EXPECT_EQ(j["hourly"][0]["symbol"], "cloud.rain");
    EXPECT_EQ(j["hourly"][23]["time"], "2026-12-21T09:00:00.000Z");
    EXPECT_EQ(j["daily"][0]["date"], "2026-12-20");
    EXPECT_DOUBLE_EQ(j["daily"][6]["highC"].get<double>(), 10);
    EXPECT_DOUBLE_EQ(j["daily"][6]["lowC"].get<double>(), -8);
    EXPECT_TRUE(j["daily"][3]["precipitationChance"].is_null()) << "none given";
    EXPECT_EQ(j["source"], "openMeteo");
    EXPECT_EQ(j["fetched"], "2026-12-20T10:20:00.000Z");
    EXPECT_EQ(j["place"], "New York");

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

}  // namespace
}  // namespace solvane::cli
