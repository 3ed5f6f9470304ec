#include "host/desktop_route.h"

namespace solvane::host {

namespace {

bool startsWith(const std::string& text, const char* prefix) {
    return text.rfind(prefix, 0) == 0;
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
            return {facts.layerShell ? DesktopRoute::layerShell : DesktopRoute::plain,
                    std::nullopt,
                    {}};
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
        return {DesktopRoute::plain, std::nullopt, {}};
    }
    if (facts.x11) {
        return {DesktopRoute::x11, std::nullopt, {}};
    }
    return {DesktopRoute::plain, std::nullopt, {}};
}

}  // namespace solvane::host
