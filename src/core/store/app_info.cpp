#include "core/store/app_info.h"

#include <cstdlib>
#include <string_view>
#include <system_error>

#include "core/model/json_forms.h"
#include "core/util/bounded_file.h"

namespace solvane {
namespace {

namespace fs = std::filesystem;

// A handful of keys.
constexpr std::size_t kMaxInfoBytes = 64 * 1024;
constexpr std::size_t kMaxGroupLength = 128;
constexpr std::size_t kMaxVersionLength = 64;

std::optional<std::string> text(const json_forms::Json& document, const char* key) {
    const auto it = document.find(key);
    if (it == document.end() || !it->is_string() || it->get<std::string>().empty()) {
        return std::nullopt;
    }
    return it->get<std::string>();
}

}  // namespace

// The group becomes a folder name under the user's config and data folders;
// anything that could step out of them is not a group.
bool isSafeAppGroup(std::string_view group) {
    if (group.empty() || group.size() > kMaxGroupLength || group.front() == '.' ||
        group.find("..") != std::string_view::npos) {
        return false;
    }
    for (const char c : group) {
        const bool allowed = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                             (c >= '0' && c <= '9') || c == '.' || c == '_' || c == '-';
        if (!allowed) {
            return false;
        }
    }
    return true;
}

std::optional<AppInfo> readAppInfo(const fs::path& file) {
    const auto bytes = readBoundedFile(file, kMaxInfoBytes);
    if (!bytes) {
        return std::nullopt;
    }
    const auto document = json_forms::parseJson(*bytes);
    if (!document || !document->is_object()) {
        return std::nullopt;
    }
    AppInfo info;
    if (auto group = text(*document, "AppGroup"); group && isSafeAppGroup(*group)) {
        info.appGroup = std::move(group);
    }
    info.updateFeed = text(*document, "UpdateFeed");
    if (auto version = text(*document, "Version");
        version && version->size() <= kMaxVersionLength) {
        info.version = std::move(version);
    }
    return info;
}

std::vector<fs::path> appInfoCandidates() {
    std::vector<fs::path> candidates;
    if (const char* explicitInfo = std::getenv("SOLVANE_INFO");
        explicitInfo != nullptr && *explicitInfo != '\0') {
        candidates.emplace_back(explicitInfo);
    }
    std::error_code ec;
    const fs::path program = fs::read_symlink("/proc/self/exe", ec);
    if (!ec && program.is_absolute()) {
        const fs::path folder = program.parent_path();
        candidates.push_back(folder / "Info.json");
        candidates.push_back(folder / ".." / "share" / "solvane" / "Info.json");
    }
    return candidates;
}

std::optional<FoundAppInfo> findAppInfo() {
    for (auto& candidate : appInfoCandidates()) {
        if (auto info = readAppInfo(candidate)) {
            return FoundAppInfo{std::move(candidate), std::move(*info)};
        }
    }
    return std::nullopt;
}

}  // namespace solvane
