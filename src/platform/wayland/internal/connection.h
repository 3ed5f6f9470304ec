// The state behind LayerShell and LayerSurface, shared by the files that serve
// the connection: its globals and outputs (connection.cpp), the seat's input
// (seat.cpp), the layer surfaces and their drag (layer_surface.cpp) and the
// popup menu (menu_popup.cpp). Private to this folder: layer_shell.h is the
// interface.
#pragma once

#include <wayland-client.h>

#include <QImage>
#include <QMetaObject>
#include <QObject>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <QSocketNotifier>
#include <QString>
#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "platform/wayland/layer_menu.h"
#include "platform/wayland/layer_shell.h"
#include "platform/wayland/shm_buffers.h"

struct wl_cursor_theme;
struct xdg_popup;
struct xdg_surface;
struct xdg_wm_base;
struct zwlr_layer_shell_v1;
struct zwlr_layer_surface_v1;
struct zwp_relative_pointer_manager_v1;
struct zwp_relative_pointer_v1;
struct zxdg_output_manager_v1;
struct zxdg_output_v1;

namespace solvane::platform::wayland {

// Signals go out through the event loop: a slot may then delete the surface,
// the shell, or open a menu without finding the connection mid-dispatch.
template <class F>
void post(LayerSurface* owner, F function) {
    QMetaObject::invokeMethod(owner, std::move(function), Qt::QueuedConnection);
}

// Shared with LayerShell::offeredByCompositor, which asks before there is a
// Connection.
wl_display* connectDisplay();
bool boundedRoundtrip(wl_display* display);

struct Connection;

struct Output {
    Connection* connection = nullptr;
    uint32_t name = 0;
    uint32_t version = 0;
    wl_output* output = nullptr;
    zxdg_output_v1* xdgOutput = nullptr;
    QPoint position;
    QSize modeSize;
    int32_t transform = WL_OUTPUT_TRANSFORM_NORMAL;
    int scale = 1;
    std::optional<QPoint> logicalPosition;
    std::optional<QSize> logicalSize;
    // A layer surface that is never shown, anchored to every edge: the size
    // the compositor gives it is what panels leave of the output.
    wl_surface* probe = nullptr;
    zwlr_layer_surface_v1* probeLayer = nullptr;
    QSize usableSize;

    QRect usable() const {
        const QRect whole = geometry();
        if (usableSize.isEmpty() || whole.isEmpty()) {
            return {};
        }
        const int dx = std::clamp(whole.width() - usableSize.width(), 0, whole.width() / 4);
        const int dy = std::clamp(whole.height() - usableSize.height(), 0, whole.height() / 4);
        return whole.adjusted(dx, dy, -dx, -dy);
    }

    QRect geometry() const {
        if (logicalPosition && logicalSize && !logicalSize->isEmpty()) {
            return QRect(*logicalPosition, *logicalSize);
        }
        QSize size = modeSize;
        if (transform % 2 == 1) {  // the 90 and 270 degree transforms
            size.transpose();
        }
        const int s = std::max(scale, 1);
        return QRect(position, QSize(size.width() / s, size.height() / s));
    }
};

struct MenuState {
    SurfaceState* parent = nullptr;
    std::vector<LayerMenuItem> items;
    menu::MenuLayout layout;
    wl_surface* surface = nullptr;
    xdg_surface* xdgSurface = nullptr;
    xdg_popup* popup = nullptr;
    std::unique_ptr<ShmBuffers> buffers;
    int hover = -1;
    int scale = 1;
    bool configured = false;
    bool pendingDraw = false;
};

struct SurfaceState {
    Connection* connection = nullptr;
    LayerSurface* owner = nullptr;
    QString nameSpace;
    wl_surface* surface = nullptr;
    zwlr_layer_surface_v1* layer = nullptr;
    std::unique_ptr<ShmBuffers> buffers;
    uint32_t outputName = 0;  // 0: the compositor chose
    QPoint topLeft;           // where it is meant to be
    QPoint committedTopLeft;  // what the last committed margins say
    QPoint shownTopLeft;      // what the compositor is known to have applied
    wl_callback* moveSync = nullptr;
    bool moveSettled = false;      // the move's first sync has come back
    bool awaitingArrange = false;  // KWin: the move waits for its pass that arranges
    QSize logicalSize;
    QImage image;
    bool pendingDraw = false;
    bool configured = false;
    bool closed = false;
    int scale = 1;
    bool announced = false;  // the owner has been told a scale
    uint32_t pressSerial = 0;
    bool leftDown = false;
    bool dragging = false;
    QPointF pressLocal;
    QPoint pressTopLeft;
    std::unique_ptr<MenuState> menu;
};

struct Connection {
    wl_display* display = nullptr;
    wl_registry* registry = nullptr;
    wl_compositor* compositor = nullptr;
    wl_shm* shm = nullptr;
    zwlr_layer_shell_v1* layerShell = nullptr;
    uint32_t layerShellVersion = 0;
    bool kdeShell = false;  // KWin, which reads window types from namespaces
    xdg_wm_base* wmBase = nullptr;
    zxdg_output_manager_v1* xdgOutputManager = nullptr;
    wl_seat* seat = nullptr;
    uint32_t seatName = 0;
    uint32_t seatVersion = 0;
    wl_pointer* pointer = nullptr;
    zwp_relative_pointer_manager_v1* relativePointers = nullptr;
    zwp_relative_pointer_v1* relativePointer = nullptr;
    wl_keyboard* keyboard = nullptr;
    wl_touch* touch = nullptr;
    wl_cursor_theme* cursorTheme = nullptr;
    wl_surface* cursorSurface = nullptr;
    bool cursorAttached = false;
    std::vector<std::unique_ptr<Output>> outputs;
    std::vector<SurfaceState*> surfaces;
    SurfaceState* activeMenu = nullptr;
    SurfaceState* pressed = nullptr;  // the widget the left button went down on
    QPointF dragPointer;              // where that drag has taken the pointer, globally
    // The pointer frame being read: an absolute motion, and whether a
    // relative one came with it.
    std::optional<QPointF> frameMotion;
    bool frameRelative = false;
    std::optional<int32_t> touchId;  // the finger holding `pressed` or a menu
    wl_surface* touchMenu = nullptr;
    wl_surface* pointerFocus = nullptr;
    QPointF pointerLocal;
    std::unique_ptr<QSocketNotifier> readNotifier;
    std::unique_ptr<QSocketNotifier> writeNotifier;
    QMetaObject::Connection aboutToBlock;
    bool broken = false;
    bool dispatching = false;
    // Surfaces given up during a dispatch, destroyed once it is over.
    std::vector<wl_surface*> retiredSurfaces;
    // Told when an output comes, goes or changes; called mid-dispatch.
    std::function<void()> onOutputsChanged;

    ~Connection() { shutdown(); }

    bool open();
    void serve();
    void readable();
    void flush();
    void fail();
    void shutdown();
    bool usable() const { return display != nullptr && !broken; }
    bool dispatchPending();
    void retire(wl_surface* surface);

    Output* outputByName(uint32_t name) const;
    Output* outputFor(QPoint point) const;
    QPoint originOf(uint32_t outputName) const;
    void bindXdgOutput(Output& output);
    void outputDone(Output& output);
    void probeUsable(Output& output);
    void dropProbe(Output& output);
    void usableConfigured(Output& output, uint32_t serial, QSize size);
    void outputsChanged();
    void removeGlobal(uint32_t name);
    void seatCapabilities(uint32_t capabilities);
    void releaseSeat();

    void addSurface(SurfaceState& state);
    void removeSurface(SurfaceState& state);
    void createRole(SurfaceState& state);
    void destroyRole(SurfaceState& state);
    void markClosed(SurfaceState& state);
    void configured(SurfaceState& state, uint32_t serial);
    void setImage(SurfaceState& state, const QImage& image);
    void draw(SurfaceState& state);
    void setPosition(SurfaceState& state, QPoint topLeft);
    void moveTo(SurfaceState& state, QPoint topLeft);
    void commitPosition(SurfaceState& state);
    void moveSynced(SurfaceState& state);
    void arranged(Output& output);
    void moveShown(SurfaceState& state);
    void rebind(SurfaceState& state);
    void raise(SurfaceState& state, bool up);

    void showMenu(SurfaceState& state, const std::vector<LayerMenuItem>& items, QPointF local);
    void closeMenu(SurfaceState& state, int chosen);
    void drawMenu(MenuState& menu);
    void hoverMenu(MenuState& menu, QPointF local);
    void menuKey(uint32_t key);

    SurfaceState* widgetFor(wl_surface* surface) const;
    MenuState* menuFor(wl_surface* surface) const;
    void setCursor(uint32_t serial);
    void pointerEnter(uint32_t serial, wl_surface* surface, QPointF local);
    void pointerLeave(wl_surface* surface);
    void pointerMotion(QPointF local);
    void pointerButton(uint32_t serial, uint32_t button, uint32_t state);
    void relativeMotion(QPointF delta);
    void pointerFrame();
    void absoluteDrag(SurfaceState& state, QPointF local);
    void touchDown(uint32_t serial, wl_surface* surface, int32_t id, QPointF local);
    void touchMotion(int32_t id, QPointF local);
    void touchUp(int32_t id);
    void touchCancel();
    void dragTo(SurfaceState& state, QPointF pointerGlobal);
    void finishDrag(SurfaceState& state);
    void bindRelativePointer();
    QPointF clampToOutputs(QPointF point) const;
};

}  // namespace solvane::platform::wayland
