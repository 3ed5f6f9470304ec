// Board assembly from sources given directly, and once from a temporary store.
#include "core/store/board_data.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/test_helpers.h"
#include "support/temp_dir.h"

namespace solvane {
namespace {

using testing::labels;
using testing::newYork;

Instant day(int y, int m, int d, int hour = 0) {
    return *newYork().date(y, m, d, hour);
}

Countdown countdownOn(std::string label, Instant date) {
    return testing::named(std::move(label), DateRule::fixed(date));
}

TEST(BoardData, ASelectionGivesARowPerIdentifierInItsOwnOrder) {
    const Instant now = day(2030, 3, 12, 10);
    const Countdown a = countdownOn("A", day(2030, 3, 20));
    const Countdown b = countdownOn("B", day(2030, 6, 1));
    const Countdown c = countdownOn("C", day(2030, 4, 2));
    const Countdown over = countdownOn("Over", day(2030, 1, 1));
    Countdown twin = countdownOn("Twin of A", day(2030, 3, 13));
    twin.id = a.id;  // only the first countdown with an id is ever shown
    const BoardSources sources{{40.7128, -74.0060, "New York"}, {b, a, twin, over, c}};
    const Uuid unknown = Uuid::random();

    const struct {
        const char* what;
        std::vector<Uuid> selection;
        std::vector<std::string> rows;
    } cases[] = {
        {"selection order, not date order", {b.id, a.id}, {"B", "A"}},
        {"three", {c.id, a.id, b.id}, {"C", "A", "B"}},
        {"one twice", {a.id, a.id}, {"A", "A"}},
        {"one twice, apart", {c.id, b.id, c.id}, {"C", "B", "C"}},
        {"unknown ones skipped", {unknown, c.id, unknown, a.id}, {"C", "A"}},
        {"only unknown ones", {unknown}, {}},
        {"a finished countdown has no row", {over.id, b.id}, {"B"}},
    };
    for (const auto& chosen : cases) {
        const BoardData board =
            BoardData::assemble(sources, now, chosen.selection, std::nullopt, newYork());
        EXPECT_EQ(labels(board), chosen.rows) << chosen.what;
    }
}

// The order itself is sortedDisplays' (countdown_display_test.cpp); here,
// that no selection and an empty one both mean every row.
TEST(BoardData, WithoutASelectionEveryRowShowsBySortDate) {
    const Instant now = day(2030, 3, 12, 10);
    const BoardSources sources{
        {40.7128, -74.0060, "New York"},
        {countdownOn("June", day(2030, 6, 1)), countdownOn("April", day(2030, 4, 2)),
         countdownOn("Over", day(2030, 1, 1))}};
    for (const auto& selection :
         {std::optional<std::vector<Uuid>>{}, std::optional(std::vector<Uuid>{})}) {
        const BoardData board =
            BoardData::assemble(sources, now, selection, std::nullopt, newYork());
        EXPECT_EQ(labels(board), (std::vector<std::string>{"April", "June"}))
            << (selection ? "empty selection" : "no selection");
    }
}

// A place the user named nothing keeps its empty name, given directly or
// from the store; the board does not fall back to the default place's.
TEST(BoardData, CarriesThePlaceUnitWeatherAndMomentAsGiven) {
    const Instant now = day(2030, 3, 12, 10);
    const SavedLocation reykjavik{64.1466, -21.9426, ""};
    const BoardSources sources{reykjavik, {}, TempUnit::celsius};
    WeatherSnapshot weather;
    weather.condition = "Snow";

    const BoardData board = BoardData::assemble(sources, now, std::nullopt, weather, newYork());
    EXPECT_EQ(board.place, "");
    EXPECT_EQ(board.unit, TempUnit::celsius);
    EXPECT_EQ(board.weather, weather);
    EXPECT_EQ(board.date, now);
    EXPECT_EQ(board.sky, SkySnapshot::compute(now, 64.1466, -21.9426, newYork()));
    EXPECT_EQ(BoardData::assemble(sources, now, std::nullopt, std::nullopt, newYork()).weather,
              std::nullopt);

    testing::TempDir dir;
    const SharedStore store{{dir.path() / "config/g/preferences.sqlite", {}, dir.path() / "data"},
                            "en_US"};
    ASSERT_TRUE(store.saveCountdowns(
        {countdownOn("B", day(2030, 6, 1)), countdownOn("A", day(2030, 3, 20))}));
    ASSERT_TRUE(store.saveLocation(reykjavik));
    const BoardData stored = BoardData::assemble(store, now, std::nullopt, std::nullopt, newYork());
    EXPECT_EQ(stored.place, "");
    EXPECT_EQ(labels(stored), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(stored.sky, board.sky);
}

}  // namespace
}  // namespace solvane
