// What makes a widget window a desktop widget under an X11 window manager
// (and XWayland), through the EWMH properties Qt has no flags for: a window
// of the desktop (which window managers keep on the screen while they show
// the desktop), below other windows, on every workspace, left out of
// taskbars, pagers and switchers, never taking the focus by appearing. Also
// what the widgets need to know of the X desktop: whether a compositing
// manager runs (without one, transparent pixels come out black, so the
// rounded corners are cut out with the Shape extension), the desktop's colour
// behind a widget, and KWin's blur behind glass.
//
// Every call is a no-op (or gives nothing) when Qt does not run on X11.
//
//   x11::setDesktopWidgetHints(window);    // before the first show
//   window->show();
//   x11::requestDesktopWidgetState(window); // once mapped
#pragma once

#include <QColor>
#include <QRect>
#include <QSize>
#include <QString>

#include <optional>
#include <vector>

class QWindow;

namespace solvane::host::x11 {

// Whether Qt talks to an X server (the xcb platform).
bool active();

// Whether the X server DISPLAY names answers; asked before Qt starts, which
// aborts when its platform cannot connect.
bool serverAnswers();

// Sets the state and workspace properties on a window that is not mapped
// yet, where the window manager reads them when it maps the window.
void setDesktopWidgetHints(QWindow* window);
// The same for a mapped window, as the requests EWMH asks of clients; window
// managers that ignored or reset the properties on mapping take these.
void requestDesktopWidgetState(QWindow* window);

// Whether a compositing manager owns the screen (_NET_WM_CM_S0).
bool compositing();

// Whether an XEmbed tray (a panel's notification area) owns the screen.
bool trayManagerPresent();

// The average colour of the desktop background under `rect` (global), read
// from the root pixmap wallpaper setters publish; nullopt when there is none.
std::optional<QColor> desktopColour(const QRect& rect);

// The window manager's own name (_NET_SUPPORTING_WM_CHECK), empty when none.
QString windowManagerName();

// Cuts the window down to `region` (native pixels) with the X Shape
// extension, so the desktop shows through everywhere else whatever it is;
// an empty region gives the window back its whole rectangle.
void setShape(QWindow* window, const std::vector<QRect>& region);

// Asks a window manager to raise and focus `window` as a pager would, which
// focus-stealing prevention lets through: the user asked for it elsewhere.
void activate(QWindow* window);

// Asks KWin to blur what lies behind `region` (window coordinates) of the
// window; an empty region takes the request back.
void setBlurBehind(QWindow* window, const std::vector<QRect>& region);

// A rounded rectangle of `size` with corner `radius` as whole-pixel rows:
// full-width in the middle, one narrower row per scanline in the corners.
std::vector<QRect> roundedRectRows(QSize size, int radius);

}  // namespace solvane::host::x11
