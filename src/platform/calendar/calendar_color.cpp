#include "platform/calendar/calendar_color.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/calendar/ascii_text.h"

namespace solvane::platform {

namespace {

// A name longer than any CSS colour's is not one.
constexpr std::size_t kMaxNameBytes = 32;

// ASCII only: the process locale must not decide what a colour is.
bool isHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

std::string hexByte(long value) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    const long v = std::clamp(value, 0L, 255L);
    return {kHex[v >> 4], kHex[v & 0xF]};
}

// The digits after '#': 1 to 4 a channel, each channel scaled to 8 bits.
std::optional<std::string> hexColor(std::string_view hex) {
    if (hex.empty() || !std::all_of(hex.begin(), hex.end(), isHexDigit)) {
        return std::nullopt;
    }
    // #RGBA and #RRGGBBAA carry an alpha that a calendar colour drops.
    if (hex.size() == 4 || hex.size() == 8) {
        hex = hex.substr(0, hex.size() / 4 * 3);
    }
    if (hex.size() % 3 != 0 || hex.size() > 12) {
        return std::nullopt;
    }
    const std::size_t digits = hex.size() / 3;
    const long top = (1L << (4 * digits)) - 1;
    std::string out = "#";
    for (std::size_t i = 0; i < 3; ++i) {
        const long channel =
            std::strtol(std::string(hex.substr(i * digits, digits)).c_str(), nullptr, 16);
        out += hexByte((channel * 255 + top / 2) / top);
    }
    return out;
}

// "rgb(98,160,234)", "rgba(98,160,234,0.5)", and percentages, as desktop
// colour pickers write them.
std::optional<std::string> functionalColor(std::string_view text) {
    const std::string lowered = ascii::lowered(text);
    std::size_t open = 0;
    if (lowered.starts_with("rgba(")) {
        open = 5;
    } else if (lowered.starts_with("rgb(")) {
        open = 4;
    } else {
        return std::nullopt;
    }
    if (!lowered.ends_with(')')) {
        return std::nullopt;
    }
    const std::string inside = lowered.substr(open, lowered.size() - open - 1);
    const char* p = inside.c_str();
    std::string out = "#";
    for (int i = 0; i < 3; ++i) {
        char* end = nullptr;
        double value = std::strtod(p, &end);
        if (end == p || !std::isfinite(value)) {
            return std::nullopt;
        }
        p = end;
        while (*p == ' ') {
            ++p;
        }
        if (*p == '%') {
            value = value * 255.0 / 100.0;
            ++p;
        }
        out += hexByte(std::lround(std::clamp(value, 0.0, 255.0)));
        while (*p == ' ') {
            ++p;
        }
        if (i < 2 && *p++ != ',') {
            return std::nullopt;
        }
    }
    return out;
}

}  // namespace

std::optional<std::string> calendarColor(std::optional<std::string_view> text) {
    if (!text) {
        return std::nullopt;
    }
    const std::string_view c = ascii::trimmed(*text);
    if (c.starts_with('#')) {
        return hexColor(c.substr(1));
    }
    if (auto functional = functionalColor(c)) {
        return functional;
    }
    if (!c.empty() && c.size() <= kMaxNameBytes && std::all_of(c.begin(), c.end(), isLetter)) {
        return ascii::lowered(c);
    }
    return std::nullopt;
}

}  // namespace solvane::platform
