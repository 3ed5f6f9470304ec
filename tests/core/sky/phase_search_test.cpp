// The fast phase search must give exactly what the plain hourly scan gives,
// and whole snapshots with it must match snapshots with the scan bit for bit.
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <random>

#include "core/sky/moon.h"
#include "core/sky/sky_snapshot.h"

namespace solvane {
namespace {

// 1950-01-01 and 2100-01-01, seconds since 2001.
constexpr double kFrom = -1609459200.0;
constexpr double kTo = 3124137600.0;

std::string bits(std::optional<double> v) {
    return v ? std::to_string(std::bit_cast<std::uint64_t>(*v)) : "none";
}

std::string bits(std::optional<Instant> t) {
    return t ? bits(t->seconds) : "none";
}

// Every field by its bits, so that equal NaNs compare equal too.
std::string fingerprint(const SkySnapshot& s) {
    std::string out;
    for (const auto& t : {s.sunrise, s.sunset, s.goldenStart, s.blueStart, s.blueEnd, s.moonRise,
                          s.moonSet, s.nextFull, s.nextNew}) {
        out += bits(t) + " ";
    }
    return out + bits(s.sunProgress) + " " + bits(s.goldenProgress) + " " + bits(s.moonFraction) +
           " " + bits(s.moonPhase);
}

// Half- and three-quarter-hour offsets move the search grid off the UTC hours.
const Calendar& zone(int i) {
    static const std::vector<Calendar> all = [] {
        std::vector<Calendar> c;
        for (const char* id : {"UTC", "America/New_York", "Asia/Kolkata", "Pacific/Chatham",
                               "Australia/Eucla", "America/St_Johns"}) {
            c.push_back(*Calendar::make(id, "en_US"));
        }
        return c;
    }();
    return all[static_cast<std::size_t>(i) % all.size()];
}

void expectSameSnapshots(Instant now, double lat, double lon, const Calendar& calendar) {
    ASSERT_EQ(fingerprint(SkySnapshot::compute(now, lat, lon, calendar)),
              fingerprint(SkySnapshot::computeReference(now, lat, lon, calendar)))
        << formatIso8601(now).value_or("?") << " " << lat << " " << lon << " " << calendar.zoneId();
}

TEST(MoonPhaseSearch, FastSnapshotsMatchTheReferenceOnRandomCases) {
    std::mt19937_64 rng(20240320);
    std::uniform_real_distribution<double> moment(kFrom, kTo);
    std::uniform_real_distribution<double> latitude(-90.0, 90.0);
    std::uniform_real_distribution<double> longitude(-180.0, 180.0);
    for (int i = 0; i < 20'000 && !HasFatalFailure(); ++i) {
        expectSameSnapshots(Instant{moment(rng)}, latitude(rng), longitude(rng), zone(i));
    }
}

TEST(MoonPhaseSearch, FastSearchMatchesTheReferenceAroundCrossings) {
    // A few hours either side of a crossing the phase wraps or jumps, and a
    // prediction is most easily off by an hour.
    std::mt19937_64 rng(29530588);
    std::uniform_real_distribution<double> moment(kFrom, kTo);
    std::uniform_real_distribution<double> withinHour(0.0, 3600.0);
    std::uniform_real_distribution<double> latitude(-90.0, 90.0);
    for (int i = 0; i < 150 && !HasFatalFailure(); ++i) {
        for (const double target : {sky::kFullMoonPhase, sky::kNewMoonPhase}) {
            const auto crossing = sky::nextPhaseReference(Instant{moment(rng)}, target);
            ASSERT_TRUE(crossing);
            const double offset = withinHour(rng);
            for (int hours = -6; hours <= 6; ++hours) {
                const Instant probe = *crossing + (hours * 3600.0 - offset);
                ASSERT_EQ(bits(sky::nextPhase(probe, target)),
                          bits(sky::nextPhaseReference(probe, target)))
                    << formatIso8601(probe).value_or("?") << " target " << target;
                expectSameSnapshots(probe, latitude(rng), 10.0, zone(i));
            }
        }
    }
}

}  // namespace
}  // namespace solvane
