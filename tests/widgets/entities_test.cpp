// The countdowns the configuration panel offers, read afresh from a
// temporary store at every call.
#include "widgets/entities.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"
#include "widgets/solvane_widgets.h"

namespace solvane::widgets {
namespace {

Countdown named(std::string label, std::string symbol) {
    Countdown c;
    c.id = Uuid::random();
    c.label = std::move(label);
    c.symbol = std::move(symbol);
    c.start = DateRule::fixed(Instant{900'000'000});
    return c;
}

class EntityQueryTest : public ::testing::Test {
  protected:
    testing::TempDir dir;
    SharedStore store{{dir.path() / "config/g/preferences.sqlite", {}, dir.path() / "data"},
                      "en_US"};
    CountdownQuery query{store, [] { return *Calendar::make("UTC", "en_US"); },
                         [] { return Instant{}; }};
    Countdown a = named("A", "airplane");
    Countdown b = named("B", "gift");
    Countdown c = named("C", "star");

    void SetUp() override {
        c.customImage = "0A6B1C2D-3E4F-4A5B-8C6D-7E8F9A0B1C2D.png";
        ASSERT_TRUE(store.saveCountdowns({a, b, c}));
    }
};

TEST_F(EntityQueryTest, IdentifiersKeepTheirOrderAndDeletedOnesDrop) {
    EXPECT_EQ(query.entitiesForIdentifiers({c.id, a.id}),
              (std::vector<CountdownEntity>{{c.id, "C", "star"}, {a.id, "A", "airplane"}}));

    a.label = "A renamed";
    ASSERT_TRUE(store.saveCountdowns({b, c, a}));
    EXPECT_EQ(query.entitiesForIdentifiers({c.id, a.id}).at(1).label, "A renamed");

    ASSERT_TRUE(store.saveCountdowns({b, c}));
    EXPECT_EQ(query.entitiesForIdentifiers({c.id, a.id}),
              (std::vector<CountdownEntity>{{c.id, "C", "star"}}));
}

TEST_F(EntityQueryTest, SuggestedIsEveryCountdownInStoredOrder) {
    const auto suggested = query.suggestedEntities();
    ASSERT_EQ(suggested.size(), 3u);
    EXPECT_EQ(suggested[0].id, a.id);
    EXPECT_EQ(suggested[1].id, b.id);
    // The panel shows symbols only, so a custom image does not replace it.
    EXPECT_EQ(suggested[2].symbol, "star");

    ASSERT_TRUE(store.saveCountdowns({}));
    EXPECT_TRUE(query.suggestedEntities().empty());
}

TEST_F(EntityQueryTest, PluginTakesIdentifiersAsTextAndSkipsUnparsable) {
    WidgetEnvironment environment{store,
                                  [] { return Instant{}; },
                                  [] { return *Calendar::make("UTC", "en_US"); },
                                  WeatherServices{},
                                  nullptr,
                                  {}};
    const auto plugin = makeSolvaneWidgets(std::move(environment));
    const auto entities =
        plugin->entitiesForIdentifiers({b.id.toString(), "garbage", Uuid::random().toString()});
    EXPECT_EQ(entities, (std::vector<Entity>{{b.id.toString(), "B", "gift"}}));
    EXPECT_EQ(plugin->suggestedEntities().size(), 3u);
}

}  // namespace
}  // namespace solvane::widgets
