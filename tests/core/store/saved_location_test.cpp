#include "core/store/saved_location.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <string>

#include "core/store/place_name.h"

namespace solvane {
namespace {

using namespace std::string_literals;

TEST(SavedLocationJson, WritesFieldOrderAndReadsBackExactly) {
    EXPECT_EQ(encodeSavedLocation(defaultLocation()),
              R"({"latitude":40.7128,"longitude":-74.006,"name":"New York"})");
    EXPECT_EQ(encodeSavedLocation({-33.0, 151.0, "\"Q\""}),
              R"({"latitude":-33,"longitude":151,"name":"\"Q\""})");
    for (const SavedLocation& place : {defaultLocation(), SavedLocation{0.1 + 0.2, -1e-9, ""},
                                       SavedLocation{1e300, -179.99999999999997, "Zürich ☀"}}) {
        EXPECT_EQ(decodeSavedLocation(encodeSavedLocation(place)).valueOr({}), place);
    }
    // No JSON form, so nothing that reads back.
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_FALSE(decodeSavedLocation(encodeSavedLocation({nan, 0, "a"})));
    EXPECT_FALSE(decodeSavedLocation(
        encodeSavedLocation({0, std::numeric_limits<double>::infinity(), "b"})));
}

TEST(SavedLocationJson, NeedsAllThreeKeysWithFiniteNumbersAndAString) {
    const struct {
        std::string json;
        std::optional<SavedLocation> expected;
    } cases[] = {
        {R"({"name":"X","longitude":2,"latitude":1.5,"extra":[null]})", SavedLocation{1.5, 2, "X"}},
        {R"({"latitude":1e1,"longitude":-2.5E-1,"name":"\u00e9"})", SavedLocation{10, -0.25, "é"}},
        {R"({"latitude":1,"longitude":2})", std::nullopt},
        {R"({"latitude":1,"name":"X"})", std::nullopt},
        {R"({"latitude":"1","longitude":2,"name":"X"})", std::nullopt},
        {R"({"latitude":1,"longitude":null,"name":"X"})", std::nullopt},
        {R"({"latitude":1,"longitude":2,"name":7})", std::nullopt},
        {R"({"latitude":1e400,"longitude":2,"name":"X"})", std::nullopt},
        {R"({"latitude":1,"longitude":2,"name":"X"} trailing)", std::nullopt},
        {"{\"latitude\":1,\"longitude\":2,\"name\":\"\xff\"}", std::nullopt},
        {"{\"latitude\":1,\"longitude\":2,\"name\":\"a\0b\"}"s, std::nullopt},
        {"[]", std::nullopt},
        {"", std::nullopt},
        {std::string(100, '[') + std::string(100, ']'), std::nullopt},
    };
    for (const auto& c : cases) {
        const auto place = decodeSavedLocation(c.json);
        EXPECT_EQ(place ? std::optional(*place) : std::nullopt, c.expected) << c.json;
    }
}

TEST(PlaceName, JoinsWhatTheGeocoderFoundElseTwoDecimalCoordinates) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        std::optional<PlaceParts> parts;
        double latitude;
        double longitude;
        std::string expected;
    } cases[] = {
        {PlaceParts{"Boulder", "CO"}, 40.0, -105.3, "Boulder, CO"},
        {PlaceParts{"Boulder", std::nullopt}, 40.0, -105.3, "Boulder"},
        {PlaceParts{"", "Colorado"}, 40.0, -105.3, "Colorado"},
        {PlaceParts{"", std::nullopt}, 12.346, -56.789, "12.35, -56.79"},
        {std::nullopt, 12.346, -56.789, "12.35, -56.79"},
        // printf's rounding and sign, not a prettier invention.
        {std::nullopt, -0.001, 0.005, "-0.00, 0.01"},
        {std::nullopt, nan, -std::numeric_limits<double>::infinity(), "nan, -inf"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(placeName(c.parts, c.latitude, c.longitude), c.expected) << c.expected;
    }
    // Hundreds of digits, and none of them cut off.
    EXPECT_EQ(coordinatePlaceName(1e300, -1e300).size(), 304u + 2 + 305);
}

}  // namespace
}  // namespace solvane
