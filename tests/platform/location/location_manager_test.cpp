#include "platform/location/location_manager.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QThread>

#include <atomic>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/event_loop.h"
#include "support/temp_dir.h"

namespace solvane::platform {
namespace {

using Auth = LocationAuthorization;
using solvane::testing::settle;
using solvane::testing::waitFor;

// Answers what the test says and counts what it was asked. A fix it is told
// to give comes from inside requestLocation, as Qt's sources sometimes do.
class FakeAdapter : public LocationAdapter {
  public:
    void setDelegate(LocationDelegate* delegate) override { delegate_ = delegate; }
    Auth authorization() const override { return state; }
    void requestAuthorization() override { ++authorizationRequests; }
    void requestLocation() override {
        ++locationRequests;
        if (fix) {
            delegate_->locationsUpdated({*fix});
        }
    }

    LocationDelegate* delegate_ = nullptr;
    Auth state = Auth::notDetermined;
    std::optional<LocationFix> fix;
    int authorizationRequests = 0;
    int locationRequests = 0;
};

class LocationManagerTest : public ::testing::Test {
  protected:
    LocationManager& make(Auth state) {
        auto adapter = std::make_unique<FakeAdapter>();
        fake = adapter.get();
        fake->state = state;
        manager = std::make_unique<LocationManager>(
            std::move(adapter),
            [this](double lat, double lon, const net::CancelToken& cancel) {
                geocodedOffMain = QThread::currentThread() != qApp->thread();
                return geocode(lat, lon, cancel);
            },
            store);
        QObject::connect(manager.get(), &LocationManager::locationUpdated,
                         [this](const SavedLocation& place) { updates.push_back(place); });
        return *manager;
    }

    solvane::testing::TempDir dir;
    SharedStore store{{dir.path() / "g.sqlite", dir.path() / "f.sqlite", dir.path()}, "en_US"};
    std::function<std::optional<PlaceParts>(double, double, const net::CancelToken&)> geocode =
        [](double, double, const net::CancelToken&) {
            return PlaceParts{"Boulder", "CO"};
        };
    FakeAdapter* fake = nullptr;
    std::unique_ptr<LocationManager> manager;
    std::vector<SavedLocation> updates;
    std::atomic<bool> geocodedOffMain = false;
};

// Every way a request can go, from the authorization it meets to the status
// it ends with.
TEST_F(LocationManagerTest, RequestFlowByAuthorization) {
    const std::string updated = "Updated to Boulder, CO";
    const std::string locating = "Locating\u2026";
    const std::string offOnRequest = location_status::accessOffOnRequest();
    const struct {
        Auth before;
        std::optional<Auth> answer;  // the authorization change that follows
        int authorizationRequests;
        int locationRequests;
        std::string status;
    } cases[] = {
        {Auth::denied, std::nullopt, 0, 0, offOnRequest},
        {Auth::restricted, Auth::denied, 0, 0, "Location access is off."},
        {Auth::authorizedAlways, std::nullopt, 0, 1, updated},
        {Auth::authorizedWhenInUse, std::nullopt, 0, 1, updated},
        {Auth::notDetermined, Auth::authorizedAlways, 1, 1, updated},
        {Auth::notDetermined, Auth::denied, 1, 0, "Location access is off."},
        {Auth::notDetermined, Auth::restricted, 1, 0, "Location access is off."},
        {Auth::notDetermined, Auth::authorizedWhenInUse, 1, 0, locating},
    };
    for (const auto& c : cases) {
        const std::string name = std::string(toString(c.before)) + " then " +
                                 (c.answer ? std::string(toString(*c.answer)) : "nothing");
        const std::size_t updatesBefore = updates.size();
        LocationManager& locator = make(c.before);
        std::vector<QString> statuses;
        QObject::connect(&locator, &LocationManager::statusChanged,
                         [&](const QString& s) { statuses.push_back(s); });
        fake->fix = LocationFix{40.015, -105.2705};
        locator.request();
        if (c.answer) {
            // The platform's answer may come on any thread.
            fake->state = *c.answer;
            std::thread([&] { fake->delegate_->authorizationChanged(*c.answer); }).join();
        }
        if (c.locationRequests > 0) {
            EXPECT_TRUE(waitFor([&] { return updates.size() > updatesBefore; })) << name;
        }
        settle();
        EXPECT_EQ(fake->authorizationRequests, c.authorizationRequests) << name;
        EXPECT_EQ(fake->locationRequests, c.locationRequests) << name;
        EXPECT_EQ(statuses.front(), QString::fromStdString(locating)) << name;
        EXPECT_EQ(locator.status().toStdString(), c.status) << name;
        EXPECT_EQ(locator.wantsLocation(), c.status != updated) << name;
        EXPECT_EQ(updates.size() - updatesBefore, c.status == updated ? 1u : 0u) << name;
    }
    const SavedLocation boulder{40.015, -105.2705, "Boulder, CO"};
    EXPECT_EQ(updates, std::vector(3, boulder));
    EXPECT_EQ(store.loadSavedLocation(), boulder);
    EXPECT_TRUE(geocodedOffMain);
}

TEST_F(LocationManagerTest, NewsOnlyCountsForAPendingRequestWhichAFailureKeeps) {
    LocationManager& locator = make(Auth::authorizedAlways);
    for (const Auth state : allCases<Auth>()) {
        fake->delegate_->authorizationChanged(state);
    }
    fake->delegate_->locationsUpdated({});
    settle();
    EXPECT_EQ(locator.status(), "");
    EXPECT_EQ(fake->locationRequests, 0);

    locator.request();
    fake->delegate_->failed("No position was found in time.");
    settle();
    EXPECT_EQ(locator.status(), "Couldn't get location: No position was found in time.");
    EXPECT_TRUE(locator.wantsLocation());

    fake->fix = LocationFix{1, 2};
    fake->delegate_->authorizationChanged(Auth::authorizedAlways);
    EXPECT_TRUE(waitFor([&] { return !locator.wantsLocation(); }));
}

TEST_F(LocationManagerTest, OnlyTheLastFixCountsAndAnUnnamedOneKeepsItsCoordinates) {
    std::vector<double> asked;
    geocode = [&](double lat, double, const net::CancelToken&) -> std::optional<PlaceParts> {
        asked.push_back(lat);
        throw std::runtime_error("the geocoder broke");
    };
    LocationManager& locator = make(Auth::authorizedAlways);
    locator.request();
    fake->delegate_->locationsUpdated({{10, 20}, {11, 21}, {12.346, -56.789}});
    ASSERT_TRUE(waitFor([&] { return !updates.empty(); }));
    EXPECT_EQ(asked, std::vector{12.346});
    EXPECT_EQ(locator.status(), "Updated to 12.35, -56.79");

    // A fix that is no place on Earth is a failure, never a stored place.
    locator.request();
    fake->delegate_->locationsUpdated({{1, 2}, {91, 0}});
    settle();
    EXPECT_EQ(updates.size(), 1u);
    EXPECT_EQ(locator.status(),
              "Couldn't get location: The location service gave no usable position. Try again, or "
              "type the place in the fields above.");
}

TEST_F(LocationManagerTest, ANewerFixSupersedesASlowLookupAndTeardownStopsIt) {
    std::atomic<int> stopped = 0;
    geocode = [&](double lat, double, const net::CancelToken& cancel) -> std::optional<PlaceParts> {
        while (lat == 1 && !cancel.cancelled()) {
            std::this_thread::yield();
        }
        stopped += lat == 1 ? 1 : 0;
        return PlaceParts{lat == 1 ? "Stale" : "Fresh", std::nullopt};
    };
    LocationManager& locator = make(Auth::authorizedAlways);
    locator.request();
    fake->delegate_->locationsUpdated({{1, 1}});
    settle();
    fake->delegate_->locationsUpdated({{2, 2}});
    ASSERT_TRUE(waitFor([&] { return stopped == 1 && !updates.empty(); }));
    settle();
    EXPECT_EQ(updates, (std::vector{SavedLocation{2, 2, "Fresh"}}));

    fake->delegate_->locationsUpdated({{1, 1}});
    settle();
    manager.reset();
    EXPECT_EQ(stopped, 2);
}

}  // namespace
}  // namespace solvane::platform
