// SkySnapshot: everything the board shows about the sky for one place on the
// local day of one moment.
//
// The sun fields describe today as the calendar sees it (not the next 24
// hours): sunrise and sunset with the sun's upper limb on the horizon, the
// evening moments at which it descends through +6° (golden hour starts), −4°
// (blue hour starts) and −6° (blue hour ends), how far the moment is through
// the day's daylight, and where on the daylight span the golden hour begins.
// On the day the midnight sun begins there is a sunrise and no sunset; on the
// day it ends, a sunset and no sunrise (and likewise around the polar night).
// The moon fields give the illumination at the moment, the moonrise and
// moonset shown for today (a rise followed by the set that ends that passage,
// even if it falls tomorrow), and the moments of the next full and new moon,
// the first at or after the start of today: a full moon earlier today is
// still the next one, on today's date.
//
// Times are those an almanac gives, to within seconds (sun_times.h, moon.h):
// the sun's centre at −50′ for sunrise and sunset, the moon's upper limb with
// the standard refraction, seen from sea level.
//
// Computing a snapshot never fails: what cannot be computed is absent. A
// latitude outside −90…90 or a coordinate that is not finite names no place,
// so the sun times, the progress and the moon times are absent while the
// illumination and the next phases (which do not depend on the place) remain.
// A moment the calendar cannot place in a day loses the moon times and the
// next phases; a moment that is not finite also makes the illumination not a
// number. Nothing here reads the clock or the zone: both come in as arguments.
//
//   auto utc = *Calendar::make("UTC", "en_US");
//   auto s = SkySnapshot::compute(*parseIso8601("2024-03-20T15:00:00Z"), 0, 0, utc);
//   // s.sunrise 06:04:12Z, s.sunset 18:11:05Z, s.moonPhase ≈ 0.3592,
//   // s.phaseName() == "Waxing gibbous", s.nextFull 2024-03-25T07:00Z
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/time/calendar.h"
#include "core/time/instant.h"

namespace solvane {

// The sun on a day it neither rises nor sets: above the horizon all day (the
// midnight sun) or below it (the polar night).
enum class AllDaySun { up, down };

struct SkySnapshot {
    std::optional<Instant> sunrise;
    std::optional<Instant> sunset;
    std::optional<Instant> goldenStart;  // evening, sun descending through +6°
    std::optional<Instant> blueStart;    // evening, −4°
    std::optional<Instant> blueEnd;      // evening, −6°
    // Share of today's daylight elapsed at the moment: 0 at sunrise, 1 at
    // sunset; absent outside daylight.
    std::optional<double> sunProgress;
    // Where the evening golden hour begins on the daylight span, 0…1.
    double goldenProgress = kDefaultGoldenProgress;
    // Present on a day with neither sunrise nor sunset.
    std::optional<AllDaySun> allDaySun;
    // With the sun up all day, the share of its daily circle behind it at the
    // moment, by solar time: 0.5 at solar noon, 0 and 1 at solar midnight.
    // Absent otherwise.
    std::optional<double> allDayProgress;
    double moonFraction = 0.0;  // lit share of the disc, 0…1
    double moonPhase = 0.0;     // 0 new, 0.25 first quarter, 0.5 full, 0.75 last quarter
    std::optional<Instant> moonRise;
    std::optional<Instant> moonSet;
    std::optional<Instant> nextFull;
    std::optional<Instant> nextNew;

    // goldenProgress when there is no daylight span or no golden hour.
    static constexpr double kDefaultGoldenProgress = 0.9;

    // The snapshot of the local day of `now` (as `calendar` counts days) at
    // `latitude` and `longitude` in degrees, north and east positive.
    static SkySnapshot compute(Instant now, double latitude, double longitude,
                               const Calendar& calendar);

    // English name of moonPhase, each name from its lower bound included:
    // "New moon" below 0.03 and from 0.97, then "Waxing crescent" (0.03),
    // "First quarter" (0.22), "Waxing gibbous" (0.28), "Full moon" (0.47),
    // "Waning gibbous" (0.53), "Last quarter" (0.72), "Waning crescent"
    // (0.78). A phase that is not a number reads "Waning crescent".
    std::string_view phaseName() const;
    // The same name in the user's language.
    std::string localizedPhaseName() const;

    bool operator==(const SkySnapshot&) const = default;
};

// sunProgress for `now` and the day's sunrise and sunset: (now − sunrise) /
// (sunset − sunrise) when sunrise ≤ now ≤ sunset and sunset is after sunrise,
// else absent.
std::optional<double> sunProgressAt(Instant now, std::optional<Instant> sunrise,
                                    std::optional<Instant> sunset);

// goldenProgress: where `goldenStart` lies on the daylight span, clamped to
// 0…1 (0 also when not a number); kDefaultGoldenProgress when any of the three
// is missing or sunset is not after sunrise.
double goldenProgressFor(std::optional<Instant> sunrise, std::optional<Instant> sunset,
                         std::optional<Instant> goldenStart);

}  // namespace solvane
