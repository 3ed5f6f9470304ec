// What tells a changed file from the one parsed before, from the file's
// fstat, so an unchanged calendar file is not parsed again. A file replaced
// by a rename has another inode; the size and times catch edits in place.
//
//   if (FileKey::of(info) == cached.key) return cached.file;
#pragma once

#include <sys/stat.h>

#include <cstdint>

namespace solvane::platform {

struct FileKey {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    std::int64_t modified = 0;  // nanoseconds
    std::int64_t changed = 0;   // nanoseconds
    bool operator==(const FileKey&) const = default;

    static FileKey of(const struct stat& info) {
        return {info.st_dev, info.st_ino, info.st_size, nanoseconds(info.st_mtim),
                nanoseconds(info.st_ctim)};
    }

  private:
    static std::int64_t nanoseconds(const timespec& t) {
        return static_cast<std::int64_t>(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
    }
};

}  // namespace solvane::platform
