#include "core/time/text_format.h"

#include <unicode/dtfmtsym.h>
#include <unicode/dtptngen.h>
#include <unicode/gregocal.h>
#include <unicode/numfmt.h>
#include <unicode/smpdtfmt.h>
#include <unicode/uchar.h>
#include <unicode/uscript.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <tuple>

#include "core/time/calendar_internal.h"
#include "core/util/translation.h"

namespace solvane {
namespace {

enum class Style { clock, clockAP, time, shortDate, longDate, hour, weekday };

// Whether the locale's preferred hour ("j", what its people read on a
// clock) counts 0–23 or 1–24 rather than 1–12.
bool hourCycleIs24(icu::DateTimePatternGenerator& generator, UErrorCode& status) {
    const icu::UnicodeString hour = generator.getBestPattern(UNICODE_STRING_SIMPLE("j"), status);
    return hour.indexOf(u'H') >= 0 || hour.indexOf(u'k') >= 0;
}

// The first letter's script in `text`, or USCRIPT_COMMON when it has none.
UScriptCode letterScript(const icu::UnicodeString& text) {
    for (int32_t i = 0; i < text.length(); i = text.moveIndex32(i, 1)) {
        const UChar32 c = text.char32At(i);
        if (u_isalpha(c)) {
            UErrorCode status = U_ZERO_ERROR;
            return uscript_getScript(c, &status);
        }
    }
    return USCRIPT_COMMON;
}

// The day period `width` ("a" or "aaaaa") gives in the evening.
icu::UnicodeString dayPeriod(const icu::Locale& locale, const icu::UnicodeString& width) {
    UErrorCode status = U_ZERO_ERROR;
    icu::SimpleDateFormat f(width, locale, status);
    icu::UnicodeString out;
    if (U_SUCCESS(status)) {
        f.format(22 * 3600 * 1000.0, out);
    }
    return out;
}

// The locale's own 12-hour pattern with its narrowest day period written in
// its own letters, close to the minutes where the day period follows them:
// "6:05p" in English, "٦:٠٥م" in Arabic, "오후 6:05" in Korean (whose narrow
// form is the Latin "PM").
icu::UnicodeString narrowDayPeriodPattern(icu::UnicodeString pattern, const icu::Locale& locale) {
    const int32_t first = pattern.indexOf(u'a');
    if (first < 0) {
        return pattern;
    }
    int32_t last = first;
    while (last + 1 < pattern.length() && pattern[last + 1] == u'a') {
        ++last;
    }
    const icu::UnicodeString narrow = UNICODE_STRING_SIMPLE("aaaaa");
    const bool ownLetters = letterScript(dayPeriod(locale, narrow)) ==
                            letterScript(dayPeriod(locale, UNICODE_STRING_SIMPLE("a")));
    const icu::UnicodeString width = ownLetters ? narrow : UNICODE_STRING_SIMPLE("a");
    pattern.replace(first, last - first + 1, width);
    if (first > 0 && first + width.length() == pattern.length()) {
        int32_t space = first;
        while (space > 0 && (pattern[space - 1] == u' ' || pattern[space - 1] == u'\u202F' ||
                             pattern[space - 1] == u'\u00A0')) {
            --space;
        }
        pattern.remove(space, first - space);
    }
    return pattern;
}

// Formatters are costly to build and not safe to share between threads while
// formatting, so one of each style is kept per zone and locale, and every use
// holds the lock.
class FormatterCache {
  public:
    static FormatterCache& shared() {
        static FormatterCache cache;
        return cache;
    }

    std::string format(Style style, Instant t, const Calendar& calendar) {
        if (!std::isfinite(t.seconds) || std::fabs(t.seconds) > 1e13) {
            return "—";
        }
        std::lock_guard lock(mutex_);
        icu::SimpleDateFormat* f = get(style, calendar);
        if (f == nullptr) {
            return "—";
        }
        icu::UnicodeString out;
        f->format(t.unixSeconds() * 1000.0, out);
        std::string s;
        out.toUTF8String(s);
        return s;
    }

  private:
    using Key = std::tuple<Style, std::string, std::string>;

    icu::SimpleDateFormat* get(Style style, const Calendar& calendar) {
        Key key{style, calendar.zoneId(), calendar.locale()};
        const ZoneStamp& stamp = CalendarAccess::stamp(calendar);
        auto it = formatters_.find(key);
        if (it == formatters_.end()) {
            it = formatters_.emplace(key, Entry{stamp, build(style, calendar)}).first;
        } else if (it->second.stamp != stamp) {
            // The zone's file was replaced since: its new rules.
            it->second = Entry{stamp, build(style, calendar)};
        }
        return it->second.formatter.get();
    }

    static std::unique_ptr<icu::SimpleDateFormat> build(Style style, const Calendar& calendar) {
        const icu::Locale locale(calendar.locale().c_str());
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::DateTimePatternGenerator> generator(
            icu::DateTimePatternGenerator::createInstance(locale, status));
        if (U_FAILURE(status)) {
            return nullptr;
        }
        const bool clock = style == Style::clock || style == Style::clockAP;
        icu::UnicodeString pattern;
        if (clock && hourCycleIs24(*generator, status)) {
            // The locale's own 24-hour form ("07:06" in German, "7:06" in
            // Japanese): nothing to tell morning from evening.
            pattern = generator->getBestPattern(UNICODE_STRING_SIMPLE("Hmm"), status);
        } else if (style == Style::clock) {
            pattern = UNICODE_STRING_SIMPLE("h:mm");
        } else if (style == Style::clockAP) {
            pattern = narrowDayPeriodPattern(
                generator->getBestPattern(UNICODE_STRING_SIMPLE("hmm"), status), locale);
        } else if (style == Style::time) {
            pattern = generator->getBestPattern(UNICODE_STRING_SIMPLE("jmm"), status);
        } else if (style == Style::hour) {
            // The hour as the locale names it on its own: "3 PM", "15 Uhr", "15時".
            pattern = generator->getBestPattern(UNICODE_STRING_SIMPLE("j"), status);
        } else if (style == Style::weekday) {
            pattern = generator->getBestPattern(UNICODE_STRING_SIMPLE("EEE"), status);
        } else {
            pattern = generator->getBestPattern(style == Style::longDate
                                                    ? UNICODE_STRING_SIMPLE("EEEEMMMMd")
                                                    : UNICODE_STRING_SIMPLE("EEEMMMd"),
                                                status);
        }
        auto f = std::make_unique<icu::SimpleDateFormat>(pattern, locale, status);
        if (U_FAILURE(status) || !f) {
            return nullptr;
        }
        // Always the Gregorian calendar, whatever calendar the locale prefers,
        // so labels name the same days the countdown arithmetic computes.
        status = U_ZERO_ERROR;
        auto gregorian = std::make_unique<icu::GregorianCalendar>(
            CalendarAccess::zone(calendar).release(), locale, status);
        if (U_FAILURE(status)) {
            return nullptr;
        }
        f->adoptCalendar(gregorian.release());
        return f;
    }

    struct Entry {
        ZoneStamp stamp;  // the rules the formatter's zone was read with
        std::unique_ptr<icu::SimpleDateFormat> formatter;
    };

    std::mutex mutex_;
    std::map<Key, Entry> formatters_;
};

}  // namespace

bool usesTwentyFourHourClock(const Calendar& calendar) {
    // A pattern generator takes milliseconds to build; a locale's answer
    // never changes.
    static std::mutex mutex;
    static std::map<std::string, bool> known;
    std::lock_guard lock(mutex);
    if (const auto it = known.find(calendar.locale()); it != known.end()) {
        return it->second;
    }
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::DateTimePatternGenerator> generator(
        icu::DateTimePatternGenerator::createInstance(icu::Locale(calendar.locale().c_str()),
                                                      status));
    const bool answer = U_SUCCESS(status) && hourCycleIs24(*generator, status) && U_SUCCESS(status);
    known.emplace(calendar.locale(), answer);
    return answer;
}

std::string clockText(Instant t, const Calendar& calendar) {
    return FormatterCache::shared().format(Style::clock, t, calendar);
}

std::string clockTextAP(Instant t, const Calendar& calendar) {
    return FormatterCache::shared().format(Style::clockAP, t, calendar);
}

std::string timeText(Instant t, const Calendar& calendar) {
    return FormatterCache::shared().format(Style::time, t, calendar);
}

std::string shortDateLabel(Instant t, const Calendar& calendar) {
    return FormatterCache::shared().format(Style::shortDate, t, calendar);
}

std::string longDateLabel(Instant t, const Calendar& calendar) {
    return FormatterCache::shared().format(Style::longDate, t, calendar);
}

std::string hourText(Instant t, const Calendar& calendar) {
    return FormatterCache::shared().format(Style::hour, t, calendar);
}

std::string weekdayText(Instant t, const Calendar& calendar) {
    return FormatterCache::shared().format(Style::weekday, t, calendar);
}

std::string dateFieldPattern(const Calendar& calendar) {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::DateTimePatternGenerator> generator(
        icu::DateTimePatternGenerator::createInstance(icu::Locale(calendar.locale().c_str()),
                                                      status));
    if (U_FAILURE(status)) {
        return {};
    }
    const icu::UnicodeString pattern =
        generator->getBestPattern(UNICODE_STRING_SIMPLE("yMMMEd"), status);
    std::string out;
    if (U_SUCCESS(status)) {
        pattern.toUTF8String(out);
    }
    return out;
}

namespace {

struct NumberFormats {
    std::mutex mutex;
    std::string locale;  // empty: the calendar's, read on first use
    std::map<int, std::unique_ptr<icu::NumberFormat>> byFraction;
};

NumberFormats& numberFormats() {
    static NumberFormats formats;
    return formats;
}

}  // namespace

void setNumberLocale(std::string_view locale) {
    NumberFormats& f = numberFormats();
    std::lock_guard lock(f.mutex);
    f.locale = std::string(locale);
    f.byFraction.clear();
}

std::string numberLocale() {
    NumberFormats& f = numberFormats();
    std::lock_guard lock(f.mutex);
    if (f.locale.empty()) {
        f.locale = Calendar::currentLocaleName();
    }
    return f.locale;
}

std::string numberText(double value, int fractionDigits) {
    if (!std::isfinite(value)) {
        return "--";
    }
    const int fraction = std::clamp(fractionDigits, 0, 6);
    const double scale = std::pow(10.0, fraction);
    // Half away from zero, as a reader rounds; a zero reached from below
    // loses its sign.
    double rounded = std::fabs(value) < 1e15 ? std::round(value * scale) / scale : value;
    if (rounded == 0.0) {
        rounded = 0.0;
    }
    const std::string locale = numberLocale();
    NumberFormats& f = numberFormats();
    std::lock_guard lock(f.mutex);
    auto& format = f.byFraction[fraction];
    if (!format) {
        UErrorCode status = U_ZERO_ERROR;
        format.reset(icu::NumberFormat::createInstance(icu::Locale(locale.c_str()), status));
        if (U_FAILURE(status) || !format) {
            format.reset();
        } else {
            format->setGroupingUsed(false);
            format->setRoundingMode(icu::NumberFormat::kRoundHalfUp);
            format->setMinimumFractionDigits(fraction);
            format->setMaximumFractionDigits(fraction);
        }
    }
    if (!format) {
        char buffer[400];  // the largest double has 309 digits
        std::snprintf(buffer, sizeof buffer, "%.*f", fraction, rounded);
        return buffer;
    }
    icu::UnicodeString out;
    format->format(rounded, out);
    std::string text;
    out.toUTF8String(text);
    return text;
}

std::string integerText(std::string_view digits) {
    const std::size_t start = !digits.empty() && digits.front() == '-' ? 1 : 0;
    if (digits.size() == start ||
        digits.find_first_not_of("0123456789", start) != std::string_view::npos) {
        return std::string(digits);
    }
    const std::string locale = numberLocale();
    NumberFormats& f = numberFormats();
    std::lock_guard lock(f.mutex);
    auto& format = f.byFraction[-1];
    if (!format) {
        UErrorCode status = U_ZERO_ERROR;
        format.reset(icu::NumberFormat::createInstance(icu::Locale(locale.c_str()), status));
        if (U_FAILURE(status) || !format) {
            format.reset();
            return std::string(digits);
        }
        format->setGroupingUsed(false);
        format->setMaximumFractionDigits(0);
    }
    UErrorCode status = U_ZERO_ERROR;
    icu::UnicodeString out;
    format->format(icu::StringPiece(digits.data(), static_cast<int32_t>(digits.size())), out,
                   nullptr, status);
    if (U_FAILURE(status)) {
        return std::string(digits);
    }
    std::string text;
    out.toUTF8String(text);
    return text;
}

std::string durationText(double seconds) {
    // Beyond ±2^62 seconds the minute count would not fit an integer; no
    // caller shows such durations, so they read as unknown.
    if (!std::isfinite(seconds) || std::fabs(seconds) > 4.6e18) {
        return "—";
    }
    const auto minutes = static_cast<long long>(seconds / 60.0);
    // Abbreviations as each language writes them: "9h 22m", "9 Std. 22 Min.".
    if (minutes < 60) {
        return withArguments(translate("Duration", "%1m", "minutes"),
                             {numberText(static_cast<double>(minutes))});
    }
    return withArguments(translate("Duration", "%1h %2m", "hours and minutes"),
                         {numberText(static_cast<double>(minutes / 60)),
                          numberText(static_cast<double>(minutes % 60))});
}

std::string fullDayText() {
    return withArguments(translate("Duration", "%1h", "whole hours"), {numberText(24)});
}

std::string relativeDayText(std::optional<Instant> t, Instant now, const Calendar& calendar) {
    if (!t) {
        return "—";
    }
    std::int64_t k = 0;
    const auto today = calendar.startOfDay(now);
    const auto day = calendar.startOfDay(*t);
    if (today && day) {
        k = calendar.dayDifference(*today, *day).value_or(0);
    }
    if (k <= 0) {
        return translate("RelativeDay", "today");
    }
    if (k == 1) {
        return translate("RelativeDay", "tomorrow");
    }
    const auto days = static_cast<int>(std::min<std::int64_t>(k, std::numeric_limits<int>::max()));
    return translate("RelativeDay", "in %n day(s)", nullptr, days);
}

}  // namespace solvane
