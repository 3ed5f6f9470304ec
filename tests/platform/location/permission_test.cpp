#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "platform/location/location_permission.h"
#include "support/temp_dir.h"

namespace solvane::platform {
namespace {

namespace fs = std::filesystem;

std::string contents(const fs::path& file) {
    std::stringstream text;
    text << std::ifstream(file).rdbuf();
    return text.str();
}

mode_t modeOf(const fs::path& path) {
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info.st_mode & 0777;
}

TEST(LocationPermission, RecordsOnlyItsOwnKeyInAPrivateFile) {
    const solvane::testing::TempDir dir;
    const fs::path file = dir.path() / "config" / "solvane" / "permissions.json";
    EXPECT_EQ(readPermission(file, kLocationPermissionKey), std::nullopt);
    ASSERT_TRUE(writePermission(file, kLocationPermissionKey, PermissionAnswer::denied));
    EXPECT_EQ(readPermission(file, kLocationPermissionKey), PermissionAnswer::denied);
    EXPECT_EQ(modeOf(file.parent_path()), 0700u);
    EXPECT_EQ(modeOf(file), 0600u);

    // Another service's answer, written meanwhile, survives ours, and no
    // temporary file is left behind.
    std::ofstream(file) << R"({"calendars":"granted","location":"denied"})";
    ASSERT_TRUE(writePermission(file, kLocationPermissionKey, PermissionAnswer::granted));
    EXPECT_EQ(contents(file), "{\"calendars\":\"granted\",\"location\":\"granted\"}\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(file.parent_path()), fs::directory_iterator()),
              1);
}

TEST(LocationPermission, UnreadableRecordsAreUnansweredAndReplaced) {
    const solvane::testing::TempDir dir;
    const fs::path file = dir.path() / "permissions.json";
    for (const std::string& text : std::vector<std::string>{
             "", "garbage", R"(["location"])", R"({"location":"yes"})", R"({"location":true})",
             R"({"location":"granted")",
             R"({"location":"granted","x":")" + std::string(70'000, 'x') + "\"}"}) {
        std::ofstream(file) << text;
        EXPECT_EQ(readPermission(file, kLocationPermissionKey), std::nullopt) << text.size();
    }
    ASSERT_TRUE(writePermission(file, kLocationPermissionKey, PermissionAnswer::granted));
    EXPECT_EQ(contents(file), "{\"location\":\"granted\"}\n");
    // A path under a plain file cannot hold a record.
    EXPECT_FALSE(writePermission(file / "permissions.json", kLocationPermissionKey,
                                 PermissionAnswer::granted));
}

}  // namespace
}  // namespace solvane::platform
