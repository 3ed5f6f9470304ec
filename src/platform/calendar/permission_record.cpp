#include "platform/calendar/permission_record.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <vector>

#include "core/model/json_forms.h"
#include "core/store/shared_store.h"
#include "core/util/bounded_file.h"
#include "core/util/file_descriptor.h"
#include "core/util/private_files.h"

namespace solvane::platform {

namespace {

namespace fs = std::filesystem;
using json_forms::Json;

// A handful of short keys; anything bigger is not a record of ours.
constexpr std::size_t kMaxRecordBytes = 64 * 1024;

using Descriptor = FileDescriptor;

std::optional<Json> readRecord(const fs::path& file) {
    const auto bytes = readBoundedFile(file, kMaxRecordBytes, Links::refuse);
    if (!bytes) {
        return std::nullopt;
    }
    auto parsed = json_forms::parseJson(*bytes);
    if (!parsed || !parsed->is_object()) {
        return std::nullopt;
    }
    return std::move(*parsed);
}

}  // namespace

PermissionRecord PermissionRecord::standard() {
    const fs::path folder = solvaneConfigFolder();
    return PermissionRecord(folder.empty() ? fs::path() : folder / "permissions.json");
}

std::optional<std::string> PermissionRecord::answer(std::string_view service) const {
    if (file_.empty()) {
        return std::nullopt;
    }
    try {
        const auto record = readRecord(file_);
        if (!record) {
            return std::nullopt;
        }
        const auto it = record->find(service);
        if (it == record->end() || !it->is_string()) {
            return std::nullopt;
        }
        return it->get<std::string>();
    } catch (...) {
        return std::nullopt;
    }
}

bool PermissionRecord::record(std::string_view service, std::string_view answer) const {
    if (file_.empty() || !file_.has_filename() || !makePrivateFolder(file_.parent_path())) {
        return false;
    }
    try {
        // The folder's lock orders writers of different services; the file
        // itself cannot carry it, as each write replaces it.
        const Descriptor folder(
            ::open(file_.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (folder.get() < 0 || ::flock(folder.get(), LOCK_EX) != 0) {
            return false;
        }
        Json record = readRecord(file_).value_or(Json::object());
        record[std::string(service)] = std::string(answer);
        const std::string bytes =
            record.dump(-1, ' ', false, Json::error_handler_t::replace) + "\n";

        std::string temp = file_.string() + ".XXXXXX";
        const int fd = ::mkstemp(temp.data());
        if (fd < 0) {
            return false;
        }
        const bool written = ::fchmod(fd, 0600) == 0 && writeAll(fd, bytes) && ::fsync(fd) == 0;
        const bool closed = ::close(fd) == 0;
        if (!written || !closed || std::rename(temp.c_str(), file_.c_str()) != 0) {
            ::unlink(temp.c_str());
            return false;
        }
        return true;
    } catch (...) {
        return false;
    }
}

}  // namespace solvane::platform
