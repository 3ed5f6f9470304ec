#include "core/sky/sun_times.h"

#include <algorithm>
#include <cmath>

namespace solvane::sky {
namespace {

// The sun's hour angle grows by one turn per solar day, within a few parts in
// ten thousand (the equation of time changes by under 30 s a day).
constexpr double kHourAngleRate = kTwoPi;  // radians per day
// How far past the first guess the bracket is probed, days: two minutes.
constexpr double kProbe = 120.0 / kSecondsPerDay;

// The sun's hour angle at the place, in (−π, π].
double hourAngle(const SolarDay& day, double d) {
    const Vec3 sun = sunDirection(day.track, d);
    const double local = apparentSiderealTime(d, day.track.equator) + day.observer.longitude;
    return std::remainder(local - std::atan2(sun.y, sun.x), kTwoPi);
}

// The moment near `guess` at which the hour angle is `target` (0 or π):
// Newton's steps at the mean rate, each cutting the error a thousandfold.
double transitNear(const SolarDay& day, double guess, double target) {
    double d = guess;
    for (int i = 0; i < 3; ++i) {
        d -= std::remainder(hourAngle(day, d) - target, kTwoPi) / kHourAngleRate;
    }
    return d;
}

// The moment between `from` and `to` (day numbers) at which the sine of the
// sun's altitude, fFrom and fTo above `sinAltitude` at the two ends, passes it.
// The hour angle at which a body at noon's declination would reach the
// altitude (Meeus 15.1) is a first guess within a minute or so, and a probe a
// little beyond it closes the bracket round the root before the search.
std::optional<Instant> crossing(const SolarDay& day, double from, double fFrom, double to,
                                double fTo, double sinAltitude) {
    const auto f = [&](double t) { return sunSinAltitude(day, t) - sinAltitude; };
    const double sinDeclination = sunDirection(day.track, day.noon).z;
    const double cosDeclination = std::sqrt(1.0 - sinDeclination * sinDeclination);
    const double cosHourAngle = (sinAltitude - day.observer.sinLatitude * sinDeclination) /
                                (day.observer.cosLatitude * cosDeclination);
    const double offset = std::acos(cosHourAngle) / kHourAngleRate;
    const double guess = from < day.noon ? day.noon - offset : day.noon + offset;
    if (guess > from && guess < to) {
        const double fGuess = f(guess);
        double probe = 0.0;
        if ((fGuess < 0.0) != (fFrom < 0.0)) {
            to = guess;
            fTo = fGuess;
            probe = std::max(from, guess - kProbe);
        } else {
            from = guess;
            fFrom = fGuess;
            probe = std::min(to, guess + kProbe);
        }
        // The probe lies inside the bracket; keep the part holding the root.
        const double fProbe = f(probe);
        if ((fProbe < 0.0) != (fFrom < 0.0)) {
            to = probe;
            fTo = fProbe;
        } else {
            from = probe;
            fFrom = fProbe;
        }
    }
    const Instant t = fromDayNumber(findRoot(f, from, fFrom, to, fTo, kTimeTolerance));
    return std::isfinite(t.seconds) ? std::optional(t) : std::nullopt;
}

}  // namespace

Instant solarDayBase(Instant now, const Calendar& calendar) {
    if (const auto day = calendar.civilDate(now)) {
        if (const auto noon = calendar.date(day->year, day->month, day->day, 12)) {
            return *noon;
        }
    }
    return now;
}

SolarDay solarDay(const SunTrack& track, double latitude, double longitude) {
    SolarDay day;
    day.track = track;
    day.observer = observerAt(latitude, longitude);
    day.noon = transitNear(day, track.epoch, 0.0);
    day.morningMidnight = transitNear(day, day.noon - 0.5, kPi);
    day.eveningMidnight = transitNear(day, day.noon + 0.5, kPi);
    day.sinAltitudeMorning = sunSinAltitude(day, day.morningMidnight);
    day.sinAltitudeNoon = sunSinAltitude(day, day.noon);
    day.sinAltitudeEvening = sunSinAltitude(day, day.eveningMidnight);
    return day;
}

double sunSinAltitude(const SolarDay& day, double d) {
    const Horizon horizon = horizonAt(day.observer, apparentSiderealTime(d, day.track.equator));
    return dot(horizon.zenith, sunDirection(day.track, d));
}

double sunSinAltitudeAt(const SunTrack& track, double latitude, double longitude, double d) {
    SolarDay day;
    day.track = track;
    day.observer = observerAt(latitude, longitude);
    return sunSinAltitude(day, d);
}

SunTimePair sunTimePair(const SolarDay& day, double altitude) {
    const double sinAltitude = std::sin(altitude);
    const double morning = day.sinAltitudeMorning - sinAltitude;
    const double noon = day.sinAltitudeNoon - sinAltitude;
    const double evening = day.sinAltitudeEvening - sinAltitude;
    // The sun climbs from the first lower transit to noon and sinks after it,
    // so each half holds one crossing when its ends lie on opposite sides, and
    // only a rise counts in the morning and a descent in the evening. (The
    // declination's drift can shift the lowest point by a minute from the
    // transit; that changes the altitude there by well under an arcsecond.)
    SunTimePair pair;
    if (morning < 0.0 && noon >= 0.0) {
        pair.morning = crossing(day, day.morningMidnight, morning, day.noon, noon, sinAltitude);
    }
    if (noon >= 0.0 && evening < 0.0) {
        pair.evening = crossing(day, day.noon, noon, day.eveningMidnight, evening, sinAltitude);
    }
    return pair;
}

std::optional<bool> staysAbove(const SolarDay& day, double altitude) {
    const double s = std::sin(altitude);
    const bool above =
        day.sinAltitudeMorning >= s && day.sinAltitudeNoon >= s && day.sinAltitudeEvening >= s;
    const bool below =
        day.sinAltitudeMorning < s && day.sinAltitudeNoon < s && day.sinAltitudeEvening < s;
    if (above || below) {
        return above;
    }
    return std::nullopt;
}

}  // namespace solvane::sky
