#include "core/sky/sun_position.h"

#include <array>
#include <cmath>
#include <span>

#include "core/sky/sky_math.h"

namespace solvane::sky {
namespace {

// One term A cos(B + C τ) of a VSOP87 series: A in 10⁻⁸ radians (or au), B in
// radians, C in radians per Julian millennium τ.
struct Term {
    double amplitude;
    double phase;
    double frequency;
};

// The Earth's heliocentric ecliptic longitude L = L0 + L1 τ + … + L5 τ⁵.
constexpr std::array<Term, 64> kL0 = {{
    {175347046, 0, 0},           {3341656, 4.6692568, 6283.07585},
    {34894, 4.6261, 12566.1517}, {3497, 2.7441, 5753.3849},
    {3418, 2.8289, 3.5231},      {3136, 3.6277, 77713.7715},
    {2676, 4.4181, 7860.4194},   {2343, 6.1352, 3930.2097},
    {1324, 0.7425, 11506.7698},  {1273, 2.0371, 529.6910},
    {1199, 1.1096, 1577.3435},   {990, 5.233, 5884.927},
    {902, 2.045, 26.298},        {857, 3.508, 398.149},
    {780, 1.179, 5223.694},      {753, 2.533, 5507.553},
    {505, 4.583, 18849.228},     {492, 4.205, 775.523},
    {357, 2.920, 0.067},         {317, 5.849, 11790.629},
    {284, 1.899, 796.298},       {271, 0.315, 10977.079},
    {243, 0.345, 5486.778},      {206, 4.806, 2544.314},
    {205, 1.869, 5573.143},      {202, 2.458, 6069.777},
    {156, 0.833, 213.299},       {132, 3.411, 2942.463},
    {126, 1.083, 20.775},        {115, 0.645, 0.980},
    {103, 0.636, 4694.003},      {102, 0.976, 15720.839},
    {102, 4.267, 7.114},         {99, 6.21, 2146.17},
    {98, 0.68, 155.42},          {86, 5.98, 161000.69},
    {85, 1.30, 6275.96},         {85, 3.67, 71430.70},
    {80, 1.81, 17260.15},        {79, 3.04, 12036.46},
    {75, 1.76, 5088.63},         {74, 3.50, 3154.69},
    {74, 4.68, 801.82},          {70, 0.83, 9437.76},
    {62, 3.98, 8827.39},         {61, 1.82, 7084.90},
    {57, 2.78, 6286.60},         {56, 4.39, 14143.50},
    {56, 3.47, 6279.55},         {52, 0.19, 12139.55},
    {52, 1.33, 1748.02},         {51, 0.28, 5856.48},
    {49, 0.49, 1194.45},         {41, 5.37, 8429.24},
    {41, 2.40, 19651.05},        {39, 6.17, 10447.39},
    {37, 6.04, 10213.29},        {37, 2.57, 1059.38},
    {36, 1.71, 2352.87},         {36, 1.78, 6812.77},
    {33, 0.59, 17789.85},        {30, 0.44, 83996.85},
    {30, 2.74, 1349.87},         {25, 3.16, 4690.48},
}};

constexpr std::array<Term, 34> kL1 = {{
    {628331966747, 0, 0},       {206059, 2.678235, 6283.07585},
    {4303, 2.6351, 12566.1517}, {425, 1.590, 3.523},
    {119, 5.796, 26.298},       {109, 2.966, 1577.344},
    {93, 2.59, 18849.23},       {72, 1.14, 529.69},
    {68, 1.87, 398.15},         {67, 4.41, 5507.55},
    {59, 2.89, 5223.69},        {56, 2.17, 155.42},
    {45, 0.40, 796.30},         {36, 0.47, 775.52},
    {29, 2.65, 7.11},           {21, 5.34, 0.98},
    {19, 1.85, 5486.78},        {19, 4.97, 213.30},
    {17, 2.99, 6275.96},        {16, 0.03, 2544.31},
    {16, 1.43, 2146.17},        {15, 1.21, 10977.08},
    {12, 2.83, 1748.02},        {12, 3.26, 5088.63},
    {12, 5.27, 1194.45},        {12, 2.08, 4694.00},
    {11, 0.77, 553.57},         {10, 1.30, 6286.60},
    {10, 4.24, 1349.87},        {9, 2.70, 242.73},
    {9, 5.64, 951.72},          {8, 5.30, 2352.87},
    {6, 2.65, 9437.76},         {6, 4.67, 4690.48},
}};

constexpr std::array<Term, 20> kL2 = {{
    {52919, 0, 0},     {8720, 1.0721, 6283.0758}, {309, 0.867, 12566.152}, {27, 0.05, 3.52},
    {16, 5.19, 26.30}, {16, 3.68, 155.42},        {10, 0.76, 18849.23},    {9, 2.06, 77713.77},
    {7, 0.83, 775.52}, {5, 4.66, 1577.34},        {4, 1.03, 7.11},         {4, 3.44, 5573.14},
    {3, 5.14, 796.30}, {3, 6.05, 5507.55},        {3, 1.19, 242.73},       {3, 6.12, 529.69},
    {3, 0.31, 398.15}, {3, 2.28, 553.57},         {2, 4.38, 5223.69},      {2, 3.75, 0.98},
}};

constexpr std::array<Term, 7> kL3 = {{
    {289, 5.844, 6283.076},
    {35, 0, 0},
    {17, 5.49, 12566.15},
    {3, 5.20, 155.42},
    {1, 4.72, 3.52},
    {1, 5.30, 18849.23},
    {1, 5.97, 242.73},
}};

constexpr std::array<Term, 3> kL4 = {{{114, 3.142, 0}, {8, 4.13, 6283.08}, {1, 3.84, 12566.15}}};

constexpr std::array<Term, 1> kL5 = {{{1, 3.14, 0}}};

// Latitude B = B0 + B1 τ.
constexpr std::array<Term, 5> kB0 = {{
    {280, 3.199, 84334.662},
    {102, 5.422, 5507.553},
    {80, 3.88, 5223.69},
    {44, 3.70, 2352.87},
    {32, 4.00, 1577.34},
}};

constexpr std::array<Term, 2> kB1 = {{{9, 3.90, 5507.55}, {6, 1.73, 5223.69}}};

// Radius vector R = R0 + R1 τ + … + R4 τ⁴, au.
constexpr std::array<Term, 40> kR0 = {{
    {100013989, 0, 0},
    {1670700, 3.0984635, 6283.07585},
    {13956, 3.05525, 12566.1517},
    {3084, 5.1985, 77713.7715},
    {1628, 1.1739, 5753.3849},
    {1576, 2.8469, 7860.4194},
    {925, 5.453, 11506.770},
    {542, 4.564, 3930.210},
    {472, 3.661, 5884.927},
    {346, 0.964, 5507.553},
    {329, 5.900, 5223.694},
    {307, 0.299, 5573.143},
    {243, 4.273, 11790.629},
    {212, 5.847, 1577.344},
    {186, 5.022, 10977.079},
    {175, 3.012, 18849.228},
    {110, 5.055, 5486.778},
    {98, 0.89, 6069.78},
    {86, 5.69, 15720.84},
    {86, 1.27, 161000.69},
    {65, 0.27, 17260.15},
    {63, 0.92, 529.69},
    {57, 2.01, 83996.85},
    {56, 5.24, 71430.70},
    {49, 3.25, 2544.31},
    {47, 2.58, 775.52},
    {45, 5.54, 9437.76},
    {43, 6.01, 6275.96},
    {39, 5.36, 4694.00},
    {38, 2.39, 8827.39},
    {37, 0.83, 19651.05},
    {37, 4.90, 12139.55},
    {36, 1.67, 12036.46},
    {35, 1.84, 2942.46},
    {33, 0.24, 7084.90},
    {32, 0.18, 5088.63},
    {32, 1.78, 398.15},
    {28, 1.21, 6286.60},
    {28, 1.90, 6279.55},
    {26, 4.59, 10447.39},
}};

constexpr std::array<Term, 10> kR1 = {{
    {103019, 1.107490, 6283.075850},
    {1721, 1.0644, 12566.1517},
    {702, 3.142, 0},
    {32, 1.02, 18849.23},
    {31, 2.84, 5507.55},
    {25, 1.32, 5223.69},
    {18, 1.42, 1577.34},
    {10, 5.91, 10977.08},
    {9, 1.42, 6275.96},
    {9, 0.27, 5486.78},
}};

constexpr std::array<Term, 6> kR2 = {{
    {4359, 5.7846, 6283.0758},
    {124, 5.579, 12566.152},
    {12, 3.14, 0},
    {9, 3.63, 77713.77},
    {6, 1.87, 5573.14},
    {3, 5.47, 18849.23},
}};

constexpr std::array<Term, 2> kR3 = {{{145, 4.273, 6283.076}, {7, 3.92, 12566.15}}};

constexpr std::array<Term, 1> kR4 = {{{4, 2.56, 6283.08}}};

constexpr double kVsopUnit = 1e-8;
constexpr double kDaysPerJulianMillennium = 365250.0;
// Annual aberration of the sun at 1 au (Meeus 25.10), radians.
constexpr double kAberrationAt1Au = 20.4898 * kArcsecond;
// From VSOP87's dynamical frame to FK5 (Meeus 32.3): a turn in longitude and a
// tilt in latitude, radians.
constexpr double kFk5LongitudeShift = -0.09033 * kArcsecond;
constexpr double kFk5LatitudeTilt = 0.03916 * kArcsecond;

// One series Σ A cos(B + C τ) with its first two derivatives in τ.
struct SeriesValue {
    double value = 0.0;
    double rate = 0.0;
    double acceleration = 0.0;
};

SeriesValue sumWithRates(std::span<const Term> terms, double tau) {
    SeriesValue s;
    for (const Term& t : terms) {
        const double angle = t.phase + t.frequency * tau;
        const double c = t.amplitude * std::cos(angle);
        s.value += c;
        s.rate -= t.amplitude * t.frequency * std::sin(angle);
        s.acceleration -= c * t.frequency * t.frequency;
    }
    return s;
}

double sum(std::span<const Term> terms, double tau) {
    double s = 0.0;
    for (const Term& t : terms) {
        s += t.amplitude * std::cos(t.phase + t.frequency * tau);
    }
    return s;
}

// Σ series[k] τᵏ.
template <std::size_t N>
double polynomialOfSeries(const std::array<std::span<const Term>, N>& series, double tau) {
    double total = 0.0;
    for (std::size_t k = N; k-- > 0;) {
        total = total * tau + sum(series[k], tau);
    }
    return total * kVsopUnit;
}

// The sun at T; the longitude's derivatives only when asked for, as they
// double the cost.
template <bool kWithRates>
SunPosition evaluate(double T) {
    const double tau = T / 10.0;
    // L = Σ Lk τᵏ, so L′ = Σ (k Lk τᵏ⁻¹ + Lk′ τᵏ) and
    // L″ = Σ (k (k − 1) Lk τᵏ⁻² + 2 k Lk′ τᵏ⁻¹ + Lk″ τᵏ).
    const std::array<std::span<const Term>, 6> lSeries = {kL0, kL1, kL2, kL3, kL4, kL5};
    double l = 0.0;
    double dl = 0.0;
    double ddl = 0.0;
    if constexpr (kWithRates) {
        double power = 1.0;       // τᵏ
        double powerLess1 = 0.0;  // τᵏ⁻¹ (0 for k = 0)
        double powerLess2 = 0.0;  // τᵏ⁻²
        for (std::size_t k = 0; k < lSeries.size(); ++k) {
            const SeriesValue s = sumWithRates(lSeries[k], tau);
            const double kk = static_cast<double>(k);
            l += s.value * power;
            dl += kk * s.value * powerLess1 + s.rate * power;
            ddl += kk * (kk - 1.0) * s.value * powerLess2 + 2.0 * kk * s.rate * powerLess1 +
                   s.acceleration * power;
            powerLess2 = powerLess1;
            powerLess1 = power;
            power *= tau;
        }
        l *= kVsopUnit;
    } else {
        l = polynomialOfSeries(lSeries, tau);
    }
    const double earthLatitude =
        polynomialOfSeries(std::array<std::span<const Term>, 2>{kB0, kB1}, tau);
    const double distance =
        polynomialOfSeries(std::array<std::span<const Term>, 5>{kR0, kR1, kR2, kR3, kR4}, tau);

    // Seen from the Earth the sun stands opposite.
    const double geometric = l + kPi;
    const double fk5Reference = geometric - kRad * T * (1.397 + 0.00031 * T);
    SunPosition sun;
    sun.longitude =
        std::remainder(geometric + kFk5LongitudeShift - kAberrationAt1Au / distance, kTwoPi);
    sun.latitude =
        -earthLatitude + kFk5LatitudeTilt * (std::cos(fk5Reference) - std::sin(fk5Reference));
    sun.distanceAu = distance;
    sun.longitudeRate = dl * kVsopUnit / kDaysPerJulianMillennium;
    sun.longitudeAcceleration =
        ddl * kVsopUnit / (kDaysPerJulianMillennium * kDaysPerJulianMillennium);
    return sun;
}

}  // namespace

SunPosition sunPosition(double T) {
    return evaluate<true>(T);
}

SunPosition sunPlace(double T) {
    return evaluate<false>(T);
}

SunTrack sunTrack(double d) {
    const double T = julianCenturiesTT(d);
    const SunPosition sun = sunPosition(T);
    SunTrack track;
    track.epoch = d;
    track.equator = equatorOfDate(T);
    track.longitude = sun.longitude + track.equator.nutationInLongitude;
    track.rate = sun.longitudeRate;
    track.halfAcceleration = 0.5 * sun.longitudeAcceleration;
    track.latitude = sun.latitude;
    track.distanceAu = sun.distanceAu;
    track.cosLatitude = std::cos(sun.latitude);
    track.latitudeToY = -std::sin(sun.latitude) * track.equator.sinObliquity;
    track.latitudeToZ = std::sin(sun.latitude) * track.equator.cosObliquity;
    return track;
}

Vec3 sunDirection(const SunTrack& track, double d) {
    const double s = d - track.epoch;
    const double longitude = track.longitude + s * (track.rate + s * track.halfAcceleration);
    // equatorialDirection, with the latitude's sine and cosine held.
    const double x = track.cosLatitude * std::cos(longitude);
    const double y = track.cosLatitude * std::sin(longitude);
    return {x, y * track.equator.cosObliquity + track.latitudeToY,
            y * track.equator.sinObliquity + track.latitudeToZ};
}

SunLongitude sunLongitudeLowPrecision(double T) {
    const double meanLongitude = 280.46646 + T * (36000.76983 + T * 0.0003032);
    const double anomalyRate = 35999.05029 - 2.0 * T * 0.0001537;  // degrees per century
    const double anomaly = kRad * (357.52911 + T * (35999.05029 - T * 0.0001537));
    const double c1 = 1.914602 - T * (0.004817 + T * 0.000014);
    const double c2 = 0.019993 - T * 0.000101;
    const double c3 = 0.000289;
    const double centre =
        c1 * std::sin(anomaly) + c2 * std::sin(2.0 * anomaly) + c3 * std::sin(3.0 * anomaly);
    const double centreRate = kRad * anomalyRate *
                              (c1 * std::cos(anomaly) + 2.0 * c2 * std::cos(2.0 * anomaly) +
                               3.0 * c3 * std::cos(3.0 * anomaly));
    const double rate = 36000.76983 + 2.0 * T * 0.0003032 + centreRate;
    // 0.00569°: the aberration at the mean distance.
    return {std::remainder(kRad * (meanLongitude + centre - 0.00569), kTwoPi),
            kRad * rate / kDaysPerJulianCentury};
}

}  // namespace solvane::sky
