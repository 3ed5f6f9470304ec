#include "cli/forecast_command.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <ostream>
#include <sstream>

#include "cli/arguments.h"
#include "cli/board_text.h"
#include "core/time/date_text.h"
#include "core/time/text_format.h"
#include "core/util/display_text.h"
#include "core/util/enum_strings.h"
#include "core/util/translation.h"
#include "core/weather/forecast_display.h"
#include "core/weather/forecast_fetcher.h"
#include "core/weather/service_wait.h"

namespace solvane::cli {
namespace {

constexpr std::string_view kExtrasSeparator = " \u00b7 ";

using Json = nlohmann::ordered_json;

// Three hours apart, a day's worth, in the text; every hour in the JSON.
constexpr int kTextHourStep = 3;
constexpr std::size_t kTextHours = 8;

template <typename Entry>
std::string condition(const Entry& entry) {
    return translate("WeatherCondition", std::string(shownCondition(entry)).c_str());
}

std::string chanceText(const std::optional<double>& percent) {
    // Not given is not low: a dash says that the service did not say.
    if (!percent || !std::isfinite(*percent)) {
        return "\u2014";
    }
    if (*percent < 10) {
        return {};
    }
    return withArguments(
        QCoreApplication::translate("ForecastText", "%1% chance", "of precipitation").toStdString(),
        {numberText(std::min(*percent, 100.0))});
}

// "feels 12° · 15 km/h NW, gusts 30 km/h · 0.4 mm": what the service gave.
std::string extrasText(const std::optional<double>& feelsLike, const std::optional<double>& wind,
                       const std::optional<double>& direction, const std::optional<double>& gust,
                       const std::optional<double>& amount, TempUnit unit,
                       const Calendar& calendar) {
    std::vector<std::string> parts;
    if (feelsLike) {
        parts.push_back(
            withArguments(QCoreApplication::translate("ForecastText", "feels %1").toStdString(),
                          {formatTemperature(*feelsLike, unit)}));
    }
    if (wind) {
        std::string text = formatWindSpeed(*wind, unit, calendar.locale());
        if (direction) {
            text += " " + localizedCompassPoint(*direction);
        }
        if (gust) {
            text = withArguments(
                QCoreApplication::translate("ForecastText", "%1, gusts %2").toStdString(),
                {text, formatWindSpeed(*gust, unit, calendar.locale())});
        }
        parts.push_back(text);
    }
    if (amount && *amount > 0) {
        parts.push_back(formatPrecipitation(*amount, unit, calendar.locale()));
    }
    std::string out;
    for (const std::string& part : parts) {
        out += (out.empty() ? "" : std::string(kExtrasSeparator)) + part;
    }
    return out;
}

std::string hourLabel(Instant hour, Instant now, const Calendar& calendar) {
    return hour <= now ? QCoreApplication::translate("ForecastText", "Now").toStdString()
                       : hourText(hour, calendar);
}

std::string dayLabel(const CivilDate& day, Instant now, const Calendar& calendar) {
    if (calendar.civilDate(now) == day) {
        return QCoreApplication::translate("ForecastText", "Today").toStdString();
    }
    const auto noon = calendar.date(day.year, day.month, day.day, 12);
    return noon ? weekdayText(*noon, calendar) : isoDateText(day);
}

// "Updated 9:05" (or a day and time) once the forecast is over an hour old:
// it is still shown, and says so.
std::optional<std::string> updatedText(const Forecast& forecast, Instant now,
                                       const Calendar& calendar) {
    if (!(now - forecast.fetched > kForecastFreshnessSeconds)) {
        return std::nullopt;
    }
    const std::string when = calendar.dayDifference(forecast.fetched, now) == 0
                                 ? timeText(forecast.fetched, calendar)
                                 : shortDateLabel(forecast.fetched, calendar) + " " +
                                       timeText(forecast.fetched, calendar);
    return withArguments(QCoreApplication::translate("ForecastText", "Updated %1").toStdString(),
                         {when});
}

std::string renderText(const std::optional<Forecast>& forecast, const std::string& place,
                       Instant now, TempUnit unit, const Calendar& calendar,
                       const TextStyle& style) {
    const auto bold = [&](const std::string& s) {
        return style.color ? "\x1b[1m" + s + "\x1b[0m" : s;
    };
    const auto accent = [&](const std::string& s) {
        return style.color ? "\x1b[38;5;215m" + s + "\x1b[0m" : s;
    };
    const auto width = static_cast<std::size_t>(std::max(style.width, 40));
    std::ostringstream out;
    std::string title = QCoreApplication::translate("ForecastText", "Forecast").toStdString();
    if (!place.empty()) {
        title = oneLine(place) + " · " + title;
    }
    out << bold(clipToWidth(title, width)) << "\n";
    if (!forecast) {
        out << QCoreApplication::translate("ForecastText", "Forecast unavailable").toStdString()
            << "\n";
        return out.str();
    }
    if (const auto updated = updatedText(*forecast, now, calendar)) {
        out << *updated << "\n";
    }
    // Rows as columns: each cell padded to the widest of its kind.
    const auto table = [&](const std::vector<std::vector<std::string>>& rows) {
        std::vector<std::size_t> widths;
        for (const auto& row : rows) {
            widths.resize(std::max(widths.size(), row.size()));
            for (std::size_t i = 0; i < row.size(); ++i) {
                widths[i] = std::max(widths[i], displayWidth(row[i]));
            }
        }
        const auto trimmed = [](std::string line) {
            while (!line.empty() && line.back() == ' ') {
                line.pop_back();
            }
            return line;
        };
        for (const auto& row : rows) {
            std::string line;
            for (std::size_t i = 0; i + 1 < row.size(); ++i) {
                line += "  " + padToWidth(row[i], widths[i]);
            }
            const std::string last = row.empty() ? std::string() : row.back();
            if (displayWidth(trimmed(line + "  " + last)) <= width) {
                out << trimmed(line + "  " + last) << "\n";
                continue;
            }
            // The wind and rain column does not fit beside the rest: it goes
            // below, broken between its figures rather than cut off.
            out << clipToWidth(trimmed(line), width) << "\n";
            if (last.empty()) {
                continue;
            }
            // Under the second column, so the label still heads its row.
            const std::string indent(std::min<std::size_t>(widths.front() + 4, width / 3), ' ');
            std::string wrapped = indent;
            std::size_t from = 0;
            while (from <= last.size()) {
                const std::size_t dot = last.find(kExtrasSeparator, from);
                const std::string part =
                    last.substr(from, dot == std::string::npos ? std::string::npos : dot - from);
                from = dot == std::string::npos ? last.size() + 1 : dot + kExtrasSeparator.size();
                if (wrapped.size() > indent.size() &&
                    displayWidth(wrapped + std::string(kExtrasSeparator) + part) > width) {
                    out << wrapped << "\n";
                    wrapped = indent;
                }
                wrapped +=
                    (wrapped.size() > indent.size() ? std::string(kExtrasSeparator) : "") + part;
            }
            out << clipToWidth(wrapped, width) << "\n";
        }
    };
    out << "\n"
        << accent(QCoreApplication::translate("ForecastText", "NEXT HOURS").toStdString()) << "\n";
    std::vector<std::vector<std::string>> hours;
    for (const HourForecast& h : hourSteps(*forecast, now, kTextHourStep, kTextHours)) {
        hours.push_back({hourLabel(h.time, now, calendar), formatTemperature(h.temperatureC, unit),
                         condition(h), chanceText(h.precipitationChance),
                         extrasText(h.feelsLikeC, h.windKph, h.windDirection, h.gustKph,
                                    h.precipitationMm, unit, calendar)});
    }
    table(hours);
    out << "\n"
        << accent(QCoreApplication::translate("ForecastText", "NEXT DAYS").toStdString()) << "\n";
    std::vector<std::vector<std::string>> days;
    if (const auto today = calendar.civilDate(now)) {
        for (const DayForecast& d : upcomingDays(*forecast, *today, kForecastDaysShown)) {
            days.push_back(
                {dayLabel(d.date, now, calendar),
                 formatTemperature(d.highC, unit) + " / " + formatTemperature(d.lowC, unit),
                 condition(d), chanceText(d.precipitationChance),
                 extrasText(std::nullopt, d.windKph, d.windDirection, d.gustKph, d.precipitationMm,
                            unit, calendar)});
        }
    }
    table(days);
    return out.str();
}

Json renderJson(const std::optional<Forecast>& forecast, const BoardPlace& place, Instant now,
                const Calendar& calendar, const std::optional<std::string>& unavailable) {
    Json hourly = Json::array();
    Json daily = Json::array();
    if (forecast) {
        for (const HourForecast& h : upcomingHours(*forecast, now, kForecastHoursShown)) {
            hourly.push_back({{"time", isoOrNull(h.time)},
                              {"temperatureC", numberOrNull(h.temperatureC)},
                              {"condition", std::string(shownCondition(h))},
                              {"symbol", h.symbol},
                              {"precipitationChance", numberOrNull(h.precipitationChance)},
                              {"feelsLikeC", numberOrNull(h.feelsLikeC)},
                              {"windKph", numberOrNull(h.windKph)},
                              {"windDirection", numberOrNull(h.windDirection)},
                              {"gustKph", numberOrNull(h.gustKph)},
                              {"precipitationMm", numberOrNull(h.precipitationMm)}});
        }
        if (const auto today = calendar.civilDate(now)) {
            for (const DayForecast& d : upcomingDays(*forecast, *today, kForecastDaysShown)) {
                daily.push_back({{"date", isoDateText(d.date)},
                                 {"highC", numberOrNull(d.highC)},
                                 {"lowC", numberOrNull(d.lowC)},
                                 {"condition", std::string(shownCondition(d))},
                                 {"symbol", d.symbol},
                                 {"precipitationChance", numberOrNull(d.precipitationChance)},
                                 {"windKph", numberOrNull(d.windKph)},
                                 {"windDirection", numberOrNull(d.windDirection)},
                                 {"gustKph", numberOrNull(d.gustKph)},
                                 {"precipitationMm", numberOrNull(d.precipitationMm)}});
            }
        }
    }
    return Json{
        {"place", place.location.name},
        {"location",
         {{"latitude", place.location.latitude},
          {"longitude", place.location.longitude},
          {"source", std::string(toString(place.source))}}},
        {"hourly", std::move(hourly)},
        {"daily", std::move(daily)},
        {"source", forecast ? Json(std::string(toString(forecast->source))) : Json(nullptr)},
        {"requested", forecast ? Json(std::string(toString(forecast->requested))) : Json(nullptr)},
        {"fetched", forecast ? isoOrNull(forecast->fetched) : Json(nullptr)},
        {"zone", forecast ? Json(calendar.zoneId()) : Json(nullptr)},
        {"unavailable", unavailable ? Json(*unavailable) : Json(nullptr)},
    };
}

}  // namespace

int forecastCommand(const ForecastRequest& request, const Environment& env, std::ostream& out) {
    const Instant now = request.now;
    const SharedStore store = env.store.value_or(SharedStore::standard());
    const BoardPlace place = store.loadPlace(request.calendar);
    std::optional<Forecast> forecast =
        request.offline
            ? ForecastFetcher::cached(store, place.location)
            : ForecastFetcher::fetch(store, env.forecast, place.location, std::nullopt, false);
    // Days, today and hours are the place's, wherever the computer is.
    const Calendar calendar =
        forecast ? placeCalendar(*forecast, request.calendar) : request.calendar;
    // Why there is none, for scripts: a word, not a sentence.
    std::optional<std::string> unavailable;
    if (forecast && !forecastShowable(*forecast, now, calendar)) {
        forecast.reset();
        unavailable = "expired";
    } else if (!forecast) {
        const WeatherSource source = store.loadSettings().weatherSource;
        unavailable = request.offline ? "notStored"
                      : serviceWaiting(store, WeatherSource::openMeteo, env.forecast.clock)
                          ? "retryAfter"
                      : source == WeatherSource::apple ? "servicesFailed"
                                                       : "serviceFailed";
    }
    if (forecast) {
        markNightHours(*forecast, place.location.latitude, place.location.longitude);
    }
    const TempUnit unit = store.loadSettings().unit;
    if (request.json) {
        printJson(out, renderJson(forecast, place, now, calendar, unavailable));
    } else {
        out << renderText(forecast, place.location.name, now, unit, calendar,
                          TextStyle{env.terminal && !env.noColor, env.columns});
    }
    return 0;
}

}  // namespace solvane::cli
