#include "core/time/instant.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace solvane {
namespace {

TEST(Instant, ParsesUtcAndOffsets) {
    struct Case {
        const char* text;
        double unix;
    };
    const Case cases[] = {
        {"2024-03-20T15:00:00Z", 1710946800},
        {"2024-03-20T15:00:00+09:00", 1710946800 - 9 * 3600},
        {"2024-03-20T15:00:00-05:30", 1710946800 + 5.5 * 3600},
        {"2024-03-20T15:00:00+0900", 1710946800 - 9 * 3600},
        {"2024-03-20T15:00:00+09", 1710946800 - 9 * 3600},
        {"2024-03-20T15:00Z", 1710946800},
        {"2024-03-20 15:00:00z", 1710946800},
        {"2024-03-20T15:00:00.250Z", 1710946800.25},
        {"2024-02-29T00:00:00Z", 1709164800},
        {"1970-01-01T00:00:00Z", 0},
        {"0001-01-01T00:00:00Z", -62135596800},
    };
    for (const auto& c : cases) {
        const auto t = parseIso8601(c.text);
        ASSERT_TRUE(t.has_value()) << c.text;
        EXPECT_DOUBLE_EQ(t->unixSeconds(), c.unix) << c.text;
    }
}

TEST(Instant, RejectsMalformedAndImpossibleTimes) {
    for (const char* text :
         {"", "2024", "2024-03-20", "2024-03-20T15:00:00", "2024-03-20T15:00:00+9:00",
          "2024-02-30T00:00:00Z", "2023-02-29T00:00:00Z", "2024-13-01T00:00:00Z",
          "2024-00-10T00:00:00Z", "2024-03-20T24:00:00Z", "2024-03-20T15:60:00Z",
          "2024-03-20T15:00:00Zjunk", "2024-03-20T15:00:00.Z", "2024-03-20T15:00:00+24:00",
          "x024-03-20T15:00:00Z", "2024-03-20T15:00:00+09:0"}) {
        EXPECT_FALSE(parseIso8601(text).has_value()) << text;
    }
}

TEST(Instant, FormatsUtcWithMillisecondsAndRoundTrips) {
    // The Unix and reference epochs are 978307200 seconds apart.
    EXPECT_EQ(Instant::fromUnix(978307200.0).seconds, 0.0);
    EXPECT_EQ(Instant{0}.unixSeconds(), 978307200.0);
    EXPECT_EQ(formatIso8601(Instant{0}), "2001-01-01T00:00:00.000Z");
    EXPECT_EQ(formatIso8601(*parseIso8601("2024-03-20T15:00:00+09:00")),
              "2024-03-20T06:00:00.000Z");
    EXPECT_EQ(formatIso8601(Instant{0.0125}), "2001-01-01T00:00:00.013Z");
    // Rounding to the millisecond carries into the next minute and day.
    EXPECT_EQ(formatIso8601(Instant{-0.0001}), "2001-01-01T00:00:00.000Z");
    EXPECT_EQ(formatIso8601(Instant{86399.9996}), "2001-01-02T00:00:00.000Z");
    EXPECT_EQ(formatIso8601(Instant::distantPast()), "0000-12-30T00:00:00.000Z");
    EXPECT_EQ(formatIso8601(*parseIso8601("9999-12-31T23:59:59.999Z")), "9999-12-31T23:59:59.999Z");
    EXPECT_EQ(formatIso8601(Instant{1e13}), "+318888-05-20T17:46:40.000Z");
}

TEST(Instant, NonFiniteAndHugeInstantsHaveNoText) {
    EXPECT_FALSE(formatIso8601(Instant{std::numeric_limits<double>::quiet_NaN()}));
    EXPECT_FALSE(formatIso8601(Instant{std::numeric_limits<double>::infinity()}));
    EXPECT_FALSE(formatIso8601(Instant{1e300}));
    EXPECT_FALSE(formatIso8601(Instant{-1e15}));
}

}  // namespace
}  // namespace solvane
