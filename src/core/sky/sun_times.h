// Sun times: the morning and evening moments at which the sun's centre stands
// at a given altitude on one local day.
//
// The day is the solar day whose noon (the sun's upper transit) lies nearest
// local noon of the calendar day of `now`, from the lower transit before it to
// the one after. So every sun time of a snapshot describes the same day,
// whatever the hour of `now` (at 23:00 today's sunset lies in the past and
// tomorrow's is not used), and a summer sunset just after midnight still
// belongs to the evening before. The morning moment is the sun's rise through
// the altitude between the first lower transit and noon, the evening moment its
// descent between noon and the second lower transit; each is found to a
// twentieth of a second from the sun's apparent place (sun_position.h), the
// apparent sidereal time and the observer's latitude, not from a mean hour
// angle.
//
// Altitudes are geometric, of the sun's centre seen from the Earth's centre;
// the sunrise altitude −50′ folds in the standard horizontal refraction (34′)
// and the sun's mean semi-diameter (16′). There is no correction for the
// observer's height. When the sun stays on one side of an altitude for half
// the day, that half's moment is absent: near the polar circles a day can have
// a sunrise and no sunset (the midnight sun begins that evening) or the
// reverse.
//
//   auto utc = *Calendar::make("UTC", "en_US");
//   auto base = solarDayBase(*parseIso8601("2024-03-20T15:00:00Z"), utc);
//   auto day = solarDay(sunTrack(dayNumber(base)), 0, 0);
//   sunTimePair(day, kSunriseAltitude)  // morning 06:04:03Z, evening 18:10:34Z
#pragma once

#include <optional>

#include "core/sky/sky_math.h"
#include "core/sky/sun_position.h"
#include "core/time/calendar.h"
#include "core/time/instant.h"

namespace solvane::sky {

// Altitudes of the sun's centre behind the snapshot's sun times, radians.
// −50′: the upper limb on the horizon, 34′ of refraction and 16′ of
// semi-diameter.
inline constexpr double kSunriseAltitude = -50.0 / 60.0 * kRad;
// +6°: start of the evening golden hour.
inline constexpr double kGoldenAltitude = 6.0 * kRad;
// −4°: start of the blue hour.
inline constexpr double kBlueStartAltitude = -4.0 * kRad;
// −6°: end of the blue hour.
inline constexpr double kBlueEndAltitude = -6.0 * kRad;

// One solar day at a place (see above). Moments are day numbers; all three
// are not a number when the inputs are not finite.
struct SolarDay {
    SunTrack track;
    Observer observer;
    double morningMidnight = 0.0;  // lower transit before noon
    double noon = 0.0;             // upper transit
    double eveningMidnight = 0.0;  // lower transit after noon
    // The sine of the sun's altitude at those three moments.
    double sinAltitudeMorning = 0.0;
    double sinAltitudeNoon = 0.0;
    double sinAltitudeEvening = 0.0;
};

// Local noon (12:00:00) of the calendar day of `now`, or `now` itself when the
// calendar cannot name that moment (a moment outside its range, or not finite).
Instant solarDayBase(Instant now, const Calendar& calendar);

// The solar day whose noon lies nearest the track's epoch, at latitude and
// longitude in degrees.
SolarDay solarDay(const SunTrack& track, double latitude, double longitude);

// The sine of the altitude of the sun's centre at day number `d`.
double sunSinAltitude(const SolarDay& day, double d);

// The sine of the altitude of the sun's centre at day number `d` from the
// place, with a track made within a day of `d`; no transit is searched for.
double sunSinAltitudeAt(const SunTrack& track, double latitude, double longitude, double d);

struct SunTimePair {
    std::optional<Instant> morning;
    std::optional<Instant> evening;
    bool operator==(const SunTimePair&) const = default;
};

// The moments of the day at which the sun's centre passes `altitude`
// (radians): rising in the morning half, descending in the evening half.
SunTimePair sunTimePair(const SolarDay& day, double altitude);

// Whether the sun's centre stays above `altitude` all day (true), below it
// (false), or crosses it (absent; also when the inputs are not finite).
std::optional<bool> staysAbove(const SolarDay& day, double altitude);

}  // namespace solvane::sky
