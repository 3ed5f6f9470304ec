// The program's information dictionary, Info.json: the application group its
// programs share, and what the update check reads. Every program finds and
// reads it the same way.
//
//   if (const auto found = findAppInfo()) use(found->info.appGroup);
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace solvane {

struct AppInfo {
    // "AppGroup", when it can name a folder (no path steps, no odd bytes).
    std::optional<std::string> appGroup;
    std::optional<std::string> updateFeed;  // "UpdateFeed", not empty
    std::optional<std::string> version;     // "Version", not empty, at most 64 bytes
};

// Whether `group` can name a folder under the user's config and data
// folders: letters, digits, ".", "_" and "-", no path steps, at most 128 bytes.
bool isSafeAppGroup(std::string_view group);

// The file's keys; nullopt when it is not a readable JSON object of at most
// 64 KiB.
std::optional<AppInfo> readAppInfo(const std::filesystem::path& file);

// Where the program's Info.json may be, in order: $SOLVANE_INFO when set,
// beside the program, then ../share/solvane/ from it.
std::vector<std::filesystem::path> appInfoCandidates();

struct FoundAppInfo {
    std::filesystem::path file;
    AppInfo info;
};

// The first candidate that can be read: it alone decides, whatever the
// others hold.
std::optional<FoundAppInfo> findAppInfo();

}  // namespace solvane
