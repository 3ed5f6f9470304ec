#include "sky/erfa_sky.h"

#include <erfa.h>
#include <erfam.h>

#include <algorithm>
#include <cmath>

namespace solvane::erfa_sky {
namespace {

constexpr double kPi = 3.14159265358979323846;
// The moon's nodes every hour, the sun's every twelve.
constexpr double kMoonStepSeconds = 3600.0;
constexpr double kSunStepSeconds = 12 * 3600.0;
constexpr double kUnixJ2000 = 946728000.0;
// The IAU's lunar radius for eclipses and rises, and standard refraction.
constexpr double kMoonRadiusMetres = 0.2725076 * 6378137.0;
constexpr double kRefraction = 34.0 / 60.0 * ERFA_DD2R;

double utDays(Instant t) {
    return (t.unixSeconds() - kUnixJ2000) / ERFA_DAYSEC;
}

Vector rotate(const std::array<Vector, 3>& m, const Vector& v) {
    return {m[0][0] * v[0] + m[0][1] * v[1] + m[0][2] * v[2],
            m[1][0] * v[0] + m[1][1] * v[1] + m[1][2] * v[2],
            m[2][0] * v[0] + m[2][1] * v[1] + m[2][2] * v[2]};
}

double dot(const Vector& a, const Vector& b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

// The sun's apparent direction (unit) and distance (au) in the GCRS.
Vector apparentSun(double ttDays, double* distanceAu = nullptr) {
    double heliocentric[2][3];
    double barycentric[2][3];
    eraEpv00(ERFA_DJ00, ttDays, heliocentric, barycentric);
    double towardsSun[3] = {-heliocentric[0][0], -heliocentric[0][1], -heliocentric[0][2]};
    double distance = 0;
    double direction[3];
    eraPn(towardsSun, &distance, direction);
    double velocity[3];  // in units of the speed of light
    for (int i = 0; i < 3; ++i) {
        velocity[i] = barycentric[1][i] * ERFA_AULT / ERFA_DAYSEC;
    }
    const double speed = eraPm(velocity);
    double apparent[3];
    eraAb(direction, velocity, distance, std::sqrt(1.0 - speed * speed), apparent);
    if (distanceAu != nullptr) {
        *distanceAu = distance;
    }
    return {apparent[0], apparent[1], apparent[2]};
}

// The moon's geocentric position in metres (GCRS) where it was when the light
// seen at `ttDays` left it.
Vector retardedMoon(double ttDays) {
    double pv[2][3];
    eraMoon98(ERFA_DJ00, ttDays, pv);
    const double lightTimeDays = eraPm(pv[0]) * ERFA_AULT / ERFA_DAYSEC;
    eraMoon98(ERFA_DJ00, ttDays - lightTimeDays, pv);
    return {pv[0][0] * ERFA_DAU, pv[0][1] * ERFA_DAU, pv[0][2] * ERFA_DAU};
}

// The ecliptic longitude of a GCRS vector in the mean ecliptic and equinox of date.
double eclipticLongitude(double ttDays, const Vector& v) {
    double m[3][3];
    eraEcm06(ERFA_DJ00, ttDays, m);
    double in[3] = {v[0], v[1], v[2]};
    double out[3];
    eraRxp(m, in, out);
    return std::atan2(out[1], out[0]);
}

}  // namespace

double deltaT(double year) {
    struct Point {
        double year;
        double seconds;
    };
    static constexpr std::array<Point, 19> kMeasured = {{
        {1800, 13.7}, {1850, 7.1},  {1900, -2.7}, {1950, 29.1}, {1955, 31.1},
        {1960, 33.2}, {1965, 35.7}, {1970, 40.2}, {1975, 45.5}, {1980, 50.5},
        {1985, 54.3}, {1990, 56.9}, {1995, 60.8}, {2000, 63.8}, {2005, 64.7},
        {2010, 66.1}, {2015, 67.6}, {2020, 69.4}, {2025, 69.2},
    }};
    const auto parabola = [](double y) {
        const double u = (y - 1820.0) / 100.0;
        return -20.0 + 32.0 * u * u;
    };
    if (year <= kMeasured.front().year) {
        return kMeasured.front().seconds;
    }
    for (std::size_t i = 1; i < kMeasured.size(); ++i) {
        if (year <= kMeasured[i].year) {
            const Point a = kMeasured[i - 1];
            const Point b = kMeasured[i];
            return a.seconds + (b.seconds - a.seconds) * (year - a.year) / (b.year - a.year);
        }
    }
    if (year >= 2150.0) {
        return parabola(year);
    }
    const Point last = kMeasured.back();
    return last.seconds +
           (parabola(2150.0) - last.seconds) * (year - last.year) / (2150.0 - last.year);
}

double terrestrialDays(Instant t) {
    const double ut = utDays(t);
    return ut + deltaT(2000.0 + ut / 365.25) / ERFA_DAYSEC;
}

double apparentSolarLongitude(double ttDays) {
    const Vector apparent = apparentSun(ttDays);
    double toTrueEquator[3][3];
    eraPnm06a(ERFA_DJ00, ttDays, toTrueEquator);
    double in[3] = {apparent[0], apparent[1], apparent[2]};
    double ofDate[3];
    eraRxp(toTrueEquator, in, ofDate);
    double dpsi = 0;
    double deps = 0;
    eraNut06a(ERFA_DJ00, ttDays, &dpsi, &deps);
    const double obliquity = eraObl06(ERFA_DJ00, ttDays) + deps;
    const double y = ofDate[1] * std::cos(obliquity) + ofDate[2] * std::sin(obliquity);
    return std::atan2(y, ofDate[0]);
}

double elongation(Instant t) {
    const double tt = terrestrialDays(t);
    const double gap =
        eclipticLongitude(tt, retardedMoon(tt)) - eclipticLongitude(tt, apparentSun(tt));
    const double wrapped = std::remainder(gap, 2 * kPi);
    return wrapped <= -kPi ? wrapped + 2 * kPi : wrapped;
}

double illuminatedFraction(Instant t) {
    const double tt = terrestrialDays(t);
    double distanceAu = 0;
    const Vector sunDirection = apparentSun(tt, &distanceAu);
    const Vector moon = retardedMoon(tt);
    const double sunMetres = distanceAu * ERFA_DAU;
    // The phase angle: at the moon, between the sun and the Earth.
    const Vector toSun = {sunDirection[0] * sunMetres - moon[0],
                          sunDirection[1] * sunMetres - moon[1],
                          sunDirection[2] * sunMetres - moon[2]};
    const Vector toEarth = {-moon[0], -moon[1], -moon[2]};
    const double cosPhaseAngle =
        dot(toSun, toEarth) / std::sqrt(dot(toSun, toSun) * dot(toEarth, toEarth));
    return (1.0 + cosPhaseAngle) / 2.0;
}

Span::Frame Span::frameAtTT(double ttDays) {
    // IAU 2000B: within a milliarcsecond of 2000A at a twentieth of the cost.
    double m[3][3];
    eraPnm00b(ERFA_DJ00, ttDays, m);
    Frame f;
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            f.toDate[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)] = m[i][j];
        }
    }
    f.equationOfOrigins = eraEors(m, eraS00b(ERFA_DJ00, ttDays));
    return f;
}

Span::Span(Instant from, Instant to, Bodies bodies) {
    const double step = bodies == Bodies::sun ? kSunStepSeconds : kMoonStepSeconds;
    // A node beyond each end, for the cubic.
    first_ = from - step;
    last_ = to + step;
    const int nodes = static_cast<int>(std::ceil((last_ - first_) / step)) + 1;
    for (int i = 0; i < nodes; ++i) {
        const double tt = terrestrialDays(first_ + i * step);
        if (bodies == Bodies::sun) {
            sun_.push_back(apparentSun(tt));
        } else {
            moon_.push_back(retardedMoon(tt));
        }
    }
    last_ = first_ + (nodes - 1) * step;
    firstFrame_ = frameAtTT(terrestrialDays(first_));
    lastFrame_ = frameAtTT(terrestrialDays(last_));
}

Vector Span::interpolate(const std::vector<Vector>& nodes, double stepSeconds, Instant t) const {
    const double x = (t - first_) / stepSeconds;
    const int last = static_cast<int>(nodes.size()) - 3;
    const int i = std::clamp(static_cast<int>(std::floor(x)), 1, last);
    const double u = x - i;
    // Lagrange's cubic through the nodes at u = −1, 0, 1, 2.
    const std::array<double, 4> w = {-u * (u - 1) * (u - 2) / 6, (u + 1) * (u - 1) * (u - 2) / 2,
                                     -(u + 1) * u * (u - 2) / 2, (u + 1) * u * (u - 1) / 6};
    Vector v{0, 0, 0};
    for (int k = 0; k < 4; ++k) {
        const Vector& node = nodes[static_cast<std::size_t>(i - 1 + k)];
        for (std::size_t c = 0; c < 3; ++c) {
            v[c] += w[static_cast<std::size_t>(k)] * node[c];
        }
    }
    return v;
}

Span::Frame Span::frameAt(Instant t) const {
    const double w = (t - first_) / (last_ - first_);
    Frame f;
    for (std::size_t i = 0; i < 3; ++i) {
        for (std::size_t j = 0; j < 3; ++j) {
            f.toDate[i][j] =
                firstFrame_.toDate[i][j] + w * (lastFrame_.toDate[i][j] - firstFrame_.toDate[i][j]);
        }
    }
    f.equationOfOrigins = firstFrame_.equationOfOrigins +
                          w * (lastFrame_.equationOfOrigins - firstFrame_.equationOfOrigins);
    return f;
}

double Span::localSiderealTime(const Place& place, Instant t, const Frame& frame) const {
    return eraEra00(ERFA_DJ00, utDays(t)) - frame.equationOfOrigins + place.longitude * ERFA_DD2R;
}

double Span::sunAltitude(const Place& place, Instant t) const {
    const Frame frame = frameAt(t);
    Vector sun = rotate(frame.toDate, interpolate(sun_, kSunStepSeconds, t));
    const double length = std::sqrt(dot(sun, sun));
    const double lst = localSiderealTime(place, t, frame);
    const double phi = place.latitude * ERFA_DD2R;
    const Vector zenith = {std::cos(phi) * std::cos(lst), std::cos(phi) * std::sin(lst),
                           std::sin(phi)};
    return std::asin(dot(sun, zenith) / length);
}

double Span::sunHourAngle(const Place& place, Instant t) const {
    const Frame frame = frameAt(t);
    const Vector sun = rotate(frame.toDate, interpolate(sun_, kSunStepSeconds, t));
    const double h = localSiderealTime(place, t, frame) - std::atan2(sun[1], sun[0]);
    const double wrapped = std::remainder(h, 2 * kPi);
    return wrapped <= -kPi ? wrapped + 2 * kPi : wrapped;
}

double Span::moonLimbAltitude(const Place& place, Instant t) const {
    const Frame frame = frameAt(t);
    const Vector moon = rotate(frame.toDate, interpolate(moon_, kMoonStepSeconds, t));
    const double lst = localSiderealTime(place, t, frame);
    // The observer in the terrestrial frame, turned by the sidereal time (polar motion left out).
    double xyz[3];
    eraGd2gc(ERFA_WGS84, 0.0, place.latitude * ERFA_DD2R, 0.0, xyz);
    const double c = std::cos(lst);
    const double s = std::sin(lst);
    const Vector observer = {xyz[0] * c, xyz[0] * s, xyz[2]};
    const double phi = place.latitude * ERFA_DD2R;
    const Vector zenith = {std::cos(phi) * c, std::cos(phi) * s, std::sin(phi)};
    const Vector topocentric = {moon[0] - observer[0], moon[1] - observer[1],
                                moon[2] - observer[2]};
    const double distance = std::sqrt(dot(topocentric, topocentric));
    return std::asin(dot(topocentric, zenith) / distance) +
           std::asin(kMoonRadiusMetres / distance) + kRefraction;
}

Scan scan(const std::function<double(Instant)>& f, Instant from, Instant to, double stepSeconds) {
    const int steps = static_cast<int>(std::ceil((to - from) / stepSeconds));
    std::vector<double> value;  // samples k = −1 … steps + 1
    const auto at = [&](int k) { return from + k * stepSeconds; };
    for (int k = -1; k <= steps + 1; ++k) {
        value.push_back(f(at(k)));
    }
    const auto sample = [&](int k) { return value[static_cast<std::size_t>(k + 1)]; };
    const auto bisect = [&](Instant a, double fa, Instant b) {
        while (b - a > 0.01) {
            const Instant m = a + (b - a) / 2;
            const double fm = f(m);
            if ((fm < 0) == (fa < 0)) {
                a = m;
                fa = fm;
            } else {
                b = m;
            }
        }
        return a + (b - a) / 2;
    };
    Scan result;
    for (int k = -1; k <= steps; ++k) {
        if ((sample(k) < 0) != (sample(k + 1) < 0)) {
            result.crossings.push_back({bisect(at(k), sample(k), at(k + 1)), sample(k + 1) >= 0});
        }
    }
    for (int k = 0; k <= steps; ++k) {
        const double before = sample(k - 1);
        const double here = sample(k);
        const double after = sample(k + 1);
        const bool peak = here > before && here >= after;
        const bool dip = here < before && here <= after;
        if (!peak && !dip) {
            continue;
        }
        // Golden-section search of the turn between the neighbours.
        const double sign = peak ? 1.0 : -1.0;
        Instant a = at(k - 1);
        Instant b = at(k + 1);
        const double r = (std::sqrt(5.0) - 1) / 2;
        while (b - a > 1.0) {
            const Instant x1 = b - r * (b - a);
            const Instant x2 = a + r * (b - a);
            if (sign * f(x1) > sign * f(x2)) {
                b = x2;
            } else {
                a = x1;
            }
        }
        const Instant turn = a + (b - a) / 2;
        const double extreme = f(turn);
        result.turns.push_back({turn, extreme});
        // A passage (or gap) too short to show between the samples.
        if ((extreme < 0) != (here < 0) && (before < 0) == (here < 0) &&
            (after < 0) == (here < 0)) {
            result.crossings.push_back({bisect(at(k - 1), before, turn), peak});
            result.crossings.push_back({bisect(turn, extreme, at(k + 1)), !peak});
        }
    }
    std::sort(result.crossings.begin(), result.crossings.end(),
              [](const Crossing& x, const Crossing& y) { return x.at < y.at; });
    std::erase_if(result.crossings,
                  [&](const Crossing& c) { return !(c.at >= from && c.at < to); });
    return result;
}

}  // namespace solvane::erfa_sky
