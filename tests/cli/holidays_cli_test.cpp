// solvane-board holidays: the country from the options, the locale or the
// zone, its year's days in date order, and a clear refusal of what it does
// not know.
#include <gtest/gtest.h>

#include "board_fixture.h"

namespace solvane::cli {
namespace {

class HolidaysCli : public BoardFixture {
  protected:
    HolidaysCli() { env.holidayFolder = SOLVANE_HOLIDAY_DATA; }
};

TEST_F(HolidaysCli, JsonInDateOrderWithTypes) {
    const auto list = nlohmann::json::parse(
        output({"holidays", "--country", "de-by", "--year", "2025", "--json"}));
    ASSERT_GE(list.size(), 12u);
    EXPECT_EQ(list[0], (nlohmann::json{{"date", "2025-01-01"},
                                       {"id", "new-year"},
                                       {"name", "New Year's Day"},
                                       {"type", "public"}}));
    EXPECT_EQ(list[1]["id"], "epiphany");
    for (std::size_t i = 1; i < list.size(); ++i) {
        EXPECT_LE(list[i - 1]["date"], list[i]["date"]);
    }
    const auto us =
        nlohmann::json::parse(output({"holidays", "--country", "US", "--year", "2021", "--json"}));
    EXPECT_EQ(us.back(), (nlohmann::json{{"date", "2021-12-31"},
                                         {"id", "new-year-observed"},
                                         {"name", "New Year's Day (day off in lieu)"},
                                         {"type", "public"}}));
}

TEST_F(HolidaysCli, CountryFromLocaleThenZoneAndNamesInTheLanguage) {
    env.calendar = *Calendar::make("Europe/Vienna", "de_AT");
    env.localeVariable = "de_AT.UTF-8";
    EXPECT_EQ(output({"holidays", "--year", "2025"}).substr(0, 40),
              "2025-01-01  Mittwoch  Neujahr\n2025-01-06");
    env.calendar = *Calendar::make("Europe/Zurich", "en_US");
    env.localeVariable = "C.UTF-8";
    EXPECT_NE(output({"holidays", "--year", "2025"}).find("Swiss National Day"), std::string::npos);
    env.now = *parseIso8601("2024-06-01T12:00:00Z");  // the year of now
    EXPECT_EQ(output({"holidays"}).substr(0, 10), "2024-01-01");
}

TEST_F(HolidaysCli, UnknownCountryRegionOrYearFails) {
    const std::pair<std::vector<std::string>, const char*> kCases[] = {
        {{"holidays", "--country", "XX"}, "\"XX\""},
        {{"holidays", "--country", "DE-XX"}, "DE-BY"},
        {{"holidays", "--country", "Germany"}, "country code"},
        {{"holidays", "--country", "DE", "--year", "2200"}, "1900 to 2199"},
        {{"holidays", "--year"}, "--year"},
        {{"holidays", "DE"}, "no arguments"},
    };
    for (const auto& [args, reason] : kCases) {
        const Outcome outcome = run(args);
        EXPECT_EQ(outcome.status, 2) << args.back();
        EXPECT_NE(outcome.err.find(reason), std::string::npos) << outcome.err;
        EXPECT_TRUE(outcome.out.empty());
    }
}

}  // namespace
}  // namespace solvane::cli
