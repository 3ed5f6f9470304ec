#include "core/model/seasons.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "core/sky/sky_math.h"

namespace solvane {

namespace {

constexpr double kDegreesToRadians = std::numbers::pi / 180.0;
constexpr double kSecondsPerDay = 86400.0;
constexpr double kJ2000 = 2451545.0;  // Julian day of 2000-01-01 12:00 TT
constexpr double kUnixEpochJulianDay = 2440587.5;
constexpr double kDaysPerJulianCentury = 36525.0;

// Where the mean-moment polynomials hold; beyond, whole tropical years are
// added to the edge year's moment.
constexpr std::int64_t kFirstModelledYear = -1000;
constexpr std::int64_t kLastModelledYear = 3000;
constexpr double kTropicalYearDays = 365.2422;

// Mean moment of each season as a Julian ephemeris day: c0 + c1·Y + … + c4·Y⁴
// (Meeus, tables 27.A and 27.B).
using Polynomial = std::array<double, 5>;

// Years −1000…1000, Y = year / 1000.
constexpr std::array<Polynomial, 4> kMeanMomentsBefore1000 = {{
    {1721139.29189, 365242.13740, 0.06134, 0.00111, -0.00071},
    {1721233.25401, 365241.72562, -0.05323, 0.00907, 0.00025},
    {1721325.70455, 365242.49558, -0.11677, -0.00297, 0.00074},
    {1721414.39987, 365242.88257, -0.00769, -0.00933, -0.00006},
}};

// Years 1000…3000, Y = (year − 2000) / 1000.
constexpr std::array<Polynomial, 4> kMeanMomentsFrom1000 = {{
    {2451623.80984, 365242.37404, 0.05169, -0.00411, -0.00057},
    {2451716.56767, 365241.62603, 0.00325, 0.00888, -0.00030},
    {2451810.21715, 365242.01767, -0.11575, 0.00337, 0.00078},
    {2451900.05952, 365242.74049, -0.06223, -0.00823, 0.00032},
}};

// The periodic terms A·cos(B + C·T) of the sun's longitude that move the
// mean moment, A in 10⁻⁵ day, B in degrees, C in degrees per Julian century
// (Meeus, table 27.C).
struct PeriodicTerm {
    double amplitude;
    double phase;
    double rate;
};

constexpr std::array<PeriodicTerm, 24> kPeriodicTerms = {{
    {485, 324.96, 1934.136},  {203, 337.23, 32964.467}, {199, 342.08, 20.186},
    {182, 27.85, 445267.112}, {156, 73.14, 45036.886},  {136, 171.52, 22518.443},
    {77, 222.54, 65928.934},  {74, 296.72, 3034.906},   {70, 243.58, 9037.513},
    {58, 119.81, 33718.147},  {52, 297.17, 150.678},    {50, 21.02, 2281.226},
    {45, 247.54, 29929.562},  {44, 325.15, 31555.956},  {29, 60.93, 4443.417},
    {18, 155.12, 67555.328},  {17, 288.79, 4562.452},   {16, 198.04, 62894.029},
    {14, 199.76, 31436.921},  {12, 95.39, 14577.848},   {12, 287.11, 31931.756},
    {12, 320.81, 34777.259},  {9, 227.73, 1222.114},    {8, 15.45, 16859.074},
}};

double evaluate(const Polynomial& p, double y) {
    return p[0] + y * (p[1] + y * (p[2] + y * (p[3] + y * p[4])));
}

// The moment in Julian days of universal time, for a year the polynomials cover.
double modelledMoment(int season, std::int64_t year) {
    const auto s = static_cast<std::size_t>(season);
    const double jde0 =
        year < 1000 ? evaluate(kMeanMomentsBefore1000[s], static_cast<double>(year) / 1000.0)
                    : evaluate(kMeanMomentsFrom1000[s], static_cast<double>(year - 2000) / 1000.0);
    const double t = (jde0 - kJ2000) / kDaysPerJulianCentury;
    const double w = (35999.373 * t - 2.47) * kDegreesToRadians;
    // The periodic terms are in longitude; the sun's changing speed along its
    // orbit turns them into time.
    const double speed = 1.0 + 0.0334 * std::cos(w) + 0.0007 * std::cos(2.0 * w);
    double sum = 0.0;
    for (const auto& term : kPeriodicTerms) {
        sum += term.amplitude * std::cos((term.phase + term.rate * t) * kDegreesToRadians);
    }
    const double jde = jde0 + 0.00001 * sum / speed;
    const double decimalYear = 2000.0 + (jde - kJ2000) / 365.25;
    return jde - sky::deltaTSeconds(decimalYear) / kSecondsPerDay;
}

}  // namespace

std::optional<int> seasonOfIndex(std::int64_t index) {
    const std::int64_t clamped = std::clamp<std::int64_t>(index, 0, 3);
    // index × 90° taken modulo 360°, worked out on the integer so that no
    // index is too large to say which season its longitude is.
    const std::int64_t named = (index % 4 + 4) % 4;
    if (named != clamped) {
        return std::nullopt;
    }
    return static_cast<int>(clamped);
}

std::optional<Instant> seasonMoment(int season, std::int64_t year) {
    if (season < 0 || season > 3) {
        return std::nullopt;
    }
    const std::int64_t modelled = std::clamp(year, kFirstModelledYear, kLastModelledYear);
    double julianDay = modelledMoment(season, modelled);
    julianDay += (static_cast<double>(year) - static_cast<double>(modelled)) * kTropicalYearDays;
    const Instant moment = Instant::fromUnix((julianDay - kUnixEpochJulianDay) * kSecondsPerDay);
    if (!std::isfinite(moment.seconds)) {
        return std::nullopt;
    }
    return moment;
}

std::optional<Instant> seasonDate(std::int64_t index, std::int64_t year, const Calendar& calendar) {
    const auto season = seasonOfIndex(index);
    if (!season) {
        return std::nullopt;
    }
    const auto moment = seasonMoment(*season, year);
    if (!moment) {
        return std::nullopt;
    }
    return calendar.startOfDay(*moment);
}

}  // namespace solvane
