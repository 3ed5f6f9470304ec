// Random cases and tallies for the tests that hold the sky against erfa_sky.h.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/time/calendar.h"
#include "core/time/instant.h"
#include "sky/erfa_sky.h"

namespace solvane::reference {

inline constexpr double kPi = 3.14159265358979323846;
inline constexpr double kRad = kPi / 180.0;
inline constexpr double kDay = 86400.0;

// Fewer cases under the sanitizers or without optimisation.
#if defined(__SANITIZE_ADDRESS__) || !defined(NDEBUG)
inline constexpr bool kSlowBuild = true;
#else
inline constexpr bool kSlowBuild = false;
#endif
inline constexpr int kCases = kSlowBuild ? 300 : 2400;

// "2024-03-20T06:04:02Z", or "none".
std::string iso(std::optional<Instant> t);

// The calendar of an IANA zone, made once.
const Calendar& calendar(const std::string& zone);

struct Case {
    erfa_sky::Place place;
    std::string zone;
    Instant now;

    const Calendar& cal() const { return calendar(zone); }
    std::string describe() const;
};

// `count` random moments from 1950 to 2150: every third at one of seven cities
// in its own zone (clock changes included), the rest at random places at −66°
// to +78° in the whole-hour zone of their longitude.
std::vector<Case> randomCases(int count, unsigned seed);

// Local noon of the case's day.
Instant localNoon(const Case& c);

// The start of the local day `days` after the one of `t`.
Instant dayStart(const Calendar& calendar, Instant t, int days);

// The spread of a set of differences, kept as magnitudes.
class Spread {
  public:
    void add(double difference);
    std::size_t count() const { return values_.size(); }
    // The p-th percentile (0 … 100); 0 when empty.
    double percentile(double p) const;
    double max() const { return percentile(100.0); }
    // "n 4466, median 0.03 s, p95 0.10 s, max 0.34 s", values divided by `unit`.
    std::string summary(double unit = 1.0, const char* name = "s") const;

  private:
    std::vector<double> values_;
};

// Prints a line of figures and records it as a property of the running test.
void report(const char* what, const std::string& figures);

}  // namespace solvane::reference
