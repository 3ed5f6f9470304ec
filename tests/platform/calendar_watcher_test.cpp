// The calendar-store-changed notification from real folder events.
#include "platform/qt/calendar_watcher.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/event_loop.h"
#include "support/temp_dir.h"

namespace solvane {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using testing::application;
using testing::waitFor;

// Writes the way vdir tools do: a hidden temporary file renamed into place.
void putItem(const fs::path& path, const std::string& text) {
    const fs::path temp = path.parent_path() / ("." + path.filename().string() + ".tmp");
    std::ofstream(temp) << text;
    fs::rename(temp, path);
}

TEST(CalendarWatcher, ABurstOfChangesGivesOneNotificationAndNewCalendarsAreWatched) {
    application();
    testing::TempDir dir;
    const fs::path root = dir.path() / "calendars";
    fs::create_directories(root / "home");
    std::ofstream(root / "work.ics") << "BEGIN:VCALENDAR\r\nEND:VCALENDAR\r\n";

    platform::CalendarWatcher watcher({root}, 150ms);
    int notices = 0;
    QObject::connect(&watcher, &platform::CalendarWatcher::calendarStoreChanged,
                     [&] { ++notices; });
    EXPECT_EQ(watcher.watchedPaths().size(), 3);

    for (int i = 0; i < 20; ++i) {
        putItem(root / "home" / ("item-" + std::to_string(i) + ".ics"), "BEGIN:VCALENDAR\r\n");
    }
    waitFor([&] { return notices > 0; }, 5s);
    waitFor([] { return false; }, 400ms);
    EXPECT_EQ(notices, 1);

    fs::create_directories(root / "travel");
    waitFor([&] { return notices > 1; }, 5s);
    EXPECT_EQ(notices, 2);
    EXPECT_TRUE(
        watcher.watchedPaths().contains(QString::fromStdString((root / "travel").string())));
    putItem(root / "travel" / "flight.ics", "BEGIN:VCALENDAR\r\n");
    waitFor([&] { return notices > 2; }, 5s);
    EXPECT_EQ(notices, 3);

    // A single-file calendar replaced by a rename is still watched afterwards.
    putItem(root / "work.ics", "BEGIN:VCALENDAR\r\nX-WR-CALNAME:Work\r\nEND:VCALENDAR\r\n");
    waitFor([&] { return notices > 3; }, 5s);
    std::ofstream(root / "work.ics", std::ios::app) << "\r\n";
    waitFor([&] { return notices > 4; }, 5s);
    EXPECT_EQ(notices, 5);

    // An item rewritten in place, as `cat new > item.ics` does: same file,
    // new contents, nothing else in its folder touched.
    std::ofstream(root / "travel" / "flight.ics", std::ios::trunc) << "BEGIN:VCALENDAR\r\nX\r\n";
    waitFor([&] { return notices > 5; }, 5s);
    EXPECT_EQ(notices, 6);
}

}  // namespace
}  // namespace solvane
