#include "core/sky/moon.h"

#include <algorithm>
#include <cmath>

#include "core/sky/sky_math.h"

namespace solvane::sky {
namespace {

constexpr double kSecondsPerHour = 3600.0;
constexpr double kMeanLunationHours = kMeanLunationDays * 24.0;
// rad × 0.133: altitude of the moon's centre at rise and set, its parallax
// less its semi-diameter (refraction is already in the altitude).
constexpr double kMoonRiseAltitudeOffset = 0.0023212879051524586;
constexpr double kSunDistanceKm = 149598000.0;

// How far before the predicted crossing the fast phase search starts scanning.
// The prediction uses ecliptic longitudes while the crossing is decided by
// right ascensions, which the moon's latitude can pull apart by about five
// hours; the rest is slack.
constexpr double kScanLeadHours = 8.0;
// Hours the fast search scans before giving up on its prediction.
constexpr int kScanWindowHours = 24;
// The skipped hours must have advanced the phase by what the mean lunation
// predicts, give or take this. A crossing hidden in them would add a whole
// lunation; the true phase strays from the mean one by a few hundredths.
constexpr double kAdvanceTolerance = 0.1;

// Meeus 16.4, in radians: refraction for an apparent altitude `h`; below the
// horizon that of the horizon itself.
double refraction(double h) {
    const double clamped = h > 0.0 ? h : 0.0;
    return 0.0002967 / std::tan(clamped + 0.00312536 / (clamped + 0.08901179));
}

MoonIllumination illuminationAt(double d) {
    const SunCoordinates sun = sunCoordinates(d);
    const MoonCoordinates moon = moonCoordinates(d);
    const double raGap = sun.rightAscension - moon.rightAscension;
    const double elongation =
        std::acos(std::sin(sun.declination) * std::sin(moon.declination) +
                  std::cos(sun.declination) * std::cos(moon.declination) * std::cos(raGap));
    const double phaseAngle = std::atan2(kSunDistanceKm * std::sin(elongation),
                                         moon.distanceKm - kSunDistanceKm * std::cos(elongation));
    const double positionAngle =
        std::atan2(std::cos(sun.declination) * std::sin(raGap),
                   std::sin(sun.declination) * std::cos(moon.declination) -
                       std::cos(sun.declination) * std::sin(moon.declination) * std::cos(raGap));
    const double side = positionAngle < 0.0 ? -1.0 : 1.0;
    return {(1.0 + std::cos(phaseAngle)) / 2.0, 0.5 + 0.5 * phaseAngle * side / kPi};
}

double phaseAt(Instant t) {
    return illuminationAt(dayNumber(t)).phase;
}

bool passedTarget(double prev, double cur, double target) {
    if (target == kNewMoonPhase) {
        return prev > 0.9 && cur < 0.1;
    }
    return prev < target && cur >= target;
}

Instant searchHour(Instant start, int k) {
    return start + static_cast<double>(k) * kSecondsPerHour;
}

// The hourly scan over k = first … last, with `prev` the phase at hour
// first − 1.
std::optional<Instant> scanHours(Instant start, double target, int first, int last, double prev) {
    for (int k = first; k <= last; ++k) {
        const Instant t = searchHour(start, k);
        const double cur = phaseAt(t);
        if (passedTarget(prev, cur, target)) {
            return t;
        }
        prev = cur;
    }
    return std::nullopt;
}

// How much phase is left from `phase` until `target` is next reached, 0…1.
double phaseToGo(double phase, double target) {
    const double gap = target - phase;
    return gap - std::floor(gap);
}

// The moon's ecliptic longitude minus the sun's (radians) and its rate per
// day, from the same series as the positions but without the rotation to the
// equator: enough to place a phase crossing within hours, at a fraction of
// the cost of the illumination.
struct LongitudeGap {
    double angle;
    double ratePerDay;
};

LongitudeGap longitudeGap(double d) {
    const double moonAnomaly = kRad * (134.963 + 13.064993 * d);
    const double moonLongitude =
        kRad * (218.316 + 13.176396 * d) + 0.10976375665792339 * std::sin(moonAnomaly);
    const double sunAnomaly = kRad * (357.5291 + 0.98560028 * d);
    const double sunLongitude =
        sunAnomaly + kRad * (1.9148 * std::sin(sunAnomaly) + 0.02 * std::sin(2.0 * sunAnomaly)) +
        kPerihelion + kPi;
    const double rate = kRad * (13.176396 - 0.98560028) +
                        0.10976375665792339 * std::cos(moonAnomaly) * kRad * 13.064993 -
                        kRad * 1.9148 * std::cos(sunAnomaly) * kRad * 0.98560028;
    return {moonLongitude - sunLongitude, rate};
}

// Hours from the moment of day number `d0` to the next crossing of `target`
// by the longitude gap, starting from the mean-lunation guess `guessHours`.
// Newton's method: the gap grows by 10.7° to 13.7° a day, so three steps from
// a guess within two days land within seconds.
double predictedCrossingHours(double d0, double guessHours, double target) {
    double hours = guessHours;
    for (int step = 0; step < 3; ++step) {
        const LongitudeGap gap = longitudeGap(d0 + hours / 24.0);
        const double miss = std::remainder(gap.angle - kTwoPi * target, kTwoPi);
        hours -= miss / gap.ratePerDay * 24.0;
    }
    return hours;
}

}  // namespace

MoonCoordinates moonCoordinates(double d) {
    const double meanLongitude = kRad * (218.316 + 13.176396 * d);
    const double meanAnomaly = kRad * (134.963 + 13.064993 * d);
    const double argumentOfLatitude = kRad * (93.272 + 13.22935 * d);
    const double l = meanLongitude + 0.10976375665792339 * std::sin(meanAnomaly);
    const double b = 0.08950048404226922 * std::sin(argumentOfLatitude);
    const double distance = 385001.0 - 20905.0 * std::cos(meanAnomaly);
    return {rightAscension(l, b), declination(l, b), distance};
}

double moonAltitude(Instant t, double latitude, double longitude) {
    const double d = dayNumber(t);
    const MoonCoordinates moon = moonCoordinates(d);
    const double phi = kRad * latitude;
    const double hourAngle =
        kRad * (280.16 + 360.9856235 * d) + kRad * longitude - moon.rightAscension;
    const double h = std::asin(std::sin(phi) * std::sin(moon.declination) +
                               std::cos(phi) * std::cos(moon.declination) * std::cos(hourAngle));
    return h + refraction(h);
}

MoonIllumination moonIllumination(Instant t) {
    return illuminationAt(dayNumber(t));
}

MoonTimes moonTimes(Instant dayStart, double latitude, double longitude) {
    const auto altitude = [&](int hour) {
        return moonAltitude(searchHour(dayStart, hour), latitude, longitude) -
               kMoonRiseAltitudeOffset;
    };
    std::optional<double> riseHours;
    std::optional<double> setHours;
    double h0 = altitude(0);
    // Twelve two-hour windows, each fitted with the parabola through its
    // three altitudes at x = −1, 0, 1.
    for (int i = 1; i <= 24; i += 2) {
        const double h1 = altitude(i);
        const double h2 = altitude(i + 1);
        const double a = (h0 + h2) / 2.0 - h1;
        const double b = (h2 - h0) / 2.0;
        const double xe = -b / (2.0 * a);
        const double ye = (a * xe + b) * xe + h1;
        const double discriminant = b * b - 4.0 * a * h1;
        int roots = 0;
        double x1 = 0.0;
        double x2 = 0.0;
        if (discriminant >= 0.0) {
            const double dx = std::sqrt(discriminant) / (2.0 * std::fabs(a));
            x1 = xe - dx;
            x2 = xe + dx;
            roots += std::fabs(x1) <= 1.0 ? 1 : 0;
            roots += std::fabs(x2) <= 1.0 ? 1 : 0;
            if (x1 < -1.0) {
                x1 = x2;
            }
        }
        if (roots == 1) {
            if (h0 < 0.0) {
                riseHours = i + x1;
            } else {
                setHours = i + x1;
            }
        } else if (roots == 2) {
            riseHours = i + (ye < 0.0 ? x2 : x1);
            setHours = i + (ye < 0.0 ? x1 : x2);
        }
        if (riseHours && setHours) {
            break;
        }
        h0 = h2;
    }
    MoonTimes times;
    if (riseHours) {
        times.rise = dayStart + *riseHours * kSecondsPerHour;
    }
    if (setHours) {
        times.set = dayStart + *setHours * kSecondsPerHour;
    }
    return times;
}

MoonTimes shownMoonTimes(const MoonTimes& today, const MoonTimes& tomorrow) {
    MoonTimes shown;
    shown.rise = today.rise ? today.rise : tomorrow.rise;
    if (!shown.rise) {
        shown.set = today.set ? today.set : tomorrow.set;
        return shown;
    }
    for (const auto& set : {today.set, tomorrow.set}) {
        if (set && *set > *shown.rise) {
            shown.set = set;
            break;
        }
    }
    return shown;
}

std::optional<Instant> nextPhaseReference(Instant start, double target) {
    if (!std::isfinite(start.seconds)) {
        return std::nullopt;
    }
    return scanHours(start, target, 1, kPhaseSearchHours, phaseAt(start));
}

std::optional<Instant> nextPhase(Instant start, double target) {
    // Only the full and new moon are accelerated. For those two the phase
    // tells exactly which side of the crossing an hour lies on: below 0.5
    // (above 0.9) exactly while the position angle is negative (positive), and
    // the condition can only hold where that sign flips, when the right
    // ascensions of sun and moon oppose (meet), once per lunation. Near other
    // targets the phase can wobble back and forth across them, and only a
    // full scan finds the first passage.
    if (!std::isfinite(start.seconds) || (target != kFullMoonPhase && target != kNewMoonPhase)) {
        return nextPhaseReference(start, target);
    }
    const double startPhase = phaseAt(start);
    const double toGo = phaseToGo(startPhase, target);
    const double predicted =
        predictedCrossingHours(dayNumber(start), toGo * kMeanLunationHours, target);
    const double jumpHours = std::floor(predicted - kScanLeadHours);
    // Also false for a prediction that is not a number.
    if (!(jumpHours >= 1.0 && jumpHours < kPhaseSearchHours)) {
        return scanHours(start, target, 1, kPhaseSearchHours, startPhase);
    }
    const int jump = static_cast<int>(jumpHours);
    const double jumpPhase = phaseAt(searchHour(start, jump));
    // The scan may start at the jump only if the jump lies before the
    // crossing (the phase there is on the side the crossing condition needs
    // for `prev`) and no crossing hides in the skipped hours: the phase must
    // have advanced by about what the mean lunation gives for them, not by a
    // lunation more.
    const bool beforeCrossing =
        target == kNewMoonPhase ? jumpPhase > 0.9 : jumpPhase < kFullMoonPhase;
    const double advance = toGo - phaseToGo(jumpPhase, target);
    const double expectedAdvance = jump / kMeanLunationHours;
    if (beforeCrossing && std::fabs(advance - expectedAdvance) <= kAdvanceTolerance) {
        const int last = std::min(kPhaseSearchHours, jump + kScanWindowHours);
        if (const auto found = scanHours(start, target, jump + 1, last, jumpPhase)) {
            return found;
        }
    }
    return scanHours(start, target, 1, kPhaseSearchHours, startPhase);
}

}  // namespace solvane::sky
