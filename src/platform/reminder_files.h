// The two small files behind the reminders, in the programs' own
// configuration folder ($XDG_CONFIG_HOME/solvane, or ~/.config/solvane):
//
//   reminders.json        the user's choices; the window writes, the host reads
//   reminders-sent.json   what the widget host has announced
//
// Writers hold the folder's lock while they read, change and swap in a whole
// file, so two programs (two hosts starting together) never both act on the
// same old contents, and a reader never sees half a file. A missing or
// damaged file reads as the defaults.
#pragma once

#include <filesystem>
#include <functional>

#include "core/model/reminders.h"

namespace solvane::platform {

struct ReminderFiles {
    std::filesystem::path settings;
    std::filesystem::path sent;

    // This user's; empty paths (nothing kept) without a configuration folder.
    static ReminderFiles standard();
};

ReminderSettings loadReminderSettings(const std::filesystem::path& file);
// Returns whether the changed settings are on disk.
bool changeReminderSettings(const std::filesystem::path& file,
                            const std::function<void(ReminderSettings&)>& change);

// Under the lock: hands what was sent to `decide` and records the round's
// `sent`. The round comes back even when it could not be recorded.
ReminderRound claimReminders(const std::filesystem::path& file,
                             const std::function<ReminderRound(const SentReminders&)>& decide);

}  // namespace solvane::platform
