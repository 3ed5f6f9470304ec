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
// decodeCountdowns takes a list as a whole: one bad record fails the list, and
// so does a list of more than 10,000 countdowns. decodeCountdownList, for the
// store, reads record by record: a record this version cannot read (a rule or
// value of a newer version, a damaged record) is kept as its exact bytes, to
// be written back where it was.
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

// A record of a stored list kept as it was: its bytes and its place.
struct KeptRecord {
    std::size_t index = 0;
    std::string bytes;
    bool operator==(const KeptRecord&) const = default;
};

struct CountdownList {
    std::vector<Countdown> countdowns;  // the records this version reads
    std::vector<KeptRecord> kept;       // the others, by place
    bool operator==(const CountdownList&) const = default;
};

std::string encodeCountdowns(const std::vector<Countdown>& countdowns);
// The countdowns in order, each kept record back at its place (after them
// when the list has become shorter), byte for byte.
std::string encodeCountdownList(const std::vector<Countdown>& countdowns,
                                const std::vector<KeptRecord>& kept);
std::string encodeCountdown(const Countdown& countdown);
std::string encodeDateRule(const DateRule& rule);

// Decoders never throw and never abort: malformed bytes, wrong types, missing
// keys, non-finite or out-of-range numbers and nesting deeper than 64 levels
// all come back as a DecodeError.
Result<std::vector<Countdown>, DecodeError> decodeCountdowns(std::string_view json);
// Fails only for bytes that are not a JSON array, or one of more than
// kMaxCountdowns records.
Result<CountdownList, DecodeError> decodeCountdownList(std::string_view json);
Result<Countdown, DecodeError> decodeCountdown(std::string_view json);
Result<DateRule, DecodeError> decodeDateRule(std::string_view json);

}  // namespace solvane
