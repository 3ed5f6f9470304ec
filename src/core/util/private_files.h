// The few POSIX steps every file of the user's own data takes: folders made
// private from the start, and writes that survive interruptions.
#pragma once

#include <filesystem>
#include <string_view>

namespace solvane {

// Makes `folder` and any missing parents 0700, so nothing written into it is
// ever briefly open to others, and makes `folder` itself 0700 even when it was
// there already: it holds the user's records (parents that were there keep
// what their owner set). Whether `folder`, which must be absolute, is a folder
// afterwards.
bool makePrivateFolder(const std::filesystem::path& folder);

// Writes all of `bytes` to `fd`, retrying interrupted and short writes.
// False on any failure (a full disk, a reader that went away).
bool writeAll(int fd, std::string_view bytes);

}  // namespace solvane
