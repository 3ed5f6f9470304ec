#include "core/store/default_place.h"

#include <gtest/gtest.h>

#include <fstream>

#include "core/model/presets.h"
#include "core/store/shared_store.h"
#include "core/test_helpers.h"
#include "support/temp_dir.h"

namespace solvane {
namespace {

using testing::cal;

// The first board of a new user is for the city of their time zone, named
// in their language, until they choose a place.
TEST(DefaultPlace, IsTheTimeZonesCityInTheUsersLanguage) {
    struct Case {
        const char* zone;
        const char* locale;
        const char* name;
        double latitude, longitude;
        PlaceSource source;
    };
    const Case cases[] = {
        {"Europe/Berlin", "de_DE", "Berlin", 52.5, 13.3667, PlaceSource::zone},
        {"Asia/Tokyo", "ja_JP", "東京", 35.6544, 139.7447, PlaceSource::zone},
        {"Australia/Sydney", "en_AU", "Sydney", -33.8667, 151.2167, PlaceSource::zone},
        {"America/Sao_Paulo", "pt_BR", "São Paulo", -23.5333, -46.6167, PlaceSource::zone},
        {"Africa/Nairobi", "en_KE", "Nairobi", -1.2833, 36.8167, PlaceSource::zone},
        // New York keeps its exact place; links find their zone's city.
        {"America/New_York", "en_US", "New York", 40.7128, -74.0060, PlaceSource::zone},
        {"Asia/Calcutta", "en_IN", "Kolkata", 22.5333, 88.3667, PlaceSource::zone},
        {"US/Eastern", "en_US", "New York", 40.7128, -74.0060, PlaceSource::zone},
        // No city at all: New York.
        {"Etc/UTC", "en_GB", "New York", 40.7128, -74.0060, PlaceSource::fallback},
        {"UTC", "de_DE", "New York", 40.7128, -74.0060, PlaceSource::fallback},
    };
    for (const auto& c : cases) {
        const BoardPlace place = defaultPlace(cal(c.zone, c.locale));
        EXPECT_EQ(place.location.name, c.name) << c.zone;
        EXPECT_NEAR(place.location.latitude, c.latitude, 1e-4) << c.zone;
        EXPECT_NEAR(place.location.longitude, c.longitude, 1e-4) << c.zone;
        EXPECT_EQ(place.source, c.source) << c.zone;
    }
}

TEST(DefaultPlace, AMissingOrBrokenZoneTableKeepsNewYork) {
    testing::TempDir missing;
    EXPECT_FALSE(zoneCity("Europe/Berlin", "de_DE", missing.path()));
    testing::TempDir dir;
    std::ofstream(dir.path() / "zone1970.tab") << "# comment\nDE\tnot-a-place\tEurope/Berlin\n"
                                               << "JP\t+3541+13945\n"
                                               << "FR\t+4852+00220\tEurope/Paris\tmost\n";
    EXPECT_EQ(defaultPlace(cal("Europe/Berlin"), dir.path()).source, PlaceSource::fallback);
    const auto paris = zoneCity("Europe/Paris", "fr_FR", dir.path());
    ASSERT_TRUE(paris);
    EXPECT_NEAR(paris->latitude, 48.8667, 1e-4);
    EXPECT_EQ(paris->name, "Paris");
}

// Never stored, and a chosen place always wins; the first starters already
// have the southern hemisphere's seasons in Sydney.
TEST(DefaultPlace, StandsInUntilAPlaceIsSavedAndGivesTheSeasonsOfItsHemisphere) {
    testing::TempDir dir;
    const SharedStore store{{dir.path() / "p.sqlite", dir.path() / "f.sqlite", dir.path()},
                            "en_AU"};
    const Calendar sydney = cal("Australia/Sydney", "en_AU");
    EXPECT_EQ(store.loadPlace(sydney).source, PlaceSource::zone);
    EXPECT_FALSE(store.loadSavedLocation());
    EXPECT_FALSE(store.rawValue("location.v1"));
    const Instant now = *sydney.date(2026, 12, 7, 12);
    std::vector<std::string> titles;
    for (const Countdown& c : store.loadCountdowns(sydney, now)) {
        titles.push_back(c.label);
    }
    // March's equinox is autumn's there.
    EXPECT_NE(std::find(titles.begin(), titles.end(), "Fall equinox"), titles.end())
        << ::testing::PrintToString(titles);

    const SavedLocation perth{-31.95, 115.86, "Perth"};
    ASSERT_TRUE(store.saveLocation(perth));
    EXPECT_EQ(store.loadPlace(sydney), (BoardPlace{perth, PlaceSource::saved}));
}

}  // namespace
}  // namespace solvane
