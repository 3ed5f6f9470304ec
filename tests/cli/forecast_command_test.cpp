// solvane-board forecast against a loopback stand-in for the service: the
// next 24 hours and 7 days with the stand-in's values, an hour's reuse of
// the cache, --offline, and the bar's tooltip with the rest of today's chance.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "cli/board_cli.h"
#include "core/weather/open_meteo.h"
#include "support/loopback_http_server.h"
#include "support/temp_dir.h"

namespace solvane::cli {
namespace {

using Json = nlohmann::json;

// A week from local midnight of 20 December 2026 in New York, as the service
// writes it: hour i is i / 2 °C, a chance of i % 100 percent, light rain.
std::string standInReply() {
    Json hourly = {{"time", Json::array()},
                   {"temperature_2m", Json::array()},
                   {"weather_code", Json::array()},
                   {"precipitation_probability", Json::array()},
                   {"is_day", Json::array()}};
    for (int i = 0; i < 168; ++i) {
        char time[32];
        std::snprintf(time, sizeof time, "2026-12-%02dT%02d:00", 20 + i / 24, i % 24);
        hourly["time"].push_back(time);
        hourly["temperature_2m"].push_back(i / 2.0);
        hourly["weather_code"].push_back(61);
        hourly["precipitation_probability"].push_back(i % 100);
        hourly["is_day"].push_back(i % 24 >= 7 && i % 24 < 17 ? 1 : 0);
    }
    Json daily = {{"time", Json::array()},
                  {"weather_code", Json::array()},
                  {"temperature_2m_max", Json::array()},
                  {"temperature_2m_min", Json::array()},
                  {"precipitation_probability_max", Json::array()}};
    for (int d = 0; d < 7; ++d) {
        char date[16];
        std::snprintf(date, sizeof date, "2026-12-%02d", 20 + d);
        daily["time"].push_back(date);
        daily["weather_code"].push_back(3);
        daily["temperature_2m_max"].push_back(4 + d);
        daily["temperature_2m_min"].push_back(-2 - d);
        daily["precipitation_probability_max"].push_back(d == 3 ? Json(nullptr) : Json(d * 10));
    }
    return Json{{"latitude", 40.71},
                {"longitude", -74.01},
                {"timezone", "America/New_York"},
                {"utc_offset_seconds", -18000},
                {"hourly", hourly},
                {"daily", daily}}
        .dump();
}

class ForecastCommand : public ::testing::Test {
  protected:
    ForecastCommand() : env(*parseIso8601("2026-12-20T05:20:00-05:00"), newYork()) {
        env.store = store;
        env.forecast.clock = [this] { return env.now; };
        env.forecast.openMeteo = [this](double lat, double lon, const net::CancelToken& cancel) {
            return fetchOpenMeteoForecast(server.url(), lat, lon, env.forecast.clock, cancel);
        };
    }

    static Calendar newYork() { return *Calendar::make("America/New_York", "en_US"); }

    std::string run(const std::vector<std::string>& args) {
        std::ostringstream out, err;
        EXPECT_EQ(cli::run(args, env, out, err), 0) << err.str();
        return out.str();
    }

    testing::LoopbackHttpServer server{[](const testing::HttpTestRequest& request) {
        testing::HttpTestReply reply;
        reply.body = request.path() == "/v1/forecast" ? standInReply() : "{}";
        return reply;
    }};
    testing::TempDir dir;
    SharedStore store{StorePaths{dir.path() / "suite.sqlite", dir.path() / "fallback.sqlite",
                                 dir.path() / "data"},
                      "en_US"};
    Environment env;
};

TEST_F(ForecastCommand, JsonHasTheNextDayOfHoursAndTheWeekFromTheStandIn) {
    const Json j = Json::parse(run({"forecast", "--json"}));
    EXPECT_EQ(server.requestCount(), 1u);
    EXPECT_NE(server.requests().front().query().find("forecast_days=7"), std::string::npos);
    ASSERT_EQ(j["hourly"].size(), 24u);
    ASSERT_EQ(j["daily"].size(), 7u);
    // The hour under way is 5 AM: the stand-in's sixth hour.
    EXPECT_EQ(j["hourly"][0]["time"], "2026-12-20T10:00:00.000Z");
    EXPECT_DOUBLE_EQ(j["hourly"][0]["temperatureC"].get<double>(), 2.5);
    EXPECT_DOUBLE_EQ(j["hourly"][0]["precipitationChance"].get<double>(), 5);
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
    const std::string text = run({"forecast"});
    EXPECT_EQ(server.requestCount(), 1u);
    EXPECT_NE(text.find("NEXT HOURS"), std::string::npos) << text;
    EXPECT_NE(text.find("  Today  39° / 28°  Cloudy\n  Mon    41° / 27°  Cloudy  10% chance"),
              std::string::npos)
        << text;
    env.now = env.now + 2 * 60;
    run({"forecast", "--json"});
    EXPECT_EQ(server.requestCount(), 2u) << "over an hour old: asked again";
}

TEST_F(ForecastCommand, OfflineReadsOnlyTheCacheAndTheBarAddsTodaysChance) {
    Json j = Json::parse(run({"forecast", "--json", "--offline"}));
    EXPECT_EQ(server.requestCount(), 0u);
    EXPECT_TRUE(j["hourly"].empty());
    EXPECT_TRUE(j["source"].is_null());
    EXPECT_NE(run({"forecast", "--offline"}).find("Forecast unavailable"), std::string::npos);
    const auto tooltip = [&] {
        return Json::parse(run({"--offline", "--format", "waybar"}))["tooltip"].get<std::string>();
    };
    EXPECT_EQ(tooltip().find("Chance of precipitation"), std::string::npos);

    run({"forecast", "--json"});
    // Until midnight the highest chance is the 11 PM hour's, 23 percent.
    EXPECT_NE(tooltip().find("Chance of precipitation for the rest of today: 23%"),
              std::string::npos)
        << tooltip();
    EXPECT_EQ(server.requestCount(), 1u) << "the bar never asks for a forecast";
    j = Json::parse(run({"forecast", "--json", "--offline"}));
    EXPECT_EQ(j["hourly"].size(), 24u);
}

}  // namespace
}  // namespace solvane::cli
