// PermissionRecord: what the user answered when this program asked for
// access to one of their services, standing in for the desktop's
// per-application permission switches. It lives outside the shared store,
// in the user's own configuration:
//
//   $XDG_CONFIG_HOME/solvane/permissions.json   (~/.config when unset)
//   {"calendars":"granted","location":"denied"}
//
// One JSON object, one key per service. A writer locks the folder, reads the
// object, changes only its own key and swaps the whole file in through a
// private temporary file, so a reader never sees half a file and the other
// services' answers survive a concurrent write. Folder 0700, file 0600.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace solvane::platform {

inline constexpr std::string_view kCalendarsPermissionKey = "calendars";
inline constexpr std::string_view kPermissionGranted = "granted";
inline constexpr std::string_view kPermissionDenied = "denied";

class PermissionRecord {
  public:
    explicit PermissionRecord(std::filesystem::path file) : file_(std::move(file)) {}

    // The record of this user; no file (nothing read, nothing written) when
    // there is no home folder to keep it in.
    static PermissionRecord standard();

    const std::filesystem::path& file() const { return file_; }

    // The string stored under `service`; nullopt when the user was never
    // asked, or the record is missing, unreadable or not a JSON object.
    std::optional<std::string> answer(std::string_view service) const;

    // Stores `answer` under `service`, keeping every other key. A record that
    // is not a JSON object holds nothing worth keeping and is replaced.
    // Returns whether the answer is now on disk.
    bool record(std::string_view service, std::string_view answer) const;

  private:
    std::filesystem::path file_;
};

}  // namespace solvane::platform
