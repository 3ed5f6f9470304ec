#include "core/weather/forecast_json.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>

#include "core/model/json_forms.h"

namespace solvane {
namespace {

using json_forms::Json;

constexpr const char* kSampleText =
    R"({"fetched":757382400.25,"latitude":40.7128,"longitude":-74.006,"source":"openMeteo",)"
    R"("requested":"apple","hours":[)"
    R"({"time":757382400,"temperatureC":21.5,"condition":"Mostly Cloudy","symbol":"cloud.sun",)"
    R"("precipitationChance":20},{"time":757386000,"temperatureC":-0.5,"condition":"Rain",)"
    R"("symbol":"cloud.rain","precipitationChance":null}],)"
    R"("days":[{"date":"2025-01-01","highC":24.1,"lowC":12,"condition":"Clear",)"
    R"("symbol":"sun.max","precipitationChance":0},{"date":"2025-01-02","highC":3,)"
    R"("lowC":-2.5,"condition":"Snow","symbol":"cloud.snow","precipitationChance":null}]})";

Forecast sample() {
    Forecast f;
    f.fetched = Instant{757382400.25};
    f.latitude = 40.7128;
    f.longitude = -74.006;
    f.source = WeatherSource::openMeteo;
    f.requested = WeatherSource::apple;
    f.hours = {{Instant{757382400}, 21.5, "Mostly Cloudy", "cloud.sun", 20.0},
               {Instant{757386000}, -0.5, "Rain", "cloud.rain", std::nullopt}};
    f.days = {{{2025, 1, 1}, 24.1, 12, "Clear", "sun.max", 0.0},
              {{2025, 1, 2}, 3, -2.5, "Snow", "cloud.snow", std::nullopt}};
    return f;
}

// The sample as JSON with `change` applied to it.
template <class Change>
std::string sampleWith(Change change) {
    Json json = *json_forms::parseJson(kSampleText);
    change(json);
    return json.dump();
}

std::string outcome(const Result<Forecast, DecodeError>& r) {
    return r ? "read" : r.error().message;
}

TEST(ForecastJson, WritesEveryKeyInFieldOrderAndReadsThemBack) {
    EXPECT_EQ(encodeForecast(sample()), kSampleText);
    EXPECT_EQ(decodeForecast(kSampleText).valueOr({}), sample());

    Forecast odd = sample();
    odd.fetched = Instant{-1e300};
    odd.longitude = std::numeric_limits<double>::max();
    odd.hours[0].symbol = "\u2014 \"quoted\"";
    odd.hours[1].precipitationChance = 99.95;
    odd.days[1].date = {9999, 12, 31};
    odd.zone = "America/New_York";
    odd.hours[0].feelsLikeC = -3.5;
    odd.hours[0].windDirection = 359;
    odd.days[0].gustKph = 88;
    odd.days[0].precipitationMm = 0;
    EXPECT_EQ(decodeForecast(encodeForecast(odd)).valueOr({}), odd);
    // A value with no JSON form writes a record that does not read back; a
    // chance that is no number is not "no chance given".
    for (const auto& spoil : std::initializer_list<std::function<void(Forecast&)>>{
             [](Forecast& f) { f.fetched = Instant{std::nan("")}; },
             [](Forecast& f) { f.hours[0].temperatureC = std::numeric_limits<double>::infinity(); },
             [](Forecast& f) { f.days[1].precipitationChance = std::nan(""); },
             [](Forecast& f) {
                 f.days[0].date = {2025, 2, 30};
             }}) {
        Forecast f = sample();
        spoil(f);
        EXPECT_FALSE(decodeForecast(encodeForecast(f)));
    }
    // No hours or days is a record too; it is just never shown.
    odd.hours.clear();
    odd.days.clear();
    EXPECT_EQ(decodeForecast(encodeForecast(odd)).valueOr(sample()), odd);

    // Keys of a later version are ignored.
    const std::string extra = sampleWith([](Json& j) {
        j["version"] = 2;
        j["hours"][0]["visibilityKm"] = 3;
        j["zone"] = "../../etc/passwd";
        j["days"][0]["windKph"] = "fast";
    });
    EXPECT_EQ(decodeForecast(extra).valueOr({}), sample());
}

TEST(ForecastJson, EveryKeyButTheConditionIsRequiredAndOnlyAChanceMayBeNull) {
    for (const char* key :
         {"fetched", "latitude", "longitude", "source", "requested", "hours", "days"}) {
        const auto missing = decodeForecast(sampleWith([&](Json& j) { j.erase(key); }));
        EXPECT_NE(outcome(missing).find(key), std::string::npos) << outcome(missing);
        EXPECT_FALSE(decodeForecast(sampleWith([&](Json& j) { j[key] = nullptr; }))) << key;
    }
    for (const char* list : {"hours", "days"}) {
        const Json entry = (*json_forms::parseJson(kSampleText))[list][1];
        for (const auto& [key, value] : entry.items()) {
            const std::string path = std::string(list) + "[1]." + key;
            const auto missing =
                decodeForecast(sampleWith([&](Json& j) { j[list][1].erase(key); }));
            if (key == "condition") {  // records from before conditions were kept
                EXPECT_TRUE(missing.ok()) << outcome(missing);
            } else {
                EXPECT_NE(outcome(missing).find(path), std::string::npos) << outcome(missing);
            }
            const auto null =
                decodeForecast(sampleWith([&](Json& j) { j[list][1][key] = nullptr; }));
            EXPECT_EQ(null.ok(), key == "precipitationChance") << path;
        }
    }
}

TEST(ForecastJson, DamageMakesTheWholeRecordUnreadable) {
    const struct {
        const char* name;
        std::function<void(Json&)> change;
    } cases[] = {
        {"not an object", [](Json& j) { j = Json::array(); }},
        {"unknown source", [](Json& j) { j["source"] = "darkSky"; }},
        {"hours an object", [](Json& j) { j["hours"] = Json::object(); }},
        {"time as text", [](Json& j) { j["hours"][0]["time"] = "757382400"; }},
        {"symbol past any name", [](Json& j) { j["days"][0]["symbol"] = std::string(65, 's'); }},
        {"condition a number", [](Json& j) { j["hours"][0]["condition"] = 3; }},
        {"condition past any", [](Json& j) { j["days"][1]["condition"] = std::string(129, 'c'); }},
        {"chance above 100", [](Json& j) { j["hours"][0]["precipitationChance"] = 100.5; }},
        {"chance below 0", [](Json& j) { j["days"][0]["precipitationChance"] = -1; }},
        {"chance as text", [](Json& j) { j["days"][0]["precipitationChance"] = "20"; }},
        {"date as a number", [](Json& j) { j["days"][0]["date"] = 20250101; }},
        {"no such date", [](Json& j) { j["days"][0]["date"] = "2025-02-29"; }},
        {"the same hour twice", [](Json& j) { j["hours"][1]["time"] = j["hours"][0]["time"]; }},
        {"hours going back", [](Json& j) { j["hours"][1]["time"] = 757300000; }},
        {"days going back", [](Json& j) { j["days"][1]["date"] = "2024-12-31"; }},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(decodeForecast(sampleWith(c.change))) << c.name;
    }
    std::string huge = kSampleText;
    huge.replace(huge.find("21.5"), 4, "1e309");  // beyond doubles
    EXPECT_FALSE(decodeForecast(huge));
    EXPECT_FALSE(decodeForecast(std::string(kSampleText).substr(0, 100)));
    EXPECT_FALSE(decodeForecast(std::string(100000, '[')));

    // Exactly as many hours and days as a forecast holds still read; one more does not.
    Forecast full = sample();
    full.hours.clear();
    full.days.clear();
    for (std::size_t i = 0; i < kForecastMaxHours; ++i) {
        full.hours.push_back({Instant{i * 3600.0}, 1, "Cloudy", "cloud", std::nullopt});
    }
    for (int i = 0; i < static_cast<int>(kForecastMaxDays); ++i) {
        full.days.push_back({{2025, 1, 1 + i}, 1, 0, "Cloudy", "cloud", std::nullopt});
    }
    EXPECT_EQ(decodeForecast(encodeForecast(full)).valueOr({}), full);
    Forecast more = full;
    more.hours.push_back({Instant{1e7}, 1, "Cloudy", "cloud", std::nullopt});
    EXPECT_FALSE(decodeForecast(encodeForecast(more)));
    more = full;
    more.days.push_back({{2025, 2, 1}, 1, 0, "Cloudy", "cloud", std::nullopt});
    EXPECT_FALSE(decodeForecast(encodeForecast(more)));
}

}  // namespace
}  // namespace solvane
