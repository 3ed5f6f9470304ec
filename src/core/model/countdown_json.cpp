#include "core/model/countdown_json.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "core/model/json_forms.h"

namespace solvane::json_forms {

namespace {

constexpr const char* kInvalidKeyCount = "Invalid number of keys found, expected one.";
constexpr auto fail = json_forms::decodeFailure;
constexpr auto quoted = json_forms::quotedKey;
constexpr auto wrongType = json_forms::wrongTypeMessage;

// Present and not null. Keys that have a default or may be absent treat null
// like a missing key: it carries no value to keep, and failing the whole list
// over it would throw away every other countdown.
const Json* presentMember(const Json& object, const char* key) {
    const auto it = object.find(key);
    if (it == object.end() || it->is_null()) {
        return nullptr;
    }
    return &*it;
}

Result<const Json*, DecodeError> requiredMember(const Json& object, const char* key) {
    const auto it = object.find(key);
    if (it == object.end()) {
        return fail(quoted(key) + " is missing");
    }
    return &*it;
}

Result<std::int64_t, DecodeError> readInteger(const Json& object, const char* key) {
    auto member = requiredMember(object, key);
    if (!member) {
        return Failure{member.error()};
    }
    const Json& value = **member;
    if (value.is_number_unsigned()) {
        // The parser stores every non-negative integer as unsigned; beyond
        // INT64_MAX it no longer fits the payload type.
        const auto u = value.get<std::uint64_t>();
        if (u > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())) {
            return fail(quoted(key) + " does not fit a 64-bit signed integer");
        }
        return static_cast<std::int64_t>(u);
    }
    if (value.is_number_integer()) {
        return value.get<std::int64_t>();
    }
    return fail(wrongType(key, "an integer", value));
}

Result<Instant, DecodeError> readDate(const Json& object, const char* key) {
    auto member = requiredMember(object, key);
    if (!member) {
        return Failure{member.error()};
    }
    const Json& value = **member;
    if (!value.is_number()) {
        return fail(wrongType(key, "a number of seconds", value));
    }
    const double seconds = value.get<double>();
    if (!std::isfinite(seconds)) {
        return fail(quoted(key) + " is not a finite date");
    }
    return Instant{seconds};
}

Result<std::string, DecodeError> readString(const Json& value, const char* key) {
    if (!value.is_string()) {
        return fail(wrongType(key, "a string", value));
    }
    return value.get<std::string>();
}

Result<std::optional<std::string>, DecodeError> readOptionalString(const Json& object,
                                                                   const char* key) {
    const Json* member = presentMember(object, key);
    if (member == nullptr) {
        return std::optional<std::string>{};
    }
    auto text = readString(*member, key);
    if (!text) {
        return Failure{text.error()};
    }
    return std::optional<std::string>{std::move(*text)};
}

template <class E>
Result<E, DecodeError> readEnum(const Json& object, const char* key, E fallback) {
    const Json* member = presentMember(object, key);
    if (member == nullptr) {
        return fallback;
    }
    if (!member->is_string()) {
        return fail(wrongType(key, "a string", *member));
    }
    const auto& text = member->get_ref<const std::string&>();
    if (auto value = enumFromString<E>(text)) {
        return *value;
    }
    std::string message = quoted(key) + " must be one of";
    for (const auto& c : EnumCases<E>::list) {
        message += ' ';
        message += quoted(c.name);
    }
    return fail(message);
}

Json dateJson(Instant date) {
    double seconds = date.seconds;
    // A non-finite date has no JSON form. Writing a nearby finite value keeps
    // the rest of the list readable instead of poisoning the whole record.
    if (std::isnan(seconds)) {
        seconds = 0.0;
    } else if (std::isinf(seconds)) {
        seconds = std::copysign(std::numeric_limits<double>::max(), seconds);
    }
    return json_forms::wholeOrDouble(seconds);
}

Result<Countdown, DecodeError> readCountdown(const Json& value) {
    if (!value.is_object()) {
        return fail(std::string("a countdown must be an object, got ") + value.type_name());
    }
    Countdown c;

    if (const Json* id = presentMember(value, "id")) {
        auto text = readString(*id, "id");
        if (!text) {
            return Failure{text.error()};
        }
        auto uuid = Uuid::parse(*text);
        if (!uuid) {
            return fail("\"id\" is not a UUID");
        }
        c.id = *uuid;
    } else {
        c.id = Uuid::random();
    }

    auto labelMember = requiredMember(value, "label");
    if (!labelMember) {
        return Failure{labelMember.error()};
    }
    auto label = readString(**labelMember, "label");
    if (!label) {
        return Failure{label.error()};
    }
    c.label = std::move(*label);

    if (const Json* start = presentMember(value, "start")) {
        auto rule = dateRuleFromJson(*start);
        if (!rule) {
            return Failure{rule.error()};
        }
        c.start = std::move(*rule);
        if (const Json* recurs = presentMember(value, "recurs")) {
            if (!recurs->is_boolean()) {
                return fail(wrongType("recurs", "true or false", *recurs));
            }
            c.recurs = recurs->get<bool>();
        }
    } else {
        // Written before rules existed: a date plus a named repetition. Only
        // the two clock-change rules carried a meaning the date did not.
        auto date = readDate(value, "date");
        if (!date) {
            return Failure{date.error()};
        }
        auto repeat = readOptionalString(value, "repeatRule");
        if (!repeat) {
            return Failure{repeat.error()};
        }
        const std::string rule = repeat->value_or("none");
        if (rule == "yearly") {
            c.start = DateRule::fixed(*date);
            c.recurs = true;
        } else if (rule == "usDSTStart") {
            c.start = DateRule::nthWeekday(2, 1, 3, 0);
            c.recurs = true;
        } else if (rule == "usDSTEnd") {
            c.start = DateRule::nthWeekday(1, 1, 11, 0);
            c.recurs = true;
        } else {
            c.start = DateRule::fixed(*date);
            c.recurs = false;
        }
    }

    if (const Json* end = presentMember(value, "end")) {
        auto rule = dateRuleFromJson(*end);
        if (!rule) {
            return Failure{rule.error()};
        }
        c.end = std::move(*rule);
    }

    auto during = readEnum(value, "during", DuringMode::progress);
    if (!during) {
        return Failure{during.error()};
    }
    c.during = *during;

    if (const Json* symbol = presentMember(value, "symbol")) {
        auto text = readString(*symbol, "symbol");
        if (!text) {
            return Failure{text.error()};
        }
        c.symbol = std::move(*text);
    }

    auto unit = readEnum(value, "unit", CountUnit::days);
    if (!unit) {
        return Failure{unit.error()};
    }
    c.unit = *unit;

    for (auto [key, field] :
         {std::pair{"customImage", &c.customImage}, std::pair{"eventID", &c.eventID},
          std::pair{"feedCalendarID", &c.feedCalendarID}}) {
        auto text = readOptionalString(value, key);
        if (!text) {
            return Failure{text.error()};
        }
        *field = std::move(*text);
    }
    return c;
}

Result<DateRule, DecodeError> readDateRule(const Json& value) {
    if (!value.is_object()) {
        return fail(std::string("a date rule must be an object, got ") + value.type_name());
    }
    // A clock-change rule carries a rule of the older kinds beside it for
    // versions that do not know it (they read the one key they know); here
    // the clock change is the rule.
    if (const auto change = value.find("clockChange"); change != value.end()) {
        if (!change->is_object()) {
            return fail(wrongType("clockChange", "an object", *change));
        }
        auto direction = requiredMember(*change, "_0");
        if (!direction) {
            return Failure{direction.error()};
        }
        if (!(*direction)->is_string()) {
            return fail(wrongType("_0", "a string", **direction));
        }
        auto parsed = readEnum(*change, "_0", ClockDirection::forward);
        if (!parsed) {
            return Failure{parsed.error()};
        }
        return DateRule::clockChange(*parsed);
    }
    // A country's holiday carries a fixed day beside it for the same reason.
    if (const auto holiday = value.find("holiday"); holiday != value.end()) {
        if (!holiday->is_object()) {
            return fail(wrongType("holiday", "an object", *holiday));
        }
        std::string fields[2];
        const char* names[2] = {"country", "id"};
        for (int i = 0; i < 2; ++i) {
            auto member = requiredMember(*holiday, names[i]);
            if (!member) {
                return Failure{member.error()};
            }
            if (!(*member)->is_string()) {
                return fail(wrongType(names[i], "a string", **member));
            }
            fields[i] = (*member)->get<std::string>();
        }
        Instant fallback;
        if (const auto fixed = value.find("fixed"); fixed != value.end() && fixed->is_object()) {
            if (auto date = readDate(*fixed, "_0")) {
                fallback = *date;
            }
        }
        return DateRule::holiday(std::move(fields[0]), std::move(fields[1]), fallback);
    }
    // A case key counts even when its value is null: it is there, just
    // unreadable, and fails below as the wrong type.
    const bool hasFixed = value.contains("fixed");
    const bool hasNth = value.contains("nthWeekday");
    const bool hasSeason = value.contains("season");
    if (static_cast<int>(hasFixed) + static_cast<int>(hasNth) + static_cast<int>(hasSeason) != 1) {
        return fail(kInvalidKeyCount);
    }
    const char* caseName = hasFixed ? "fixed" : hasNth ? "nthWeekday" : "season";
    const Json& payload = *value.find(caseName);
    if (!payload.is_object()) {
        return fail(wrongType(caseName, "an object", payload));
    }
    if (hasFixed) {
        auto date = readDate(payload, "_0");
        if (!date) {
            return Failure{date.error()};
        }
        return DateRule::fixed(*date);
    }
    if (hasNth) {
        std::int64_t fields[4] = {};
        const char* names[4] = {"n", "weekday", "month", "offset"};
        for (int i = 0; i < 4; ++i) {
            auto number = readInteger(payload, names[i]);
            if (!number) {
                return Failure{number.error()};
            }
            fields[i] = *number;
        }
        return DateRule::nthWeekday(fields[0], fields[1], fields[2], fields[3]);
    }
    auto index = readInteger(payload, "_0");
    if (!index) {
        return Failure{index.error()};
    }
    return DateRule::season(*index);
}

// Builds an ordered document straight from parser events. The library's own
// ordered parser looks every key up linearly, which turns an object with many
// keys into quadratic work; an index per open object keeps it linear while
// keeping key order and letting a repeated key's last value win.
class OrderedBuilder {
  public:
    using number_integer_t = Json::number_integer_t;
    using number_unsigned_t = Json::number_unsigned_t;
    using number_float_t = Json::number_float_t;
    using string_t = Json::string_t;
    using binary_t = Json::binary_t;

    bool null() { return place(Json(nullptr)) != nullptr; }
    bool boolean(bool v) { return place(Json(v)) != nullptr; }
    bool number_integer(number_integer_t v) { return place(Json(v)) != nullptr; }
    bool number_unsigned(number_unsigned_t v) { return place(Json(v)) != nullptr; }
    bool number_float(number_float_t v, const string_t& /*text*/) {
        return place(Json(v)) != nullptr;
    }
    bool string(string_t& v) { return place(Json(std::move(v))) != nullptr; }
    bool binary(binary_t& v) { return place(Json::binary(std::move(v))) != nullptr; }

    bool start_object(std::size_t /*size*/) {
        open_.push_back(Frame{place(Json::object()), {}});
        return true;
    }
    bool key(string_t& name) {
        Frame& frame = open_.back();
        Json::object_t::Container& members = frame.container->get_ref<Json::object_t&>();
        const auto [it, inserted] = frame.index.try_emplace(name, members.size());
        if (inserted) {
            members.emplace_back(std::move(name), nullptr);
        }
        pending_ = &members[it->second].second;
        return true;
    }
    bool end_object() {
        open_.pop_back();
        return true;
    }
    bool start_array(std::size_t /*size*/) {
        open_.push_back(Frame{place(Json::array()), {}});
        return true;
    }
    bool end_array() {
        open_.pop_back();
        return true;
    }
    bool parse_error(std::size_t /*position*/, const std::string& /*lastToken*/,
                     const nlohmann::json::exception& error) {
        error_ = error.what();
        return false;
    }

    Json& root() { return root_; }
    const std::string& error() const { return error_; }

  private:
    struct Frame {
        Json* container;
        std::unordered_map<std::string, std::size_t> index;  // objects only
    };

    // Where a finished value goes. Pointers to open containers stay valid
    // because a parent is never appended to while one of its children is open.
    Json* place(Json&& value) {
        if (open_.empty()) {
            root_ = std::move(value);
            return &root_;
        }
        Json* parent = open_.back().container;
        if (parent->is_array()) {
            auto& items = parent->get_ref<Json::array_t&>();
            items.push_back(std::move(value));
            return &items.back();
        }
        *pending_ = std::move(value);
        return pending_;
    }

    Json root_;
    std::vector<Frame> open_;
    Json* pending_ = nullptr;
    std::string error_;
};

// The library's messages start with an internal tag and end with the raw text
// last read, which can be long or not even UTF-8; keep the readable middle.
std::string tidyParseMessage(std::string message) {
    if (!message.empty() && message.front() == '[') {
        const auto close = message.find("] ");
        if (close != std::string::npos) {
            message.erase(0, close + 2);
        }
    }
    const auto lastRead = message.find("; last read");
    if (lastRead != std::string::npos) {
        message.erase(lastRead);
    }
    return message.empty() ? std::string("malformed JSON") : message;
}

// Counts open brackets outside strings, so a hostile document cannot make any
// later recursive walk (parsing, copying, destroying) run out of stack.
bool nestsDeeperThan(std::string_view bytes, int maxDepth) {
    int depth = 0;
    bool inString = false;
    bool escaped = false;
    for (const char c : bytes) {
        if (inString) {
            if (escaped) {
                escaped = false;
            } else if (c == '\\') {
                escaped = true;
            } else if (c == '"') {
                inString = false;
            }
            continue;
        }
        switch (c) {
            case '"':
                inString = true;
                break;
            case '[':
            case '{':
                if (++depth > maxDepth) {
                    return true;
                }
                break;
            case ']':
            case '}':
                if (depth > 0) {
                    --depth;
                }
                break;
            default:
                break;
        }
    }
    return false;
}

template <class T, class Read>
Result<T, DecodeError> guarded(Read read) {
    try {
        return read();
    } catch (const nlohmann::json::exception& e) {
        return fail(tidyParseMessage(e.what()));
    }
}

}  // namespace

Failure<DecodeError> decodeFailure(std::string message) {
    return Failure{DecodeError{std::move(message)}};
}

std::string quotedKey(std::string_view key) {
    return '"' + std::string(key) + '"';
}

std::string wrongTypeMessage(std::string_view key, std::string_view expected, const Json& value) {
    return quotedKey(key) + " must be " + std::string(expected) + ", got " + value.type_name();
}

Json wholeOrDouble(double value) {
    // Every whole double up to 2^53 converts to an integer and back exactly.
    constexpr double kLargestExactWhole = 9007199254740992.0;
    if (std::trunc(value) == value && std::fabs(value) <= kLargestExactWhole) {
        return Json(static_cast<std::int64_t>(value));
    }
    return Json(value);
}

std::string dump(const Json& value) {
    return value.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

Json toJson(const DateRule& rule) {
    Json payload = Json::object();
    Json out = Json::object();
    if (const auto* fixed = rule.asFixed()) {
        payload["_0"] = dateJson(fixed->date);
        out["fixed"] = std::move(payload);
    } else if (const auto* nth = rule.asNthWeekday()) {
        payload["n"] = nth->n;
        payload["weekday"] = nth->weekday;
        payload["month"] = nth->month;
        payload["offset"] = nth->offset;
        out["nthWeekday"] = std::move(payload);
    } else if (const auto* season = rule.asSeason()) {
        payload["_0"] = season->index;
        out["season"] = std::move(payload);
    } else if (const auto* change = rule.asClockChange()) {
        payload["_0"] = std::string(toString(change->direction));
        out["clockChange"] = std::move(payload);
        // For versions that do not know the rule: the days earlier versions
        // gave clock changes, so the list stays readable there.
        const bool forward = change->direction == ClockDirection::forward;
        out["nthWeekday"] = toJson(forward ? DateRule::nthWeekday(2, 1, 3, 0)
                                           : DateRule::nthWeekday(1, 1, 11, 0))["nthWeekday"];
    } else if (const auto* holiday = rule.asHoliday()) {
        payload["country"] = holiday->country;
        payload["id"] = holiday->id;
        out["holiday"] = std::move(payload);
        // Versions that do not know the rule read a day of the holiday.
        out["fixed"] = toJson(DateRule::fixed(holiday->fallback))["fixed"];
    }
    return out;
}

Json toJson(const Countdown& countdown) {
    Json out = Json::object();
    out["id"] = countdown.id.toString();
    out["label"] = countdown.label;
    out["start"] = toJson(countdown.start);
    if (countdown.end) {
        out["end"] = toJson(*countdown.end);
    }
    out["recurs"] = countdown.recurs;
    out["during"] = std::string(toString(countdown.during));
    out["symbol"] = countdown.symbol;
    out["unit"] = std::string(toString(countdown.unit));
    if (countdown.customImage) {
        out["customImage"] = *countdown.customImage;
    }
    if (countdown.eventID) {
        out["eventID"] = *countdown.eventID;
    }
    if (countdown.feedCalendarID) {
        out["feedCalendarID"] = *countdown.feedCalendarID;
    }
    return out;
}

Result<DateRule, DecodeError> dateRuleFromJson(const Json& value) {
    return guarded<DateRule>([&] { return readDateRule(value); });
}

Result<Countdown, DecodeError> countdownFromJson(const Json& value) {
    return guarded<Countdown>([&] { return readCountdown(value); });
}

Result<std::vector<Countdown>, DecodeError> countdownsFromJson(const Json& value) {
    return guarded<std::vector<Countdown>>([&]() -> Result<std::vector<Countdown>, DecodeError> {
        if (!value.is_array()) {
            return fail(std::string("a countdown list must be an array, got ") + value.type_name());
        }
        if (value.size() > kMaxCountdowns) {
            return fail("a countdown list holds at most " + std::to_string(kMaxCountdowns) +
                        " countdowns");
        }
        std::vector<Countdown> out;
        out.reserve(value.size());
        for (const auto& item : value) {
            auto countdown = readCountdown(item);
            if (!countdown) {
                return Failure{countdown.error()};
            }
            out.push_back(std::move(*countdown));
        }
        return out;
    });
}

Result<Json, DecodeError> parseJson(std::string_view bytes, int maxDepth) {
    const int limit = std::max(maxDepth, 0);
    if (nestsDeeperThan(bytes, limit)) {
        return fail("JSON nested deeper than " + std::to_string(limit) + " levels");
    }
    return guarded<Json>([&]() -> Result<Json, DecodeError> {
        OrderedBuilder builder;
        if (!Json::sax_parse(bytes.begin(), bytes.end(), &builder)) {
            return fail(tidyParseMessage(builder.error()));
        }
        return std::move(builder.root());
    });
}

}  // namespace solvane::json_forms

namespace solvane {

using json_forms::Json;

std::string encodeCountdowns(const std::vector<Countdown>& countdowns) {
    Json out = Json::array();
    for (const auto& countdown : countdowns) {
        out.push_back(json_forms::toJson(countdown));
    }
    return json_forms::dump(out);
}

std::string encodeCountdown(const Countdown& countdown) {
    return json_forms::dump(json_forms::toJson(countdown));
}

std::string encodeCountdownList(const std::vector<Countdown>& countdowns,
                                const std::vector<KeptRecord>& kept) {
    std::string out = "[";
    std::size_t next = 0;  // the next countdown to write
    auto keptAt = kept.begin();
    const std::size_t total = countdowns.size() + kept.size();
    for (std::size_t index = 0; index < total; ++index) {
        if (index > 0) {
            out += ',';
        }
        if (keptAt != kept.end() && (keptAt->index <= index || next == countdowns.size())) {
            out += keptAt->bytes;
            ++keptAt;
        } else {
            out += encodeCountdown(countdowns[next++]);
        }
    }
    return out + "]";
}

std::string encodeDateRule(const DateRule& rule) {
    return json_forms::dump(json_forms::toJson(rule));
}

namespace {

template <class T, class FromJson>
Result<T, DecodeError> decodeWith(std::string_view bytes, FromJson fromJson) {
    auto document = json_forms::parseJson(bytes);
    if (!document) {
        return Failure{document.error()};
    }
    return fromJson(*document);
}

}  // namespace

Result<std::vector<Countdown>, DecodeError> decodeCountdowns(std::string_view json) {
    return decodeWith<std::vector<Countdown>>(
        json, [](const Json& v) { return json_forms::countdownsFromJson(v); });
}

namespace {

// The exact bytes of each element of a JSON array the parser has accepted.
std::vector<std::string_view> arrayElements(std::string_view json) {
    std::vector<std::string_view> elements;
    const auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
    std::size_t i = json.find('[');
    if (i == std::string_view::npos) {
        return elements;
    }
    ++i;
    int depth = 0;
    bool inString = false;
    std::size_t start = std::string_view::npos;
    for (; i < json.size(); ++i) {
        const char c = json[i];
        if (inString) {
            if (c == '\\') {
                ++i;
            } else if (c == '"') {
                inString = false;
            }
            continue;
        }
        if (start == std::string_view::npos && !isSpace(c) && c != ']') {
            start = i;
        }
        if (c == '"') {
            inString = true;
        } else if (c == '[' || c == '{') {
            ++depth;
        } else if ((c == ']' || c == '}') && depth > 0) {
            --depth;
        } else if (depth == 0 && (c == ',' || c == ']')) {
            if (start != std::string_view::npos) {
                std::size_t end = i;
                while (end > start && isSpace(json[end - 1])) {
                    --end;
                }
                elements.push_back(json.substr(start, end - start));
            }
            start = std::string_view::npos;
            if (c == ']') {
                break;
            }
        }
    }
    return elements;
}

}  // namespace

Result<CountdownList, DecodeError> decodeCountdownList(std::string_view json) {
    auto document = json_forms::parseJson(json);
    if (!document) {
        return Failure{document.error()};
    }
    if (!document->is_array()) {
        return Failure{DecodeError{std::string("a countdown list must be an array, got ") +
                                   document->type_name()}};
    }
    if (document->size() > kMaxCountdowns) {
        return Failure{DecodeError{"a countdown list holds at most " +
                                   std::to_string(kMaxCountdowns) + " countdowns"}};
    }
    const std::vector<std::string_view> elements = arrayElements(json);
    if (elements.size() != document->size()) {
        return Failure{DecodeError{"the countdown list cannot be split into its records"}};
    }
    CountdownList list;
    for (std::size_t i = 0; i < elements.size(); ++i) {
        auto countdown = json_forms::countdownFromJson((*document)[i]);
        if (countdown) {
            list.countdowns.push_back(std::move(*countdown));
        } else {
            list.kept.push_back({i, std::string(elements[i])});
        }
    }
    return list;
}

Result<Countdown, DecodeError> decodeCountdown(std::string_view json) {
    return decodeWith<Countdown>(json,
                                 [](const Json& v) { return json_forms::countdownFromJson(v); });
}

Result<DateRule, DecodeError> decodeDateRule(std::string_view json) {
    return decodeWith<DateRule>(json,
                                [](const Json& v) { return json_forms::dateRuleFromJson(v); });
}

}  // namespace solvane
