// Draws one entry of a widget into an image: the same pixels for the desktop
// window and for the PNG.
#pragma once

#include <QColor>
#include <QImage>

#include <string_view>

#include "host/plugin_loader.h"

namespace solvane::host {

struct RenderSettings {
    widgets::WidgetFamily family = widgets::WidgetFamily::small;
    widgets::RenderingMode mode = widgets::RenderingMode::fullColor;
    ColorScheme scheme = ColorScheme::light;
    double scale = 1.0;  // pixels per point
    QColor accent;       // the tint of accented rendering; invalid = the desktop's highlight
};

// A null image when the plug-in's paint failed. In accented rendering the
// plug-in draws the one-colour face itself (the tint is passed to it): a tint
// laid over the finished picture would turn every colour into a shade of the
// accent and lose the contrast between text and card.
QImage renderWidget(const GuardedPlugin& plugin, std::string_view kind,
                    const widgets::WidgetEntry& entry, const RenderSettings& settings);

}  // namespace solvane::host
