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

// The same snapshot with the plain hourly phase scans: the yardstick.
void BM_SkySnapshotComputeReference(benchmark::State& state) {
    const Calendar calendar = newYork();
    const Instant now = *calendar.date(2025, 7, 1, 9);
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            SkySnapshot::computeReference(now, kLatitude, kLongitude, calendar));
    }
}
BENCHMARK(BM_SkySnapshotComputeReference);

// One day's snapshot for each day of a lunation, so the scan lengths of the
// reference average out instead of depending on one date.
template <SkySnapshot (*Compute)(Instant, double, double, const Calendar&)>
void BM_SkySnapshotOverALunation(benchmark::State& state) {
    const Calendar calendar = newYork();
    const Instant first = *calendar.date(2025, 7, 1, 9);
    for (auto _ : state) {
        for (int day = 0; day < 30; ++day) {
            benchmark::DoNotOptimize(
                Compute(first + day * 86400.0, kLatitude, kLongitude, calendar));
        }
    }
    state.SetItemsProcessed(state.iterations() * 30);
}
BENCHMARK(BM_SkySnapshotOverALunation<&SkySnapshot::compute>);
BENCHMARK(BM_SkySnapshotOverALunation<&SkySnapshot::computeReference>);

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
