#include "core/sky/sky_snapshot.h"

#include "core/util/translation.h"

#include <cmath>

#include "core/sky/moon.h"
#include "core/sky/sky_math.h"
#include "core/sky/sun_times.h"

namespace solvane {
namespace {

bool isPlace(double latitude, double longitude) {
    return std::isfinite(latitude) && std::isfinite(longitude) && latitude >= -90.0 &&
           latitude <= 90.0;
}

// The start of the local day `days` after the one starting at `dayStart`. A
// day may start at 01:00 when its clocks skipped midnight, and a calendar day
// later is then 01:00, not the next day's start.
Instant startOfDayAfter(const Calendar& calendar, Instant dayStart, int days) {
    const auto later = calendar.addDays(dayStart, days);
    const auto start = later ? calendar.startOfDay(*later) : std::nullopt;
    return start.value_or(dayStart + days * sky::kSecondsPerDay);
}

void addSunTimes(SkySnapshot& s, Instant now, const sky::SolarDay& day) {
    const sky::SunTimePair horizon = sky::sunTimePair(day, sky::kSunriseAltitude);
    s.sunrise = horizon.morning;
    s.sunset = horizon.evening;
    s.goldenStart = sky::sunTimePair(day, sky::kGoldenAltitude).evening;
    s.blueStart = sky::sunTimePair(day, sky::kBlueStartAltitude).evening;
    s.blueEnd = sky::sunTimePair(day, sky::kBlueEndAltitude).evening;
    if (const auto above = sky::staysAbove(day, sky::kSunriseAltitude)) {
        s.allDaySun = *above ? AllDaySun::up : AllDaySun::down;
        const double circle = 0.5 + (sky::dayNumber(now) - day.noon);
        if (*above && std::isfinite(circle)) {
            s.allDayProgress = circle - std::floor(circle);
        }
    }
}

}  // namespace

SkySnapshot SkySnapshot::compute(Instant now, double latitude, double longitude,
                                 const Calendar& calendar) {
    SkySnapshot s;
    const bool place = isPlace(latitude, longitude);
    const sky::SunTrack sun = sky::sunTrack(sky::dayNumber(sky::solarDayBase(now, calendar)));
    if (place) {
        addSunTimes(s, now, sky::solarDay(sun, latitude, longitude));
    }
    s.sunProgress = sunProgressAt(now, s.sunrise, s.sunset);
    s.goldenProgress = goldenProgressFor(s.sunrise, s.sunset, s.goldenStart);

    if (const auto todayStart = calendar.startOfDay(now)) {
        if (place) {
            // Today's moon and tomorrow's, for a rise today whose set comes
            // tomorrow.
            const Instant end = startOfDayAfter(calendar, *todayStart, 2);
            // An hour's margin either side lets the search see the altitude
            // turn at the ends.
            const sky::MoonTrack track = sky::moonTrack(sky::dayNumber(*todayStart) - 1.0 / 24.0,
                                                        sky::dayNumber(end) + 1.0 / 24.0);
            const sky::MoonTimes shown = sky::shownMoonTimes(
                sky::moonCrossings(track, sky::observerAt(latitude, longitude), *todayStart, end));
            s.moonRise = shown.rise;
            s.moonSet = shown.set;
        }
        s.nextFull = sky::nextPhase(*todayStart, sky::kFullMoonPhase);
        s.nextNew = sky::nextPhase(*todayStart, sky::kNewMoonPhase);
    }

    const sky::MoonIllumination moon = sky::moonIllumination(sun, now);
    s.moonFraction = moon.fraction;
    s.moonPhase = moon.phase;
    return s;
}

std::string_view SkySnapshot::phaseName() const {
    const double p = moonPhase;
    if (p < 0.03 || p >= 0.97) {
        return SOLVANE_TRANSLATE_NOOP("MoonPhase", "New moon");
    }
    if (p < 0.22) {
        return SOLVANE_TRANSLATE_NOOP("MoonPhase", "Waxing crescent");
    }
    if (p < 0.28) {
        return SOLVANE_TRANSLATE_NOOP("MoonPhase", "First quarter");
    }
    if (p < 0.47) {
        return SOLVANE_TRANSLATE_NOOP("MoonPhase", "Waxing gibbous");
    }
    if (p < 0.53) {
        return SOLVANE_TRANSLATE_NOOP("MoonPhase", "Full moon");
    }
    if (p < 0.72) {
        return SOLVANE_TRANSLATE_NOOP("MoonPhase", "Waning gibbous");
    }
    if (p < 0.78) {
        return SOLVANE_TRANSLATE_NOOP("MoonPhase", "Last quarter");
    }
    return SOLVANE_TRANSLATE_NOOP("MoonPhase", "Waning crescent");
}

std::string SkySnapshot::localizedPhaseName() const {
    return translate("MoonPhase", std::string(phaseName()).c_str());
}

std::optional<double> sunProgressAt(Instant now, std::optional<Instant> sunrise,
                                    std::optional<Instant> sunset) {
    if (!sunrise || !sunset || !(*sunset > *sunrise) || !(*sunrise <= now && now <= *sunset)) {
        return std::nullopt;
    }
    return (now - *sunrise) / (*sunset - *sunrise);
}

double goldenProgressFor(std::optional<Instant> sunrise, std::optional<Instant> sunset,
                         std::optional<Instant> goldenStart) {
    if (!sunrise || !sunset || !goldenStart || !(*sunset > *sunrise)) {
        return SkySnapshot::kDefaultGoldenProgress;
    }
    const double share = (*goldenStart - *sunrise) / (*sunset - *sunrise);
    if (std::isnan(share) || share < 0.0) {
        return 0.0;
    }
    return share >= 1.0 ? 1.0 : share;
}

}  // namespace solvane
