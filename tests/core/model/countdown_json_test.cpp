#include "core/model/countdown_json.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/model/json_forms.h"
#include "support/temp_dir.h"

namespace solvane {
namespace {

template <class T>
std::string why(const Result<T, DecodeError>& r) {
    return r.ok() ? std::string() : r.error().message;
}

std::string readFixture(const char* name) {
    return testing::readFile(std::string(SOLVANE_TEST_DATA_DIR) + "/countdowns/" + name);
}

const Uuid kId = *Uuid::parse("E621E1F8-C36C-495A-93FC-0C247A3E6E5F");

Countdown fullCountdown() {
    Countdown c;
    c.id = kId;
    c.label = "Trip";
    c.start = DateRule::fixed(Instant{757382400});
    c.end = DateRule::nthWeekday(-1, 2, 5, -3);
    c.recurs = true;
    c.during = DuringMode::hide;
    c.symbol = "airplane";
    c.unit = CountUnit::weeks;
    c.customImage = "A.png";
    c.eventID = "ev";
    c.feedCalendarID = "cal";
    return c;
}

TEST(CountdownJsonEncode, WritesFieldsInOrderWithOptionalsOnlyWhenPresent) {
    EXPECT_EQ(encodeCountdown(fullCountdown()),
              R"({"id":"E621E1F8-C36C-495A-93FC-0C247A3E6E5F","label":"Trip",)"
              R"("start":{"fixed":{"_0":757382400}},)"
              R"("end":{"nthWeekday":{"n":-1,"weekday":2,"month":5,"offset":-3}},)"
              R"("recurs":true,"during":"hide","symbol":"airplane","unit":"weeks",)"
              R"("customImage":"A.png","eventID":"ev","feedCalendarID":"cal"})");

    Countdown bare;
    bare.id = kId;
    bare.label = "Bare";
    bare.start = DateRule::season(0);
    EXPECT_EQ(encodeCountdown(bare),
              R"({"id":"E621E1F8-C36C-495A-93FC-0C247A3E6E5F","label":"Bare",)"
              R"("start":{"season":{"_0":0}},"recurs":false,"during":"progress",)"
              R"("symbol":"calendar","unit":"days"})");

    // Every character a label may hold survives the round trip.
    Countdown odd = fullCountdown();
    odd.label = std::string("\"\\/\n\x1f\x7f\0\u00e9\U0001F382", 13);
    for (const Countdown& c : {fullCountdown(), bare, odd}) {
        EXPECT_EQ(decodeCountdown(encodeCountdown(c)).valueOr({}), c);
    }
}

TEST(CountdownJsonRule, EachCaseHasOneExactForm) {
    const double max = std::numeric_limits<double>::max();
    const struct {
        DateRule rule;
        const char* text;
    } cases[] = {
        {DateRule::fixed(Instant{0}), R"({"fixed":{"_0":0}})"},
        {DateRule::fixed(Instant{-1.25}), R"({"fixed":{"_0":-1.25}})"},
        {DateRule::fixed(Instant{0.1}), R"({"fixed":{"_0":0.1}})"},
        {DateRule::fixed(Instant{max}), R"({"fixed":{"_0":1.7976931348623157e+308}})"},
        {DateRule::nthWeekday(2, 1, 3, 0),
         R"({"nthWeekday":{"n":2,"weekday":1,"month":3,"offset":0}})"},
        {DateRule::nthWeekday(INT64_MIN, INT64_MAX, 0, -1),
         R"({"nthWeekday":{"n":-9223372036854775808,"weekday":9223372036854775807,"month":0,"offset":-1}})"},
        {DateRule::nthWeekday(9, 0, 13, 0),
         R"({"nthWeekday":{"n":9,"weekday":0,"month":13,"offset":0}})"},
        {DateRule::season(7), R"({"season":{"_0":7}})"},
        // Beside it, for versions that do not know it, the day they gave it.
        {DateRule::clockChange(ClockDirection::back),
         R"({"clockChange":{"_0":"back"},"nthWeekday":{"n":1,"weekday":1,"month":11,"offset":0}})"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(encodeDateRule(c.rule), c.text);
        const auto back = decodeDateRule(c.text);
        ASSERT_TRUE(back.ok()) << c.text << ": " << why(back);
        EXPECT_EQ(*back, c.rule) << c.text;
    }
}

// Any number is a date and unknown keys are ignored; anything but one known
// key, or a payload of the wrong form, fails.
TEST(CountdownJsonRule, ReadsAnyNumberAsADateIgnoresUnknownKeysAndRefusesBadPayloads) {
    EXPECT_EQ(decodeDateRule(R"({"fixed":{"_0":1e2}})").valueOr({}), DateRule::fixed(Instant{100}));
    EXPECT_EQ(decodeDateRule(R"({"fixed":{"_0":18446744073709551615}})").valueOr({}),
              DateRule::fixed(Instant{18446744073709551615.0}));
    EXPECT_EQ(decodeDateRule(R"({"season":{"_0":2,"x":1},"extra":{"_0":1}})").valueOr({}),
              DateRule::season(2));
    EXPECT_EQ(decodeDateRule(R"({"clockChange":{"_0":"forward"}})").valueOr({}),
              DateRule::clockChange(ClockDirection::forward));
    for (const char* text :
         {R"({})", R"({"fixed":{"_0":1},"season":{"_0":2}})", R"({"bogus":{"_0":1}})",
          R"({"Fixed":{"_0":1},"seasons":{}})", R"({"fixed":null,"nthWeekday":null})"}) {
        EXPECT_EQ(why(decodeDateRule(text)), "Invalid number of keys found, expected one.") << text;
    }
    EXPECT_EQ(why(decodeCountdown(R"({"label":"x","start":{}})")),
              "Invalid number of keys found, expected one.");
    for (const char* text :
         {R"([])", R"({"fixed":5})", R"({"fixed":null})", R"({"fixed":{}})",
          R"({"fixed":{"_0":"2020-01-01"}})", R"({"fixed":{"_0":null}})",
          R"({"fixed":{"_0":1e309}})", R"({"season":{"_0":1.5}})", R"({"season":{"_0":1.0}})",
          R"({"season":{"_0":9223372036854775808}})", R"({"season":{"_0":-9223372036854775809}})",
          R"({"nthWeekday":{"n":1,"weekday":1,"month":1}})",
          R"({"nthWeekday":{"n":1,"weekday":"1","month":1,"offset":0}})",
          R"({"clockChange":{"_0":"sideways"},"season":{"_0":1}})",
          R"({"clockChange":"forward"})"}) {
        const auto r = decodeDateRule(text);
        EXPECT_FALSE(r.ok()) << text;
        EXPECT_FALSE(why(r).empty()) << text;
    }
    // Values built in memory skip the parser's own overflow check.
    json_forms::Json inf;
    inf["fixed"]["_0"] = std::numeric_limits<double>::infinity();
    EXPECT_FALSE(json_forms::dateRuleFromJson(inf).ok());
}

TEST(CountdownJsonDecode, MissingKeysTakeDefaultsAndIdIsFreshEachTime) {
    const char* text =
        R"([{"label":"L","start":{"season":{"_0":0}},"during":null,"colour":"red"}])";
    const auto first = decodeCountdowns(text);
    const auto second = decodeCountdowns(text);
    ASSERT_TRUE(first.ok() && second.ok()) << why(first);
    Countdown expected;
    expected.id = (*first)[0].id;
    expected.label = "L";
    expected.start = DateRule::season(0);
    EXPECT_EQ((*first)[0], expected);
    EXPECT_NE((*first)[0].id, Uuid());
    EXPECT_NE((*first)[0].id, (*second)[0].id);
}

TEST(CountdownJsonDecode, OneBadRecordFailsTheList) {
    const std::string good = R"({"label":"ok","start":{"season":{"_0":1}}})";
    const std::string x = R"({"label":"x","start":{"season":{"_0":1}})";
    for (const std::string& bad : std::vector<std::string>{
             R"({"start":{"season":{"_0":1}}})", R"({"label":7,"start":{"season":{"_0":1}}})",
             x + R"(,"during":"sometimes"})", x + R"(,"during":"Progress"})",
             x + R"(,"unit":"months"})", x + R"(,"unit":"days "})", x + R"(,"recurs":"true"})",
             x + R"(,"symbol":5})", x + R"(,"eventID":[]})", x + R"(,"end":{}})",
             x + R"(,"id":"not-a-uuid"})", x + R"(,"id":42})", R"({"label":"x"})",
             R"({"label":"x","date":"2020-01-01"})", R"({"label":"x","date":1,"repeatRule":3})",
             R"("just text")"}) {
        const auto r = decodeCountdowns("[" + good + "," + bad + "," + good + "]");
        EXPECT_FALSE(r.ok()) << bad;
        EXPECT_FALSE(why(r).empty()) << bad;
    }
    EXPECT_FALSE(decodeCountdowns(good).ok());  // not a list
}

TEST(CountdownJsonDecode, OlderFormIsConverted) {
    const auto list = decodeCountdowns(readFixture("older_form.json"));
    ASSERT_TRUE(list.ok()) << why(list);
    ASSERT_EQ(list->size(), 6u);
    const auto& l = *list;
    EXPECT_NE(l[0].id, Uuid());
    EXPECT_EQ(l[1].id.toString(), "0B4D2F9E-61A7-4C3B-9E21-5D8A7C6B1F03");
    // Every field the older form lacks takes its default; a misspelt rule
    // reads as none, and "recurs" belongs to the newer form.
    const auto older = [&](std::size_t i, const char* label, DateRule start, bool recurs) {
        Countdown c;
        c.id = l[i].id;
        c.label = label;
        c.start = start;
        c.recurs = recurs;
        return c;
    };
    Countdown birthday = older(1, "Birthday", DateRule::fixed(Instant{757382400.5}), true);
    birthday.symbol = "gift";
    Countdown back = older(3, "Clocks back", DateRule::nthWeekday(1, 1, 11, 0), true);
    back.unit = CountUnit::weeks;
    back.during = DuringMode::hide;
    back.end = DateRule::season(1);
    back.eventID = "E1";
    EXPECT_EQ(l, (std::vector<Countdown>{
                     older(0, "Anniversary", DateRule::fixed(Instant{757382400}), false), birthday,
                     older(2, "Clocks forward", DateRule::nthWeekday(2, 1, 3, 0), true), back,
                     older(4, "Typo", DateRule::fixed(Instant{5}), false),
                     older(5, "Plain", DateRule::fixed(Instant{-86400}), false)}));

    // Writing always uses the newer form.
    const std::string rewritten = encodeCountdowns(l);
    EXPECT_EQ(rewritten.find("repeatRule"), std::string::npos);
    EXPECT_EQ(decodeCountdowns(rewritten).valueOr({}), l);
}

TEST(CountdownJsonParse, RefusesDeepNestingBeforeParsing) {
    const auto deep = decodeCountdowns(std::string(100000, '['));
    EXPECT_NE(why(deep).find("nested deeper than 64"), std::string::npos) << why(deep);

    EXPECT_TRUE(json_forms::parseJson("[[[]]]", 3).ok());
    EXPECT_FALSE(json_forms::parseJson("[[[{}]]]", 3).ok());
    // Brackets inside strings, even after an escaped quote, are text.
    EXPECT_TRUE(json_forms::parseJson(R"(["\"[[[[", "\\", "{{{{"])", 1).ok());
}

TEST(CountdownJsonParse, MalformedBytesGiveAnError) {
    for (std::string text :
         {std::string(""), std::string("["), std::string("[{]"), std::string("[1,]"),
          std::string("[] []"), std::string("\0", 1), std::string("[\"\xff\"]"),
          std::string("[\"\xe2\x82\"]"), std::string("[\"\\ud800\"]")}) {
        const auto r = json_forms::parseJson(text);
        EXPECT_FALSE(r.ok()) << text;
        EXPECT_FALSE(why(r).empty());
        EXPECT_EQ(why(r).find("json.exception"), std::string::npos) << why(r);
    }
}

TEST(CountdownJsonParse, KeepsKeyOrderAndLastDuplicateWins) {
    const auto doc = json_forms::parseJson(R"({"b":1,"a":2,"b":3})");
    ASSERT_TRUE(doc.ok());
    EXPECT_EQ(doc->dump(), R"({"b":3,"a":2})");

    // Many keys must not turn parsing quadratic (which would run into the
    // test's time limit).
    std::string wide = R"({"label":"wide","start":{"season":{"_0":0}})";
    for (int i = 0; i < 200000; ++i) {
        wide += ",\"k" + std::to_string(i) + "\":0";
    }
    EXPECT_TRUE(decodeCountdown(wide + "}").ok());
}

TEST(CountdownJsonEncode, UnrepresentableValuesStillDecode) {
    Countdown c = fullCountdown();
    c.label = "bad \xff byte";
    c.start = DateRule::fixed(Instant{std::nan("")});
    c.end = DateRule::fixed(Instant{-std::numeric_limits<double>::infinity()});
    const auto back = decodeCountdown(encodeCountdown(c));
    ASSERT_TRUE(back.ok()) << why(back);
    EXPECT_EQ(back->label, "bad \xef\xbf\xbd byte");
    EXPECT_EQ(back->start, DateRule::fixed(Instant{0}));
    EXPECT_EQ(back->end, DateRule::fixed(Instant{-std::numeric_limits<double>::max()}));
}

}  // namespace
}  // namespace solvane
