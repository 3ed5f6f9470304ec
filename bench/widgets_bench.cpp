// What one widget timeline costs without drawing: the full board's eight
// entries for 20 countdowns with fresh cached weather, so no network call is
// made. The host asks for timelines of every placed widget at once after the
// application saves, so each must stay well under 5 ms.
#include <benchmark/benchmark.h>

#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "widgets/providers.h"

namespace solvane::widgets {
namespace {

namespace fs = std::filesystem;

const Calendar& newYork() {
    static const Calendar calendar = *Calendar::make("America/New_York", "en_US");
    return calendar;
}

void BM_FullBoardTimeline(benchmark::State& state) {
    std::string pattern = (fs::temp_directory_path() / "solvane-bench-XXXXXX").string();
    const fs::path root = ::mkdtemp(pattern.data());
    const SharedStore store(StorePaths{root / "p.sqlite", root / "f.sqlite", root / "container"},
                            "en_US");
    const Instant now = *newYork().date(2030, 3, 12, 10);

    std::vector<Countdown> countdowns;
    for (int i = 0; i < 20; ++i) {
        Countdown c;
        c.id = Uuid::random();
        c.label = "Countdown " + std::to_string(i);
        c.start = DateRule::fixed(*newYork().addDays(now, 3 * i + 1));
        c.recurs = i % 2 == 0;
        countdowns.push_back(c);
    }
    store.saveCountdowns(countdowns);
    const SavedLocation place = store.loadLocation();
    WeatherSnapshot cached;
    cached.fetched = now - 60;
    cached.latitude = place.latitude;
    cached.longitude = place.longitude;
    cached.condition = "Clear";
    store.saveWeather(cached);

    int networkCalls = 0;
    const WeatherCall refuse =
        [&](double, double, const net::CancelToken&) -> Result<WeatherSnapshot, WeatherError> {
        ++networkCalls;
        return Failure{WeatherError::service("bench")};
    };
    const WidgetEnvironment environment{store, [now] { return now; }, [] { return newYork(); },
                                        WeatherServices{refuse, refuse, [now] { return now; }, 15},
                                        nullptr};

    for (auto _ : state) {
        Timeline timeline = makeTimeline(environment, std::nullopt, WidgetStyle::glass);
        benchmark::DoNotOptimize(timeline);
    }
    if (networkCalls != 0) {
        state.SkipWithError("the cached weather was not used");
    }
    std::error_code ignored;
    fs::remove_all(root, ignored);
}
BENCHMARK(BM_FullBoardTimeline)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

}  // namespace
}  // namespace solvane::widgets

BENCHMARK_MAIN();
