// What one widget timeline costs without drawing: the full board's eight
// entries for 20 countdowns with fresh cached weather, so no network call is
// made. The host asks for timelines of every placed widget at once after the
// application saves, so each must stay well under 5 ms.
#include <benchmark/benchmark.h>

#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "widgets/catalogue.h"
#include "widgets/providers.h"
#include "widgets/widget_views.h"

namespace solvane::widgets {
namespace {

namespace fs = std::filesystem;

const Calendar& newYork() {
    static const Calendar calendar = *Calendar::make("America/New_York", "en_US");
    return calendar;
}

// A session of edits: the window saves a change every few seconds and the
// host builds a timeline after each. The timeline's cost after the session
// must stay within a fifth of a fresh one's (Arg 0) on the same list.
void BM_TimelineAfterEdits(benchmark::State& state) {
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
        countdowns.push_back(c);
    }
    store.saveCountdowns(countdowns);
    const WeatherCall refuse =
        [](double, double, const net::CancelToken&) -> Result<WeatherSnapshot, WeatherError> {
        return Failure{WeatherError::service("bench")};
    };
    const WidgetEnvironment environment{store,
                                        [now] { return now; },
                                        [] { return newYork(); },
                                        WeatherServices{refuse, refuse, [now] { return now; }, 15},
                                        nullptr,
                                        {}};
    for (std::int64_t edit = 0; edit < state.range(0); ++edit) {
        store.updateCountdowns(
            [edit](std::vector<Countdown> list) -> std::optional<std::vector<Countdown>> {
                list[static_cast<std::size_t>(edit) % list.size()].label =
                    "Edited " + std::to_string(edit);
                std::rotate(list.begin(), list.begin() + 1, list.end());
                return list;
            },
            newYork(), now);
        benchmark::DoNotOptimize(makeTimeline(environment, std::nullopt, WidgetStyle::glass));
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(makeTimeline(environment, std::nullopt, WidgetStyle::glass));
    }
    std::error_code ignored;
    fs::remove_all(root, ignored);
}
BENCHMARK(BM_TimelineAfterEdits)->Arg(0)->Arg(3000)->Unit(benchmark::kMillisecond);

// The host's timeline while the weather service hangs: built from what is
// stored, the fetch running on its own thread; must stay under 5 ms.
void BM_TimelineWhileAFetchHangs(benchmark::State& state) {
    std::string pattern = (fs::temp_directory_path() / "solvane-bench-XXXXXX").string();
    const fs::path root = ::mkdtemp(pattern.data());
    const SharedStore store(StorePaths{root / "p.sqlite", root / "f.sqlite", root / "container"},
                            "en_US");
    const Instant now = *newYork().date(2030, 3, 12, 10);
    const SavedLocation place = store.loadLocation(newYork());
    WeatherSnapshot old;
    old.fetched = now - 7200;  // due again
    old.latitude = place.latitude;
    old.longitude = place.longitude;
    store.saveWeather(old);
    const WeatherCall hang =
        [](double, double,
           const net::CancelToken& cancel) -> Result<WeatherSnapshot, WeatherError> {
        while (!cancel.cancelled()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return Failure{WeatherError::timedOut()};
    };
    const WeatherServices weather{hang, hang, [now] { return now; }, 15};
    WidgetEnvironment environment{
        store, [now] { return now; }, [] { return newYork(); }, weather, nullptr, {}};
    environment.background =
        std::make_shared<BackgroundFetch>(store, weather, ForecastServices{}, [] {});
    for (auto _ : state) {
        benchmark::DoNotOptimize(makeTimeline(environment, std::nullopt, WidgetStyle::glass));
    }
    environment.background.reset();
    std::error_code ignored;
    fs::remove_all(root, ignored);
}
BENCHMARK(BM_TimelineWhileAFetchHangs)->Unit(benchmark::kMillisecond);

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
    const SavedLocation place = store.loadLocation(newYork());
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
    const WidgetEnvironment environment{store,
                                        [now] { return now; },
                                        [] { return newYork(); },
                                        WeatherServices{refuse, refuse, [now] { return now; }, 15},
                                        nullptr,
                                        {}};

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

// The Forecast widget's eight entries from a cached forecast: no request,
// the night hours marked once, no countdowns sorted.
void BM_ForecastTimeline(benchmark::State& state) {
    std::string pattern = (fs::temp_directory_path() / "solvane-bench-XXXXXX").string();
    const fs::path root = ::mkdtemp(pattern.data());
    const SharedStore store(StorePaths{root / "p.sqlite", root / "f.sqlite", root / "container"},
                            "en_US");
    const Instant now = *newYork().date(2030, 3, 12, 10);
    const SavedLocation place = store.loadLocation(newYork());
    Forecast cached = sampleForecast(now - 60, newYork(), place);
    cached.latitude = place.latitude;
    cached.longitude = place.longitude;
    store.saveForecast(cached);

    int networkCalls = 0;
    const ForecastCall refuse = [&](double, double,
                                    const net::CancelToken&) -> Result<Forecast, WeatherError> {
        ++networkCalls;
        return Failure{WeatherError::service("bench")};
    };
    WidgetEnvironment environment{
        store, [now] { return now; }, [] { return newYork(); }, WeatherServices{}, nullptr, {}};
    environment.forecast = ForecastServices{refuse, refuse, [now] { return now; }, 15};
    for (auto _ : state) {
        Timeline timeline = makeForecastTimeline(environment, WidgetStyle::glass, false);
        benchmark::DoNotOptimize(timeline);
    }
    if (networkCalls != 0) {
        state.SkipWithError("the cached forecast was not used");
    }
    std::error_code ignored;
    fs::remove_all(root, ignored);
}
BENCHMARK(BM_ForecastTimeline)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

// One widget face at scale 2, as the host draws each entry when its date
// comes: every kind in every size it is offered in, from a full entry with
// weather and four countdowns.
void BM_DrawWidget(benchmark::State& state, std::string kind, WidgetFamily family) {
    std::string pattern = (fs::temp_directory_path() / "solvane-bench-XXXXXX").string();
    const fs::path root = ::mkdtemp(pattern.data());
    const SharedStore store(StorePaths{root / "p.sqlite", root / "f.sqlite", root / "container"},
                            "en_US");
    const Instant now = *newYork().date(2030, 3, 12, 16);
    const SavedLocation place = store.loadLocation(newYork());
    WeatherSnapshot cached;
    cached.fetched = now - 60;
    cached.latitude = place.latitude;
    cached.longitude = place.longitude;
    cached.condition = "Partly Cloudy";
    cached.symbol = "cloud.sun";
    store.saveWeather(cached);
    const WeatherCall refuse =
        [](double, double, const net::CancelToken&) -> Result<WeatherSnapshot, WeatherError> {
        return Failure{WeatherError::service("bench")};
    };
    const WidgetEnvironment environment{store,
                                        [now] { return now; },
                                        [] { return newYork(); },
                                        WeatherServices{refuse, refuse, [now] { return now; }, 15},
                                        nullptr,
                                        {}};
    // The Forecast face with a full week to draw, as the gallery's sample has.
    const auto entry = kind == kForecastKind
                           ? makeForecastPlaceholder(environment)
                           : makeEntry(environment, std::nullopt, WidgetStyle::glass);
    constexpr double kScale = 2;
    const QSizeF size = familySize(family);
    QImage image((size * kScale).toSize(), QImage::Format_ARGB32_Premultiplied);
    const ViewContext context{
        family, RenderingMode::fullColor, ColorScheme::dark, &newYork(), nullptr, QColor()};
    for (auto _ : state) {
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(kScale, kScale);
        paintWidget(painter, QRectF(QPointF(0, 0), size), kind, *entry, context);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    std::error_code ignored;
    fs::remove_all(root, ignored);
}

void registerWidgetDrawing() {
    for (const auto& spec : widgetCatalogue()) {
        for (const WidgetFamily family : spec.families) {
            const std::string name =
                "BM_DrawWidget/" + spec.kind + "/" + std::string(toString(family));
            benchmark::RegisterBenchmark(name.c_str(), BM_DrawWidget, spec.kind, family)
                ->Unit(benchmark::kMillisecond)
                ->Repetitions(9)
                ->ReportAggregatesOnly(true);
        }
    }
}

}  // namespace
}  // namespace solvane::widgets

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    solvane::widgets::registerWidgetDrawing();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
