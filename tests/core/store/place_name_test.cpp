#include "core/store/place_name.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <string>

namespace solvane {
namespace {

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
