#include "core/weather/weather.h"

#include "core/time/text_format.h"
#include "core/util/translation.h"
#include "core/weather/service_table.h"
#include "core/weather/units.h"

#include <unicode/numfmt.h>
#include <unicode/ulocdata.h>
#include <unicode/utypes.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <memory>
#include <string>

namespace solvane {

namespace {

// "de_DE.UTF-8@euro" → "de_DE"; the C and POSIX locales read as en_US, the
// same way the calendar names them.
std::string icuLocaleName(std::string_view posix) {
    std::string name(posix.substr(0, posix.find_first_of(".@")));
    if (name.empty() || name == "C" || name == "POSIX") {
        return "en_US";
    }
    return name;
}

// The rounded value in the locale's digits, never through an integer type:
// a finite double far beyond any integer's range still prints, and a value
// that rounds to zero from below loses its minus sign.
std::string roundedText(double value) {
    return numberText(value);
}

}  // namespace

std::string_view displayName(WeatherSource source) {
    return serviceEntry(source).displayName;
}

std::string_view label(TempUnit unit) {
    switch (unit) {
        case TempUnit::fahrenheit:
            return "°F";
        case TempUnit::celsius:
            return "°C";
    }
    return {};
}

TempUnit defaultTempUnit(std::string_view locale) {
    const std::string name = icuLocaleName(locale);
    UErrorCode status = U_ZERO_ERROR;
    const UMeasurementSystem system = ulocdata_getMeasurementSystem(name.c_str(), &status);
    if (U_FAILURE(status)) {
        return TempUnit::celsius;
    }
    return system == UMS_US ? TempUnit::fahrenheit : TempUnit::celsius;
}

AppSettings AppSettings::defaults(std::string_view locale) {
    AppSettings settings;
    settings.weatherSource = WeatherSource::openMeteo;
    settings.unit = defaultTempUnit(locale);
    return settings;
}

std::string formatTemperature(double celsius, TempUnit unit) {
    const double value =
        unit == TempUnit::fahrenheit ? units::fahrenheitFromCelsius(celsius) : celsius;
    if (!std::isfinite(value)) {
        return "--°";
    }
    return roundedText(value) + "°";
}

std::string formatWind(const WeatherSnapshot& snapshot, TempUnit unit) {
    const bool miles = unit == TempUnit::fahrenheit;
    const double value = miles ? units::mphFromKph(snapshot.windKph) : snapshot.windKph;
    const std::string speed = std::isfinite(value) ? roundedText(value) : std::string("--");
    return withArguments(miles ? translate("Units", "%1 mph", "wind speed")
                               : translate("Units", "%1 km/h", "wind speed"),
                         {speed});
}

std::string formatWindSpeed(double kph, TempUnit unit, std::string_view locale) {
    // Where the weather services give metres a second, people read them.
    static constexpr std::string_view kMetresPerSecond[] = {"ru", "uk", "be", "fi", "sv", "nb",
                                                            "nn", "no", "da", "is", "et", "lv",
                                                            "lt", "ja", "zh", "ko"};
    const std::string_view language = locale.substr(0, locale.find('_'));
    if (unit == TempUnit::fahrenheit) {
        return withArguments(translate("Units", "%1 mph", "wind speed"),
                             {std::isfinite(kph) ? roundedText(units::mphFromKph(kph)) : "--"});
    }
    if (std::find(std::begin(kMetresPerSecond), std::end(kMetresPerSecond), language) !=
        std::end(kMetresPerSecond)) {
        return withArguments(
            translate("Units", "%1 m/s", "wind speed"),
            {std::isfinite(kph) ? roundedText(units::metresPerSecondFromKph(kph)) : "--"});
    }
    return withArguments(translate("Units", "%1 km/h", "wind speed"),
                         {std::isfinite(kph) ? roundedText(kph) : "--"});
}

std::string formatPrecipitation(double mm, TempUnit unit, std::string_view locale) {
    if (!std::isfinite(mm)) {
        return "--";
    }
    const bool inches = unit == TempUnit::fahrenheit;
    const double amount =
        inches ? units::inchesFromMillimetres(std::max(mm, 0.0)) : std::max(mm, 0.0);
    // Tenths of a millimetre below a centimetre, where a drizzle differs
    // from a shower; hundredths of an inch.
    const int fraction = inches ? 2 : amount < 10 ? 1 : 0;
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<icu::NumberFormat> format(
        icu::NumberFormat::createInstance(icu::Locale(icuLocaleName(locale).c_str()), status));
    std::string text;
    if (U_SUCCESS(status) && format) {
        format->setMinimumFractionDigits(fraction);
        format->setMaximumFractionDigits(fraction);
        icu::UnicodeString out;
        format->format(amount, out).toUTF8String(text);
    } else {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.*f", fraction, amount);
        text = buffer;
    }
    return inches ? withArguments(translate("Units", "%1 in", "precipitation"), {text})
                  : withArguments(translate("Units", "%1 mm", "precipitation"), {text});
}

std::string localizedCompassPoint(double degrees) {
    return translate("Compass", std::string(compassPoint(degrees)).c_str());
}

std::string localizedCondition(const WeatherSnapshot& snapshot) {
    return translate("WeatherCondition", snapshot.condition.c_str());
}

std::string localizedCompassPoint(const WeatherSnapshot& snapshot) {
    return translate("Compass", std::string(compassPoint(snapshot)).c_str());
}

std::string_view compassPoint(const WeatherSnapshot& snapshot) {
    return compassPoint(snapshot.windDirection);
}

std::string_view compassPoint(double degrees) {
    static constexpr std::string_view kPoints[8] = {
        SOLVANE_TRANSLATE_NOOP("Compass", "N"), SOLVANE_TRANSLATE_NOOP("Compass", "NE"),
        SOLVANE_TRANSLATE_NOOP("Compass", "E"), SOLVANE_TRANSLATE_NOOP("Compass", "SE"),
        SOLVANE_TRANSLATE_NOOP("Compass", "S"), SOLVANE_TRANSLATE_NOOP("Compass", "SW"),
        SOLVANE_TRANSLATE_NOOP("Compass", "W"), SOLVANE_TRANSLATE_NOOP("Compass", "NW")};
    if (!std::isfinite(degrees)) {
        return kPoints[0];
    }
    double d = std::fmod(degrees, 360.0);
    if (d < 0) {
        d += 360.0;
    }
    // d lies in [0, 360], so the quotient is below 8.5 and fits an int.
    const int index = static_cast<int>((d + 22.5) / 45.0) % 8;
    return kPoints[index];
}

}  // namespace solvane
