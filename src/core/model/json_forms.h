// The JSON values behind countdown_json.h, for other core modules that embed
// countdown records or rules in larger documents (the store, the presets
// listing). Everything outside src/core uses the string forms instead.
#pragma once

#include <nlohmann/json.hpp>

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

// Parses bytes into a JSON value, refusing documents nested deeper than
// `maxDepth` before the recursive parser sees them; never throws.
Result<Json, DecodeError> parseJson(std::string_view bytes, int maxDepth = 64);

}  // namespace solvane::json_forms
