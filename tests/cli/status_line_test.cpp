// The board as each status bar reads it, with labels and places that break
// naive escaping: markup characters, quotes, percent signs and non-ASCII.
#include "cli/status_line.h"

#include <pango/pango.h>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli/board_fixture.h"

namespace solvane::cli {
namespace {

constexpr const char* kAwkward = "Mum & Dad's \"50%\" <b>Zoë</b>";
constexpr const char* kPlace = "Tom & Jerry <b>";

// Whether Pango, as waybar does, accepts `markup`; its complaint otherwise.
std::string pangoComplaint(const std::string& markup) {
    GError* error = nullptr;
    if (pango_parse_markup(markup.c_str(), -1, 0, nullptr, nullptr, nullptr, &error)) {
        return "";
    }
    std::string what = error != nullptr ? error->message : "rejected";
    g_clear_error(&error);
    return what;
}

class StatusLines : public BoardFixture {
  protected:
    StatusLines() : BoardFixture("2026-12-21T10:00:00-05:00") {}

    Countdown on(std::string label, int month, int day, std::optional<int> endDay = {}) const {
        Countdown c;
        c.id = Uuid::random();
        c.label = std::move(label);
        c.start = DateRule::fixed(*newYork().date(2026, month, day));
        if (endDay) {
            c.end = DateRule::fixed(*newYork().date(2026, month, *endDay));
        }
        return c;
    }

    // What the bar gets for the stored countdowns at an awkward place.
    std::string bar(std::vector<std::string> args) {
        args.insert(args.begin(), {"--offline", "--place", kPlace});
        const Outcome outcome = run(args);
        EXPECT_EQ(outcome.status, 0) << outcome.err;
        return outcome.out;
    }
};

TEST_F(StatusLines, WaybarTextAndTooltipAreValidPangoMarkup) {
    ASSERT_TRUE(store.saveCountdowns({on(kAwkward, 12, 25)}));
    const std::string line = bar({"--waybar"});
    ASSERT_EQ(line.back(), '\n');
    ASSERT_EQ(line.find('\n'), line.size() - 1);  // one update, one line
    const auto j = nlohmann::json::parse(line);

    const std::string text = j["text"];
    EXPECT_EQ(pangoComplaint(text), "") << text;
    EXPECT_NE(text.find("Mum &amp; Dad&apos;s &quot;50%&quot; &lt;b&gt;Zoë&lt;/b&gt;"),
              std::string::npos)
        << text;
    const std::string tooltip = j["tooltip"];
    EXPECT_EQ(pangoComplaint(tooltip), "") << tooltip;
    EXPECT_EQ(tooltip.rfind("<tt>", 0), 0u);  // aligned columns need a fixed-width face
    EXPECT_NE(tooltip.find("Tom &amp; Jerry &lt;b&gt;"), std::string::npos);

    EXPECT_EQ(j["class"], nlohmann::json::array({"solvane", "no-weather"}));
    EXPECT_FALSE(j.contains("percentage"));  // nothing is happening
}

TEST_F(StatusLines, ClassesAndPercentageFollowTheDay) {
    // A span on its sixth of ten days, and a one-day countdown due today.
    ASSERT_TRUE(store.saveCountdowns({on("Advent week", 12, 16, 25), on("Solstice", 12, 21)}));
    const auto j = nlohmann::json::parse(bar({"--format", "waybar"}));
    EXPECT_EQ(j["class"], nlohmann::json::array({"solvane", "no-weather", "today"}));
    EXPECT_EQ(j["percentage"], 60);

    const auto rs = nlohmann::json::parse(bar({"--format", "i3status-rs"}));
    EXPECT_EQ(rs["state"], "Good");
    EXPECT_FALSE(rs["icon"].get<std::string>().empty());
    EXPECT_EQ(rs["text"], "Advent week 6 of 10 days");
    EXPECT_EQ(rs["short_text"], "Advent week 6 of 10 days");
}

TEST_F(StatusLines, EveryBarGetsItsOwnEscaping) {
    ASSERT_TRUE(store.saveCountdowns({on(std::string(kAwkward) + "\nsecond line", 12, 21)}));
    const std::string label = std::string(kAwkward) + " second line 0 days";

    const auto rs = nlohmann::json::parse(bar({"--format", "i3status-rs"}));
    EXPECT_EQ(rs["text"], label);  // JSON escaping only: the bar shows text as given
    EXPECT_EQ(rs["short_text"], "Mum & Dad's \"5… 0 days");

    EXPECT_EQ(bar({"--format", "i3blocks"}), label + "\nMum & Dad's \"5… 0 days\n#F0B25A\n");

    // Polybar reads %{…} as formatting: a label's % must stay a percent sign.
    EXPECT_EQ(bar({"--format", "polybar"}),
              "%{F#F0B25A}Mum & Dad's \"50%%\" <b>Zoë</b> second line 0 days%{F-}\n");

    EXPECT_EQ(bar({"--format", "plain"}), label + "\n");
}

TEST_F(StatusLines, UnknownBarsAndFollowingWithoutABarAreRefused) {
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"--format", "dzen"}, {"--follow"}, {"--format", "plain", "--json"}}) {
        const Outcome outcome = run(args);
        EXPECT_EQ(outcome.status, 2) << args[0];
        EXPECT_TRUE(outcome.out.empty());
    }
}

}  // namespace
}  // namespace solvane::cli
