#include "core/sky/moon.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <string>
#include <vector>

#include "core/time/calendar.h"

namespace solvane::sky {
namespace {

Instant at(const char* iso) {
    return *parseIso8601(iso);
}

// The altitude of the moon's centre at rise and set: its parallax less its
// semi-diameter, 0.133°.
constexpr double kRiseAltitude = 0.133 * std::numbers::pi / 180;

struct Crossing {
    double minutes;  // from the start of the day
    bool rise;
};

// Every horizon crossing within the 24 hours from `start`, found minute by
// minute and interpolated between minutes: a reference that shares nothing
// with the two-hour parabolas under test but the altitude itself.
std::vector<Crossing> crossingsByTheMinute(Instant start, double latitude, double longitude) {
    std::vector<Crossing> found;
    double before = moonAltitude(start, latitude, longitude) - kRiseAltitude;
    for (int minute = 1; minute <= 24 * 60; ++minute) {
        const double now = moonAltitude(start + minute * 60.0, latitude, longitude) - kRiseAltitude;
        if ((before < 0) != (now < 0)) {
            found.push_back({minute - 1 + before / (before - now), now >= 0});
        }
        before = now;
    }
    return found;
}

// "S0 R11 S11": each crossing's direction and the two-hour window it lies in.
std::string windowsOf(const std::vector<Crossing>& crossings) {
    std::string text;
    for (const auto& c : crossings) {
        text += (text.empty() ? "" : " ") + std::string(c.rise ? "R" : "S") +
                std::to_string(static_cast<int>(c.minutes) / 120);
    }
    return text;
}

// The day is read as twelve two-hour windows, in order, each through a
// parabola; a later crossing replaces an earlier one of the same direction.
// These days put two crossings in one window, a later crossing in place of an
// earlier one, and crossings in the last window, where a scan that stops short
// of the day's end would miss them.
TEST(MoonTimes, TwoHourWindowsFindWhatAMinuteByMinuteScanFinds) {
    struct Case {
        const char* what;
        const char* zone;
        double latitude, longitude;
        int year, month, day;
        const char* crossings;  // found by the minute
        int rise, set;          // the crossings reported
    };
    const Case cases[] = {
        {"New York: rise in the day's last hour", "America/New_York", 40.7128, -74.0060, 2024, 5,
         26, "S3 R11", 1, 0},
        {"Longyearbyen: up for an hour", "Arctic/Longyearbyen", 78.2232, 15.6267, 2024, 8, 10,
         "R8 S8", 0, 1},
        {"Tromsø: down for an hour", "Europe/Oslo", 69.6496, 18.9560, 2024, 2, 16, "S2 R2", 1, 0},
        {"Longyearbyen: the evening's rise replaces the night's", "Arctic/Longyearbyen", 78.2232,
         15.6267, 2023, 6, 13, "R0 S10 R10", 2, 1},
        {"Tromsø: the last window's set replaces the night's", "Europe/Oslo", 69.6496, 18.9560,
         2020, 7, 2, "S0 R11 S11", 1, 2},
    };
    for (const auto& c : cases) {
        const Instant start = *Calendar::make(c.zone, "en_US")->date(c.year, c.month, c.day);
        const std::vector<Crossing> reference =
            crossingsByTheMinute(start, c.latitude, c.longitude);
        const std::string found = windowsOf(reference);
        EXPECT_EQ(found, c.crossings) << c.what;
        const MoonTimes times = moonTimes(start, c.latitude, c.longitude);
        EXPECT_TRUE(times.rise && times.set) << c.what;
        if (found != c.crossings || !times.rise || !times.set) {
            continue;
        }
        // The parabolas stay within a minute and a half of the scan here.
        EXPECT_NEAR((*times.rise - start) / 60, reference[c.rise].minutes, 2) << c.what;
        EXPECT_NEAR((*times.set - start) / 60, reference[c.set].minutes, 2) << c.what;
    }
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
