// khal's configuration as Solvane reads it, and the calendars it names read
// beside the usual roots.
#include "platform/calendar/khal_config.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "calendar_fixture.h"

namespace solvane::platform {
namespace {

namespace fs = std::filesystem;

std::string noVariables(const std::string&) {
    return {};
}

TEST(KhalConfig, NamesTheCalendarsOfItsCalendarsSection) {
    const std::string text = R"(
[default]
path = /not/a/calendar
[calendars]
# a comment
  [[home]]
  path = ~/.calendars/home/   # trailing comment
  color = dark green
  [[quoted]]
  path = "~/cals/with # hash"
  color = '#12abef'
  [[vars]]
  path = ${XDG_DATA_HOME}/cal/$USER
  color = auto
  [[people]]
  path = ~/.contacts/
  type = birthdays
  [[relative]]
  path = cals/relative
  [[nopath]]
  color = light blue
  [[synced]]
  path = /srv/google/*
  type = discover
  color = light red
[locale]
  [[notacalendar]]
  path = /elsewhere
)";
    const std::map<std::string, std::string> vars = {{"XDG_DATA_HOME", "/data"}, {"USER", "ana"}};
    const auto calendars = khalCalendars(
        text, "/home/ana",
        [&](const std::string& name) { return vars.count(name) ? vars.at(name) : ""; },
        [](const std::string& pattern) {
            EXPECT_EQ(pattern, "/srv/google/*");
            return std::vector<fs::path>{"/srv/google/Family", "/srv/google/Work"};
        });
    const std::vector<FolderCalendar> expected = {
        {"/home/ana/.calendars/home/", "home", "#00AA00"},
        {"/home/ana/cals/with # hash", "quoted", "#12abef"},
        {"/data/cal/ana", "vars", std::nullopt},
        {"/srv/google/Family", "Family", "#FF5555"},
        {"/srv/google/Work", "Work", "#FF5555"},
    };
    EXPECT_EQ(calendars, expected);
    EXPECT_TRUE(khalCalendars("", "/home/ana", noVariables).empty());
    EXPECT_TRUE(khalCalendars("[calendars\n[[x]]\npath=/a\n", "/h", noVariables).empty());
}

TEST(KhalConfig, DiscoverFindsOnlyFolders) {
    testing::TempDir dir;
    fs::create_directories(dir.path() / "google" / "b");
    fs::create_directories(dir.path() / "google" / "a");
    testing::writeFile(dir.path() / "google" / "notes.txt", "x");
    EXPECT_EQ(globFolders((dir.path() / "google" / "*").string()),
              (std::vector<fs::path>{dir.path() / "google" / "a", dir.path() / "google" / "b"}));
    EXPECT_TRUE(globFolders((dir.path() / "nothing" / "*").string()).empty());
}

// A calendar named on its own sits beside the roots' calendars, once, in the
// account of calendars on this computer; a root created after start counts
// from then on, and until then its parent folder is watched for it.
TEST(FolderSource, CalendarsNamedOnTheirOwnAndRootsThatAppearLater) {
    testing::TempDir dir;
    const fs::path root = dir.path() / "calendars";
    const fs::path khalWork = dir.path() / "khal" / "work";
    testing::writeFile(khalWork / "a.ics", "BEGIN:VCALENDAR\r\nEND:VCALENDAR\r\n");
    testing::writeFile(dir.path() / "khal" / "titled" / "displayname", "Titled by its folder\n");
    std::vector<FolderCalendar> named = {
        {khalWork, "Work", std::string("#00AA00")},
        {dir.path() / "khal" / "titled", "ignored", std::nullopt},
        {root / "home", "Home in the root", std::nullopt},  // also the root's
        {dir.path() / "missing", "Missing", std::nullopt},
    };
    FolderSource source({root}, [&] { return named; });

    auto calendars = source.calendars();
    ASSERT_EQ(calendars.size(), 2u);
    EXPECT_EQ(calendars[0].title, "Work");
    EXPECT_EQ(calendars[0].color, "#00AA00");
    EXPECT_EQ(calendars[0].accountTitle, "On This Computer");
    EXPECT_TRUE(calendars[0].id.starts_with("vdir:"));
    EXPECT_EQ(calendars[1].title, "Titled by its folder");
    const auto watched = source.watchPaths();
    EXPECT_NE(std::find(watched.begin(), watched.end(), dir.path()), watched.end())
        << "the folder above the missing root";

    testing::writeFile(root / "home" / "displayname", "Home\n");
    calendars = source.calendars();
    ASSERT_EQ(calendars.size(), 3u);
    EXPECT_EQ(calendars[0].title, "Home") << "the root's, not a second copy";
    const std::string workId = calendars[1].id;
    named.erase(named.begin() + 2);
    EXPECT_EQ(source.calendars()[1].id, workId) << "identifiers do not depend on neighbours";
}

}  // namespace
}  // namespace solvane::platform
