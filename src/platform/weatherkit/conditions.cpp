#include "platform/weatherkit/conditions.h"

#include <cstddef>

#include "core/weather/conditions.h"

namespace solvane::platform {
namespace {

constexpr std::string_view kGenericSymbol = "cloud";
constexpr std::size_t kMaxCodeCharacters = 64;

constexpr bool isUpper(char c) {
    return c >= 'A' && c <= 'Z';
}
constexpr char upper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}
constexpr bool isLowerOrDigit(char c) {
    return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

}  // namespace

std::string weatherKitConditionText(std::string_view code) {
    if (const WeatherCondition* row = weatherKitCondition(code)) {
        return std::string(row->name);
    }
    std::string text;
    char previous = ' ';
    for (const char c : code.substr(0, kMaxCodeCharacters)) {
        const bool letterOrDigit = isUpper(c) || isLowerOrDigit(c);
        if (!letterOrDigit) {
            // Separators such as "_" or "-" still end a word.
            previous = ' ';
            continue;
        }
        const bool wordStart = previous == ' ' || (isUpper(c) && isLowerOrDigit(previous));
        if (wordStart && !text.empty()) {
            text += ' ';
        }
        text += wordStart ? upper(c) : c;
        previous = c;
    }
    return text.empty() ? std::string("Unknown") : text;
}

std::string_view weatherKitConditionSymbol(std::string_view code, bool daylight) {
    if (const WeatherCondition* row = weatherKitCondition(code)) {
        return row->symbol(daylight);
    }
    return kGenericSymbol;
}

}  // namespace solvane::platform
