#include "core/sky/moon_position.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "core/sky/sky_math.h"

namespace solvane::sky {
namespace {

// A term of the longitude and distance series: the multiples of D, M, M′ and
// F in its argument, its amplitude in longitude (sine, 10⁻⁶ degree) and in
// distance (cosine, metres).
struct LongitudeTerm {
    std::int8_t d, m, mp, f;
    std::int32_t longitude;
    std::int32_t distance;
};

// Meeus, table 47.A.
constexpr std::array<LongitudeTerm, 60> kLongitudeTerms = {{
    {0, 0, 1, 0, 6288774, -20905355},
    {2, 0, -1, 0, 1274027, -3699111},
    {2, 0, 0, 0, 658314, -2955968},
    {0, 0, 2, 0, 213618, -569925},
    {0, 1, 0, 0, -185116, 48888},
    {0, 0, 0, 2, -114332, -3149},
    {2, 0, -2, 0, 58793, 246158},
    {2, -1, -1, 0, 57066, -152138},
    {2, 0, 1, 0, 53322, -170733},
    {2, -1, 0, 0, 45758, -204586},
    {0, 1, -1, 0, -40923, -129620},
    {1, 0, 0, 0, -34720, 108743},
    {0, 1, 1, 0, -30383, 104755},
    {2, 0, 0, -2, 15327, 10321},
    {0, 0, 1, 2, -12528, 0},
    {0, 0, 1, -2, 10980, 79661},
    {4, 0, -1, 0, 10675, -34782},
    {0, 0, 3, 0, 10034, -23210},
    {4, 0, -2, 0, 8548, -21636},
    {2, 1, -1, 0, -7888, 24208},
    {2, 1, 0, 0, -6766, 30824},
    {1, 0, -1, 0, -5163, -8379},
    {1, 1, 0, 0, 4987, -16675},
    {2, -1, 1, 0, 4036, -12831},
    {2, 0, 2, 0, 3994, -10445},
    {4, 0, 0, 0, 3861, -11650},
    {2, 0, -3, 0, 3665, 14403},
    {0, 1, -2, 0, -2689, -7003},
    {2, 0, -1, 2, -2602, 0},
    {2, -1, -2, 0, 2390, 10056},
    {1, 0, 1, 0, -2348, 6322},
    {2, -2, 0, 0, 2236, -9884},
    {0, 1, 2, 0, -2120, 5751},
    {0, 2, 0, 0, -2069, 0},
    {2, -2, -1, 0, 2048, -4950},
    {2, 0, 1, -2, -1773, 4130},
    {2, 0, 0, 2, -1595, 0},
    {4, -1, -1, 0, 1215, -3958},
    {0, 0, 2, 2, -1110, 0},
    {3, 0, -1, 0, -892, 3258},
    {2, 1, 1, 0, -810, 2616},
    {4, -1, -2, 0, 759, -1897},
    {0, 2, -1, 0, -713, -2117},
    {2, 2, -1, 0, -700, 2354},
    {2, 1, -2, 0, 691, 0},
    {2, -1, 0, -2, 596, 0},
    {4, 0, 1, 0, 549, -1423},
    {0, 0, 4, 0, 537, -1117},
    {4, -1, 0, 0, 520, -1571},
    {1, 0, -2, 0, -487, -1739},
    {2, 1, 0, -2, -399, 0},
    {0, 0, 2, -2, -381, -4421},
    {1, 1, 1, 0, 351, 0},
    {3, 0, -2, 0, -340, 0},
    {4, 0, -3, 0, 330, 0},
    {2, -1, 2, 0, 327, 0},
    {0, 2, 1, 0, -323, 1165},
    {1, 1, -1, 0, 299, 0},
    {2, 0, 3, 0, 294, 0},
    {2, 0, -1, -2, 0, 8752},
}};

// A term of the latitude series: multiples as above, amplitude in 10⁻⁶ degree.
struct LatitudeTerm {
    std::int8_t d, m, mp, f;
    std::int32_t latitude;
};

// Meeus, table 47.B.
constexpr std::array<LatitudeTerm, 60> kLatitudeTerms = {{
    {0, 0, 0, 1, 5128122}, {0, 0, 1, 1, 280602},  {0, 0, 1, -1, 277693}, {2, 0, 0, -1, 173237},
    {2, 0, -1, 1, 55413},  {2, 0, -1, -1, 46271}, {2, 0, 0, 1, 32573},   {0, 0, 2, 1, 17198},
    {2, 0, 1, -1, 9266},   {0, 0, 2, -1, 8822},   {2, -1, 0, -1, 8216},  {2, 0, -2, -1, 4324},
    {2, 0, 1, 1, 4200},    {2, 1, 0, -1, -3359},  {2, -1, -1, 1, 2463},  {2, -1, 0, 1, 2211},
    {2, -1, -1, -1, 2065}, {0, 1, -1, -1, -1870}, {4, 0, -1, -1, 1828},  {0, 1, 0, 1, -1794},
    {0, 0, 0, 3, -1749},   {0, 1, -1, 1, -1565},  {1, 0, 0, 1, -1491},   {0, 1, 1, 1, -1475},
    {0, 1, 1, -1, -1410},  {0, 1, 0, -1, -1344},  {1, 0, 0, -1, -1335},  {0, 0, 3, 1, 1107},
    {4, 0, 0, -1, 1021},   {4, 0, -1, 1, 833},    {0, 0, 1, -3, 777},    {4, 0, -2, 1, 671},
    {2, 0, 0, -3, 607},    {2, 0, 2, -1, 596},    {2, -1, 1, -1, 491},   {2, 0, -2, 1, -451},
    {0, 0, 3, -1, 439},    {2, 0, 2, 1, 422},     {2, 0, -3, -1, 421},   {2, 1, -1, 1, -366},
    {2, 1, 0, 1, -351},    {4, 0, 0, 1, 331},     {2, -1, 1, 1, 315},    {2, -2, 0, -1, 302},
    {0, 0, 1, 3, -283},    {2, 1, 1, -1, -229},   {1, 1, 0, -1, 223},    {1, 1, 0, 1, 223},
    {0, 1, -2, -1, -220},  {2, 1, -1, -1, -220},  {1, 0, 1, 1, -185},    {2, -1, -2, -1, 181},
    {0, 1, 2, 1, -177},    {4, 0, -2, -1, 176},   {4, -1, -1, -1, 166},  {1, 0, 1, -1, -164},
    {4, 0, 1, -1, 132},    {1, 0, -1, -1, -119},  {4, -1, 0, -1, 115},   {2, -2, 0, 1, 107},
}};

// Mean distance of the moon, km (Meeus 47.A's constant term).
constexpr double kMeanDistanceKm = 385000.56;

// cos and sin of an angle; products add angles.
struct Rotor {
    double c = 1.0;
    double s = 0.0;
};

Rotor operator*(Rotor a, Rotor b) {
    return {a.c * b.c - a.s * b.s, a.s * b.c + a.c * b.s};
}

// The rotors of k × angle for k = −4 … 4: the largest multiple in the tables.
class Multiples {
  public:
    explicit Multiples(double angle) {
        const Rotor one{std::cos(angle), std::sin(angle)};
        for (int k = 1; k <= 4; ++k) {
            const Rotor r = k == 1 ? one : (*this)[k - 1] * one;
            at(k) = r;
            at(-k) = {r.c, -r.s};
        }
    }
    Rotor operator[](int k) const { return rotors_[static_cast<std::size_t>(k + 4)]; }

  private:
    Rotor& at(int k) { return rotors_[static_cast<std::size_t>(k + 4)]; }
    std::array<Rotor, 9> rotors_{};
};

// The four fundamental arguments (Meeus 47.2–47.5) and the mean longitude
// (47.1), degrees, with their rates in degrees per Julian century.
struct Arguments {
    double meanLongitude, elongation, sunAnomaly, moonAnomaly, latitudeArgument;
    double meanLongitudeRate, elongationRate, sunAnomalyRate, moonAnomalyRate, latitudeArgumentRate;
    // The sun's orbital eccentricity relative to J2000, scaling the terms in M.
    double eccentricityFactor;
};

Arguments argumentsAt(double T) {
    const double T2 = T * T;
    const double T3 = T2 * T;
    const double T4 = T3 * T;
    Arguments a{};
    a.meanLongitude =
        218.3164477 + 481267.88123421 * T - 0.0015786 * T2 + T3 / 538841.0 - T4 / 65194000.0;
    a.elongation =
        297.8501921 + 445267.1114034 * T - 0.0018819 * T2 + T3 / 545868.0 - T4 / 113065000.0;
    a.sunAnomaly = 357.5291092 + 35999.0502909 * T - 0.0001536 * T2 + T3 / 24490000.0;
    a.moonAnomaly =
        134.9633964 + 477198.8675055 * T + 0.0087414 * T2 + T3 / 69699.0 - T4 / 14712000.0;
    a.latitudeArgument =
        93.2720950 + 483202.0175233 * T - 0.0036539 * T2 - T3 / 3526000.0 + T4 / 863310000.0;
    a.meanLongitudeRate =
        481267.88123421 - 2 * 0.0015786 * T + 3 * T2 / 538841.0 - 4 * T3 / 65194000.0;
    a.elongationRate =
        445267.1114034 - 2 * 0.0018819 * T + 3 * T2 / 545868.0 - 4 * T3 / 113065000.0;
    a.sunAnomalyRate = 35999.0502909 - 2 * 0.0001536 * T + 3 * T2 / 24490000.0;
    a.moonAnomalyRate = 477198.8675055 + 2 * 0.0087414 * T + 3 * T2 / 69699.0 - 4 * T3 / 14712000.0;
    a.latitudeArgumentRate =
        483202.0175233 - 2 * 0.0036539 * T - 3 * T2 / 3526000.0 + 4 * T3 / 863310000.0;
    a.eccentricityFactor = 1.0 - T * (0.002516 + T * 0.0000074);
    return a;
}

// The rotors of the four arguments' multiples and the eccentricity factors
// for |multiple of M| = 0, 1, 2.
struct TermBasis {
    Multiples d, m, mp, f;
    std::array<double, 3> eccentricity;

    explicit TermBasis(const Arguments& a)
        : d(kRad * a.elongation),
          m(kRad * a.sunAnomaly),
          mp(kRad * a.moonAnomaly),
          f(kRad * a.latitudeArgument),
          eccentricity{1.0, a.eccentricityFactor, a.eccentricityFactor * a.eccentricityFactor} {}

    template <typename Term>
    Rotor rotor(const Term& t) const {
        return d[t.d] * m[t.m] * mp[t.mp] * f[t.f];
    }
    template <typename Term>
    double scale(const Term& t) const {
        return eccentricity[static_cast<std::size_t>(std::abs(t.m))];
    }
};

// The additive terms of longitude (Meeus ch. 47): Venus (A1), the flattening
// of the Earth (L′ − F) and Jupiter (A2), 10⁻⁶ degree.
double additiveLongitude(double T, const Arguments& a) {
    const double a1 = kRad * (119.75 + 131.849 * T);
    const double a2 = kRad * (53.09 + 479264.290 * T);
    return 3958.0 * std::sin(a1) +
           1962.0 * std::sin(kRad * (a.meanLongitude - a.latitudeArgument)) + 318.0 * std::sin(a2);
}

}  // namespace

MoonPosition moonPosition(double T) {
    const Arguments a = argumentsAt(T);
    const TermBasis basis(a);
    double sumL = additiveLongitude(T, a);
    double sumR = 0.0;
    for (const LongitudeTerm& t : kLongitudeTerms) {
        const Rotor r = basis.rotor(t);
        const double e = basis.scale(t);
        sumL += e * t.longitude * r.s;
        sumR += e * t.distance * r.c;
    }
    const double a1 = kRad * (119.75 + 131.849 * T);
    const double a3 = kRad * (313.45 + 481266.484 * T);
    const double lp = kRad * a.meanLongitude;
    const double mp = kRad * a.moonAnomaly;
    const double f = kRad * a.latitudeArgument;
    double sumB = -2235.0 * std::sin(lp) + 382.0 * std::sin(a3) + 175.0 * std::sin(a1 - f) +
                  175.0 * std::sin(a1 + f) + 127.0 * std::sin(lp - mp) - 115.0 * std::sin(lp + mp);
    for (const LatitudeTerm& t : kLatitudeTerms) {
        sumB += basis.scale(t) * t.latitude * basis.rotor(t).s;
    }
    MoonPosition moon;
    moon.longitude = std::remainder(kRad * (a.meanLongitude + sumL * 1e-6), kTwoPi);
    moon.latitude = kRad * sumB * 1e-6;
    moon.distanceKm = kMeanDistanceKm + sumR * 1e-3;
    return moon;
}

MoonLongitude moonLongitude(double T) {
    const Arguments a = argumentsAt(T);
    const TermBasis basis(a);
    double sumL = additiveLongitude(T, a);
    // The rate of Σ A sin(argument) is Σ A cos(argument) × the argument's
    // rate, gathered per fundamental argument. The additive terms move slowly
    // or are small; their rates are left out.
    double byElongation = 0.0;
    double bySunAnomaly = 0.0;
    double byMoonAnomaly = 0.0;
    double byLatitudeArgument = 0.0;
    for (const LongitudeTerm& t : kLongitudeTerms) {
        const Rotor r = basis.rotor(t);
        const double amplitude = basis.scale(t) * t.longitude;
        sumL += amplitude * r.s;
        const double slope = amplitude * r.c;
        byElongation += slope * t.d;
        bySunAnomaly += slope * t.m;
        byMoonAnomaly += slope * t.mp;
        byLatitudeArgument += slope * t.f;
    }
    const double periodicRate = byElongation * a.elongationRate + bySunAnomaly * a.sunAnomalyRate +
                                byMoonAnomaly * a.moonAnomalyRate +
                                byLatitudeArgument * a.latitudeArgumentRate;
    MoonLongitude moon;
    moon.longitude = std::remainder(kRad * (a.meanLongitude + sumL * 1e-6), kTwoPi);
    moon.ratePerDay =
        kRad * (a.meanLongitudeRate + kRad * periodicRate * 1e-6) / kDaysPerJulianCentury;
    return moon;
}

}  // namespace solvane::sky
