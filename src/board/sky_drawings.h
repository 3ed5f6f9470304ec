// The sky drawings of the board: the sun's daylight arc and the moon glyph,
// with the two shapes they are built from.
//
// All geometry is in logical points inside the given box, y growing downward.
// Fractions of the daylight arc run 0 (left end, sunrise) to 1 (right end,
// sunset) over the upper half of an ellipse whose baseline lies 2 points above
// the box's bottom edge. Every input is drawable: fractions, progress, phase
// and illumination that are not a number count as 0, and the rest are clamped
// into 0…1; a box that is not finite gives an empty shape and draws nothing,
// as does an empty box for the paint functions.
//
//   paintSunArc(painter, QRectF(0, 0, 200, 54), sky, palette, ColorScheme::dark);
//   paintMoonGlyph(painter, QRectF(0, 0, 52, 52), sky, palette, ColorScheme::dark);
#pragma once

#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QString>

#include "board/palette.h"
#include "core/sky/sky_snapshot.h"

class QPainter;

namespace solvane {

// The point of the daylight arc at `fraction`: 0 the left end on the
// baseline, 0.5 the top, 1 the right end.
QPointF skyArcPoint(QRectF box, double fraction);

// The daylight arc from `from` to `to` as an open polyline of 65 points evenly
// spaced in fraction. Equal fractions give a path of that one point, which
// strokes to nothing: QPainterPath drops repeated points.
QPainterPath skyArcPath(QRectF box, double from, double to);

// The lit part of a moon disc inscribed (centred) in `box` at `phase` (0 new,
// 0.5 full; below 0.5 the right side is lit, from 0.5 the left) with
// `fraction` of the disc illuminated. A closed path; fraction 0 has no area.
QPainterPath moonLitPath(QRectF box, double phase, double fraction);

// The sun's day: the horizon on the arc's baseline, the whole arc dotted, the
// daylight elapsed so far, the golden-hour stretch to sunset, and the sun when
// it is up.
void paintSunArc(QPainter& painter, QRectF box, const SkySnapshot& sky, const Palette& palette,
                 ColorScheme scheme);

// The moon disc with its lit part, in the largest square centred in `box`.
void paintMoonGlyph(QPainter& painter, QRectF box, const SkySnapshot& sky, const Palette& palette,
                    ColorScheme scheme);

// The whole percent of the disc illuminated, truncated (99.7 % reads 99), in
// 0…100.
int moonLitPercent(const SkySnapshot& sky);

// What assistive technology reads for the moon glyph, such as
// "Waxing gibbous, 72 percent illuminated".
QString moonGlyphAccessibleText(const SkySnapshot& sky);

}  // namespace solvane
