#include "core/sky/moon.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace solvane::sky {
namespace {

Instant at(const char* iso) {
    return *parseIso8601(iso);
}

std::string toSecond(std::optional<Instant> t) {
    return t ? formatIso8601(*t).value_or("?").substr(0, 19) : "none";
}

TEST(MoonTimes, EquatorAroundTheMarchEquinox) {
    const MoonTimes today = moonTimes(at("2024-03-20T00:00:00Z"), 0, 0);
    const MoonTimes tomorrow = moonTimes(at("2024-03-21T00:00:00Z"), 0, 0);
    EXPECT_EQ(toSecond(today.rise) + " " + toSecond(today.set),
              "2024-03-20T14:59:22 2024-03-20T02:37:50");
    EXPECT_EQ(toSecond(tomorrow.rise) + " " + toSecond(tomorrow.set),
              "2024-03-21T15:45:49 2024-03-21T03:24:48");
}

TEST(MoonTimes, ShownPairIsARiseAndTheSetThatEndsItsPassage) {
    const auto h = [](double hours) { return std::optional(Instant{hours * 3600.0}); };
    const std::nullopt_t none = std::nullopt;
    struct Case {
        const char* what;
        MoonTimes today, tomorrow, shown;
    };
    const Case cases[] = {
        {"rise then set today", {h(5), h(17)}, {h(30), h(42)}, {h(5), h(17)}},
        {"set before rise today", {h(15), h(3)}, {h(40), h(28)}, {h(15), h(28)}},
        {"no set today", {h(20), none}, {h(45), h(33)}, {h(20), h(33)}},
        {"no rise today", {none, h(10)}, {h(26), h(36)}, {h(26), h(36)}},
        {"no set after the rise", {h(15), h(3)}, {none, none}, {h(15), none}},
        {"a set at the rise", {h(8), h(8)}, {none, none}, {h(8), none}},
        {"no rise: today's set", {none, h(10)}, {none, h(35)}, {none, h(10)}},
        {"no rise: tomorrow's set", {none, none}, {none, h(35)}, {none, h(35)}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(shownMoonTimes(c.today, c.tomorrow), c.shown) << c.what;
    }
}

TEST(MoonTimes, FarNorthTheMoonCanStayUpOrDownAllDay) {
    // Over a month at 80°N there are whole days with the moon above and whole
    // days with it below; on those neither rise nor set is reported.
    int up = 0;
    int down = 0;
    for (int day = 0; day < 30; ++day) {
        const Instant start = at("2024-01-01T00:00:00Z") + day * 86400.0;
        const MoonTimes times = moonTimes(start, 80, 15);
        if (!times.rise && !times.set) {
            (moonAltitude(start, 80, 15) > 0 ? up : down) += 1;
        }
    }
    EXPECT_GT(up, 3);
    EXPECT_GT(down, 3);
    EXPECT_EQ(moonTimes(Instant{std::nan("")}, 45, 7), MoonTimes{});
}

TEST(MoonPhaseSearch, FindsTheHourAfterEachCrossing) {
    const Instant start = at("2024-01-01T00:00:00Z") + 1234.5;  // off the UTC hours
    const auto full = nextPhase(start, kFullMoonPhase);
    const auto fresh = nextPhase(start, kNewMoonPhase);
    const auto quarter = nextPhase(start, 0.25);  // not accelerated
    ASSERT_TRUE(full && fresh && quarter);
    // Almanac: new moon 01-11 11:57Z, first quarter 01-18 03:53Z, full moon
    // 01-25 17:54Z; the short series is good to some hours.
    EXPECT_NEAR(*fresh - at("2024-01-11T11:57:00Z"), 0, 12 * 3600.0);
    EXPECT_NEAR(*quarter - at("2024-01-18T03:53:00Z"), 0, 12 * 3600.0);
    EXPECT_NEAR(*full - at("2024-01-25T17:54:00Z"), 0, 12 * 3600.0);
    for (const Instant t : {*full, *fresh, *quarter}) {
        EXPECT_EQ(std::fmod(t - start, 3600.0), 0.0);
    }
    EXPECT_LT(moonIllumination(*full - 3600.0).phase, 0.5);
    EXPECT_GT(moonIllumination(*full).fraction, 0.99);
    EXPECT_GT(moonIllumination(*fresh - 3600.0).phase, 0.9);
    EXPECT_LT(moonIllumination(*fresh).fraction, 0.01);

    EXPECT_FALSE(nextPhase(start, 1.5));
    EXPECT_FALSE(nextPhase(start, std::nan("")));
    EXPECT_FALSE(nextPhase(Instant{std::nan("")}, kFullMoonPhase));
    EXPECT_FALSE(nextPhaseReference(Instant{std::numeric_limits<double>::infinity()}, 0.0));
}

}  // namespace
}  // namespace solvane::sky
