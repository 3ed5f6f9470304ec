// The board as each status bar reads it, with labels and places that break
// naive escaping: markup characters, quotes, percent signs and non-ASCII.
#include "cli/status_line.h"

#include <pango/pango.h>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>

#include "cli/board_fixture.h"
#include "core/util/display_text.h"

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

// The text Pango shows for `markup`.
std::string pangoText(const std::string& markup) {
    char* plain = nullptr;
    pango_parse_markup(markup.c_str(), -1, 0, nullptr, &plain, nullptr, nullptr);
    std::string text = plain != nullptr ? plain : "";
    g_free(plain);
    return text;
}

class StatusLines : public BoardFixture {
  protected:
    StatusLines() : BoardFixture("2026-12-21T10:00:00-05:00") {}

    Countdown on(std::string label, int month, int day, std::optional<int> endDay = {}) const {
        Countdown c = countdownOn(std::move(label), *newYork().date(2026, month, day));
        if (endDay) {
            c.end = DateRule::fixed(*newYork().date(2026, month, *endDay));
        }
        return c;
    }

    // What the bar gets for the stored countdowns at an awkward place.
    std::string bar(std::vector<std::string> args) {
        args.insert(args.begin(), {"--offline", "--place", kPlace});
        return output(args);
    }
};

TEST_F(StatusLines, WaybarMarkupClassesAndPercentageFollowTheDay) {
    ASSERT_TRUE(store.saveCountdowns({on(kAwkward, 12, 25)}));
    const std::string line = bar({"--waybar"});
    ASSERT_EQ(line.back(), '\n');
    ASSERT_EQ(line.find('\n'), line.size() - 1);  // one update, one line
    const auto j = nlohmann::json::parse(line);
    const std::string tooltip = j["tooltip"];
    EXPECT_EQ(pangoComplaint(tooltip), "") << tooltip;
    EXPECT_EQ(tooltip.rfind("<tt>", 0), 0u);  // aligned columns need a fixed-width face
    EXPECT_NE(tooltip.find("Tom &amp; Jerry &lt;b&gt;"), std::string::npos);

    EXPECT_EQ(j["class"], nlohmann::json::array({"solvane", "no-weather"}));
    EXPECT_FALSE(j.contains("percentage"));  // nothing is happening

    // A span on its sixth of ten days, and a one-day countdown due today.
    ASSERT_TRUE(store.saveCountdowns({on("Advent week", 12, 16, 25), on("Solstice", 12, 21)}));
    const auto now = nlohmann::json::parse(bar({"--format", "waybar"}));
    EXPECT_EQ(now["class"], nlohmann::json::array({"solvane", "no-weather", "today"}));
    EXPECT_EQ(now["percentage"], 60);

    const auto rs = nlohmann::json::parse(bar({"--format", "i3status-rs"}));
    EXPECT_EQ(rs["state"], "Good");
    EXPECT_FALSE(rs["icon"].get<std::string>().empty());
    EXPECT_EQ(rs["text"], "Advent week 6 of 10 days");
    EXPECT_EQ(rs["short_text"], "Advent week 6 of 10 days");
}

// The whole texts are the hostile-label table's; a short text is cut before
// it is escaped, never inside an entity.
TEST_F(StatusLines, EveryBarGetsItsOwnEscaping) {
    ASSERT_TRUE(store.saveCountdowns({on(std::string(kAwkward) + "\nsecond line", 12, 21)}));
    const std::string label = std::string(kAwkward) + " second line 0 days";
    const auto rs = nlohmann::json::parse(bar({"--format", "i3status-rs"}));
    EXPECT_EQ(rs["short_text"], "Mum &amp; Dad&apos;s &quot;5… 0 days");
    EXPECT_EQ(bar({"--format", "i3blocks"}), label + "\nMum & Dad's \"5… 0 days\n#F0B25A\n");
}

// The tags polybar would act on in `line`, read as its parser reads them:
// "%{" opens a tag wherever it stands, and the tag runs to the next "}".
// `visible` gets the rest, with the invisible word joiner dropped.
std::vector<std::string> polybarTags(const std::string& line, std::string* visible) {
    std::vector<std::string> tags;
    std::size_t i = 0;
    while (i < line.size()) {
        const std::size_t open = line.find("%{", i);
        visible->append(line, i, open == std::string::npos ? std::string::npos : open - i);
        if (open == std::string::npos) {
            break;
        }
        const std::size_t close = line.find('}', open);
        tags.push_back(line.substr(
            open + 2, close == std::string::npos ? std::string::npos : close - open - 2));
        i = close == std::string::npos ? line.size() : close + 1;
    }
    for (std::size_t j; (j = visible->find("\u2060")) != std::string::npos;) {
        visible->erase(j, std::string("\u2060").size());
    }
    return tags;
}

TEST_F(StatusLines, HostileLabelsStayTextInEveryBar) {
    struct Label {
        std::string stored;
        std::string shown;  // as every bar shows it, on one line
    };
    const Label labels[] = {
        {"Party %{A1:touch /tmp/x:}click me%{A}", "Party %{A1:touch /tmp/x:}click me%{A}"},
        {"%{F#f00}red%{F-}", "%{F#f00}red%{F-}"},
        {"Sale 100%", "Sale 100%"},  // a lone % is a percent sign to polybar
        {kAwkward, kAwkward},
        {"a\u2028b\u2029c\u0085d\te\x1b[2J", "a b c d e [2J"},
        {"\u202Eexe.txt\u202C \u2066x\u2069", "exe.txt x"},
        {"春節の休みと家族旅行", "春節の休みと家族旅行"},
    };
    const std::vector<std::string> separators = {"\u2028", "\u2029", "\u0085", "\t",    "\x1b",
                                                 "\u202E", "\u202C", "\u2066", "\u2069"};
    for (const Label& l : labels) {
        SCOPED_TRACE(l.shown);
        ASSERT_TRUE(store.saveCountdowns({on(l.stored, 12, 21), on("Later", 12, 28)}));
        for (const BarFormat format : allCases<BarFormat>()) {
            SCOPED_TRACE(std::string(toString(format)));
            const std::string out = bar({"--format", std::string(toString(format))});
            for (const std::string& s : separators) {
                EXPECT_EQ(out.find(s), std::string::npos) << out;
            }
            std::string text;
            switch (format) {
                case BarFormat::waybar: {
                    const auto j = nlohmann::json::parse(out);
                    EXPECT_EQ(pangoComplaint(j["text"]), "");
                    EXPECT_EQ(pangoComplaint(j["tooltip"]), "");
                    text = pangoText(j["text"]);
                    break;
                }
                case BarFormat::i3statusRs: {
                    const auto j = nlohmann::json::parse(out);
                    EXPECT_EQ(pangoComplaint(j["short_text"]), "");
                    text = pangoText(j["text"]);
                    break;
                }
                case BarFormat::polybar: {
                    const auto tags = polybarTags(out.substr(0, out.size() - 1), &text);
                    EXPECT_EQ(tags, (std::vector<std::string>{"F#F0B25A", "F-"})) << out;
                    break;
                }
                case BarFormat::i3blocks:
                    ASSERT_EQ(std::count(out.begin(), out.end(), '\n'), 3) << out;
                    text = out.substr(0, out.find('\n'));
                    break;
                case BarFormat::plain:
                    ASSERT_EQ(out.find('\n'), out.size() - 1) << out;
                    text = out.substr(0, out.size() - 1);
                    break;
            }
            EXPECT_EQ(text, l.shown + " 0 days");
        }
    }
}

TEST_F(StatusLines, WideCharactersKeepTheShortTextAndTheTooltipColumns) {
    ASSERT_TRUE(store.saveCountdowns({on("春節の休みと家族旅行", 12, 21), on("Hanukkah", 12, 25)}));
    const auto rs = nlohmann::json::parse(bar({"--format", "i3status-rs"}));
    EXPECT_EQ(rs["short_text"], "春節の休みと家… 0 days");

    const std::string tooltip = pangoText(nlohmann::json::parse(bar({"--waybar"}))["tooltip"]);
    // The counts of both rows start in the same column.
    std::vector<std::size_t> starts;
    for (const char* count : {"0 days", "4 days"}) {
        const auto at = tooltip.find(count);
        ASSERT_NE(at, std::string::npos) << tooltip;
        const auto lineStart = tooltip.rfind('\n', at) + 1;
        starts.push_back(displayWidth(tooltip.substr(lineStart, at - lineStart)));
    }
    EXPECT_EQ(starts[0], starts[1]) << tooltip;
}

}  // namespace
}  // namespace solvane::cli
