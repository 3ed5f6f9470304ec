// Zones read from the system's time-zone database beside ICU's own table,
// which the programs used before: building a zone, making a calendar on it,
// and one local-time conversion each way. A first board makes a calendar and
// converts a few thousand times.
#include <benchmark/benchmark.h>
#include <unicode/timezone.h>

#include <memory>

#include "core/model/clock_changes.h"
#include "core/time/calendar_internal.h"
#include "core/time/tzif_zone.h"

namespace solvane {
namespace {

constexpr const char* kZone = "Europe/Berlin";

std::unique_ptr<icu::TimeZone> icuZone() {
    return std::unique_ptr<icu::TimeZone>(
        icu::TimeZone::createTimeZone(icu::UnicodeString::fromUTF8(kZone)));
}

Calendar calendar(bool database) {
    return database ? *Calendar::make(kZone, "de_DE")
                    : *CalendarAccess::make(kZone, icuZone(), ZoneStamp{}, "de_DE");
}

// The file read and its rules built, every time (Calendar::make keeps them).
void BM_ZoneBuild(benchmark::State& state, bool database) {
    const std::string path = std::string("/usr/share/zoneinfo/") + kZone;
    for (auto _ : state) {
        benchmark::DoNotOptimize(database ? readTzifZone(kZone, path) : icuZone());
    }
}
BENCHMARK_CAPTURE(BM_ZoneBuild, icu_table, false);
BENCHMARK_CAPTURE(BM_ZoneBuild, database, true);

void BM_CalendarMake(benchmark::State& state, bool database) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(calendar(database));
    }
}
BENCHMARK_CAPTURE(BM_CalendarMake, icu_table, false);
BENCHMARK_CAPTURE(BM_CalendarMake, database, true);

// An instant to its local day, hour by hour through summer and winter time.
void BM_LocalDayOfInstant(benchmark::State& state, bool database) {
    const Calendar c = calendar(database);
    const Instant start = *c.date(2027, 1, 1);
    int hour = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(c.civilDate(start + 3600.0 * (hour++ % 8760)));
    }
}
BENCHMARK_CAPTURE(BM_LocalDayOfInstant, icu_table, false);
BENCHMARK_CAPTURE(BM_LocalDayOfInstant, database, true);

// A local midnight to its instant, day by day through the year.
void BM_InstantOfLocalDay(benchmark::State& state, bool database) {
    const Calendar c = calendar(database);
    int day = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(c.date(2027, 1, 1 + day++ % 365));
    }
}
BENCHMARK_CAPTURE(BM_InstantOfLocalDay, icu_table, false);
BENCHMARK_CAPTURE(BM_InstantOfLocalDay, database, true);

// The clock-change presets of a zone on a day not asked about before: its
// changes of the coming year and the rule that names them, found among the
// weekdays of the month (the answer for a day is kept, and costs ~0.4 µs).
void BM_ClockChanges(benchmark::State& state, const char* zone) {
    const Calendar c = *Calendar::make(zone, "en_US");
    const Instant start = *c.date(2027, 1, 15, 12);
    int day = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(clockChanges(c, start + 86400.0 * (day++ % 365)));
    }
}
BENCHMARK_CAPTURE(BM_ClockChanges, berlin, "Europe/Berlin");
BENCHMARK_CAPTURE(BM_ClockChanges, jerusalem, "Asia/Jerusalem");
BENCHMARK_CAPTURE(BM_ClockChanges, casablanca, "Africa/Casablanca");

}  // namespace
}  // namespace solvane

BENCHMARK_MAIN();
