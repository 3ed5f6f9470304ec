// What makes a widget window a desktop widget under an X11 window manager
// (and XWayland), through the EWMH properties Qt has no flags for: a window
// of the desktop (which window managers keep on the screen while they show
// the desktop), below other windows, on every workspace, left out of
// taskbars, pagers and switchers, never taking the focus by appearing. Also
// what the widgets need to know of the X desktop: whether a compositing
// manager runs (without one, transparent pixels come out black, so the
// rounded corners are cut out with the Shape extension), the desktop's colour
// behind a widget, and the stacking among the desktop's windows.
//
// Every call is a no-op (or gives nothing) when Qt does not run on X11.
//
//   x11::setDesktopWidgetHints(window);    // before the first show
//   window->show();
//   x11::requestDesktopWidgetState(window); // once mapped
#pragma once

#include <QAbstractNativeEventFilter>
#include <QColor>
#include <QElapsedTimer>
#include <QRect>
#include <QSize>
#include <QString>
#include <QTimer>

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <vector>

class QSocketNotifier;
class QWindow;
struct xcb_connection_t;

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
// from the root pixmap wallpaper setters publish or, under a compositing
// manager, from another program's desktop window (a desktop shell's
// wallpaper); nullopt when there is neither.
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

// Keeps the host's windows of the desktop type (its widgets) above every
// other client's window of that type for as long as it lives. A desktop shell (plasmashell, a file
// manager's desktop) draws the wallpaper in a full-screen window of that
// type, which the window manager raises among the desktop windows when it
// maps it, when it is clicked and when the desktop is shown or hidden again;
// the widgets share that layer and would be hidden until the host restarts.
// Whenever the root's stacking list changes, the widgets found under such a
// window are raised as a pager raises a window: the window manager keeps
// them in the desktop layer, so no widget ever comes above an ordinary window.
//
//   auto stacking = std::make_unique<x11::DesktopStacking>();
class DesktopStacking : public QAbstractNativeEventFilter {
  public:
    DesktopStacking();
    ~DesktopStacking() override;
    DesktopStacking(const DesktopStacking&) = delete;
    DesktopStacking& operator=(const DesktopStacking&) = delete;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

  private:
    void restack();

    std::uint32_t root_ = 0;
    std::uint32_t stackingAtom_ = 0;
    QTimer soon_;
    // When the last raises were asked: another program that raises its own
    // desktop window whenever it is covered is answered a few times, not in
    // an endless loop.
    QElapsedTimer clock_;
    std::deque<qint64> recentRaises_;
};

// The work area the window manager of the X server DISPLAY names publishes
// (_NET_WORKAREA), read over a connection of its own, beside whatever
// platform Qt runs on. Under KWin on Wayland that server is its XWayland,
// where KWin publishes the room Plasma's panels leave: KWin does not take
// those panels off what it tells layer surfaces.
//
//   auto watch = x11::WorkAreaWatch::open([&] { followScreens(); });
//   if (watch && watch->workArea()) use(*watch->workArea(), watch->screenSize());
class WorkAreaWatch {
  public:
    // nullptr when DISPLAY names no server that answers. `changed` is called
    // from the event loop whenever the work area or the screen's size changes.
    static std::unique_ptr<WorkAreaWatch> open(std::function<void()> changed);
    ~WorkAreaWatch();
    WorkAreaWatch(const WorkAreaWatch&) = delete;
    WorkAreaWatch& operator=(const WorkAreaWatch&) = delete;

    // In the server's coordinates; nullopt while none is published or once
    // the server has gone.
    std::optional<QRect> workArea() const { return workArea_; }
    QSize screenSize() const { return screenSize_; }

  private:
    WorkAreaWatch() = default;
    void read();
    void readable();

    xcb_connection_t* connection_ = nullptr;
    std::uint32_t root_ = 0;
    std::uint32_t workAreaAtom_ = 0;
    std::unique_ptr<QSocketNotifier> notifier_;
    std::function<void()> changed_;
    std::optional<QRect> workArea_;
    QSize screenSize_;
};

// Those of `ours` that lie under the topmost of `otherDesktops` in
// `stacking` (the window manager's order, bottom first), bottom first.
std::vector<std::uint32_t> buriedWindows(const std::vector<std::uint32_t>& stacking,
                                         const std::set<std::uint32_t>& ours,
                                         const std::set<std::uint32_t>& otherDesktops);

// A rounded rectangle of `size` with corner `radius` as whole-pixel rows:
// full-width in the middle, one narrower row per scanline in the corners.
std::vector<QRect> roundedRectRows(QSize size, int radius);

}  // namespace solvane::host::x11
