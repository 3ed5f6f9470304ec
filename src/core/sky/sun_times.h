// Sun times: the morning and evening moments at which the sun's centre stands
// at a given altitude on one local day.
//
// The day is fixed by a base moment, local noon of the calendar day of `now`,
// so every sun time of a snapshot describes the same local day, whatever the
// hour of `now`: at 23:00 today's sunset lies in the past and tomorrow's is not
// used. From the base comes the number of the nearest mean solar transit at the
// place, the sun's position at that transit, the hour angle at which it reaches
// the altitude, and the two moments symmetric about solar noon. There is no
// correction for the observer's height.
//
// The altitude is passed as its sine, as the formulas use it; the four
// altitudes the board shows are listed below. When the sun stays above or
// below the altitude all day (polar day or night, or a summer night that never
// gets dark enough) both moments are absent.
//
//   auto utc = Calendar::make("UTC", "en_US");
//   sunTimePair(*parseIso8601("2024-03-20T15:00:00Z"), 0, 0, *utc, kSinSunriseAltitude)
//       // morning 06:05:21Z, evening 18:12:01Z
#pragma once

#include <optional>

#include "core/time/calendar.h"
#include "core/time/instant.h"

namespace solvane::sky {

// Sines of the altitudes of the sun's centre behind the snapshot's sun times.
// −0.833°: the upper limb on the horizon, refraction included.
inline constexpr double kSinSunriseAltitude = -0.01453808050249695;
// +6°: start of the evening golden hour.
inline constexpr double kSinGoldenAltitude = 0.10452846326765347;
// −4°: start of the blue hour.
inline constexpr double kSinBlueStartAltitude = -0.0697564737441253;
// −6°: end of the blue hour.
inline constexpr double kSinBlueEndAltitude = -0.10452846326765347;

struct SunTimePair {
    std::optional<Instant> morning;
    std::optional<Instant> evening;
    bool operator==(const SunTimePair&) const = default;
};

// Local noon (12:00:00) of the calendar day of `now`, or `now` itself when the
// calendar cannot name that moment (a moment outside its range, or not finite).
Instant solarDayBase(Instant now, const Calendar& calendar);

// The morning and evening moments of the day of `base` at which the sun's
// centre has altitude asin(`sinAltitude`), at latitude and longitude in degrees.
// Either is absent when the sun does not reach that altitude, or when the
// inputs are not finite.
SunTimePair sunTimePairFromBase(Instant base, double latitude, double longitude,
                                double sinAltitude);

// On a day of `base` when the sun's centre never crosses the altitude: whether
// it stays above it, and the day's solar noon. Absent when it crosses (or the
// inputs are not finite).
struct AllDay {
    bool above = false;
    Instant noon;
};
std::optional<AllDay> allDayFromBase(Instant base, double latitude, double longitude,
                                     double sinAltitude);

// sunTimePairFromBase(solarDayBase(now, calendar), …).
SunTimePair sunTimePair(Instant now, double latitude, double longitude, const Calendar& calendar,
                        double sinAltitude);

}  // namespace solvane::sky
