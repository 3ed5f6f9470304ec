// The board as solvane-board prints it, in process: the text and JSON board,
// the forecast against a loopback stand-in for the service, and the lines each
// status bar reads, with labels and places that break naive escaping.
#include "cli/board_command.h"

#include <pango/pango.h>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <string>

#include "cli/board_fixture.h"
#include "cli/status_line.h"
#include "core/util/display_text.h"
#include "core/weather/open_meteo.h"
#include "core/weather/open_meteo_reply.h"
#include "support/loopback_http_server.h"

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
        env.weather.openMeteo =
            [this](double lat, double lon,
                   const net::CancelToken&) -> Result<WeatherSnapshot, WeatherError> {
            ++weatherCalls;
            return sampleWeather(lat, lon);
        };
    }
    int weatherCalls = 0;
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
    const auto r = run({"--offline"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(weatherCalls, 0);
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
    const auto first = run({});
    ASSERT_EQ(first.status, 0) << first.err;
    EXPECT_NE(first.out.find("41° Partly Cloudy · Feels 36° · H 45° L 30° · Wind 10 mph NW"),
              std::string::npos)
        << first.out;
    run({});
    EXPECT_EQ(weatherCalls, 1);  // the second board reuses the fresh snapshot
    EXPECT_TRUE(store.loadWeather().has_value());
}

TEST_F(BoardCommand, OverridesNeverTouchTheStore) {
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

constexpr const char* kAwkward = "Mum & Dad's \"50%\" <b>Zoë</b>";
constexpr const char* kPlace = "Tom & Jerry <b>";

// Whether Pango, as waybar does, accepts `markup`; its complaint otherwise.
std::string pangoComplaint(const std::string& markup) {
    GError* error = nullptr;
    if (pango_parse_markup(markup.c_str(), -1, 0, nullptr, nullptr, nullptr, &error)) {
        return "";
    }
    std::string what = error != nullptr ? error->message : "rejected";
    g_clear_error(&error);
    return what;
}

// The text Pango shows for `markup`.
std::string pangoText(const std::string& markup) {
    char* plain = nullptr;
    pango_parse_markup(markup.c_str(), -1, 0, nullptr, &plain, nullptr, nullptr);
    std::string text = plain != nullptr ? plain : "";
    g_free(plain);
    return text;
}

class StatusLines : public BoardFixture {
  protected:
    StatusLines() : BoardFixture("2026-12-21T10:00:00-05:00") {}

    Countdown on(std::string label, int month, int day, std::optional<int> endDay = {}) const {
        Countdown c = countdownOn(std::move(label), *newYork().date(2026, month, day));
        if (endDay) {
            c.end = DateRule::fixed(*newYork().date(2026, month, *endDay));
        }
        return c;
    }

    // What the bar gets for the stored countdowns at an awkward place.
    std::string bar(std::vector<std::string> args) {
        args.insert(args.begin(), {"--offline", "--place", kPlace});
        return output(args);
    }
};

TEST_F(StatusLines, WaybarMarkupClassesAndPercentageFollowTheDay) {
    ASSERT_TRUE(store.saveCountdowns({on(kAwkward, 12, 25)}));
    const std::string line = bar({"--waybar"});
    ASSERT_EQ(line.back(), '\n');
    ASSERT_EQ(line.find('\n'), line.size() - 1);  // one update, one line
    const auto j = nlohmann::json::parse(line);
    const std::string tooltip = j["tooltip"];
    EXPECT_EQ(pangoComplaint(tooltip), "") << tooltip;
    EXPECT_EQ(tooltip.rfind("<tt>", 0), 0u);  // aligned columns need a fixed-width face
    EXPECT_NE(tooltip.find("Tom &amp; Jerry &lt;b&gt;"), std::string::npos);

    EXPECT_EQ(j["class"], nlohmann::json::array({"solvane", "no-weather"}));
    EXPECT_FALSE(j.contains("percentage"));  // nothing is happening

    // A span on its sixth of ten days, and a one-day countdown due today.
    ASSERT_TRUE(store.saveCountdowns({on("Advent week", 12, 16, 25), on("Solstice", 12, 21)}));
    const auto now = nlohmann::json::parse(bar({"--format", "waybar"}));
    EXPECT_EQ(now["class"], nlohmann::json::array({"solvane", "no-weather", "today"}));
    EXPECT_EQ(now["percentage"], 60);

    const auto rs = nlohmann::json::parse(bar({"--format", "i3status-rs"}));
    EXPECT_EQ(rs["state"], "Good");
    EXPECT_FALSE(rs["icon"].get<std::string>().empty());
    EXPECT_EQ(rs["text"], "Advent week 6 of 10 days");
    EXPECT_EQ(rs["short_text"], "Advent week 6 of 10 days");
}

// The whole texts are the hostile-label table's; a short text is cut before
// it is escaped, never inside an entity.
TEST_F(StatusLines, EveryBarGetsItsOwnEscaping) {
    ASSERT_TRUE(store.saveCountdowns({on(std::string(kAwkward) + "\nsecond line", 12, 21)}));
    const std::string label = std::string(kAwkward) + " second line 0 days";
    const auto rs = nlohmann::json::parse(bar({"--format", "i3status-rs"}));
    EXPECT_EQ(rs["short_text"], "Mum &amp; Dad&apos;s &quot;5… 0 days");
    EXPECT_EQ(bar({"--format", "i3blocks"}), label + "\nMum & Dad's \"5… 0 days\n#F0B25A\n");
}

TEST_F(StatusLines, HostileLabelsStayTextInEveryBar) {
    struct Label {
        std::string stored;
        std::string shown;  // as every bar shows it, on one line
    };
    const Label labels[] = {
        {"Party %{A1:touch /tmp/x:}click me%{A}", "Party %{A1:touch /tmp/x:}click me%{A}"},
        {"%{F#f00}red%{F-}", "%{F#f00}red%{F-}"},
        {"Sale 100%", "Sale 100%"},  // a lone % is a percent sign to polybar
        {kAwkward, kAwkward},
        {"a\u2028b\u2029c\u0085d\te\x1b[2J", "a b c d e [2J"},
        {"\u202Eexe.txt\u202C \u2066x\u2069", "exe.txt x"},
        {"春節の休みと家族旅行", "春節の休みと家族旅行"},
    };
    const std::vector<std::string> separators = {"\u2028", "\u2029", "\u0085", "\t",    "\x1b",
                                                 "\u202E", "\u202C", "\u2066", "\u2069"};
    for (const Label& l : labels) {
        SCOPED_TRACE(l.shown);
        ASSERT_TRUE(store.saveCountdowns({on(l.stored, 12, 21), on("Later", 12, 28)}));
        for (const BarFormat format : allCases<BarFormat>()) {
            SCOPED_TRACE(std::string(toString(format)));
            const std::string out = bar({"--format", std::string(toString(format))});
            for (const std::string& s : separators) {
                EXPECT_EQ(out.find(s), std::string::npos) << out;
            }
            std::string text;
            switch (format) {
                case BarFormat::waybar: {
                    const auto j = nlohmann::json::parse(out);
                    EXPECT_EQ(pangoComplaint(j["text"]), "");
                    EXPECT_EQ(pangoComplaint(j["tooltip"]), "");
                    text = pangoText(j["text"]);
                    break;
                }
                case BarFormat::i3statusRs: {
                    const auto j = nlohmann::json::parse(out);
                    EXPECT_EQ(pangoComplaint(j["short_text"]), "");
                    text = pangoText(j["text"]);
                    break;
                }
                case BarFormat::polybar: {
                    // Polybar opens a tag at every "%{": only the colour's may be left.
                    const std::string open = "%{F#F0B25A}", close = "%{F-}\n";
                    ASSERT_TRUE(out.starts_with(open) && out.ends_with(close)) << out;
                    text = out.substr(open.size(), out.size() - open.size() - close.size());
                    EXPECT_EQ(text.find("%{"), std::string::npos) << out;
                    for (std::size_t j; (j = text.find("\u2060")) != std::string::npos;) {
                        text.erase(j, std::string("\u2060").size());  // the word joiner
                    }
                    break;
                }
                case BarFormat::i3blocks:
                    ASSERT_EQ(std::count(out.begin(), out.end(), '\n'), 3) << out;
                    text = out.substr(0, out.find('\n'));
                    break;
                case BarFormat::plain:
                    ASSERT_EQ(out.find('\n'), out.size() - 1) << out;
                    text = out.substr(0, out.size() - 1);
                    break;
            }
            EXPECT_EQ(text, l.shown + " 0 days");
        }
    }
}

TEST_F(StatusLines, WideCharactersKeepTheShortTextAndTheTooltipColumns) {
    ASSERT_TRUE(store.saveCountdowns({on("春節の休みと家族旅行", 12, 21), on("Hanukkah", 12, 25)}));
    const auto rs = nlohmann::json::parse(bar({"--format", "i3status-rs"}));
    EXPECT_EQ(rs["short_text"], "春節の休みと家… 0 days");

    const std::string tooltip = pangoText(nlohmann::json::parse(bar({"--waybar"}))["tooltip"]);
    // The counts of both rows start in the same column.
    std::vector<std::size_t> starts;
    for (const char* count : {"0 days", "4 days"}) {
        const auto at = tooltip.find(count);
        ASSERT_NE(at, std::string::npos) << tooltip;
        const auto lineStart = tooltip.rfind('\n', at) + 1;
        starts.push_back(displayWidth(tooltip.substr(lineStart, at - lineStart)));
    }
    EXPECT_EQ(starts[0], starts[1]) << tooltip;
}

}  // namespace
}  // namespace solvane::cli
