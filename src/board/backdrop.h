// The surfaces a board sits on when it is drawn on its own (the application's
// preview and `solvane-board --png`): a card in the style's look, 724 × 360
// with the board inset 18, and for glass a wallpaper showing 22 around it.
//
// Glass is drawn as frosted glass over the wallpaper in either scheme (dark
// tinted in dark, milky in light); dark and light are their opaque cards.
//
//   QImage png = renderBoardImage(board, calendar, WidgetStyle::glass,
//                                 previewScheme(WidgetStyle::glass), 2);
#pragma once

#include <QImage>
#include <QRectF>
#include <QSizeF>

#include "board/palette.h"
#include "core/store/board_data.h"
#include "core/store/widget_style.h"
#include "core/time/calendar.h"

class QPainter;

namespace solvane {

class IconStore;

inline constexpr double kBoardCardRadius = 26;
inline constexpr double kGlassMargin = 22;

// The scheme the preview draws a style in: light for the light style, dark
// otherwise.
ColorScheme previewScheme(WidgetStyle style);

// The whole standalone picture: the card, plus the wallpaper margin for glass.
QSizeF boardImageSize(WidgetStyle style);

// The card's rectangle inside a picture of boardImageSize(style) at `origin`.
QRectF boardCardRect(WidgetStyle style, QPointF origin = {});

// A desktop-picture stand-in: a teal diagonal gradient with soft light,
// warm and dark blots.
void paintPreviewWallpaper(QPainter& painter, const QRectF& rect);

// The card of `style` filling `card`, with its shadow for glass.
void paintBoardCard(QPainter& painter, const QRectF& card, WidgetStyle style, ColorScheme scheme);

// The whole picture with its top-left corner at `origin`. A positive
// `wallpaperRadius` rounds off the glass wallpaper's corners, as a window
// shows it; the PNG keeps them square.
void paintBoardPicture(QPainter& painter, QPointF origin, const BoardData& data,
                       const Calendar& calendar, WidgetStyle style, ColorScheme scheme,
                       const IconStore* icons, double wallpaperRadius);

// The board drawn as the preview shows it, at `scale` pixels per point, with
// a transparent outside where the card's corners round off.
QImage renderBoardImage(const BoardData& data, const Calendar& calendar, WidgetStyle style,
                        ColorScheme scheme, double scale, const IconStore* icons = nullptr);

}  // namespace solvane
