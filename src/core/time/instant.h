// Instant: an absolute moment, held as seconds since 2001-01-01 00:00:00 UTC in
// double precision (the reference date of the stored formats).
//
// Astronomy works in Unix time, the stored records in reference-date seconds;
// the conversions below are the only place the 978,307,200-second gap between
// the two epochs appears.
//
//   Instant t = Instant::fromUnix(1710946800);          // 2024-03-20T15:00:00Z
//   parseIso8601("2024-03-20T15:00:00+09:00");          // 06:00 UTC
//   formatIso8601(t) == "2024-03-20T15:00:00.000Z"
#pragma once

#include <compare>
#include <optional>
#include <string>
#include <string_view>

namespace solvane {

struct Instant {
    // Seconds from 1970-01-01 to 2001-01-01, both UTC.
    static constexpr double kUnixToReference = 978307200.0;

    double seconds = 0.0;  // since 2001-01-01 00:00:00 UTC

    static constexpr Instant fromUnix(double unixSeconds) {
        return Instant{unixSeconds - kUnixToReference};
    }
    constexpr double unixSeconds() const { return seconds + kUnixToReference; }

    // 0001-01-01 00:00:00 UTC: sorts before every date a user can pick.
    static constexpr Instant distantPast() { return Instant{-63114076800.0}; }

    constexpr Instant operator+(double s) const { return Instant{seconds + s}; }
    constexpr Instant operator-(double s) const { return Instant{seconds - s}; }
    constexpr double operator-(Instant other) const { return seconds - other.seconds; }

    constexpr bool operator==(const Instant&) const = default;
    constexpr auto operator<=>(const Instant&) const = default;
};

// Parses "YYYY-MM-DDTHH:MM[:SS[.fff]]" followed by "Z" or an offset "+HH:MM",
// "-HH:MM", "+HHMM" or "+HH". A lower-case "t"/"z" or a space between date and
// time is also taken. Anything else, or an impossible date or time, gives
// nullopt.
std::optional<Instant> parseIso8601(std::string_view text);

// UTC with milliseconds: "2024-03-20T15:00:00.000Z". Years outside 0…9999 are
// written with a sign and six digits ("+012345-…"). Non-finite instants and
// instants beyond ±10^14 seconds give nullopt.
std::optional<std::string> formatIso8601(Instant instant);

}  // namespace solvane
