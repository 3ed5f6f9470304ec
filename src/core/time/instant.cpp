#include "core/time/instant.h"

#include "core/time/civil_days.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

namespace solvane {
namespace {

using civil::civilFromDays;
using civil::daysFromCivil;
using civil::daysInMonth;

class Cursor {
  public:
    explicit Cursor(std::string_view s) : s_(s) {}

    bool atEnd() const { return i_ == s_.size(); }
    char peek() const { return atEnd() ? '\0' : s_[i_]; }
    bool take(char c) {
        if (peek() == c) {
            ++i_;
            return true;
        }
        return false;
    }
    // Exactly `n` ASCII digits.
    std::optional<int> digits(int n) {
        if (s_.size() - i_ < static_cast<std::size_t>(n)) {
            return std::nullopt;
        }
        int v = 0;
        for (int k = 0; k < n; ++k) {
            const char c = s_[i_ + k];
            if (c < '0' || c > '9') {
                return std::nullopt;
            }
            v = v * 10 + (c - '0');
        }
        i_ += n;
        return v;
    }
    // A run of digits after a decimal point, as a fraction of one.
    double fraction() {
        double scale = 0.1;
        double v = 0;
        while (peek() >= '0' && peek() <= '9') {
            v += (s_[i_] - '0') * scale;
            scale /= 10;
            ++i_;
        }
        return v;
    }

  private:
    std::string_view s_;
    std::size_t i_ = 0;
};

}  // namespace

std::optional<Instant> parseIso8601(std::string_view text) {
    Cursor c(text);
    const auto year = c.digits(4);
    if (!year || !c.take('-')) {
        return std::nullopt;
    }
    const auto month = c.digits(2);
    if (!month || !c.take('-')) {
        return std::nullopt;
    }
    const auto day = c.digits(2);
    if (!day || !(c.take('T') || c.take('t') || c.take(' '))) {
        return std::nullopt;
    }
    const auto hour = c.digits(2);
    if (!hour || !c.take(':')) {
        return std::nullopt;
    }
    const auto minute = c.digits(2);
    if (!minute) {
        return std::nullopt;
    }
    int second = 0;
    double frac = 0;
    if (c.take(':')) {
        const auto s = c.digits(2);
        if (!s) {
            return std::nullopt;
        }
        second = *s;
        if (c.take('.') || c.take(',')) {
            if (!(c.peek() >= '0' && c.peek() <= '9')) {
                return std::nullopt;
            }
            frac = c.fraction();
        }
    }
    int offsetSeconds = 0;
    if (c.take('Z') || c.take('z')) {
        // UTC
    } else if (c.peek() == '+' || c.peek() == '-') {
        const int sign = c.take('-') ? -1 : (c.take('+'), 1);
        const auto oh = c.digits(2);
        if (!oh) {
            return std::nullopt;
        }
        int om = 0;
        if (!c.atEnd()) {
            c.take(':');
            const auto m = c.digits(2);
            if (!m) {
                return std::nullopt;
            }
            om = *m;
        }
        if (*oh > 23 || om > 59) {
            return std::nullopt;
        }
        offsetSeconds = sign * (*oh * 3600 + om * 60);
    } else {
        return std::nullopt;
    }
    if (!c.atEnd()) {
        return std::nullopt;
    }
    if (*month < 1 || *month > 12 || *day < 1 || *day > daysInMonth(*year, *month) || *hour > 23 ||
        *minute > 59 || second > 60) {
        return std::nullopt;
    }
    const std::int64_t days = daysFromCivil(*year, *month, *day);
    const double unix = static_cast<double>(days) * 86400.0 + *hour * 3600.0 + *minute * 60.0 +
                        second + frac - offsetSeconds;
    return Instant::fromUnix(unix);
}

std::optional<std::string> formatIso8601(Instant instant) {
    const double unix = instant.unixSeconds();
    if (!std::isfinite(unix) || std::fabs(instant.seconds) > 1e14) {
        return std::nullopt;
    }
    // Round to the millisecond first so 59.9996 s carries into the next minute.
    const auto millis = static_cast<std::int64_t>(std::llround(unix * 1000.0));
    std::int64_t days = millis / 86'400'000;
    std::int64_t rest = millis % 86'400'000;
    if (rest < 0) {
        rest += 86'400'000;
        days -= 1;
    }
    const civil::Ymd civil = civilFromDays(days);
    const auto ms = static_cast<int>(rest % 1000);
    const auto secs = static_cast<int>(rest / 1000);
    char buf[64];
    if (civil.year >= 0 && civil.year <= 9999) {
        std::snprintf(buf, sizeof buf, "%04lld-%02d-%02dT%02d:%02d:%02d.%03dZ",
                      static_cast<long long>(civil.year), civil.month, civil.day, secs / 3600,
                      secs / 60 % 60, secs % 60, ms);
    } else {
        std::snprintf(buf, sizeof buf, "%+07lld-%02d-%02dT%02d:%02d:%02d.%03dZ",
                      static_cast<long long>(civil.year), civil.month, civil.day, secs / 3600,
                      secs / 60 % 60, secs % 60, ms);
    }
    return std::string(buf);
}

}  // namespace solvane
