#include "cli/board_text.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <span>
#include <sstream>

#include "core/time/text_format.h"
#include "core/util/display_text.h"
#include "core/util/translation.h"
#include "core/weather/weather.h"

namespace solvane::cli {
namespace {

using Json = nlohmann::ordered_json;

class Painter {
  public:
    explicit Painter(bool color) : color_(color) {}
    std::string bold(const std::string& s) const { return wrap("1", s); }
    std::string dim(const std::string& s) const { return wrap("2", s); }
    std::string accent(const std::string& s) const { return wrap("38;5;215", s); }

  private:
    std::string wrap(const char* code, const std::string& s) const {
        return color_ ? "\x1b[" + std::string(code) + "m" + s + "\x1b[0m" : s;
    }
    bool color_;
};

std::string progressBar(double fraction, int cells) {
    const double f = std::clamp(std::isfinite(fraction) ? fraction : 0.0, 0.0, 1.0);
    const int filled = static_cast<int>(std::lround(f * cells));
    std::string bar;
    for (int i = 0; i < cells; ++i) {
        bar += i < filled ? "█" : "░";
    }
    return bar;
}

std::string weatherLine(const BoardData& board) {
    if (!board.weather) {
        return QCoreApplication::translate("BoardText", "Weather unavailable").toStdString();
    }
    const WeatherSnapshot& w = *board.weather;
    const auto clouds = numberText(std::clamp(w.cloudCover, 0.0, 100.0));
    return withArguments(
        QCoreApplication::translate("BoardText",
                                    "%1 %2 · Feels %3 · H %4 L %5 · Wind %6 %7 · Clouds %8%")
            .toStdString(),
        {formatTemperature(w.temperatureC, board.unit), oneLine(localizedCondition(w)),
         formatTemperature(w.feelsLikeC, board.unit), formatTemperature(w.highC, board.unit),
         formatTemperature(w.lowC, board.unit), formatWind(w, board.unit), localizedCompassPoint(w),
         clouds});
}

std::string optionalClock(const std::optional<Instant>& t, const Calendar& calendar) {
    return t ? clockText(*t, calendar) : "—";
}

std::string optionalClockAP(const std::optional<Instant>& t, const Calendar& calendar) {
    return t ? clockTextAP(*t, calendar) : "—";
}

}  // namespace

Json isoOrNull(std::optional<Instant> t) {
    if (!t) {
        return nullptr;
    }
    const auto text = formatIso8601(*t);
    return text ? Json(*text) : Json(nullptr);
}

Json numberOrNull(std::optional<double> v) {
    return v && std::isfinite(*v) ? Json(*v) : Json(nullptr);
}

std::string renderBoardText(const BoardData& board, const Calendar& calendar,
                            const TextStyle& style) {
    const Painter p(style.color);
    const auto width = static_cast<std::size_t>(std::max(style.width, 40));
    std::ostringstream out;

    std::string title =
        shortDateLabel(board.date, calendar) + " · " + clockText(board.date, calendar);
    if (!board.place.empty()) {
        title += " · " + oneLine(board.place);
    }
    out << p.bold(clipToWidth(title, width)) << "\n";
    out << (board.weather ? clipToWidth(weatherLine(board), width)
                          : p.dim(QCoreApplication::translate("BoardText", "Weather unavailable")
                                      .toStdString()))
        << "\n\n";

    out << p.accent(QCoreApplication::translate("BoardText", "COUNTDOWNS").toStdString()) << "\n";
    if (board.countdowns.empty()) {
        out << p.dim("  " +
                     QCoreApplication::translate("BoardText", "Nothing coming up.").toStdString())
            << "\n";
    }
    // A board is read at a glance: the nearest rows, and how many more
    // there are (a subscribed feed can bring hundreds).
    const std::size_t shown = std::min(board.countdowns.size(), kMostTextRows);
    const auto rows = std::span(board.countdowns).first(shown);
    std::size_t labelWidth = 0;
    std::size_t countWidth = 0;
    for (const auto& row : rows) {
        labelWidth = std::max(labelWidth, displayWidth(oneLine(row.label)));
        countWidth = std::max(
            countWidth, displayWidth(numberText(static_cast<double>(row.value)) + " " + row.unit));
    }
    labelWidth = std::min(labelWidth, width / 3);
    for (const auto& row : rows) {
        const std::string count = numberText(static_cast<double>(row.value)) + " " + row.unit;
        std::string line = "  " +
                           padToWidth(clipToWidth(oneLine(row.label), labelWidth), labelWidth) +
                           "  " + p.bold(padToWidth(count, countWidth)) + "  " + p.dim(row.caption);
        if (row.progress) {
            line += "  " + p.accent(progressBar(*row.progress, 10)) + " " +
                    numberText(
                        static_cast<double>(static_cast<int>(std::lround(*row.progress * 100)))) +
                    "%";
        }
        out << line << "\n";
    }
    if (const std::size_t more = board.countdowns.size() - shown; more > 0) {
        const int n = static_cast<int>(std::min<std::size_t>(more, 1'000'000));
        out << p.dim("  " + QCoreApplication::translate("BoardText", "… and %n more", nullptr, n)
                                .toStdString())
            << "\n";
    }

    const SkySnapshot& sky = board.sky;
    out << "\n" << p.accent(QCoreApplication::translate("BoardText", "SUN").toStdString()) << "\n";
    std::string sun =
        "  " + withArguments(
                   QCoreApplication::translate("BoardText", "Sunrise %1 · Sunset %2").toStdString(),
                   {optionalClock(sky.sunrise, calendar), optionalClock(sky.sunset, calendar)});
    std::optional<std::string> daylight;
    if (sky.sunrise && sky.sunset) {
        daylight = durationText(*sky.sunset - *sky.sunrise);
    } else if (sky.allDaySun) {
        daylight = *sky.allDaySun == AllDaySun::up ? fullDayText() : durationText(0);
    }
    if (daylight) {
        sun +=
            withArguments(QCoreApplication::translate("BoardText", " · Day %1", "hours of daylight")
                              .toStdString(),
                          {*daylight});
    }
    out << sun << "\n";
    // A span with an unknown end is no span: one dash, not "—–—".
    const std::string blue =
        sky.blueStart && sky.blueEnd
            ? clockText(*sky.blueStart, calendar) + "–" + clockText(*sky.blueEnd, calendar)
            : "—";
    out << "  "
        << withArguments(QCoreApplication::translate("BoardText", "Golden hour %1 · Blue hour %2")
                             .toStdString(),
                         {optionalClock(sky.goldenStart, calendar), blue});
    if (sky.sunProgress) {
        out << "  " << p.accent(progressBar(*sky.sunProgress, 10));
    }
    out << "\n";

    out << "\n" << p.accent(QCoreApplication::translate("BoardText", "MOON").toStdString()) << "\n";
    const auto lit = numberText(static_cast<double>(
        static_cast<int>(std::lround(std::clamp(sky.moonFraction, 0.0, 1.0) * 100))));
    out << "  "
        << withArguments(QCoreApplication::translate("BoardText", "%1 · %2% lit · Rise %3 · Set %4")
                             .toStdString(),
                         {sky.localizedPhaseName(), lit, optionalClockAP(sky.moonRise, calendar),
                          optionalClockAP(sky.moonSet, calendar)})
        << "\n";
    const std::string full =
        sky.nextFull ? withArguments(QCoreApplication::translate("BoardText", "%1 (%2)",
                                                                 "a day and how far away it is")
                                         .toStdString(),
                                     {shortDateLabel(*sky.nextFull, calendar),
                                      relativeDayText(sky.nextFull, board.date, calendar)})
                     : std::string("—");
    out << "  "
        << withArguments(
               QCoreApplication::translate("BoardText", "Full moon %1 · New moon %2").toStdString(),
               {full, sky.nextNew ? shortDateLabel(*sky.nextNew, calendar) : std::string("—")})
        << "\n";
    return out.str();
}

Json skyJson(const SkySnapshot& sky) {
    return Json{
        {"sunrise", isoOrNull(sky.sunrise)},
        {"sunset", isoOrNull(sky.sunset)},
        {"goldenStart", isoOrNull(sky.goldenStart)},
        {"blueStart", isoOrNull(sky.blueStart)},
        {"blueEnd", isoOrNull(sky.blueEnd)},
        {"sunProgress", numberOrNull(sky.sunProgress)},
        {"goldenProgress", numberOrNull(sky.goldenProgress)},
        {"moonFraction", numberOrNull(sky.moonFraction)},
        {"moonPhase", numberOrNull(sky.moonPhase)},
        {"moonRise", isoOrNull(sky.moonRise)},
        {"moonSet", isoOrNull(sky.moonSet)},
        {"nextFull", isoOrNull(sky.nextFull)},
        {"nextNew", isoOrNull(sky.nextNew)},
        {"phaseName", std::string(sky.phaseName())},
    };
}

Json boardJson(const BoardData& board, const Calendar& calendar) {
    Json rows = Json::array();
    for (const auto& r : board.countdowns) {
        Json row{{"id", r.id.toString()},
                 {"label", r.label},
                 {"symbol", r.symbol},
                 {"customImage", r.customImage ? Json(*r.customImage) : Json(nullptr)},
                 {"value", r.value},
                 {"unit", r.unit},
                 {"caption", r.caption},
                 {"progress", numberOrNull(r.progress)},
                 {"sortDate", isoOrNull(r.sortDate)}};
        rows.push_back(std::move(row));
    }
    Json weather = nullptr;
    if (board.weather) {
        const WeatherSnapshot& w = *board.weather;
        weather = Json{{"fetched", isoOrNull(w.fetched)},
                       {"latitude", w.latitude},
                       {"longitude", w.longitude},
                       {"source", std::string(toString(w.source))},
                       {"requested", std::string(toString(w.requested))},
                       {"temperatureC", w.temperatureC},
                       {"feelsLikeC", w.feelsLikeC},
                       {"highC", w.highC},
                       {"lowC", w.lowC},
                       {"condition", w.condition},
                       {"symbol", w.symbol},
                       {"windKph", w.windKph},
                       {"windDirection", w.windDirection},
                       {"cloudCover", w.cloudCover}};
    }
    (void)calendar;
    return Json{{"date", isoOrNull(board.date)}, {"countdowns", std::move(rows)},
                {"weather", std::move(weather)}, {"sky", skyJson(board.sky)},
                {"place", board.place},          {"unit", std::string(toString(board.unit))}};
}

}  // namespace solvane::cli
