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

// A null image when the plug-in's paint failed.
QImage renderWidget(const GuardedPlugin& plugin, std::string_view kind,
                    const widgets::WidgetEntry& entry, const RenderSettings& settings);

// Accented rendering shows the widget in one colour: brightness becomes the
// strength of the tint, alpha stays.
void tintInPlace(QImage& image, const QColor& tint);

}  // namespace solvane::host
