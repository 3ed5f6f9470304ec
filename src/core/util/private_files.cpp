#include "core/util/private_files.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>
#include <vector>

namespace solvane {

namespace fs = std::filesystem;

namespace {

constexpr mode_t kPrivateFolder = 0700;

}  // namespace

bool makePrivateFolder(const fs::path& dir) {
    if (dir.empty() || !dir.is_absolute()) {
        return false;
    }
    std::vector<fs::path> missing;
    std::error_code ec;
    for (fs::path p = dir; !fs::exists(fs::symlink_status(p, ec)); p = p.parent_path()) {
        if (ec && ec != std::errc::no_such_file_or_directory) {
            return false;
        }
        missing.push_back(p);
        if (p == p.parent_path()) {
            break;
        }
    }
    // mkdir with 0700 leaves no moment in which the folder is wider open; the
    // chmod undoes whatever the umask took away from the owner.
    for (auto it = missing.rbegin(); it != missing.rend(); ++it) {
        if (::mkdir(it->c_str(), kPrivateFolder) != 0 && errno != EEXIST) {
            return false;
        }
        ::chmod(it->c_str(), kPrivateFolder);
    }
    struct stat info {};
    if (::stat(dir.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
        return false;
    }
    if ((info.st_mode & 07777) != kPrivateFolder) {
        ::chmod(dir.c_str(), kPrivateFolder);
    }
    return true;
}

bool writeAll(int fd, std::string_view bytes) {
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

}  // namespace solvane
