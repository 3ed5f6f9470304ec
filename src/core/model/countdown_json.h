// The stored JSON form of countdowns, rules and their enumerations.
//
// A countdown is an object with "id" (upper-case UUID), "label", "start" and
// "end" (rule objects), "recurs", "during", "symbol", "unit", and, only when
// present, "customImage", "eventID", "feedCalendarID". A rule object has exactly
// one key naming its case:
//
//   {"fixed": {"_0": 757382400}}      seconds since 2001-01-01 UTC
//   {"nthWeekday": {"n": -1, "weekday": 2, "month": 5, "offset": -3}}
//   {"season": {"_0": 3}}
//
// Records written by earlier versions carry "date" and "repeatRule" instead of
// "start" and are converted on reading; writing always uses the current form.
// A list decodes as a whole: one bad record fails the list, and so does a
// list of more than 10,000 countdowns.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/countdown.h"
#include "core/util/result.h"

namespace solvane {

// The most countdowns a list holds. Far more days than anyone counts down to,
// calendar feeds included; a stored list could otherwise hold hundreds of
// thousands of tiny records, which every program would decode, resolve and
// draw, costing seconds and gigabytes.
inline constexpr std::size_t kMaxCountdowns = 10000;

struct DecodeError {
    std::string message;
    bool operator==(const DecodeError&) const = default;
};

std::string encodeCountdowns(const std::vector<Countdown>& countdowns);
std::string encodeCountdown(const Countdown& countdown);
std::string encodeDateRule(const DateRule& rule);

// Decoders never throw and never abort: malformed bytes, wrong types, missing
// keys, non-finite or out-of-range numbers and nesting deeper than 64 levels
// all come back as a DecodeError.
Result<std::vector<Countdown>, DecodeError> decodeCountdowns(std::string_view json);
Result<Countdown, DecodeError> decodeCountdown(std::string_view json);
Result<DateRule, DecodeError> decodeDateRule(std::string_view json);

}  // namespace solvane
