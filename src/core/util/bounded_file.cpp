#include "core/util/bounded_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "core/util/file_descriptor.h"

namespace solvane {
namespace {

FileReadError openError(int error) {
    switch (error) {
        case ENOENT:
        case ENOTDIR:
            return FileReadError::missing;
        case ELOOP:  // O_NOFOLLOW met a link
        case ENXIO:  // a socket
            return FileReadError::notRegular;
        default:
            return FileReadError::unreadable;
    }
}

Result<std::string, FileReadError> readOpened(int fd, std::size_t limit) {
    if (fd < 0) {
        return Failure{openError(errno)};
    }
    const FileDescriptor closer(fd);
    return readBoundedFrom(fd, limit);
}

}  // namespace

// Read into one buffer sized once (unless the file grows meanwhile), so bytes
// that are secret (a signing key) exist in one copy, which the caller may
// wipe; on a failure it is wiped here.
Result<std::string, FileReadError> readBoundedFrom(int fd, std::size_t limit) {
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        return Failure{FileReadError::unreadable};
    }
    if (!S_ISREG(info.st_mode)) {
        return Failure{FileReadError::notRegular};
    }
    if (info.st_size < 0 || static_cast<std::size_t>(info.st_size) > limit) {
        return Failure{FileReadError::tooLarge};
    }
    // Room for what the file holds and one byte more, to see it grow.
    std::string bytes(static_cast<std::size_t>(info.st_size) + 1, '\0');
    std::size_t got = 0;
    const auto fail = [&](FileReadError error) {
        ::explicit_bzero(bytes.data(), bytes.size());
        return Failure{error};
    };
    for (;;) {
        if (got == bytes.size()) {
            if (got > limit) {
                break;
            }
            bytes.resize(std::min(limit + 1, got * 2));
        }
        const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return fail(FileReadError::unreadable);
        }
        if (n == 0) {
            break;
        }
        got += static_cast<std::size_t>(n);
    }
    if (got > limit) {
        return fail(FileReadError::tooLarge);  // it grew after it was measured
    }
    bytes.resize(got);
    return bytes;
}

Result<std::string, FileReadError> readBoundedFile(const std::filesystem::path& file,
                                                   std::size_t limit, Links links) {
    const int flags = O_RDONLY | O_CLOEXEC | O_NONBLOCK | (links == Links::refuse ? O_NOFOLLOW : 0);
    return readOpened(::open(file.c_str(), flags), limit);
}

Result<std::string, FileReadError> readBoundedFileAt(int folderFd, const std::string& name,
                                                     std::size_t limit) {
    return readOpened(
        ::openat(folderFd, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC), limit);
}

}  // namespace solvane
