#include "cli/board_command.h"
#include "cli/board_fixture.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace solvane::cli {
namespace {

constexpr const char* kNow = "2025-12-20T12:00:00-05:00";

WeatherSnapshot sampleWeather(double lat, double lon) {
    WeatherSnapshot w;
    w.fetched = *parseIso8601(kNow);
    w.latitude = lat;
    w.longitude = lon;
    w.temperatureC = 5;
    w.feelsLikeC = 2;
    w.highC = 7;
    w.lowC = -1;
    w.condition = "Partly Cloudy";
    w.symbol = "cloud.sun";
    w.windKph = 16.09;
    w.windDirection = 300;
    w.cloudCover = 40;
    return w;
}

class BoardCommand : public BoardFixture {
  protected:
    BoardCommand() : BoardFixture(kNow) {
        env.weather.clock = [] { return *parseIso8601(kNow); };
    }
};

// Until a place is chosen the board is for the zone's city, on its clock;
// the JSON says where the place came from.
TEST_F(BoardCommand, AFirstBoardIsForTheZonesCityOnItsOwnClock) {
    const auto source = [&](std::vector<std::string> args) {
        args.insert(args.begin(), {"--offline", "--json"});
        const auto r = run(args);
        EXPECT_EQ(r.status, 0) << r.err;
        const auto j = r.json();
        return std::make_pair(j["place"].get<std::string>(),
                              j["location"]["source"].get<std::string>());
    };
    EXPECT_EQ(source({"--tz", "Europe/Berlin", "--locale", "de_DE"}),
              std::make_pair(std::string("Berlin"), std::string("zone")));
    EXPECT_EQ(source({"--tz", "Etc/UTC"}),
              std::make_pair(std::string("New York"), std::string("default")));
    EXPECT_EQ(source({"--tz", "Europe/Berlin", "--lat", "48.14", "--lon", "11.58"}).second,
              "override");
    const auto r = run({"--offline", "--json", "--tz", "Europe/Berlin"});
    EXPECT_NEAR(r.json()["location"]["latitude"].get<double>(), 52.5, 1e-9);

    // Berlin's sun on Berlin's 24-hour clock.
    const auto text = run({"--offline", "--tz", "Europe/Berlin", "--locale", "de_DE"});
    EXPECT_NE(text.out.find("Berlin"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("Sunrise 08:"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("Sunset 15:"), std::string::npos) << text.out;

    ASSERT_TRUE(store.saveLocation({48.14, 11.58, "München"}));
    EXPECT_EQ(source({"--tz", "Europe/Berlin"}),
              std::make_pair(std::string("München"), std::string("saved")));
}

TEST_F(BoardCommand, OfflineBoardShowsRowsSkyAndNoWeatherInColourOnlyOnATerminal) {
    bool asked = false;
    env.weather.openMeteo = [&](double, double,
                                const net::CancelToken&) -> Result<WeatherSnapshot, WeatherError> {
        asked = true;
        return Failure{WeatherError::service("unexpected")};
    };
    const auto r = run({"--offline"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_FALSE(asked);
    EXPECT_NE(r.out.find("Weather unavailable"), std::string::npos);
    EXPECT_NE(r.out.find("New York"), std::string::npos);
    EXPECT_NE(r.out.find("Winter solstice"), std::string::npos);
    EXPECT_NE(r.out.find("1 day"), std::string::npos);  // Dec 21 is tomorrow
    EXPECT_NE(r.out.find("Sunrise 7:"), std::string::npos);
    EXPECT_NE(r.out.find("% lit"), std::string::npos);
    EXPECT_EQ(r.out.find("\x1b["), std::string::npos);  // not a terminal: plain
    env.terminal = true;
    EXPECT_NE(run({"--offline"}).out.find("\x1b["), std::string::npos);
    env.noColor = true;
    EXPECT_EQ(run({"--offline"}).out.find("\x1b["), std::string::npos);
}

TEST_F(BoardCommand, FetchesThroughTheCacheAndShowsTheWeatherLine) {
    int calls = 0;
    env.weather.openMeteo = [&](double lat, double lon,
                                const net::CancelToken&) -> Result<WeatherSnapshot, WeatherError> {
        ++calls;
        return sampleWeather(lat, lon);
    };
    const auto first = run({});
    ASSERT_EQ(first.status, 0) << first.err;
    EXPECT_NE(first.out.find("41° Partly Cloudy · Feels 36° · H 45° L 30° · Wind 10 mph NW"),
              std::string::npos)
        << first.out;
    run({});
    EXPECT_EQ(calls, 1);  // the second board reuses the fresh snapshot
    EXPECT_TRUE(store.loadWeather().has_value());
}

TEST_F(BoardCommand, OverridesNeverTouchTheStore) {
    env.weather.openMeteo = [&](double lat, double lon,
                                const net::CancelToken&) -> Result<WeatherSnapshot, WeatherError> {
        return sampleWeather(lat, lon);
    };
    const auto r = run(
        {"--lat", "35.68", "--lon", "139.69", "--place", "Tokyo", "--tz", "Asia/Tokyo", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    expectHas(r.json(), R"({"place":"Tokyo","weather":{"latitude":35.68}})");
    EXPECT_FALSE(store.loadWeather().has_value());
    EXPECT_FALSE(store.rawValue("location.v1").has_value());
    EXPECT_FALSE(store.rawValue("countdowns.v1").has_value());
}

TEST_F(BoardCommand, JsonCarriesEveryBoardField) {
    const auto j = run({"--offline", "--json", "--at", "2024-03-20T15:00:00Z"}).json();
    expectHas(j, R"({"date":"2024-03-20T15:00:00.000Z","weather":null,"unit":"fahrenheit",
                     "place":"New York","sky":{"phaseName":"Waxing gibbous"}})");
    EXPECT_EQ(j["countdowns"].at(0)["id"].get<std::string>().size(), 36u);
    EXPECT_TRUE(j["countdowns"][0].contains("sortDate"));
    EXPECT_TRUE(j["sky"]["sunrise"].is_string());
}

TEST_F(BoardCommand, PolarDaysNameTheirLightAndNoHalfSpans) {
    for (const auto& [at, day] : {std::pair{"2027-06-21T23:30:00+02:00", "Day 24h"},
                                  std::pair{"2027-12-21T12:00:00+01:00", "Day 0m"}}) {
        const auto r = run(
            {"--offline", "--lat", "69.65", "--lon", "18.96", "--tz", "Europe/Oslo", "--at", at});
        EXPECT_NE(r.out.find(day), std::string::npos) << r.out;
        EXPECT_EQ(r.out.find("—–—"), std::string::npos) << r.out;
    }
}

}  // namespace
}  // namespace solvane::cli
