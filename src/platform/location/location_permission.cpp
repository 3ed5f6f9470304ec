#include "platform/location/location_permission.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "core/model/json_forms.h"
#include "core/store/shared_store.h"

namespace solvane::platform {

namespace {

namespace fs = std::filesystem;
using json_forms::Json;

// A handful of short keys; anything larger is not a record of ours.
constexpr std::uintmax_t kLargestRecord = 64 * 1024;

std::optional<Json> readRecord(const fs::path& file) {
    std::error_code ec;
    const auto size = fs::file_size(file, ec);
    if (ec || size > kLargestRecord) {
        return std::nullopt;
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    auto parsed = json_forms::parseJson(bytes);
    if (!parsed || !parsed->is_object()) {
        return std::nullopt;
    }
    return std::move(*parsed);
}

// Creates the folder and its missing parents; the folder itself is made
// 0700 from the start so it is never briefly open to others.
bool makePrivateFolder(const fs::path& folder) {
    std::error_code ec;
    if (fs::is_directory(folder, ec)) {
        return true;
    }
    const fs::path parent = folder.parent_path();
    if (!parent.empty() && parent != folder && !makePrivateFolder(parent)) {
        return false;
    }
    return ::mkdir(folder.c_str(), 0700) == 0 || errno == EEXIST;
}

bool writeAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

fs::path standardPermissionsFile() {
    // The store already knows this user's config folder and its "solvane"
    // subfolder; the record sits beside the store's fallback suite.
    const fs::path suite = StorePaths::forGroup(kBuiltInAppGroup).fallbackSuite;
    return suite.empty() ? fs::path() : suite.parent_path() / "permissions.json";
}

std::optional<PermissionAnswer> readPermission(const fs::path& file, std::string_view key) {
    const auto record = readRecord(file);
    if (!record) {
        return std::nullopt;
    }
    const auto it = record->find(key);
    if (it == record->end() || !it->is_string()) {
        return std::nullopt;
    }
    const auto& text = it->get_ref<const std::string&>();
    if (text == "granted") {
        return PermissionAnswer::granted;
    }
    if (text == "denied") {
        return PermissionAnswer::denied;
    }
    return std::nullopt;
}

bool writePermission(const fs::path& file, std::string_view key, PermissionAnswer answer) {
    if (file.empty() || !file.has_filename() || !makePrivateFolder(file.parent_path())) {
        return false;
    }
    Json record = readRecord(file).value_or(Json::object());
    record[std::string(key)] = answer == PermissionAnswer::granted ? "granted" : "denied";
    const std::string bytes = record.dump(-1, ' ', false, Json::error_handler_t::replace) + "\n";

    // mkstemp makes the file 0600 and unique, so two writers never share a
    // temporary file; the rename then swaps the whole record at once.
    std::string temp = (file.parent_path() / (file.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        return false;
    }
    const bool written = ::fchmod(fd, 0600) == 0 && writeAll(fd, bytes) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || std::rename(temp.c_str(), file.c_str()) != 0) {
        ::unlink(temp.c_str());
        return false;
    }
    return true;
}

}  // namespace solvane::platform
