#include "core/weather/weather_json.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <string>

namespace solvane {
namespace {

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

    WeatherSnapshot odd = sampleSnapshot();
    odd.fetched = Instant{-1e300};
    odd.longitude = std::numeric_limits<double>::max();
    odd.condition = "\u2014 \"quoted\" \\ \n";
    odd.windKph = 9007199254740993.0;  // past 2^53: written as a float
    EXPECT_EQ(decodeWeatherSnapshot(encodeWeatherSnapshot(odd)).valueOr({}), odd);
    // A number with no JSON form writes a record that does not read back.
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
    // Differs from every stored value below, the list included, so a key
    // that falls back shows.
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
        {R"({"unit":true})", std::nullopt},
        {R"({"weatherSource":{}})", std::nullopt},
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

}  // namespace
}  // namespace solvane
