#include "widgets/widget_description.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <utility>

#include "board/board_view.h"
#include "board/components.h"
#include "board/sky_cards.h"
#include "board/sky_drawings.h"
#include "core/time/text_format.h"
#include "core/util/translation.h"
#include "core/weather/forecast_display.h"
#include "core/weather/units.h"
#include "widgets/catalogue.h"
#include "widgets/countdown_views.h"
#include "widgets/forecast_views.h"
#include "widgets/sky_views.h"
#include "widgets/widget_kinds.h"

namespace solvane::widgets {
namespace {

// Formatted times and dates may carry narrow or no-break spaces; a speech
// engine pauses on some of them.
QString plainSpaces(QString text) {
    text.replace(QChar(0x202F), QLatin1Char(' '));
    text.replace(QChar(0x00A0), QLatin1Char(' '));
    return text;
}

QString lowerFirst(QString text) {
    if (!text.isEmpty()) {
        text[0] = text[0].toLower();
    }
    return text;
}

struct Words {
    Q_DECLARE_TR_FUNCTIONS(WidgetDescription)
};

// "72 degrees, partly cloudy": most languages write the condition small in
// mid-sentence, German keeps its nouns capitalised; the translator says which.
QString conditionInSentence(const QString& condition) {
    const bool lower =
        Words::tr("lower",
                  "a weather condition in mid-sentence: 'lower' starts it "
                  "with a small letter, 'keep' leaves it as written") != QLatin1String("keep");
    return lower ? condition.toLower() : condition;
}

// "9 hours 23 minutes"; "24 hours"; "0 minutes".
QString spokenDuration(double seconds) {
    const auto minutes = static_cast<long long>(std::max(0.0, seconds) / 60.0);
    const int hours = static_cast<int>(std::min<long long>(minutes / 60, 1'000'000));
    const int rest = static_cast<int>(minutes % 60);
    const QString hourWords =
        QString::fromStdString(translate("WidgetDescription", "%n hour(s)", nullptr, hours));
    const QString minuteWords =
        QString::fromStdString(translate("WidgetDescription", "%n minute(s)", nullptr, rest));
    if (hours == 0) {
        return minuteWords;
    }
    if (rest == 0) {
        return hourWords;
    }
    return Words::tr("%1 %2", "hours and minutes").arg(hourWords, minuteWords);
}

// "72 degrees"; a value that is not a number has none to say.
QString spokenTemperature(double celsius, TempUnit unit) {
    const double shown =
        std::round(unit == TempUnit::fahrenheit ? units::fahrenheitFromCelsius(celsius) : celsius);
    if (!std::isfinite(shown) || std::fabs(shown) > 1e6) {
        return Words::tr("unknown", "a temperature");
    }
    // The degrees the face shows, rounded the same way, in the locale's digits.
    const QString figure = qstr(numberText(shown));
    const int value = static_cast<int>(shown);
    // The plural form follows the size of the number; its sign is said as written.
    const int size = value < 0 ? -value : value;
    return QString::fromStdString(translate("WidgetDescription", "%1 degree(s)", nullptr, size))
        .arg(figure);
}

QString spokenCompass(std::string_view point) {
    static constexpr std::array<std::pair<std::string_view, const char*>, 8> kNames{{
        {"N", QT_TRANSLATE_NOOP("WidgetDescription", "north")},
        {"NE", QT_TRANSLATE_NOOP("WidgetDescription", "northeast")},
        {"E", QT_TRANSLATE_NOOP("WidgetDescription", "east")},
        {"SE", QT_TRANSLATE_NOOP("WidgetDescription", "southeast")},
        {"S", QT_TRANSLATE_NOOP("WidgetDescription", "south")},
        {"SW", QT_TRANSLATE_NOOP("WidgetDescription", "southwest")},
        {"W", QT_TRANSLATE_NOOP("WidgetDescription", "west")},
        {"NW", QT_TRANSLATE_NOOP("WidgetDescription", "northwest")},
    }};
    for (const auto& [abbreviation, name] : kNames) {
        if (abbreviation == point) {
            return Words::tr(name);
        }
    }
    return qstr(point);
}

QString spokenWind(const WeatherSnapshot& weather, TempUnit unit) {
    const bool miles = unit == TempUnit::fahrenheit;
    const double value = miles ? units::mphFromKph(weather.windKph) : weather.windKph;
    if (!std::isfinite(value)) {
        return Words::tr("wind unknown");
    }
    // The number as the face draws it, whole; the words agree with it.
    const int n = static_cast<int>(std::lround(std::min(value, 1e6)));
    const QString speed = miles ? Words::tr("%Ln miles per hour", nullptr, n)
                                : Words::tr("%Ln kilometres per hour", nullptr, n);
    return Words::tr("wind %1 %2", "direction and speed")
        .arg(spokenCompass(compassPoint(weather)), speed);
}

// "6:05p" → "6:05 PM", as the moon's times are drawn in a 12-hour locale.
QString spokenClockAP(Instant t, const Calendar& calendar) {
    QString text = qstr(clockTextAP(t, calendar));
    if (text.endsWith(QLatin1Char('a'))) {
        text.chop(1);
        return Words::tr("%1 AM").arg(text);
    }
    if (text.endsWith(QLatin1Char('p'))) {
        text.chop(1);
        return Words::tr("%1 PM").arg(text);
    }
    return text;
}

QString spokenClock(Instant t, const Calendar& calendar) {
    return qstr(clockText(t, calendar));
}

QString spokenShortTime(const std::optional<Instant>& t, const Calendar& calendar) {
    return plainSpaces(shortTimeText(t, calendar));
}

QString longDate(Instant t, const Calendar& calendar) {
    return plainSpaces(qstr(longDateLabel(t, calendar)));
}

// `pattern` with the time put in, or `absent`.
template <typename Format>
QString timeOr(const std::optional<Instant>& t, const QString& pattern, const QString& absent,
               const Calendar& calendar, Format format) {
    return t ? pattern.arg(format(*t, calendar)) : absent;
}

// A text ending in a full stop, unless it has one already.
QString sentence(const QString& text) {
    if (text.isEmpty() || text.endsWith(QLatin1Char('.')) || text.endsWith(QChar(0x3002))) {
        return text;
    }
    return text + Words::tr(".", "the end of a sentence");
}

QString joined(const QString& first, const QString& second) {
    return Words::tr("%1, %2", "two parts of a sentence").arg(first, second);
}

// ---- countdowns -----------------------------------------------------------

bool isHappening(const CountdownDisplay& c) {
    return c.progress.has_value();
}

// "Winter solstice in 16 days, Monday, December 21", "Launch today, …",
// "Vacation, day 3 of 10 days, until Mon, Jan 4".
QString spokenCountdown(const CountdownDisplay& c, Instant now, const Calendar& calendar) {
    const QString label = qstr(c.label);
    const QString unit = qstr(c.unit);
    if (isHappening(c)) {
        // The row says "of 3 weeks" when it counts weeks: its number is the
        // current week then.
        bool weeks = false;
        static const QRegularExpression number(QStringLiteral("\\d+"));
        if (const auto match = number.match(unit); match.hasMatch()) {
            weeks = unit == QString::fromStdString(translate("CountdownDisplay", "of %n week(s)",
                                                             "under the week of a span",
                                                             match.captured().toInt()));
        }
        const QString until = lowerFirst(plainSpaces(qstr(c.caption)));
        return (weeks ? Words::tr("%1, week %2 %3, %4",
                                  "label, the week of a span, of how many, until")
                      : Words::tr("%1, day %2 %3, %4",
                                  "label, the day of a span, of how many, until"))
            .arg(label, QString::fromStdString(numberText(static_cast<double>(c.value))), unit,
                 until);
    }
    const QString date = longDate(c.sortDate, calendar);
    const auto today = calendar.startOfDay(now);
    const auto days = today ? calendar.dayDifference(*today, c.sortDate) : std::nullopt;
    if (days && *days <= 0) {
        return Words::tr("%1 today, %2", "label, date").arg(label, date);
    }
    return Words::tr("%1 in %2 %3, %4", "label, number, unit, date")
        .arg(label, QString::fromStdString(numberText(static_cast<double>(c.value))), unit, date);
}

QString spokenCountdowns(const std::vector<CountdownDisplay>& list, std::size_t limit, Instant now,
                         const Calendar& calendar) {
    QStringList sentences;
    for (std::size_t i = 0; i < std::min(limit, list.size()); ++i) {
        sentences << sentence(spokenCountdown(list[i], now, calendar));
    }
    return sentences.join(QLatin1Char(' '));
}

// ---- weather --------------------------------------------------------------

QString creditSentence(const WeatherSnapshot* weather) {
    if (weather == nullptr) {
        return {};
    }
    return weather->source == WeatherSource::openMeteo
               ? Words::tr("Weather from Open-Meteo.")
               : Words::tr("Weather from the weather service.");
}

// The weather header: temperature, condition, high and low; the detailed one
// adds what it feels like and the wind before the range, the clouds after it.
QString spokenWeather(const WeatherSnapshot* weather, TempUnit unit, bool detailed) {
    if (weather == nullptr) {
        return Words::tr("Weather unavailable.");
    }
    QStringList parts{spokenTemperature(weather->temperatureC, unit)};
    if (!weather->condition.empty()) {
        parts << conditionInSentence(qstr(localizedCondition(*weather)));
    }
    if (detailed) {
        parts << Words::tr("feels like %1").arg(spokenTemperature(weather->feelsLikeC, unit))
              << spokenWind(*weather, unit);
    }
    parts << Words::tr("high %1").arg(spokenTemperature(weather->highC, unit))
          << Words::tr("low %1").arg(spokenTemperature(weather->lowC, unit));
    if (detailed) {
        const int clouds =
            std::isfinite(weather->cloudCover)
                ? static_cast<int>(std::lround(std::clamp(weather->cloudCover, 0.0, 100.0)))
                : -1;
        parts << (clouds >= 0 ? Words::tr("clouds %Ln percent", nullptr, clouds)
                              : Words::tr("clouds unknown"));
    }
    return sentence(parts.join(Words::tr(", ", "between parts of a list")));
}

// ---- sun --------------------------------------------------------------------

// The day's light as the sun card writes it, in words.
QString spokenDayLength(const SkySnapshot& sky) {
    double seconds = 0;
    if (sky.allDaySun == AllDaySun::up) {
        seconds = 86400;
    } else if (sky.sunrise && sky.sunset) {
        seconds = *sky.sunset - *sky.sunrise;
    }
    if (seconds < 60) {
        return Words::tr("no daylight");
    }
    return Words::tr("%1 of light").arg(spokenDuration(seconds));
}

template <typename Format>
QString sunTimes(const SkySnapshot& sky, const Calendar& calendar, Format format) {
    if (sky.allDaySun == AllDaySun::up) {
        return Words::tr("The sun stays up all day");
    }
    if (sky.allDaySun == AllDaySun::down) {
        return Words::tr("The sun stays down all day");
    }
    return joined(
        timeOr(sky.sunrise, Words::tr("Sunrise %1"), Words::tr("No sunrise"), calendar, format),
        timeOr(sky.sunset, Words::tr("sunset %1"), Words::tr("no sunset"), calendar, format));
}

// A span the face writes only when both ends are known.
QString goldenHour(const SkySnapshot& sky, const Calendar& calendar) {
    if (sky.goldenStart && sky.sunset) {
        return Words::tr("Golden hour %1 to %2")
            .arg(spokenClock(*sky.goldenStart, calendar), spokenClock(*sky.sunset, calendar));
    }
    return Words::tr("No golden hour");
}

QString blueHour(const SkySnapshot& sky, const Calendar& calendar) {
    if (sky.blueStart && sky.blueEnd) {
        return Words::tr("blue hour %1 to %2")
            .arg(spokenClock(*sky.blueStart, calendar), spokenClock(*sky.blueEnd, calendar));
    }
    return Words::tr("no blue hour");
}

// The sun card of the full board: day length, times, golden and blue hours.
QString spokenSunCard(const SkySnapshot& sky, const Calendar& calendar) {
    return Words::tr("Sun: %1.", "the day's length").arg(spokenDayLength(sky)) + QLatin1Char(' ') +
           sentence(sunTimes(sky, calendar, spokenClock)) + QLatin1Char(' ') +
           sentence(joined(goldenHour(sky, calendar), blueHour(sky, calendar)));
}

// The Sky widget's sun block: times with the day length between them, then
// the start of the golden hour and the blue hour.
QString spokenSkySun(const SkySnapshot& sky, const Calendar& calendar) {
    const QString golden =
        sky.goldenStart
            ? Words::tr("Golden hour from %1").arg(spokenClock(*sky.goldenStart, calendar))
            : Words::tr("No golden hour");
    return sentence(joined(sunTimes(sky, calendar, spokenShortTime), spokenDayLength(sky))) +
           QLatin1Char(' ') + sentence(joined(golden, blueHour(sky, calendar)));
}

// ---- moon -------------------------------------------------------------------

QString litSentence(const SkySnapshot& sky) {
    const int lit = moonLitPercent(sky);
    return Words::tr("%Ln percent lit", nullptr, lit);
}

// "full moon today", "full moon in 5 days", as "Full today" reads.
QString nextFullRelative(const SkySnapshot& sky, Instant now, const Calendar& calendar) {
    if (!sky.nextFull) {
        return Words::tr("next full moon unknown");
    }
    return Words::tr("full moon %1", "today, tomorrow, in 5 days")
        .arg(qstr(relativeDayText(sky.nextFull, now, calendar)));
}

template <typename Format>
QString moonTimes(const SkySnapshot& sky, const Calendar& calendar, Format format) {
    return sentence(joined(
        timeOr(sky.moonRise, Words::tr("Moonrise %1"), Words::tr("No moonrise"), calendar, format),
        timeOr(sky.moonSet, Words::tr("moonset %1"), Words::tr("no moonset"), calendar, format)));
}

QString fullMoonDate(const std::optional<Instant>& t, const Calendar& calendar) {
    return t ? Words::tr("Full moon %1").arg(longDate(*t, calendar))
             : Words::tr("Full moon date unknown");
}

QString newMoonDate(const std::optional<Instant>& t, const Calendar& calendar) {
    return t ? Words::tr("new moon %1").arg(longDate(*t, calendar))
             : Words::tr("new moon date unknown");
}

QString phase(const SkySnapshot& sky) {
    return qstr(sky.localizedPhaseName());
}

// The Moon widget: lit share and next full moon beside the disc, the phase,
// then moonrise and moonset.
QString spokenMoonWidget(const SkySnapshot& sky, Instant now, const Calendar& calendar) {
    return sentence(joined(litSentence(sky), nextFullRelative(sky, now, calendar))) +
           QLatin1Char(' ') + sentence(phase(sky)) + QLatin1Char(' ') +
           moonTimes(sky, calendar, spokenClockAP);
}

QString spokenMoonCard(const SkySnapshot& sky, Instant now, const Calendar& calendar) {
    return Words::tr("Moon: %1.", "the moon's lit share").arg(litSentence(sky)) + QLatin1Char(' ') +
           sentence(joined(phase(sky), nextFullRelative(sky, now, calendar))) + QLatin1Char(' ') +
           moonTimes(sky, calendar, spokenClockAP) + QLatin1Char(' ') +
           sentence(
               joined(fullMoonDate(sky.nextFull, calendar), newMoonDate(sky.nextNew, calendar)));
}

QString spokenSkyMoon(const SkySnapshot& sky, const Calendar& calendar) {
    return sentence(joined(phase(sky), litSentence(sky))) + QLatin1Char(' ') +
           sentence(fullMoonDate(sky.nextFull, calendar)) + QLatin1Char(' ') +
           moonTimes(sky, calendar, spokenShortTime);
}

// ---- kinds ------------------------------------------------------------------

QString placeAndDate(const BoardData& data, const Calendar& calendar, bool placeFirst) {
    const QString date = longDate(data.date, calendar);
    const QString place = qstr(data.place);
    if (place.isEmpty()) {
        return sentence(date);
    }
    return sentence(placeFirst ? joined(place, date) : joined(date, place));
}

QString describeCountdowns(const BoardData& data, WidgetFamily family, const Calendar& calendar) {
    if (data.countdowns.empty()) {
        return sentence(CountdownSmallView::emptyText());
    }
    const std::size_t shown = family == WidgetFamily::small ? 1 : CountdownsMediumView::kMaxColumns;
    return spokenCountdowns(data.countdowns, shown, data.date, calendar);
}

QString describeBoard(const BoardData& data, const Calendar& calendar) {
    const WeatherSnapshot* weather = data.weather ? &*data.weather : nullptr;
    QStringList parts{placeAndDate(data, calendar, false)};
    if (weather != nullptr) {
        parts << creditSentence(weather);
    }
    parts << Words::tr("Countdowns: %1")
                 .arg(data.countdowns.empty()
                          ? sentence(SolvaneView::emptyCaption())
                          : spokenCountdowns(data.countdowns, SolvaneView::kMaxRows, data.date,
                                             calendar))
          << Words::tr("Weather: %1").arg(spokenWeather(weather, data.unit, true))
          << spokenSunCard(data.sky, calendar) << spokenMoonCard(data.sky, data.date, calendar);
    return parts.join(QLatin1Char(' '));
}

QString describeSky(const BoardData& data, const Calendar& calendar) {
    const WeatherSnapshot* weather = data.weather ? &*data.weather : nullptr;
    QStringList parts{placeAndDate(data, calendar, true)};
    if (weather != nullptr) {
        parts << creditSentence(weather);
    }
    parts << spokenWeather(weather, data.unit, false) << spokenSkySun(data.sky, calendar)
          << spokenSkyMoon(data.sky, calendar);
    return parts.join(QLatin1Char(' '));
}

// ---- forecast ---------------------------------------------------------------

template <typename Entry>
QString spokenCondition(const Entry& entry) {
    return conditionInSentence(QString::fromStdString(
        translate("WeatherCondition", std::string(shownCondition(entry)).c_str())));
}

QString spokenChance(const std::optional<double>& percent) {
    if (!percent || !std::isfinite(*percent)) {
        return Words::tr("chance of precipitation unknown");
    }
    if (ForecastView::chanceText(percent).isEmpty()) {
        return {};
    }
    const int n = static_cast<int>(std::lround(std::min(*percent, 100.0)));
    return Words::tr("%Ln percent chance of precipitation", nullptr, n);
}

QString withChance(const QString& text, const std::optional<double>& percent) {
    const QString chance = spokenChance(percent);
    return sentence(chance.isEmpty() ? text : joined(text, chance));
}

// In face order: the place and today's range, then each column (hours, or
// days on a medium face set to them), then the week on the large face.
QString describeForecast(const BoardData& data, WidgetFamily family, bool showsDays,
                         const Calendar& user) {
    QStringList parts;
    if (!data.place.empty()) {
        parts << sentence(qstr(data.place));
    }
    const Instant now = data.date;
    // The place's days and hours, as the face shows them.
    const Calendar place = data.forecast ? placeCalendar(*data.forecast, user) : user;
    const Calendar& calendar = place;
    if (!data.forecast || !forecastShowable(*data.forecast, now, calendar)) {
        parts << sentence(ForecastView::unavailableText());
        return parts.join(QLatin1Char(' '));
    }
    const Forecast& forecast = *data.forecast;
    if (const QString updated = ForecastView::updatedText(forecast, now, calendar, true);
        !updated.isEmpty()) {
        parts << sentence(plainSpaces(updated));
    }
    if (family == WidgetFamily::large) {
        if (const QString details = ForecastView::detailsText(forecast, now, data.unit, calendar);
            !details.isEmpty()) {
            parts << sentence(details);
        }
    }
    const auto today = calendar.civilDate(now);
    const std::vector<DayForecast> week =
        today ? upcomingDays(forecast, *today, ForecastView::kDays) : std::vector<DayForecast>();
    const auto day = [&](const DayForecast& d) {
        return withChance(Words::tr("%1: high %2, low %3, %4", "day, high, low, condition")
                              .arg(ForecastView::dayLabel(d.date, now, calendar, true),
                                   spokenTemperature(d.highC, data.unit),
                                   spokenTemperature(d.lowC, data.unit), spokenCondition(d)),
                          d.precipitationChance);
    };
    if (!week.empty()) {
        parts << sentence(Words::tr("Today: high %1, low %2")
                              .arg(spokenTemperature(week.front().highC, data.unit),
                                   spokenTemperature(week.front().lowC, data.unit)));
    }
    if (showsDays && family == WidgetFamily::medium) {
        for (std::size_t i = 0; i < week.size() && i < ForecastView::kColumns; ++i) {
            parts << day(week[i]);
        }
        return parts.join(QLatin1Char(' '));
    }
    for (const HourForecast& h :
         hourSteps(forecast, now, ForecastView::kHourStep, ForecastView::kColumns)) {
        parts << withChance(
            Words::tr("%1: %2, %3", "hour, temperature, condition")
                .arg(plainSpaces(ForecastView::hourLabel(h.time, now, calendar, true)),
                     spokenTemperature(h.temperatureC, data.unit), spokenCondition(h)),
            h.precipitationChance);
    }
    if (family == WidgetFamily::large) {
        for (const DayForecast& d : week) {
            parts << day(d);
        }
    }
    return parts.join(QLatin1Char(' '));
}

}  // namespace

QString describeBoardWidget(const BoardEntry& entry, WidgetFamily, const Calendar& calendar) {
    return describeBoard(entry.data(), calendar);
}

QString describeSkyWidget(const BoardEntry& entry, WidgetFamily, const Calendar& calendar) {
    return describeSky(entry.data(), calendar);
}

QString describeCountdownsWidget(const BoardEntry& entry, WidgetFamily family,
                                 const Calendar& calendar) {
    return describeCountdowns(entry.data(), family, calendar);
}

QString describeMoonWidget(const BoardEntry& entry, WidgetFamily, const Calendar& calendar) {
    return spokenMoonWidget(entry.data().sky, entry.data().date, calendar);
}

QString describeForecastWidget(const BoardEntry& entry, WidgetFamily family,
                               const Calendar& calendar) {
    return describeForecast(entry.data(), family, entry.showsDays(), calendar);
}

std::string describeWidget(std::string_view kind, WidgetFamily family, const BoardEntry& entry,
                           const Calendar& calendar) {
    const WidgetKind* found = findWidgetKind(kind);
    if (found == nullptr) {
        return {};
    }
    // The text opens with the name the gallery shows.
    const QString body = found->describe(entry, family, calendar);
    return (sentence(kindTitle(*found)) + QLatin1Char(' ') + body).simplified().toStdString();
}

}  // namespace solvane::widgets
