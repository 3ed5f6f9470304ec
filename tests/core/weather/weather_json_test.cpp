#include "core/weather/weather_json.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <optional>
#include <string>

#include "core/model/json_forms.h"
#include "core/weather/forecast_json.h"

namespace solvane {
namespace {

using json_forms::Json;

constexpr const char* kSampleText =
    R"({"fetched":757382400.25,"latitude":40.7128,"longitude":-74.006,)"
    R"("source":"openMeteo","requested":"apple","temperatureC":21.5,"feelsLikeC":20,)"
    R"("highC":24.1,"lowC":-0.5,"condition":"Partly Cloudy","symbol":"cloud.sun",)"
    R"("windKph":12.3,"windDirection":225,"cloudCover":40})";

WeatherSnapshot sampleSnapshot() {
    return {Instant{757382400.25},
            40.7128,
            -74.006,
            WeatherSource::openMeteo,
            WeatherSource::apple,
            21.5,
            20,
            24.1,
            -0.5,
            "Partly Cloudy",
            "cloud.sun",
            12.3,
            225,
            40};
}

// The sample with one key's raw value replaced, or the key dropped when
// `value` is empty. No sample value holds a comma or a brace.
std::string sampleWith(const std::string& key, const std::string& value) {
    std::string text = kSampleText;
    const std::string needle = "\"" + key + "\":";
    const auto start = text.find(needle);
    const auto end = text.find_first_of(",}", start);
    if (!value.empty()) {
        return text.replace(start + needle.size(), end - start - needle.size(), value);
    }
    return text[end] == ',' ? text.erase(start, end - start + 1)
                            : text.erase(start - 1, end - start + 1);
}

TEST(WeatherSnapshotJson, WritesFourteenKeysInFieldOrderAndReadsThemBack) {
    EXPECT_EQ(encodeWeatherSnapshot(sampleSnapshot()), kSampleText);
    EXPECT_EQ(decodeWeatherSnapshot(kSampleText).valueOr({}), sampleSnapshot());

    // Odd values round-trip in weather_fuzz; one with no JSON form writes a
    // record that does not read back.
    WeatherSnapshot odd = sampleSnapshot();
    odd.temperatureC = std::numeric_limits<double>::quiet_NaN();
    EXPECT_FALSE(decodeWeatherSnapshot(encodeWeatherSnapshot(odd)));
    odd = sampleSnapshot();
    odd.fetched = Instant{std::numeric_limits<double>::infinity()};
    EXPECT_FALSE(decodeWeatherSnapshot(encodeWeatherSnapshot(odd)));

    // Keys of a later version are ignored.
    std::string extra = kSampleText;
    extra.insert(1, R"("version":3,)");
    EXPECT_EQ(decodeWeatherSnapshot(extra).valueOr({}), sampleSnapshot());
}

TEST(WeatherSnapshotJson, EveryKeyIsRequiredAndNonNull) {
    for (const char* key :
         {"fetched", "latitude", "longitude", "source", "requested", "temperatureC", "feelsLikeC",
          "highC", "lowC", "condition", "symbol", "windKph", "windDirection", "cloudCover"}) {
        const auto missing = decodeWeatherSnapshot(sampleWith(key, ""));
        ASSERT_FALSE(missing) << key;
        EXPECT_NE(missing.error().message.find(key), std::string::npos) << missing.error().message;
        EXPECT_FALSE(decodeWeatherSnapshot(sampleWith(key, "null"))) << key;
    }
}

TEST(WeatherSnapshotJson, WrongTypesAndUnknownSourcesAreUnreadable) {
    const struct {
        const char* key;
        const char* value;
    } cases[] = {
        {"fetched", R"("2024-03-20T15:00:00Z")"},
        {"latitude", "1e309"},  // beyond the double range
        {"temperatureC", "true"},
        {"cloudCover", "[40]"},
        {"source", R"("Apple")"},
        {"requested", R"("weatherKit")"},
        {"condition", "12"},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(decodeWeatherSnapshot(sampleWith(c.key, c.value)))
            << c.key << " = " << c.value;
    }
    for (const std::string text : {"", "null", "[]", "{", "\xff{}"}) {
        EXPECT_FALSE(decodeWeatherSnapshot(text)) << text;
    }
    EXPECT_FALSE(decodeWeatherSnapshot(std::string(100000, '[') + std::string(100000, ']')));
}

// A key left out or null takes its default; a key naming no case or of the
// wrong type means this program did not write the record, so none is trusted.
TEST(AppSettingsJson, ANullKeyTakesItsDefaultButAMalformedKeyFailsTheRecord) {
    // Differs from every stored value below, the list included, so a key that falls back shows.
    const AppSettings defaults{WeatherSource::openMeteo, TempUnit::fahrenheit, {"D"}};
    const AppSettings stored{WeatherSource::apple, TempUnit::celsius, {"A1"}};
    const struct {
        const char* text;
        std::optional<AppSettings> read;  // nullopt: unreadable
    } cases[] = {
        {R"({"weatherSource":"apple","unit":"celsius","feedCalendarIDs":["A1"]})", stored},
        {"{}", defaults},
        {R"({"weatherSource":null,"unit":null,"feedCalendarIDs":null,"later":1})", defaults},
        {R"({"weatherSource":null,"unit":"celsius","feedCalendarIDs":["A1"]})",
         AppSettings{WeatherSource::openMeteo, TempUnit::celsius, {"A1"}}},
        {R"({"weatherSource":"apple","unit":null,"feedCalendarIDs":["A1"]})",
         AppSettings{WeatherSource::apple, TempUnit::fahrenheit, {"A1"}}},
        {R"({"weatherSource":"apple","unit":"celsius","feedCalendarIDs":null})",
         AppSettings{WeatherSource::apple, TempUnit::celsius, {"D"}}},
        {R"({"feedCalendarIDs":[]})",
         AppSettings{WeatherSource::openMeteo, TempUnit::fahrenheit, {}}},

        // Strings naming no case; the names are case-sensitive.
        {R"({"weatherSource":"apple","unit":"Celsius","feedCalendarIDs":["A1"]})", std::nullopt},
        {R"({"weatherSource":"satellite","unit":"celsius"})", std::nullopt},
        // Numbers, including a case's index, and other types.
        {R"({"weatherSource":0,"unit":"celsius"})", std::nullopt},
        {R"({"weatherSource":"apple","unit":1})", std::nullopt},
        // Lists with something other than a string, even after good keys.
        {R"({"weatherSource":"apple","unit":"celsius","feedCalendarIDs":["A1",2]})", std::nullopt},
        {R"({"feedCalendarIDs":["A1",null]})", std::nullopt},
        {R"({"feedCalendarIDs":"A1"})", std::nullopt},
        // Not a settings object at all.
        {"[]", std::nullopt},
        {R"({"unit":"celsius")", std::nullopt},
        {"", std::nullopt},
    };
    // What is written reads back.
    const AppSettings custom{WeatherSource::apple, TempUnit::celsius, {"A1", "\u00e9t\u00e9"}};
    EXPECT_EQ(encodeAppSettings(custom),
              "{\"weatherSource\":\"apple\",\"unit\":\"celsius\",\"feedCalendarIDs\":"
              "[\"A1\",\"\u00e9t\u00e9\"]}");
    EXPECT_EQ(decodeAppSettings(encodeAppSettings(custom), defaults).valueOr({}), custom);
    for (const auto& c : cases) {
        const auto decoded = decodeAppSettings(c.text, defaults);
        const std::optional<AppSettings> read = decoded ? std::optional(*decoded) : std::nullopt;
        EXPECT_EQ(read, c.read) << c.text;
    }
}

constexpr const char* kForecastText =
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
std::string forecastWith(Change change) {
    Json json = *json_forms::parseJson(kForecastText);
    change(json);
    return json.dump();
}

std::string outcome(const Result<Forecast, DecodeError>& r) {
    return r ? "read" : r.error().message;
}

TEST(ForecastJson, WritesEveryKeyInFieldOrderAndReadsThemBack) {
    EXPECT_EQ(encodeForecast(sample()), kForecastText);
    EXPECT_EQ(decodeForecast(kForecastText).valueOr({}), sample());

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
    const std::string extra = forecastWith([](Json& j) {
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
        const auto missing = decodeForecast(forecastWith([&](Json& j) { j.erase(key); }));
        EXPECT_NE(outcome(missing).find(key), std::string::npos) << outcome(missing);
        EXPECT_FALSE(decodeForecast(forecastWith([&](Json& j) { j[key] = nullptr; }))) << key;
    }
    for (const char* list : {"hours", "days"}) {
        const Json entry = (*json_forms::parseJson(kForecastText))[list][1];
        for (const auto& [key, value] : entry.items()) {
            const std::string path = std::string(list) + "[1]." + key;
            const auto missing =
                decodeForecast(forecastWith([&](Json& j) { j[list][1].erase(key); }));
            if (key == "condition") {  // records from before conditions were kept
                EXPECT_TRUE(missing.ok()) << outcome(missing);
            } else {
                EXPECT_NE(outcome(missing).find(path), std::string::npos) << outcome(missing);
            }
            const auto null =
                decodeForecast(forecastWith([&](Json& j) { j[list][1][key] = nullptr; }));
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
        EXPECT_FALSE(decodeForecast(forecastWith(c.change))) << c.name;
    }
    std::string huge = kForecastText;
    huge.replace(huge.find("21.5"), 4, "1e309");  // beyond doubles
    EXPECT_FALSE(decodeForecast(huge));
    EXPECT_FALSE(decodeForecast(std::string(kForecastText).substr(0, 100)));
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
