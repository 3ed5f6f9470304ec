#include "host/desktop_route.h"

namespace solvane::host {

namespace {

bool startsWith(const std::string& text, const char* prefix) {
    return text.rfind(prefix, 0) == 0;
}

// A Wayland compositor with neither layer-shell nor XWayland: nothing keeps
// a window on its desktop, and the user should know why the widgets act as
// windows.
RouteChoice plainWindows() {
    return {DesktopRoute::plain, std::nullopt,
            "this Wayland compositor has no desktop layer (layer-shell) and no XWayland "
            "(no X display could be reached): the widgets are ordinary windows, placed, "
            "stacked and shown in the window switcher like any other; start XWayland to "
            "keep them on the desktop"};
}

}  // namespace

bool needsLayerShellProbe(const SessionFacts& facts) {
    return facts.wayland && (!facts.qtPlatform || startsWith(*facts.qtPlatform, "wayland") ||
                             startsWith(*facts.qtPlatform, "xcb"));
}

RouteChoice chooseRoute(const SessionFacts& facts) {
    if (facts.qtPlatform && !facts.qtPlatform->empty()) {
        const std::string& named = *facts.qtPlatform;
        if (startsWith(named, "xcb")) {
            if (facts.wayland && facts.layerShell) {
                return {DesktopRoute::layerShell, std::nullopt,
                        "QT_QPA_PLATFORM=" + named +
                            " in a Wayland session: the widgets go on the compositor's desktop "
                            "layer all the same, since through XWayland they would be placed, "
                            "raised and focused like any window; the other windows use X11"};
            }
            return {DesktopRoute::x11, std::nullopt, {}};
        }
        if (startsWith(named, "wayland")) {
            if (facts.wayland && facts.layerShell) {
                return {DesktopRoute::layerShell, std::nullopt, {}};
            }
            // One process has one Qt platform: for the widgets to be X11
            // desktop windows, the gallery and the panel go through XWayland
            // with them. A global setting meant for applications must not
            // turn the widgets into windows that take the focus, show in
            // the window switcher and stay on one workspace.
            if (facts.x11) {
                return {DesktopRoute::x11, "xcb",
                        facts.wayland
                            ? "QT_QPA_PLATFORM=" + named +
                                  " names Wayland, but this compositor has no desktop layer "
                                  "(layer-shell) where the widgets could stay: they go through "
                                  "XWayland as desktop windows, and so do the host's other windows"
                            : "QT_QPA_PLATFORM=" + named +
                                  " names Wayland, but this session has none (WAYLAND_DISPLAY "
                                  "is not set): the host uses X11"};
            }
            return facts.wayland ? plainWindows()
                                 : RouteChoice{DesktopRoute::plain, std::nullopt, {}};
        }
        return {DesktopRoute::plain, std::nullopt, {}};
    }
    if (facts.wayland) {
        if (facts.layerShell) {
            return {DesktopRoute::layerShell, std::nullopt, {}};
        }
        // Without layer-shell a Wayland window cannot stay on the desktop or
        // say where it is; under XWayland it can do both.
        if (facts.x11) {
            return {DesktopRoute::x11, "xcb", {}};
        }
        return plainWindows();
    }
    if (facts.x11) {
        return {DesktopRoute::x11, std::nullopt, {}};
    }
    return {DesktopRoute::plain, std::nullopt, {}};
}

}  // namespace solvane::host
