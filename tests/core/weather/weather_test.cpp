#include "core/weather/weather.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace solvane {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

WeatherSnapshot withWind(double kph, double direction) {
    WeatherSnapshot s;
    s.windKph = kph;
    s.windDirection = direction;
    return s;
}

TEST(WeatherDefaults, UnitFollowsTheLocalesMeasurementSystem) {
    const struct {
        const char* locale;
        TempUnit unit;
    } cases[] = {
        {"en_US", TempUnit::fahrenheit}, {"en_US.UTF-8", TempUnit::fahrenheit},
        {"C", TempUnit::fahrenheit},     {"", TempUnit::fahrenheit},
        {"en_GB", TempUnit::celsius},    {"de_DE.UTF-8@euro", TempUnit::celsius},
        {"zz_QQ", TempUnit::celsius},    {"\xff\xfe not a locale", TempUnit::celsius},
    };
    for (const auto& c : cases) {
        const AppSettings d = AppSettings::defaults(c.locale);
        EXPECT_EQ(d.unit, c.unit) << c.locale;
        EXPECT_EQ(d.weatherSource, WeatherSource::openMeteo);
        EXPECT_TRUE(d.feedCalendarIDs.empty());
    }
}

TEST(WeatherFormat, TemperatureRoundsHalvesAwayFromZero) {
    const struct {
        double celsius;
        TempUnit unit;
        const char* text;
    } cases[] = {
        {20, TempUnit::fahrenheit, "68°"},
        {-17.5, TempUnit::fahrenheit, "1°"},  // exactly 0.5 °F
        {21.5, TempUnit::celsius, "22°"},
        {-0.4, TempUnit::celsius, "0°"},  // no minus sign on a zero
        {-0.0, TempUnit::celsius, "0°"},
        {-0.5, TempUnit::celsius, "-1°"},
        {1e15 + 0.5, TempUnit::celsius, "1000000000000001°"},
        {-1e20, TempUnit::celsius, "-100000000000000000000°"},  // past every integer type
        {kNaN, TempUnit::celsius, "--°"},
        {-kInf, TempUnit::celsius, "--°"},
        {std::numeric_limits<double>::max(), TempUnit::fahrenheit, "--°"},  // overflows
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formatTemperature(c.celsius, c.unit), c.text) << c.celsius;
    }
}

TEST(WeatherFormat, WindUsesTheUnitsSpeedAndOneSpace) {
    const struct {
        double kph;
        TempUnit unit;
        const char* text;
    } cases[] = {
        {16.09, TempUnit::fahrenheit, "10 mph"},
        {16.09, TempUnit::celsius, "16 km/h"},
        {2.5, TempUnit::celsius, "3 km/h"},
        {-0.4, TempUnit::celsius, "0 km/h"},
        // 1.609, not 1.609344: 8.045 km/h is 5.0 mph by the former, 4.999 by the latter.
        {8.045, TempUnit::fahrenheit, "5 mph"},
        {1e20, TempUnit::celsius, "100000000000000000000 km/h"},
        {kNaN, TempUnit::celsius, "-- km/h"},
        {kInf, TempUnit::fahrenheit, "-- mph"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formatWind(withWind(c.kph, 0), c.unit), c.text) << c.kph;
    }
}

TEST(WeatherFormat, CompassPointTruncatesIntoEightSectors) {
    const struct {
        double degrees;
        const char* point;
    } cases[] = {
        {0, "N"},       {22.4, "N"},   {22.5, "NE"}, {359.9, "N"}, {-10, "N"},   {720, "N"},
        {67.5, "E"},    {135, "SE"},   {180, "S"},   {225, "SW"},  {270, "W"},   {337.4, "NW"},
        {-337.5, "NE"}, {-1e-20, "N"}, {kNaN, "N"},  {kInf, "N"},  {-kInf, "N"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(compassPoint(withWind(0, c.degrees)), c.point) << c.degrees;
    }
}

}  // namespace
}  // namespace solvane
