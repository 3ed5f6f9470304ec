#include "core/sky/moon.h"

#include <algorithm>
#include <cmath>

#include "core/sky/moon_position.h"
#include "core/sky/sun_position.h"

namespace solvane::sky {
namespace {

// --- Phases -------------------------------------------------------------------

// The mean rate of the moon's elongation from the sun, radians per day.
constexpr double kMeanElongationRate = kTwoPi / kMeanLunationDays;
// The low-precision sun is good to 0.01°; within twice that of a target the
// first guess may stand on the wrong side of the start.
constexpr double kLowPrecisionElongation = 0.02 * kRad;

struct Elongation {
    double angle;  // the moon's longitude less the sun's, radians
    double rate;   // radians per day
};

Elongation elongationAt(double d, bool precise) {
    const double T = julianCenturiesTT(d);
    const MoonLongitude moon = moonLongitude(T);
    // The low-precision sun's rate serves both: the full theory's differs by
    // 4 parts in 10⁴ of it, 3 × 10⁻⁵ of the elongation's.
    const SunLongitude sun = sunLongitudeLowPrecision(T);
    const double longitude = precise ? sunPlace(T).longitude : sun.longitude;
    return {moon.longitude - longitude, moon.ratePerDay - sun.ratePerDay};
}

// The moment near `guess` (day number, within 15 hours of it) at which the
// elongation is `target`: two of Newton's steps. The elongation's rate varies
// by a fifth over a lunation, so the first, on the low-precision sun, lands
// within 12 minutes (and within 72 s of the full theory's answer), and the
// second, on the full theory, within a quarter of a second.
double phaseMomentNear(double guess, double target) {
    double d = guess;
    for (int step = 0; step < 2; ++step) {
        const Elongation e = elongationAt(d, step == 1);
        d -= std::remainder(e.angle - target, kTwoPi) / e.rate;
    }
    return d;
}

// --- Rise and set ------------------------------------------------------------

// About one altitude an hour: the moon's altitude peaks and dips about 12 hours
// apart, so between two samples it has at most one turn.
constexpr double kSamplesPerDay = 24.0;
constexpr int kMaxSamples = 64;
// Within this of the horizon a peak or dip between samples is looked at
// closely. Near the horizon a parabola through three samples an hour apart
// misses the true extreme by a few thousandths of a degree.
constexpr double kGrazingMargin = 0.5 * kRad;
// Golden-section steps to find an extreme within two hours to about 5 s.
constexpr int kExtremeSteps = 16;

// The moment between a and b at which `f` is largest (sign +1) or smallest
// (−1), and the value there.
template <typename F>
std::pair<double, double> extreme(F&& f, double a, double b, double sign) {
    const double ratio = (std::sqrt(5.0) - 1.0) / 2.0;
    double x1 = b - ratio * (b - a);
    double x2 = a + ratio * (b - a);
    double f1 = sign * f(x1);
    double f2 = sign * f(x2);
    for (int i = 0; i < kExtremeSteps; ++i) {
        if (f1 > f2) {
            b = x2;
            x2 = x1;
            f2 = f1;
            x1 = b - ratio * (b - a);
            f1 = sign * f(x1);
        } else {
            a = x1;
            x1 = x2;
            f1 = f2;
            x2 = a + ratio * (b - a);
            f2 = sign * f(x2);
        }
    }
    return f1 > f2 ? std::pair{x1, sign * f1} : std::pair{x2, sign * f2};
}

// Illumination from the sun's and moon's places in one frame.
MoonIllumination illumination(double sunLongitude, double sunLatitude, double sunDistanceAu,
                              const MoonPosition& moon) {
    const double gap = moon.longitude - sunLongitude;
    // Meeus 48.2 and 48.3: the elongation ψ and the phase angle i (the angle
    // at the moon between the sun and the Earth).
    const double cosElongation = std::cos(moon.latitude) * std::cos(sunLatitude) * std::cos(gap) +
                                 std::sin(moon.latitude) * std::sin(sunLatitude);
    const double elongation = std::acos(std::clamp(cosElongation, -1.0, 1.0));
    const double sunKm = sunDistanceAu * kAstronomicalUnitKm;
    const double phaseAngle =
        std::atan2(sunKm * std::sin(elongation), moon.distanceKm - sunKm * std::cos(elongation));
    const bool waxing = std::sin(gap) > 0.0;
    const double share = phaseAngle / kTwoPi;
    return {(1.0 + std::cos(phaseAngle)) / 2.0, waxing ? 0.5 - share : 0.5 + share};
}

void add(MoonCrossings& crossings, double d, bool rise) {
    if (crossings.count < kMaxMoonCrossings) {
        crossings.items[static_cast<std::size_t>(crossings.count++)] = {fromDayNumber(d), rise};
    }
}

}  // namespace

MoonIllumination moonIllumination(Instant t) {
    const double T = julianCenturiesTT(dayNumber(t));
    const SunPosition sun = sunPlace(T);
    return illumination(sun.longitude, sun.latitude, sun.distanceAu, moonPosition(T));
}

MoonIllumination moonIllumination(const SunTrack& sun, Instant t) {
    const double d = dayNumber(t);
    const double s = d - sun.epoch;
    // The track's longitude is apparent; the moon's is not yet.
    const double longitude =
        sun.longitude - sun.equator.nutationInLongitude + s * (sun.rate + s * sun.halfAcceleration);
    return illumination(longitude, sun.latitude, sun.distanceAu,
                        moonPosition(julianCenturiesTT(d)));
}

std::optional<Instant> nextPhase(Instant start, double target) {
    const double d0 = dayNumber(start);
    if (!std::isfinite(d0) || !(target >= 0.0 && target < 1.0)) {
        return std::nullopt;
    }
    const double targetAngle = kTwoPi * target;
    // The elongation only ever grows, so the first crossing after the start
    // is the one the angle still to go leads to.
    const Elongation atStart = elongationAt(d0, false);
    const double gap = targetAngle - atStart.angle;
    const double angleToGo = gap - kTwoPi * std::floor(gap / kTwoPi);
    double d = phaseMomentNear(d0 + angleToGo / kMeanElongationRate, targetAngle);
    if (d < d0) {
        // The low-precision sun put a crossing just before the start after it.
        d = phaseMomentNear(d + kMeanLunationDays, targetAngle);
    } else if (angleToGo > kTwoPi - kLowPrecisionElongation) {
        // … or one just after the start before it.
        const double earlier =
            phaseMomentNear(d0 - (kTwoPi - angleToGo) / kMeanElongationRate, targetAngle);
        d = earlier >= d0 ? earlier : d;
    }
    const Instant moment = fromDayNumber(d);
    return std::isfinite(moment.seconds) ? std::optional(moment) : std::nullopt;
}

MoonTrack moonTrack(double from, double to) {
    MoonTrack track;
    track.from = from;
    track.to = to;
    const double middle = 0.5 * (from + to);
    const double half = 0.5 * (to - from);
    track.equator = equatorOfDate(julianCenturiesTT(middle));
    // The series through the moon's positions at the Chebyshev nodes
    // x_j = cos(π (j + ½) / N): c_k = 2/N Σ_j p(x_j) T_k(x_j).
    std::array<Vec3, kMoonTrackNodes> at{};
    std::array<double, kMoonTrackNodes> x{};
    constexpr double n = kMoonTrackNodes;
    for (std::size_t j = 0; j < at.size(); ++j) {
        x[j] = std::cos(kPi * (static_cast<double>(j) + 0.5) / n);
        const MoonPosition moon = moonPosition(julianCenturiesTT(middle + half * x[j]));
        const Vec3 direction = equatorialDirection(
            moon.longitude + track.equator.nutationInLongitude, moon.latitude, track.equator);
        at[j] = (moon.distanceKm / kEarthRadiusKm) * direction;
    }
    for (std::size_t j = 0; j < at.size(); ++j) {
        // T_k(x) by T_{k+1} = 2x T_k − T_{k−1}, from T_0 = 1 and a T_{−1} of
        // x, which makes T_1 = x.
        double tk = 1.0;
        double tkLess1 = x[j];
        for (Vec3& c : track.coefficients) {
            c.x += 2.0 / n * tk * at[j].x;
            c.y += 2.0 / n * tk * at[j].y;
            c.z += 2.0 / n * tk * at[j].z;
            const double next = 2.0 * x[j] * tk - tkLess1;
            tkLess1 = tk;
            tk = next;
        }
    }
    return track;
}

Vec3 moonVector(const MoonTrack& track, double d) {
    // Clenshaw's recurrence for Σ c_k T_k(x) − c_0 / 2.
    const double x = (2.0 * d - track.from - track.to) / (track.to - track.from);
    Vec3 b1;
    Vec3 b2;
    for (std::size_t k = track.coefficients.size(); k-- > 1;) {
        const Vec3& c = track.coefficients[k];
        const Vec3 b0{2.0 * x * b1.x - b2.x + c.x, 2.0 * x * b1.y - b2.y + c.y,
                      2.0 * x * b1.z - b2.z + c.z};
        b2 = b1;
        b1 = b0;
    }
    const Vec3& c0 = track.coefficients[0];
    return {x * b1.x - b2.x + 0.5 * c0.x, x * b1.y - b2.y + 0.5 * c0.y,
            x * b1.z - b2.z + 0.5 * c0.z};
}

double moonLimbAltitude(const MoonTrack& track, const Observer& observer, double d) {
    const Horizon horizon = horizonAt(observer, apparentSiderealTime(d, track.equator));
    const Vec3 fromObserver = moonVector(track, d) - horizon.position;
    const double distance = norm(fromObserver);
    const double centre = std::asin(dot(horizon.zenith, fromObserver) / distance);
    return centre + std::asin(kMoonRadiusInEarthRadii / distance) + kHorizonRefraction;
}

MoonCrossings moonCrossings(const MoonTrack& track, const Observer& observer, Instant from,
                            Instant to) {
    MoonCrossings crossings;
    const double start = dayNumber(from);
    const double end = dayNumber(to);
    const double span = end - start;
    if (!(span > 0.0 && span < kMaxSamples / kSamplesPerDay)) {
        return crossings;
    }
    const auto altitude = [&](double d) { return moonLimbAltitude(track, observer, d); };
    const int steps = std::max(1, static_cast<int>(std::ceil(span * kSamplesPerDay)));
    const double step = span / steps;
    // Samples k = −1 … steps + 1; the ones beyond the ends show whether the
    // altitude turns at the first or last sample.
    std::array<double, kMaxSamples + 3> sample{};
    const auto when = [&](int k) { return start + k * step; };
    const auto f = [&](int k) { return sample[static_cast<std::size_t>(k + 1)]; };
    for (int k = -1; k <= steps + 1; ++k) {
        sample[static_cast<std::size_t>(k + 1)] = altitude(when(k));
    }
    for (int k = 0; k < steps; ++k) {
        if ((f(k) < 0.0) != (f(k + 1) < 0.0)) {
            add(crossings, findRoot(altitude, when(k), f(k), when(k + 1), f(k + 1), kTimeTolerance),
                f(k + 1) >= 0.0);
        }
    }
    // A peak below the horizon that may poke above it between samples (or a
    // dip above it that may reach below).
    for (int k = 0; k <= steps; ++k) {
        const double before = f(k - 1);
        const double here = f(k);
        const double after = f(k + 1);
        const bool peak =
            here > before && here >= after && here < 0.0 && before < 0.0 && after < 0.0;
        const bool dip =
            here < before && here <= after && here >= 0.0 && before >= 0.0 && after >= 0.0;
        // The parabola's vertex: how far the samples say the extreme goes.
        const double curvature = before - 2.0 * here + after;
        const double vertex = here - (after - before) * (after - before) / (8.0 * curvature);
        if (!(peak && vertex > -kGrazingMargin) && !(dip && vertex < kGrazingMargin)) {
            continue;
        }
        const auto [at, value] = extreme(altitude, when(k - 1), when(k + 1), peak ? 1.0 : -1.0);
        if (peak ? value >= 0.0 : value < 0.0) {
            add(crossings, findRoot(altitude, when(k - 1), before, at, value, kTimeTolerance),
                peak);
            add(crossings, findRoot(altitude, at, value, when(k + 1), after, kTimeTolerance),
                !peak);
        }
    }
    MoonCrossing* first = crossings.items.data();
    MoonCrossing* last = first + crossings.count;
    std::sort(first, last,
              [](const MoonCrossing& a, const MoonCrossing& b) { return a.at < b.at; });
    // Keep the crossings inside [from, to): the refined peaks may reach past.
    const MoonCrossing* kept = std::remove_if(
        first, last, [&](const MoonCrossing& c) { return !(c.at >= from && c.at < to); });
    crossings.count = static_cast<int>(kept - first);
    return crossings;
}

MoonTimes shownMoonTimes(const MoonCrossings& crossings) {
    const MoonCrossing* first = crossings.items.data();
    const MoonCrossing* last = first + crossings.count;
    const MoonCrossing* rise =
        std::find_if(first, last, [](const MoonCrossing& c) { return c.rise; });
    // After the rise, the set that ends its passage; without one, the first.
    const MoonCrossing* set = std::find_if(rise == last ? first : rise, last,
                                           [](const MoonCrossing& c) { return !c.rise; });
    MoonTimes shown;
    if (rise != last) {
        shown.rise = rise->at;
    }
    if (set != last) {
        shown.set = set->at;
    }
    return shown;
}

}  // namespace solvane::sky
