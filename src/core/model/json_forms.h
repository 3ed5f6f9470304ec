// The JSON values behind countdown_json.h, for other core modules that embed
// countdown records or rules in larger documents (the store, the presets
// listing). Everything outside src/core uses the string forms instead.
#pragma once

#include <nlohmann/json.hpp>

#include <string>
#include <string_view>

#include "core/model/countdown.h"
#include "core/model/countdown_json.h"

namespace solvane::json_forms {

// Objects keep their keys in field order, as the encoder writes them.
using Json = nlohmann::ordered_json;

Json toJson(const DateRule& rule);
Json toJson(const Countdown& countdown);

Result<DateRule, DecodeError> dateRuleFromJson(const Json& value);
Result<Countdown, DecodeError> countdownFromJson(const Json& value);
Result<std::vector<Countdown>, DecodeError> countdownsFromJson(const Json& value);

// Pieces every record's encoder and decoder share.
Failure<DecodeError> decodeFailure(std::string message);
std::string quotedKey(std::string_view key);
// "\"key\" must be a number, got string"
std::string wrongTypeMessage(std::string_view key, std::string_view expected, const Json& value);
// Whole numbers up to 2^53 as JSON integers ("40", not "40.0"), the usual
// form for whole seconds and degrees; anything else as a double. Callers pass
// finite values.
Json wholeOrDouble(double value);
// Compact text. Labels and condition texts come from outside; invalid UTF-8 in
// a string is replaced rather than losing the whole record.
std::string dump(const Json& value);

// Parses bytes into a JSON value, refusing documents nested deeper than
// `maxDepth` before the recursive parser sees them; never throws.
Result<Json, DecodeError> parseJson(std::string_view bytes, int maxDepth = 64);

}  // namespace solvane::json_forms
