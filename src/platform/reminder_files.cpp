#include "platform/reminder_files.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "core/store/shared_store.h"
#include "core/util/bounded_file.h"
#include "core/util/file_descriptor.h"
#include "core/util/private_files.h"

namespace solvane::platform {

namespace {

namespace fs = std::filesystem;

// Choices for a few hundred countdowns fit many times over.
constexpr std::size_t kMaxBytes = 1024 * 1024;

std::string readSmall(const fs::path& file) {
    return readBoundedFile(file, kMaxBytes, Links::refuse).valueOr(std::string());
}

bool writeWhole(const fs::path& file, const std::string& bytes) {
    std::string temp = file.string() + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        return false;
    }
    const bool written = ::fchmod(fd, 0600) == 0 && writeAll(fd, bytes) && ::fsync(fd) == 0;
    if (::close(fd) != 0 || !written || std::rename(temp.c_str(), file.c_str()) != 0) {
        ::unlink(temp.c_str());
        return false;
    }
    return true;
}

// Runs `work` holding the lock of the file's folder; false when the folder
// cannot be made or locked (then `work` does not run).
bool underLock(const fs::path& file, const std::function<void()>& work) {
    if (file.empty() || !file.has_filename() || !makePrivateFolder(file.parent_path())) {
        return false;
    }
    // The file itself cannot carry the lock: every write replaces it.
    const FileDescriptor folder(
        ::open(file.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() < 0 || ::flock(folder.get(), LOCK_EX) != 0) {
        return false;
    }
    work();
    return true;
}

}  // namespace

ReminderFiles ReminderFiles::standard() {
    const fs::path folder = solvaneConfigFolder();
    if (folder.empty()) {
        return {};
    }
    return {folder / "reminders.json", folder / "reminders-sent.json"};
}

ReminderSettings loadReminderSettings(const fs::path& file) {
    return file.empty() ? ReminderSettings{} : decodeReminderSettings(readSmall(file));
}

bool changeReminderSettings(const fs::path& file,
                            const std::function<void(ReminderSettings&)>& change) {
    bool saved = false;
    underLock(file, [&] {
        ReminderSettings settings = decodeReminderSettings(readSmall(file));
        change(settings);
        saved = writeWhole(file, encodeReminderSettings(settings));
    });
    return saved;
}

ReminderRound claimReminders(const fs::path& file,
                             const std::function<ReminderRound(const SentReminders&)>& decide) {
    std::optional<ReminderRound> round;
    underLock(file, [&] {
        const SentReminders before = decodeSentReminders(readSmall(file));
        round = decide(before);
        if (round->sent != before) {
            writeWhole(file, encodeSentReminders(round->sent));
        }
    });
    // Without a place to keep the record the day is still announced, once
    // for as long as this program runs.
    return round ? std::move(*round) : decide({});
}

}  // namespace solvane::platform
