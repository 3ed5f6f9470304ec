// How the widgets get onto the desktop, decided once at start from the
// session: on an X11 window manager (or under XWayland) as windows with EWMH
// hints; on a Wayland compositor that offers layer-shell (KDE Plasma, sway,
// Hyprland, …) as surfaces on its bottom layer; on one that does not (GNOME)
// through XWayland, so the X11 behaviour applies, whatever Qt platform the
// user's environment names; plain windows only when nothing better exists.
//
//   chooseRoute({.wayland = true, .x11 = true, .layerShell = false})
//     // {DesktopRoute::x11, "xcb"}: GNOME, through XWayland
//   chooseRoute({.wayland = true, .x11 = true, .qtPlatform = "wayland"})
//     // the same, and `why` says so
#pragma once

#include <optional>
#include <string>

namespace solvane::host {

enum class DesktopRoute {
    x11,         // an X server: windows with EWMH hints
    layerShell,  // a Wayland compositor with layer-shell: bottom-layer surfaces
    plain,       // anything else: plain frameless windows the system places
};

struct SessionFacts {
    bool wayland = false;                   // WAYLAND_DISPLAY is set
    bool x11 = false;                       // DISPLAY names an X server that answers
    std::optional<std::string> qtPlatform;  // QT_QPA_PLATFORM as the user set it
    bool layerShell = false;                // the Wayland compositor offers layer-shell
};

struct RouteChoice {
    DesktopRoute route = DesktopRoute::plain;
    // The Qt platform to use instead of Qt's own choice; none keeps Qt's.
    std::optional<std::string> qtPlatform;
    // Why the route differs from what the user's setting suggests; empty
    // when it does not.
    std::string why;
    bool operator==(const RouteChoice&) const = default;
};

// A platform the user named is kept for Qt's windows: "xcb" is X11, except
// that in a Wayland session whose compositor offers layer-shell the widgets
// still go on its desktop layer (an X11 window there is placed, stacked and
// focused like any other, whatever its hints ask); "wayland" is layer-shell
// when offered, and otherwise X11 for the whole host (through XWayland), since
// Wayland has no other way to keep a window on the desktop; anything else
// (offscreen, …) is plain. Plain windows in a Wayland session always come
// with a `why`.
RouteChoice chooseRoute(const SessionFacts& facts);

// Whether the layer-shell probe is worth making for these facts: a Wayland
// session and no platform other than Wayland or X11 named.
bool needsLayerShellProbe(const SessionFacts& facts);

}  // namespace solvane::host
