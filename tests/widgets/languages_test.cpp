// Every shipped language as its readers meet it, with the catalogues the
// build compiled: generated phrases in each language's grammar, an English
// left-to-right window where Solvane has no catalogue, one digit system per
// line, and no fact cut on any face with the longest texts.
#include <QCoreApplication>
#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPainter>

#include <gtest/gtest.h>

#include <unicode/locid.h>

#include <algorithm>
#include <iostream>
#include <set>
#include <string>
#include <vector>

#include "board/canvas.h"
#include "board/layout.h"
#include "core/model/countdown_display.h"
#include "core/model/presets.h"
#include "core/time/text_format.h"
#include "core/util/enum_strings.h"
#include "core/util/translation.h"
#include "core/weather/weather.h"
#include "platform/qt/translations.h"
#include "widgets/catalogue.h"
#include "widgets/widget_description.h"
#include "widgets/widget_views.h"

#include "widgets/golden_board.h"

namespace solvane::widgets {
namespace {

using samples::at;

// The language's catalogue and its calendar, numbers and dates in `locale`.
struct InLanguage {
    InLanguage(const QString& language, const std::string& locale)
        : calendar(*Calendar::make("America/New_York", locale)) {
        qputenv("SOLVANE_TRANSLATIONS", SOLVANE_TRANSLATIONS_DIR);
        platform::installTranslations(language);
        setNumberLocale(locale);
    }
    ~InLanguage() {
        platform::installTranslations(QStringLiteral("en_US"));
        setNumberLocale("en_US");
    }
    Calendar calendar;
};

// The languages the build ships, each with the place its readers most
// likely live ("de" → "de_DE"), and locales read in an English window.
std::vector<std::pair<QString, std::string>> shippedLanguages() {
    std::vector<std::pair<QString, std::string>> out;
    for (const QString& file : QDir(QStringLiteral(SOLVANE_TRANSLATIONS_DIR))
                                   .entryList({QStringLiteral("solvane_*.qm")}, QDir::Files)) {
        const QString language = file.mid(8).chopped(3);
        if (language == QLatin1String("en_XA")) {
            continue;  // the pseudo-locale, for tests
        }
        icu::Locale likely(language.toStdString().c_str());
        UErrorCode status = U_ZERO_ERROR;
        likely.addLikelySubtags(status);
        out.emplace_back(language, std::string(likely.getLanguage()) + "_" + likely.getCountry());
    }
    // English, and English windows around other scripts' dates and digits.
    for (const char* locale : {"en_US", "ar_EG", "fa_IR", "hi_IN", "he_IL"}) {
        out.emplace_back(QString::fromLatin1(locale), locale);
    }
    return out;
}

TEST(Languages, OrdinalWeekdayPhrasesInEachLanguagesGrammar) {
    const struct {
        const char* language;
        const char* locale;
        DateRule rule;
        const char* text;
    } cases[] = {
        {"it", "it_IT", DateRule::nthWeekday(-1, 2, 5, 0), "Ultimo lunedì di maggio"},
        {"it", "it_IT", DateRule::nthWeekday(2, 1, 1, 0), "Seconda domenica di gennaio"},
        {"fr", "fr_FR", DateRule::nthWeekday(-1, 2, 5, 0), "Dernier lundi de mai"},
        {"fr", "fr_FR", DateRule::nthWeekday(2, 2, 1, 0), "2e lundi de janvier"},
        {"fr", "fr_FR", DateRule::nthWeekday(1, 1, 4, 0), "1er dimanche d’avril"},
        {"ru", "ru_RU", DateRule::nthWeekday(2, 2, 1, 0), "Второй понедельник января"},
        {"ru", "ru_RU", DateRule::nthWeekday(-1, 2, 5, 0), "Последний понедельник мая"},
        {"ru", "ru_RU", DateRule::nthWeekday(2, 1, 5, 0), "Второе воскресенье мая"},
        {"ru", "ru_RU", DateRule::nthWeekday(1, 6, 3, 0), "Первая пятница марта"},
        {"pt_BR", "pt_BR", DateRule::nthWeekday(2, 2, 1, 0), "Segunda segunda-feira de janeiro"},
        {"pt_BR", "pt_BR", DateRule::nthWeekday(-1, 2, 5, 0), "Última segunda-feira de maio"},
        {"pt_BR", "pt_BR", DateRule::nthWeekday(2, 1, 5, 0), "Segundo domingo de maio"},
        {"de", "de_DE", DateRule::nthWeekday(-1, 2, 5, -3), "Letzter Montag im Mai, 3 Tage davor"},
        {"es", "es_ES", DateRule::nthWeekday(3, 7, 12, 0), "Tercer sábado de diciembre"},
        {"ja", "ja_JP", DateRule::nthWeekday(-1, 2, 5, 0), "5月の最終月曜日"},
        {"zh_CN", "zh_CN", DateRule::nthWeekday(2, 1, 5, 0), "五月第二个星期日"},
        {"pl", "pl_PL", DateRule::nthWeekday(-1, 2, 5, 0), "Ostatni poniedziałek maja"},
        {"pl", "pl_PL", DateRule::nthWeekday(2, 1, 1, 0), "Druga niedziela stycznia"},
        {"uk", "uk_UA", DateRule::nthWeekday(1, 6, 3, 0), "Перша пʼятниця березня"},
        {"cs", "cs_CZ", DateRule::nthWeekday(2, 2, 5, 0), "Druhé pondělí května"},
        {"cs", "cs_CZ", DateRule::nthWeekday(4, 5, 11, 0), "Čtvrtý čtvrtek listopadu"},
        {"sv", "sv_SE", DateRule::nthWeekday(2, 1, 5, 0), "Andra söndagen i maj"},
        {"tr", "tr_TR", DateRule::nthWeekday(-1, 2, 5, 0), "Mayıs ayının son Pazartesi günü"},
        {"ko", "ko_KR", DateRule::nthWeekday(2, 1, 5, 0), "5월 둘째 일요일"},
        {"nl", "nl_NL", DateRule::nthWeekday(2, 1, 5, 0), "Tweede zondag van mei"},
    };
    for (const auto& c : cases) {
        const InLanguage in(QString::fromLatin1(c.language), c.locale);
        EXPECT_EQ(ruleDescription(c.rule, in.calendar), c.text) << c.language;
    }
}

// Qt's own Arabic and Hebrew catalogues would mirror the window; without a
// catalogue of Solvane's the window is English, so it stays left to right.
TEST(Languages, AWindowWithoutACatalogueIsEnglishAndLeftToRight) {
    for (const char* locale : {"ar_EG", "he_IL", "fa_IR", "de_DE"}) {
        const InLanguage in(QString::fromLatin1(locale), locale);
        EXPECT_EQ(QGuiApplication::layoutDirection(), Qt::LeftToRight) << locale;
        const bool german = std::string(locale) == "de_DE";
        EXPECT_EQ(translate("Presets", "Fall equinox") == "Fall equinox", !german) << locale;
    }
}

// The zero of the digits in `text`, or none when it has none; -1 when it
// mixes digit systems.
int digitZero(const QString& text) {
    int zero = 0;
    for (const QChar c : text) {
        if (c.isDigit()) {
            const int mine = c.unicode() - c.digitValue();
            if (zero != 0 && zero != mine) {
                return -1;
            }
            zero = mine;
        }
    }
    return zero;
}

BoardData longestBoard(const Calendar& calendar) {
    BoardData b = samples::goldenBoard();
    std::vector<Countdown> countdowns;
    for (const CountdownPreset& preset :
         catalogue(calendar, PresetRegion::of(calendar, b.date, 40.68))) {
        countdowns.push_back(makeCountdown(preset));
    }
    b.countdowns = sortedDisplays(countdowns, b.date, calendar);
    // Each place's own unit; where it is Fahrenheit, three digits of it.
    b.unit = defaultTempUnit(calendar.locale());
    b.weather->temperatureC = b.unit == TempUnit::fahrenheit ? 38.4 : -12.4;  // 101 °F, -12 °C
    b.weather->highC = b.unit == TempUnit::fahrenheit ? 40.1 : -10.2;
    b.weather->cloudCover = 88;
    b.place = "Rancho Santa Margarita, California, United States of America";
    b.sky = SkySnapshot::compute(b.date, 40.68, -73.94, calendar);
    return b;
}

// Each spoken description is one line a reader hears; every number in it is
// in the locale's digits, the dates' too.
TEST(Languages, EachLineReadsOneDigitSystem) {
    const struct {
        const char* locale;
        char16_t zero;
    } cases[] = {{"ar_EG", u'\u0660'}, {"fa_IR", u'\u06F0'}, {"hi_IN", u'0'}};
    for (const auto& c : cases) {
        const InLanguage in(QString::fromLatin1(c.locale), c.locale);
        const BoardData board = longestBoard(in.calendar);
        std::vector<QString> lines = {
            QString::fromStdString(durationText(37500)),
            QString::fromStdString(formatTemperature(-12, TempUnit::celsius)),
            QString::fromStdString(
                relativeDayText(board.date + 14 * 86400.0, board.date, in.calendar)),
            QString::fromStdString(clockTextAP(board.date, in.calendar)),
            QString::fromStdString(
                ruleDescription(DateRule::nthWeekday(-1, 2, 5, -3), in.calendar)),
        };
        for (const CountdownDisplay& row : board.countdowns) {
            lines.push_back(QString::fromStdString(row.unit + " " + row.caption));
        }
        for (const WidgetKindSpec& spec : widgetCatalogue()) {
            for (WidgetFamily family : spec.families) {
                lines.push_back(QString::fromStdString(describeWidget(
                    spec.kind, family, BoardEntry(board.date, BoardData(board), WidgetStyle::dark),
                    in.calendar)));
            }
        }
        for (const QString& line : lines) {
            EXPECT_EQ(digitZero(line), static_cast<int>(c.zero))
                << c.locale << ": " << line.toStdString();
        }
    }
}

// Every face of every kind, size and style in every shipped language, the
// countdowns all the presets (labels in the language, three-digit counts,
// every month's name), a three-digit temperature and a long place: no fact
// is left wider than its room, which would cut it.
TEST(Languages, NoFaceCutsAFactInAnyLanguage) {
    std::set<std::string> overfull;
    for (const auto& [language, locale] : shippedLanguages()) {
        // Without a face for its script a text is measured in boxes; the
        // package recommends one, a test machine may not have it.
        if (locale == "hi_IN" && QFontDatabase::families(QFontDatabase::Devanagari).isEmpty()) {
            std::cout << "hi_IN not drawn: no Devanagari face installed\n";
            continue;
        }
        const InLanguage in(language, locale);
        const BoardData board = longestBoard(in.calendar);
        takeOverfullFacts();
        for (const WidgetKindSpec& spec : widgetCatalogue()) {
            for (WidgetFamily family : spec.families) {
                for (bool days : {false, true}) {
                    // Each row has its turn at the top, where the smaller
                    // faces show theirs.
                    for (std::size_t first = 0; first < board.countdowns.size(); ++first) {
                        BoardData turn = board;
                        std::rotate(turn.countdowns.begin(),
                                    turn.countdowns.begin() + static_cast<std::ptrdiff_t>(first),
                                    turn.countdowns.end());
                        const ViewContext context{
                            family,  RenderingMode::fullColor, ColorScheme::light, &in.calendar,
                            nullptr, QColor(0x30, 0x8c, 0xc6)};
                        const BoardEntry entry(turn.date, std::move(turn), WidgetStyle::dark, days);
                        testing::render(familySize(family), 1, Qt::transparent, [&](QPainter& p) {
                            paintWidget(p, QRectF(QPointF(), familySize(family)), spec.kind, entry,
                                        context);
                        });
                        if (spec.kind != kCountdownsKind && spec.kind != kSolvaneKind) {
                            break;  // the rows are not on this face
                        }
                    }
                }
                for (const QString& text : takeOverfullFacts()) {
                    overfull.insert(language.toStdString() + " " + spec.kind + " " +
                                    std::string(toString(family)) + ": " + text.toStdString());
                }
            }
        }
    }
    for (const std::string& cut : overfull) {
        ADD_FAILURE() << cut;
    }
}

}  // namespace
}  // namespace solvane::widgets
