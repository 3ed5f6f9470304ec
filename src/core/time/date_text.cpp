#include "core/time/date_text.h"

#include "core/time/civil_days.h"

#include <cstdio>

namespace solvane {
namespace {

bool isRealDate(const CivilDate& d) {
    return d.year >= 0 && d.year <= 9999 && d.month >= 1 && d.month <= 12 && d.day >= 1 &&
           d.day <= civil::daysInMonth(d.year, d.month);
}

// Exactly `count` ASCII digits from `at`.
std::optional<std::int32_t> digits(std::string_view text, std::size_t at, std::size_t count) {
    std::int32_t value = 0;
    for (std::size_t i = at; i < at + count; ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return std::nullopt;
        }
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

}  // namespace

std::string isoDateText(const CivilDate& date) {
    if (!isRealDate(date)) {
        // Not a date the stored forms can hold; "-" alone never reads back.
        return "-";
    }
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", static_cast<int>(date.year),
                  static_cast<int>(date.month), static_cast<int>(date.day));
    return buffer;
}

std::optional<CivilDate> parseIsoDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') {
        return std::nullopt;
    }
    const auto year = digits(text, 0, 4);
    const auto month = digits(text, 5, 2);
    const auto day = digits(text, 8, 2);
    if (!year || !month || !day) {
        return std::nullopt;
    }
    const CivilDate date{*year, *month, *day};
    if (!isRealDate(date)) {
        return std::nullopt;
    }
    return date;
}

}  // namespace solvane
