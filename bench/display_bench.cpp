// What one board refresh costs per countdown: every row is recomputed from its
// rules at each refresh, so this is the budget the widgets pay repeatedly.
#include <benchmark/benchmark.h>

#include "core/model/countdown_display.h"
#include "core/model/presets.h"
#include "core/model/rules.h"

namespace solvane {
namespace {

Calendar newYork() {
    return *Calendar::make("America/New_York", "en_US");
}

void BM_DisplayAllPresets(benchmark::State& state) {
    const Calendar calendar = newYork();
    const Instant now = *calendar.date(2025, 7, 1, 9);
    std::vector<Countdown> countdowns;
    for (const auto& preset : catalogue(calendar, PresetRegion::of(calendar, now, 40.7))) {
        countdowns.push_back(makeCountdown(preset));
    }
    for (auto _ : state) {
        for (const auto& countdown : countdowns) {
            benchmark::DoNotOptimize(display(countdown, now, calendar));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(countdowns.size()));
}
BENCHMARK(BM_DisplayAllPresets);

// Each season row resolves four years of equinoxes or solstices per refresh.
void BM_SeasonDatesOfAYear(benchmark::State& state) {
    const Calendar calendar = newYork();
    for (auto _ : state) {
        for (std::int64_t index = 0; index < 4; ++index) {
            benchmark::DoNotOptimize(seasonDate(index, 2026, calendar));
        }
    }
    state.SetItemsProcessed(state.iterations() * 4);
}
BENCHMARK(BM_SeasonDatesOfAYear);

// Workdays used to be counted one day at a time; a date centuries away must
// cost about as much as one next week.
void BM_DisplayWorkdaysFarAway(benchmark::State& state) {
    const Calendar calendar = newYork();
    Countdown far;
    far.label = "Far away";
    far.start = DateRule::fixed(*calendar.date(2325, 7, 1));
    far.unit = CountUnit::workdays;
    const Instant now = *calendar.date(2025, 7, 1, 9);
    for (auto _ : state) {
        benchmark::DoNotOptimize(display(far, now, calendar));
    }
}
BENCHMARK(BM_DisplayWorkdaysFarAway);

}  // namespace
}  // namespace solvane
