// What the board's drawing and icon import cost. Import runs once per
// picture a user chooses and must not stall the window for a camera photo;
// countdown rows are drawn for every widget entry, at scale 2 on a HiDPI
// desktop.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>

#include <cstdlib>
#include <filesystem>
#include <vector>

#include "board/backdrop.h"
#include "board/board_view.h"
#include "board/components.h"
#include "board/custom_icons.h"

namespace solvane {
namespace {

namespace fs = std::filesystem;

// A scratch container holding one 4000 × 3000 camera-like JPEG, made once.
struct Scratch {
    fs::path root;
    fs::path photo;

    Scratch() {
        std::string pattern = (fs::temp_directory_path() / "solvane-bench-XXXXXX").string();
        root = ::mkdtemp(pattern.data());
        photo = root / "photo.jpg";
        QImage image(4000, 3000, QImage::Format_RGB32);
        QPainter painter(&image);
        QLinearGradient sky(0, 0, 0, 3000);
        sky.setColorAt(0, QColor(120, 170, 230));
        sky.setColorAt(1, QColor(250, 240, 220));
        painter.fillRect(image.rect(), sky);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(QColor(40, 60, 30));
        painter.drawEllipse(QRectF(600, 1400, 2800, 2400));
        painter.end();
        QImageWriter writer(QString::fromStdString(photo.string()), "jpeg");
        writer.setQuality(90);
        writer.write(image);
    }
    ~Scratch() {
        std::error_code ignored;
        fs::remove_all(root, ignored);
    }
    SharedStore store() const {
        return SharedStore(StorePaths{root / "p.sqlite", root / "f.sqlite", root / "container"},
                           "en_US");
    }
};

const Scratch& scratch() {
    static const Scratch instance;
    return instance;
}

void BM_ImportJpeg4000x3000(benchmark::State& state) {
    const IconStore icons(scratch().store());
    for (auto _ : state) {
        const auto name = icons.importImage(scratch().photo);
        if (!name) {
            state.SkipWithError("import failed");
            break;
        }
        state.PauseTiming();
        icons.remove(name);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ImportJpeg4000x3000)->Unit(benchmark::kMillisecond);

std::vector<CountdownDisplay> sampleRows(const std::optional<std::string>& custom) {
    std::vector<CountdownDisplay> rows(4);
    rows[0] = {{}, "Fall back", "clock.arrow.circlepath", {}, 12, "days", "Sun, Nov 2", {}, {}};
    rows[1] = {
        {}, "Summer Fridays", "beach.umbrella", {}, 5, "of 12 days", "Until Mon, Sep 7", 0.42, {}};
    rows[2] = {{}, "Winter solstice", "snowflake", {}, 63, "days", "Sun, Dec 21", {}, {}};
    rows[3] = {{}, "Mom's birthday", "gift", custom, 104, "days", "Fri, Feb 13", {}, {}};
    return rows;
}

// Four rows of the board's countdown column at scale 2, one of them with a
// custom icon read from the icons folder as the board does on every draw.
void BM_DrawCountdownRows(benchmark::State& state) {
    const IconStore icons(scratch().store());
    const auto custom = icons.importImage(scratch().photo);
    const auto rows = sampleRows(custom);
    const PaintContext ctx{Palette::forStyle(WidgetStyle::dark), ColorScheme::dark, &icons};
    constexpr double kScale = 2;
    QImage image(QSize(286, 240) * kScale, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        image.fill(QColor(22, 22, 24));
        QPainter painter(&image);
        painter.scale(kScale, kScale);
        double y = 0;
        for (const auto& row : rows) {
            const CountdownRow component{row};
            Hairline{}.paint(painter, QRectF(0, y, 286, 1), ctx);
            component.paint(painter, QRectF(0, y + 1, 286, component.height()), ctx);
            y += 1 + component.height() + 8;
        }
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    icons.remove(custom);
}
BENCHMARK(BM_DrawCountdownRows)->Unit(benchmark::kMicrosecond);

// The extra-large widget at scale 2: its card and the whole board, as drawn
// for every widget entry and every preview refresh.
void BM_DrawFullBoard(benchmark::State& state) {
    const IconStore icons(scratch().store());
    const auto custom = icons.importImage(scratch().photo);
    const auto calendar = *Calendar::make("America/New_York", "en_US");
    BoardData board;
    board.date = *parseIso8601("2025-06-14T15:30:00-04:00");
    board.countdowns = sampleRows(custom);
    board.sky = SkySnapshot::compute(board.date, 40.68, -73.94, calendar);
    board.place = "Brooklyn";
    WeatherSnapshot weather;
    weather.temperatureC = 24;
    weather.highC = 27;
    weather.lowC = 18;
    weather.condition = "Partly Cloudy";
    weather.symbol = "cloud.sun";
    weather.cloudCover = 38;
    board.weather = weather;
    const PaintContext ctx{Palette::forStyle(WidgetStyle::dark), ColorScheme::dark, &icons};
    constexpr double kScale = 2;
    const QRectF card(QPointF(0, 0), SolvaneView::kWidgetSize);
    const QRectF content(QPointF(SolvaneView::kWidgetPadding, SolvaneView::kWidgetPadding),
                         SolvaneView::naturalSize());
    QImage image((SolvaneView::kWidgetSize * kScale).toSize(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.scale(kScale, kScale);
        paintBoardCard(painter, card, WidgetStyle::dark, ColorScheme::dark);
        SolvaneView{}.paint(painter, content, board, ctx, calendar);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    icons.remove(custom);
}
BENCHMARK(BM_DrawFullBoard)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace solvane

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
