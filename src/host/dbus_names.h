// Where the widget host listens for reload requests on the session bus.
#pragma once

namespace solvane::host {

inline constexpr const char* kDBusService = "org.solvane.Widgets";
inline constexpr const char* kDBusPath = "/org/solvane/Widgets";
inline constexpr const char* kDBusInterface = "org.solvane.Widgets";
inline constexpr const char* kDBusReloadMethod = "ReloadAllTimelines";
inline constexpr const char* kDBusGalleryMethod = "ShowGallery";
// Broadcast with every reload request, for anything else showing the store
// (a status bar following the board) that is not the host.
inline constexpr const char* kDBusChangedSignal = "Changed";

}  // namespace solvane::host
