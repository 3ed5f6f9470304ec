// Calendars, days, countdown lists and environment variables as the core and
// command-line tests write them.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/model/countdown.h"
#include "core/store/board_data.h"
#include "core/store/shared_store.h"
#include "core/time/calendar.h"

namespace solvane::testing {

inline Calendar cal(const char* zone, const char* locale = "en_US") {
    auto c = Calendar::make(zone, locale);
    EXPECT_TRUE(c.has_value()) << zone;
    return *c;
}

inline Instant day(const Calendar& c, int y, int m, int d, int hour = 0) {
    return *c.date(y, m, d, hour);
}

inline const Calendar& newYork() {
    static const Calendar calendar = *Calendar::make("America/New_York", "en_US");
    return calendar;
}

inline Instant at(const char* iso) {
    return *parseIso8601(iso);
}

// A countdown with a fresh identifier.
inline Countdown named(std::string label, DateRule start = DateRule::season(2)) {
    Countdown c;
    c.id = Uuid::random();
    c.label = std::move(label);
    c.start = start;
    return c;
}

// A countdown on the fixed day `start`, as the tests store them.
inline Countdown countdownOn(std::string label, Instant start) {
    return named(std::move(label), DateRule::fixed(start));
}

// "2025-03-20" for a local midnight, "none" for no date, "not midnight" for a
// date that is not the start of its day.
inline std::string ymd(const Calendar& c, std::optional<Instant> t) {
    if (!t) {
        return "none";
    }
    if (c.startOfDay(*t) != t) {
        return "not midnight";
    }
    const auto d = *c.civilDate(*t);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", d.year, d.month, d.day);
    return buf;
}

// A store's places under `root`, laid out as the programs lay them out.
inline StorePaths pathsUnder(const std::filesystem::path& root) {
    return {root / "config/org.solvane.shared/preferences.sqlite",
            root / "config/solvane/preferences.sqlite", root / "data/org.solvane.shared"};
}

inline std::vector<std::string> labels(const std::vector<Countdown>& list) {
    std::vector<std::string> out;
    for (const auto& c : list) {
        out.push_back(c.label);
    }
    return out;
}
inline std::vector<std::string> labels(const BoardData& board) {
    std::vector<std::string> out;
    for (const auto& row : board.countdowns) {
        out.push_back(row.label);
    }
    return out;
}

// Sets an environment variable, or unsets it for null, for one scope and puts the old value back.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            old_ = old;
        }
        value ? ::setenv(name, value, 1) : ::unsetenv(name);
    }
    ~ScopedEnv() { old_ ? ::setenv(name_, old_->c_str(), 1) : ::unsetenv(name_); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

  private:
    const char* name_;
    std::optional<std::string> old_;
};

}  // namespace solvane::testing
