// The names the programs meet under on the session bus.
#pragma once

namespace solvane::bus {

inline constexpr const char* kDBusService = "org.solvane.Widgets";
inline constexpr const char* kDBusPath = "/org/solvane/Widgets";
inline constexpr const char* kDBusInterface = "org.solvane.Widgets";
inline constexpr const char* kDBusReloadMethod = "ReloadAllTimelines";
inline constexpr const char* kDBusGalleryMethod = "ShowGallery";
// Broadcast with every reload request, for anything else showing the store
// (a status bar following the board) that is not the host.
inline constexpr const char* kDBusChangedSignal = "Changed";

// Where the one Solvane window of the session answers: Activate brings it
// forward.
inline constexpr const char* kAppDBusService = "org.solvane.Solvane";
inline constexpr const char* kAppDBusPath = "/org/solvane/Solvane";
inline constexpr const char* kAppDBusInterface = "org.solvane.Solvane";
inline constexpr const char* kAppActivateMethod = "Activate";

}  // namespace solvane::bus
