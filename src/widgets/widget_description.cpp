#include "widgets/widget_description.h"

#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <array>
#include <utility>

#include "board/board_view.h"
#include "board/sky_cards.h"
#include "board/sky_drawings.h"
#include "core/time/text_format.h"
#include "widgets/catalogue.h"
#include "widgets/countdown_views.h"
#include "widgets/sky_views.h"

namespace solvane::widgets {
namespace {

QString qstr(const std::string& s) {
    return QString::fromStdString(s);
}

QString qstr(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

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

QString upperFirst(QString text) {
    if (!text.isEmpty()) {
        text[0] = text[0].toUpper();
    }
    return text;
}

// "9h 23m" → "9 hours 23 minutes"; "24h" → "24 hours"; "0m" → "0 minutes".
QString spokenDuration(const QString& text) {
    static const QRegularExpression part(QStringLiteral("(\\d+)([hm])"));
    QStringList words;
    auto it = part.globalMatch(text);
    while (it.hasNext()) {
        const auto match = it.next();
        const QString number = match.captured(1);
        const bool hours = match.captured(2) == QLatin1String("h");
        const bool one = number == QLatin1String("1");
        words << number + QLatin1Char(' ') +
                     (hours ? (one ? QStringLiteral("hour") : QStringLiteral("hours"))
                            : (one ? QStringLiteral("minute") : QStringLiteral("minutes")));
    }
    return words.join(QLatin1Char(' '));
}

// "72°" → "72 degrees"; a value that is not a number has none to say.
QString spokenTemperature(double celsius, TempUnit unit) {
    QString text = qstr(formatTemperature(celsius, unit));
    text.remove(QChar(0x00B0));
    if (text.contains(QLatin1String("--"))) {
        return QStringLiteral("unknown");
    }
    return text + (text == QLatin1String("1") || text == QLatin1String("-1")
                       ? QStringLiteral(" degree")
                       : QStringLiteral(" degrees"));
}

QString spokenCompass(std::string_view point) {
    static constexpr std::array<std::pair<std::string_view, const char*>, 8> kNames{{
        {"N", "north"},
        {"NE", "northeast"},
        {"E", "east"},
        {"SE", "southeast"},
        {"S", "south"},
        {"SW", "southwest"},
        {"W", "west"},
        {"NW", "northwest"},
    }};
    for (const auto& [abbreviation, name] : kNames) {
        if (abbreviation == point) {
            return QString::fromLatin1(name);
        }
    }
    return qstr(point);
}

QString spokenWind(const WeatherSnapshot& weather, TempUnit unit) {
    QString speed = qstr(formatWind(weather, unit));
    if (speed.contains(QLatin1String("--"))) {
        return QStringLiteral("wind unknown");
    }
    speed.replace(QLatin1String(" km/h"), QLatin1String(" kilometres per hour"));
    speed.replace(QLatin1String(" mph"), QLatin1String(" miles per hour"));
    return QStringLiteral("wind ") + spokenCompass(compassPoint(weather)) + QLatin1Char(' ') +
           speed;
}

// "6:05p" → "6:05 PM", as the moon's times are drawn.
QString spokenClockAP(Instant t, const Calendar& calendar) {
    QString text = qstr(clockTextAP(t, calendar));
    if (text.endsWith(QLatin1Char('a'))) {
        text.chop(1);
        text += QStringLiteral(" AM");
    } else if (text.endsWith(QLatin1Char('p'))) {
        text.chop(1);
        text += QStringLiteral(" PM");
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

template <typename Format>
QString timeOr(const std::optional<Instant>& t, const QString& name, const QString& absent,
               const Calendar& calendar, Format format) {
    return t ? name + QLatin1Char(' ') + format(*t, calendar) : absent;
}

// A text ending in a full stop, unless it has one already.
QString sentence(const QString& text) {
    if (text.isEmpty() || text.endsWith(QLatin1Char('.'))) {
        return text;
    }
    return text + QLatin1Char('.');
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
        // "of 3 weeks" counts weeks; the value is the current one of them.
        const QString word =
            unit.endsWith(QLatin1String("weeks")) ? QStringLiteral("week") : QStringLiteral("day");
        return label + QStringLiteral(", ") + word + QLatin1Char(' ') + QString::number(c.value) +
               QLatin1Char(' ') + unit + QStringLiteral(", ") +
               lowerFirst(plainSpaces(qstr(c.caption)));
    }
    const QString date = longDate(c.sortDate, calendar);
    const auto today = calendar.startOfDay(now);
    const auto days = today ? calendar.dayDifference(*today, c.sortDate) : std::nullopt;
    if (days && *days <= 0) {
        return label + QStringLiteral(" today, ") + date;
    }
    return label + QStringLiteral(" in ") + QString::number(c.value) + QLatin1Char(' ') + unit +
           QStringLiteral(", ") + date;
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
               ? QStringLiteral("Weather from Open-Meteo.")
               : QStringLiteral("Weather from the weather service.");
}

// The weather header: temperature, condition, high and low; the detailed one
// adds what it feels like and the wind before the range, the clouds after it.
QString spokenWeather(const WeatherSnapshot* weather, TempUnit unit, bool detailed) {
    if (weather == nullptr) {
        return QStringLiteral("Weather unavailable.");
    }
    QStringList parts{spokenTemperature(weather->temperatureC, unit)};
    if (!weather->condition.empty()) {
        parts << qstr(weather->condition).toLower();
    }
    if (detailed) {
        parts << QStringLiteral("feels like ") + spokenTemperature(weather->feelsLikeC, unit)
              << spokenWind(*weather, unit);
    }
    parts << QStringLiteral("high ") + spokenTemperature(weather->highC, unit)
          << QStringLiteral("low ") + spokenTemperature(weather->lowC, unit);
    if (detailed) {
        parts << lowerFirst(cloudCoverText(weather->cloudCover))
                     .replace(QLatin1Char('%'), QStringLiteral(" percent"))
                     .replace(QLatin1String("-- percent"), QLatin1String("unknown"));
    }
    return sentence(parts.join(QStringLiteral(", ")));
}

// ---- sun --------------------------------------------------------------------

// The day's light as the sun card writes it, in words.
QString spokenDayLength(const SkySnapshot& sky) {
    const QString words = spokenDuration(dayLengthFigure(sky));
    if (words.isEmpty() || words == QLatin1String("0 minutes")) {
        return QStringLiteral("no daylight");
    }
    return words + QStringLiteral(" of light");
}

template <typename Format>
QString sunTimes(const SkySnapshot& sky, const Calendar& calendar, Format format) {
    if (sky.allDaySun == AllDaySun::up) {
        return QStringLiteral("The sun stays up all day");
    }
    if (sky.allDaySun == AllDaySun::down) {
        return QStringLiteral("The sun stays down all day");
    }
    return timeOr(sky.sunrise, QStringLiteral("Sunrise"), QStringLiteral("No sunrise"), calendar,
                  format) +
           QStringLiteral(", ") +
           timeOr(sky.sunset, QStringLiteral("sunset"), QStringLiteral("no sunset"), calendar,
                  format);
}

// A span the face writes only when both ends are known.
QString span(const QString& name, const std::optional<Instant>& from,
             const std::optional<Instant>& to, const Calendar& calendar) {
    if (from && to) {
        return name + QLatin1Char(' ') + spokenClock(*from, calendar) + QStringLiteral(" to ") +
               spokenClock(*to, calendar);
    }
    return QStringLiteral("no ") + name;
}

// The sun card of the full board: day length, times, golden and blue hours.
QString spokenSunCard(const SkySnapshot& sky, const Calendar& calendar) {
    const QString times = sunTimes(sky, calendar, spokenClock);
    return QStringLiteral("Sun: ") + spokenDayLength(sky) + QStringLiteral(". ") + times +
           QStringLiteral(". ") +
           sentence(upperFirst(span(QStringLiteral("golden hour"), sky.goldenStart, sky.sunset,
                                    calendar)) +
                    QStringLiteral(", ") +
                    span(QStringLiteral("blue hour"), sky.blueStart, sky.blueEnd, calendar));
}

// The Sky widget's sun block: times with the day length between them, then
// the start of the golden hour and the blue hour.
QString spokenSkySun(const SkySnapshot& sky, const Calendar& calendar) {
    const QString times = sunTimes(sky, calendar, spokenShortTime);
    const QString golden = sky.goldenStart ? QStringLiteral("Golden hour from ") +
                                                 spokenClock(*sky.goldenStart, calendar)
                                           : QStringLiteral("No golden hour");
    return sentence(times + QStringLiteral(", ") + spokenDayLength(sky)) + QLatin1Char(' ') +
           sentence(golden + QStringLiteral(", ") +
                    span(QStringLiteral("blue hour"), sky.blueStart, sky.blueEnd, calendar));
}

// ---- moon -------------------------------------------------------------------

QString litSentence(const SkySnapshot& sky) {
    return QString::number(moonLitPercent(sky)) + QStringLiteral(" percent lit");
}

// "full moon today", "full moon in 5 days", as "Full today" reads.
QString nextFullRelative(const SkySnapshot& sky, Instant now, const Calendar& calendar) {
    if (!sky.nextFull) {
        return QStringLiteral("next full moon unknown");
    }
    return QStringLiteral("full moon ") + qstr(relativeDayText(sky.nextFull, now, calendar));
}

template <typename Format>
QString moonTimes(const SkySnapshot& sky, const Calendar& calendar, Format format) {
    return sentence(timeOr(sky.moonRise, QStringLiteral("Moonrise"), QStringLiteral("No moonrise"),
                           calendar, format) +
                    QStringLiteral(", ") +
                    timeOr(sky.moonSet, QStringLiteral("moonset"), QStringLiteral("no moonset"),
                           calendar, format));
}

QString phaseDate(const QString& name, const std::optional<Instant>& t, const Calendar& calendar) {
    return t ? name + QLatin1Char(' ') + longDate(*t, calendar)
             : name + QStringLiteral(" date unknown");
}

// The Moon widget: lit share and next full moon beside the disc, the phase,
// then moonrise and moonset.
QString spokenMoonWidget(const SkySnapshot& sky, Instant now, const Calendar& calendar) {
    return sentence(litSentence(sky) + QStringLiteral(", ") +
                    nextFullRelative(sky, now, calendar)) +
           QLatin1Char(' ') + sentence(qstr(sky.phaseName())) + QLatin1Char(' ') +
           moonTimes(sky, calendar, spokenClockAP);
}

QString spokenMoonCard(const SkySnapshot& sky, Instant now, const Calendar& calendar) {
    return QStringLiteral("Moon: ") + litSentence(sky) + QStringLiteral(". ") +
           sentence(qstr(sky.phaseName()) + QStringLiteral(", ") +
                    nextFullRelative(sky, now, calendar)) +
           QLatin1Char(' ') + moonTimes(sky, calendar, spokenClockAP) + QLatin1Char(' ') +
           sentence(phaseDate(QStringLiteral("Full moon"), sky.nextFull, calendar) +
                    QStringLiteral(", ") +
                    phaseDate(QStringLiteral("new moon"), sky.nextNew, calendar));
}

QString spokenSkyMoon(const SkySnapshot& sky, const Calendar& calendar) {
    return sentence(qstr(sky.phaseName()) + QStringLiteral(", ") + litSentence(sky)) +
           QLatin1Char(' ') +
           sentence(phaseDate(QStringLiteral("Full moon"), sky.nextFull, calendar)) +
           QLatin1Char(' ') + moonTimes(sky, calendar, spokenShortTime);
}

// ---- kinds ------------------------------------------------------------------

QString placeAndDate(const BoardData& data, const Calendar& calendar, bool placeFirst) {
    const QString date = longDate(data.date, calendar);
    const QString place = qstr(data.place);
    if (place.isEmpty()) {
        return sentence(date);
    }
    return sentence(placeFirst ? place + QStringLiteral(", ") + date
                               : date + QStringLiteral(", ") + place);
}

QString describeCountdowns(const BoardData& data, WidgetFamily family, const Calendar& calendar) {
    if (data.countdowns.empty()) {
        return CountdownSmallView::emptyText() + QLatin1Char('.');
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
    parts << QStringLiteral("Countdowns: ") +
                 (data.countdowns.empty() ? SolvaneView::emptyCaption() + QLatin1Char('.')
                                          : spokenCountdowns(data.countdowns, SolvaneView::kMaxRows,
                                                             data.date, calendar))
          << QStringLiteral("Weather: ") + spokenWeather(weather, data.unit, true)
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

}  // namespace

std::string describeWidget(std::string_view kind, WidgetFamily family, const BoardEntry& entry,
                           const Calendar& calendar) {
    const BoardData& data = entry.data();
    QString body;
    if (kind == kSolvaneKind) {
        body = describeBoard(data, calendar);
    } else if (kind == kSkyKind) {
        body = describeSky(data, calendar);
    } else if (kind == kCountdownsKind) {
        body = describeCountdowns(data, family, calendar);
    } else if (kind == kMoonKind) {
        body = spokenMoonWidget(data.sky, data.date, calendar);
    } else {
        return {};
    }
    // The catalogue names the kinds; the text opens with the name the gallery shows.
    QString name = qstr(kind);
    for (const WidgetKindSpec& spec : widgetCatalogue()) {
        if (spec.kind == kind) {
            name = QString::fromStdString(spec.displayName);
        }
    }
    return (name + QStringLiteral(". ") + body).simplified().toStdString();
}

}  // namespace solvane::widgets
