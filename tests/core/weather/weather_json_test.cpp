#include "core/weather/weather_json.h"

#include <gtest/gtest.h>

#include <limits>
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
        {"requested", "0"},
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

TEST(WeatherSnapshotJson, NonFiniteNumbersWriteAnUnreadableRecord) {
    WeatherSnapshot s = sampleSnapshot();
    s.temperatureC = std::numeric_limits<double>::quiet_NaN();
    EXPECT_FALSE(decodeWeatherSnapshot(encodeWeatherSnapshot(s)));
    s = sampleSnapshot();
    s.fetched = Instant{std::numeric_limits<double>::infinity()};
    EXPECT_FALSE(decodeWeatherSnapshot(encodeWeatherSnapshot(s)));
}

TEST(AppSettingsJson, RoundTripAndDefaultsPerKey) {
    const AppSettings us = AppSettings::defaults("en_US");
    const AppSettings de = AppSettings::defaults("de_DE");
    ASSERT_NE(us.unit, de.unit);

    const AppSettings custom{WeatherSource::apple, TempUnit::celsius, {"A1", "\u00e9t\u00e9"}};
    EXPECT_EQ(encodeAppSettings(custom),
              "{\"weatherSource\":\"apple\",\"unit\":\"celsius\",\"feedCalendarIDs\":"
              "[\"A1\",\"\u00e9t\u00e9\"]}");
    EXPECT_EQ(decodeAppSettings(encodeAppSettings(custom), us).valueOr({}), custom);

    EXPECT_EQ(decodeAppSettings("{}", us).valueOr({}), us);
    EXPECT_EQ(decodeAppSettings("{}", de).valueOr({}), de);
    EXPECT_EQ(decodeAppSettings(R"({"weatherSource":"apple"})", de).valueOr({}),
              (AppSettings{WeatherSource::apple, TempUnit::celsius, {}}));
    EXPECT_EQ(
        decodeAppSettings(R"({"weatherSource":null,"unit":null,"feedCalendarIDs":null,"x":1})", us)
            .valueOr({}),
        us);
}

TEST(AppSettingsJson, APresentMalformedKeyFailsTheWholeRecord) {
    for (const char* text :
         {R"({"unit":"kelvin"})", R"({"unit":"Celsius"})", R"({"unit":1})",
          R"({"weatherSource":"weatherKit","unit":"celsius"})", R"({"feedCalendarIDs":"A1"})",
          R"({"feedCalendarIDs":["A1",2]})", R"({"feedCalendarIDs":["A1",null]})",
          R"({"feedCalendarIDs":{}})", "[]", R"({"unit":"celsius")", ""}) {
        EXPECT_FALSE(decodeAppSettings(text, AppSettings::defaults("en_US"))) << text;
    }
}

}  // namespace
}  // namespace solvane
