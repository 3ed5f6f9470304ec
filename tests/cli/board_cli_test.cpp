#include "cli/board_cli.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sstream>

namespace solvane::cli {
namespace {

struct Outcome {
    int status;
    std::string out;
    std::string err;
    nlohmann::json json() const { return nlohmann::json::parse(out); }
};

Outcome runWith(std::vector<std::string> args, const char* now = "2025-12-20T12:00:00-05:00") {
    const Environment env{*parseIso8601(now), *Calendar::make("America/New_York", "en_US")};
    std::ostringstream out, err;
    const int status = run(args, env, out, err);
    return {status, out.str(), err.str()};
}

TEST(BoardCli, RuleNamesTheLocalDayOrNull) {
    auto r = runWith(
        {"rule", R"({"nthWeekday":{"n":-1,"weekday":2,"month":5,"offset":-3}})", "--year", "2025"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "{\"date\":\"2025-05-23\"}\n");

    r = runWith({"rule", R"({"season":{"_0":0}})", "--year", "2025", "--tz", "Asia/Tokyo"});
    EXPECT_EQ(r.json()["date"], "2025-03-21");

    r = runWith({"rule", R"({"season":{"_0":5}})", "--year", "2025"});
    EXPECT_EQ(r.out, "{\"date\":null}\n");

    // A fixed date recurs only with --recurs.
    const std::string fixed = R"({"fixed":{"_0":788356800}})";  // 2025-12-25 12:00 UTC
    EXPECT_EQ(runWith({"rule", fixed, "--year", "2030"}).json()["date"], "2025-12-25");
    EXPECT_EQ(runWith({"rule", fixed, "--year", "2030", "--recurs"}).json()["date"], "2030-12-25");
}

TEST(BoardCli, CountdownReportsPhaseRowAndTexts) {
    const std::string christmas =
        R"({"label":"Christmas","start":{"fixed":{"_0":788356800}},"recurs":true,"symbol":"gift"})";
    auto r = runWith({"countdown", christmas, "--at", "2025-12-20T12:00:00-05:00"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto j = r.json();
    EXPECT_EQ(j["phase"], "upcoming");
    EXPECT_EQ(j["start"], "2025-12-25");
    EXPECT_TRUE(j["end"].is_null());
    EXPECT_EQ(j["display"]["value"], 5);
    EXPECT_EQ(j["display"]["unit"], "days");
    EXPECT_EQ(j["display"]["caption"], "Thu, Dec 25");
    EXPECT_TRUE(j["display"]["progress"].is_null());
    EXPECT_EQ(j["display"]["sortDate"], "2025-12-25T05:00:00.000Z");
    EXPECT_EQ(j["summary"], "Thu, Dec 25 · every year");
    EXPECT_EQ(j["startDescription"], "Thu, Dec 25");

    // A happening span sorts at the distant past and carries progress.
    const std::string winter =
        R"({"label":"Winter","start":{"season":{"_0":3}},"end":{"season":{"_0":0}},"recurs":true})";
    const auto w = runWith({"countdown", winter, "--at", "2026-01-10T12:00:00-05:00"}).json();
    EXPECT_EQ(w["phase"], "active");
    EXPECT_EQ(w["start"], "2025-12-21");
    EXPECT_EQ(w["end"], "2026-03-20");
    EXPECT_EQ(w["display"]["unit"], "of 90 days");
    EXPECT_EQ(w["display"]["sortDate"], "0000-12-30T00:00:00.000Z");
    EXPECT_EQ(w["startDescription"], "December solstice");

    // Finished: nothing left to count.
    const std::string once = R"({"label":"Once","start":{"fixed":{"_0":0}}})";
    const auto f = runWith({"countdown", once}).json();
    EXPECT_EQ(f["phase"], "finished");
    EXPECT_TRUE(f["display"].is_null());
    EXPECT_EQ(f["summary"], "Finished");
}

TEST(BoardCli, CountdownHonoursZoneAndLocale) {
    const std::string c = R"({"label":"X","start":{"fixed":{"_0":788356800}},"recurs":true})";
    const auto j = runWith({"countdown", c, "--tz", "Europe/Berlin", "--locale", "de_DE", "--at",
                            "2025-12-20T12:00:00Z"})
                       .json();
    EXPECT_EQ(j["display"]["caption"], "Do., 25. Dez.");
}

TEST(BoardCli, PresetsListTheCatalogueInRuleForms) {
    const auto r = runWith({"presets"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto j = r.json();
    ASSERT_EQ(j.size(), 19u);
    EXPECT_EQ(j[0]["id"], "summer-fridays");
    EXPECT_EQ(j[0]["start"]["nthWeekday"]["n"], -1);
    EXPECT_EQ(j[0]["end"]["nthWeekday"]["month"], 9);
    EXPECT_EQ(j[0]["during"], "hide");
    EXPECT_FALSE(j[3].contains("end"));
    EXPECT_EQ(j[18]["title"], "Christmas");
    // Fixed presets are local midnights of 2000 in the zone.
    EXPECT_EQ(j[9]["start"]["fixed"]["_0"], -31604400.0);  // 2000-01-01 00:00 EST
}

TEST(BoardCli, BadArgumentsExitWithStatusTwoAndOneLine) {
    const std::vector<std::vector<std::string>> cases = {
        {"frobnicate"},
        {"rule"},
        {"rule", R"({"season":{"_0":1}})"},
        {"rule", R"({"season":{"_0":1}})", "--year", "twenty"},
        {"rule", R"({"season":{"_0":1}})", "--year", "2025x"},
        {"rule", R"({"season":{"_0":1}})", "--year"},
        {"rule", R"({})", "--year", "2025"},
        {"rule", "not json", "--year", "2025"},
        {"rule", R"({"season":{"_0":1}})", "--year", "2025", "--tz", "Nowhere/Town"},
        {"countdown", R"({"start":{"season":{"_0":1}}})"},
        {"countdown", R"({"label":"x","start":{"season":{"_0":1}}})", "--at", "yesterday"},
        {"countdown", R"({"label":"x","start":{"season":{"_0":1}}})", "--bogus"},
        {"presets", "extra"},
    };
    for (const auto& args : cases) {
        const auto r = runWith(args);
        EXPECT_EQ(r.status, 2) << args[0];
        EXPECT_TRUE(r.out.empty());
        ASSERT_FALSE(r.err.empty());
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;
    }
}

TEST(BoardCli, NoArgumentsPrintsTheStarterBoard) {
    const auto r = runWith({});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("Winter solstice"), std::string::npos);
    EXPECT_NE(r.out.find("1 day"), std::string::npos);  // Dec 21 is tomorrow
    EXPECT_NE(r.out.find("Fall back"), std::string::npos);
    EXPECT_EQ(runWith({"--help"}).out.rfind("Usage: solvane-board", 0), 0u);
}

}  // namespace
}  // namespace solvane::cli
