// Renders a drawing into an image for tests that probe its pixels.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QSizeF>

#include <cmath>
#include <functional>

namespace solvane::testing {

// `logical` points at `scale` pixels per point over `background`.
inline QImage render(QSizeF logical, double scale, const QColor& background,
                     const std::function<void(QPainter&)>& draw) {
    QImage image((logical * scale).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(background);
    QPainter painter(&image);
    painter.scale(scale, scale);
    draw(painter);
    painter.end();
    return image;
}

inline QColor pixelAt(const QImage& image, QPointF logical, double scale = 1) {
    return image.pixelColor(static_cast<int>(std::floor(logical.x() * scale)),
                            static_cast<int>(std::floor(logical.y() * scale)));
}

// Pixels that differ from `background` by more than a trace of anti-aliasing.
inline int inkedPixels(const QImage& image, const QColor& background) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            const int d =
                std::abs(c.red() - background.red()) + std::abs(c.green() - background.green()) +
                std::abs(c.blue() - background.blue()) + std::abs(c.alpha() - background.alpha());
            count += d > 24 ? 1 : 0;
        }
    }
    return count;
}

}  // namespace solvane::testing
