// What the sky costs a board: every widget timeline entry computes a whole
// snapshot, so this is paid eight times per timeline request.
#include <benchmark/benchmark.h>

#include "core/sky/sky_snapshot.h"

namespace solvane {
namespace {

constexpr double kLatitude = 40.7128;
constexpr double kLongitude = -74.006;

Calendar newYork() {
    return *Calendar::make("America/New_York", "en_US");
}

void BM_SkySnapshotCompute(benchmark::State& state) {
    const Calendar calendar = newYork();
    const Instant now = *calendar.date(2025, 7, 1, 9);
    for (auto _ : state) {
        benchmark::DoNotOptimize(SkySnapshot::compute(now, kLatitude, kLongitude, calendar));
    }
}
BENCHMARK(BM_SkySnapshotCompute);

// One day's snapshot for each day of a lunation, so that the cost of days
// with more or fewer moon crossings, and of phase searches from every point
// of the cycle, averages out instead of depending on one date.
void BM_SkySnapshotOverALunation(benchmark::State& state) {
    const Calendar calendar = newYork();
    const Instant first = *calendar.date(2025, 7, 1, 9);
    for (auto _ : state) {
        for (int day = 0; day < 30; ++day) {
            benchmark::DoNotOptimize(
                SkySnapshot::compute(first + day * 86400.0, kLatitude, kLongitude, calendar));
        }
    }
    state.SetItemsProcessed(state.iterations() * 30);
}
BENCHMARK(BM_SkySnapshotOverALunation);

// Far north, where the moon grazes the horizon and the search looks closely
// at its turns.
void BM_SkySnapshotFarNorth(benchmark::State& state) {
    const Calendar calendar = *Calendar::make("Arctic/Longyearbyen", "en_US");
    const Instant first = *calendar.date(2024, 10, 1, 12);
    for (auto _ : state) {
        for (int day = 0; day < 30; ++day) {
            benchmark::DoNotOptimize(
                SkySnapshot::compute(first + day * 86400.0, 78.2232, 15.6267, calendar));
        }
    }
    state.SetItemsProcessed(state.iterations() * 30);
}
BENCHMARK(BM_SkySnapshotFarNorth);

// One widget timeline: eight entries 15 minutes apart.
void BM_SkyWidgetTimeline(benchmark::State& state) {
    const Calendar calendar = newYork();
    const Instant now = *calendar.date(2025, 7, 1, 9);
    for (auto _ : state) {
        for (int entry = 0; entry < 8; ++entry) {
            benchmark::DoNotOptimize(
                SkySnapshot::compute(now + entry * 900.0, kLatitude, kLongitude, calendar));
        }
    }
    state.SetItemsProcessed(state.iterations() * 8);
}
BENCHMARK(BM_SkyWidgetTimeline);

}  // namespace
}  // namespace solvane
