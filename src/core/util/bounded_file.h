// The whole of a small file of known purpose, and never more: a record, a
// credentials file, a calendar. Only regular files are read, so a FIFO, a
// device or a socket put where a file belongs cannot stall or flood the
// reader, and a file that grows while it is read is refused, not cut.
//
//   auto bytes = readBoundedFile(folder / "reminders.json", 1 << 20);
//   if (!bytes) return defaults;  // bytes.error() says why
#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <string>

#include "core/util/enum_strings.h"
#include "core/util/result.h"

namespace solvane {

enum class FileReadError {
    missing,     // nothing by that name
    notRegular,  // a folder, device, FIFO or socket; a link where none may be
    tooLarge,    // over the limit, when opened or while read
    unreadable,  // permissions, I/O
};

template <>
struct EnumCases<FileReadError> {
    static constexpr std::array<EnumCase<FileReadError>, 4> list{
        {{FileReadError::missing, "missing"},
         {FileReadError::notRegular, "notRegular"},
         {FileReadError::tooLarge, "tooLarge"},
         {FileReadError::unreadable, "unreadable"}}};
};

enum class Links { follow, refuse };

// The bytes of `file`, at most `limit` of them. With Links::refuse, a
// symbolic link as the last component is notRegular.
Result<std::string, FileReadError> readBoundedFile(const std::filesystem::path& file,
                                                   std::size_t limit, Links links = Links::follow);

// As readBoundedFile, for `name` inside the folder open as `folderFd`; a link
// is never followed.
Result<std::string, FileReadError> readBoundedFileAt(int folderFd, const std::string& name,
                                                     std::size_t limit);

// As readBoundedFile, from a descriptor the caller opened (and closes), read
// from where it stands.
Result<std::string, FileReadError> readBoundedFrom(int fd, std::size_t limit);

}  // namespace solvane
