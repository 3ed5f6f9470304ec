#include "platform/wayland/layer_shell.h"

#include <linux/input-event-codes.h>
#include <poll.h>
#include <unistd.h>
#include <wayland-client.h>
#include <wayland-cursor.h>

#include <QAbstractEventDispatcher>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLineF>
#include <QPalette>
#include <QRectF>
#include <QSocketNotifier>
#include <QThread>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "platform/wayland/shm_buffers.h"
#include "relative-pointer-unstable-v1-client-protocol.h"
#include "wlr-layer-shell-unstable-v1-client-protocol.h"
#include "xdg-output-unstable-v1-client-protocol.h"
#include "xdg-shell-client-protocol.h"

namespace solvane::platform::wayland {

namespace {

// Highest versions this code handles every event of; a compositor offering
// more is bound at these.
constexpr uint32_t kCompositorVersion = 4;
constexpr uint32_t kLayerShellVersion = 4;
constexpr uint32_t kWmBaseVersion = 3;
constexpr uint32_t kXdgOutputVersion = 3;
constexpr uint32_t kOutputVersion = 4;
constexpr uint32_t kSeatVersion = 5;

constexpr int kDragThreshold = 4;
constexpr std::chrono::milliseconds kRoundtripLimit{2000};

// Raw evdev key codes: the menu needs no keymap for these.
constexpr uint32_t kKeyEscape = 1;
constexpr uint32_t kKeyEnter = 28;
constexpr uint32_t kKeyKeypadEnter = 96;
constexpr uint32_t kKeyUp = 103;
constexpr uint32_t kKeyDown = 108;

// Signals go out through the event loop: a slot may then delete the surface,
// the shell, or open a menu without finding the connection mid-dispatch.
template <class F>
void post(LayerSurface* owner, F function) {
    QMetaObject::invokeMethod(owner, std::move(function), Qt::QueuedConnection);
}

// Connects by socket name even when a pre-connected descriptor was handed
// down in WAYLAND_SOCKET: that one belongs to Qt's connection.
wl_display* connectDisplay() {
    const char* name = std::getenv("WAYLAND_DISPLAY");
    if (name == nullptr || *name == '\0') {
        return nullptr;
    }
    const char* handedDown = std::getenv("WAYLAND_SOCKET");
    if (handedDown == nullptr) {
        return wl_display_connect(nullptr);
    }
    const std::string keep = handedDown;
    ::unsetenv("WAYLAND_SOCKET");
    wl_display* display = wl_display_connect(nullptr);
    ::setenv("WAYLAND_SOCKET", keep.c_str(), 1);
    return display;
}

void onSyncDone(void* data, wl_callback* /*callback*/, uint32_t /*serial*/) {
    *static_cast<bool*>(data) = true;
}
constexpr wl_callback_listener kSyncListener = {onSyncDone};

// A sync answered, or the connection failed, or the time ran out; never
// longer than kRoundtripLimit.
bool boundedRoundtrip(wl_display* display) {
    bool done = false;
    wl_callback* callback = wl_display_sync(display);
    wl_callback_add_listener(callback, &kSyncListener, &done);
    const auto deadline = std::chrono::steady_clock::now() + kRoundtripLimit;
    while (!done) {
        if (wl_display_dispatch_pending(display) < 0) {
            break;
        }
        if (done) {
            break;
        }
        if (wl_display_prepare_read(display) != 0) {
            continue;
        }
        if (wl_display_flush(display) < 0 && errno != EAGAIN) {
            wl_display_cancel_read(display);
            break;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            wl_display_cancel_read(display);
            break;
        }
        pollfd pfd{wl_display_get_fd(display), POLLIN, 0};
        const int ready = ::poll(&pfd, 1, static_cast<int>(left.count()));
        if (ready <= 0) {
            wl_display_cancel_read(display);
            if (ready < 0 && errno == EINTR) {
                continue;
            }
            break;
        }
        if (wl_display_read_events(display) < 0) {
            break;
        }
    }
    wl_callback_destroy(callback);
    return done && wl_display_get_error(display) == 0;
}

}  // namespace

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
    xdg_wm_base* wmBase = nullptr;
    zxdg_output_manager_v1* xdgOutputManager = nullptr;
    wl_seat* seat = nullptr;
    uint32_t seatName = 0;
    uint32_t seatVersion = 0;
    wl_pointer* pointer = nullptr;
    zwp_relative_pointer_manager_v1* relativePointers = nullptr;
    zwp_relative_pointer_v1* relativePointer = nullptr;
    wl_keyboard* keyboard = nullptr;
    wl_cursor_theme* cursorTheme = nullptr;
    wl_surface* cursorSurface = nullptr;
    bool cursorAttached = false;
    std::vector<std::unique_ptr<Output>> outputs;
    std::vector<SurfaceState*> surfaces;
    SurfaceState* activeMenu = nullptr;
    SurfaceState* pressed = nullptr;  // the widget the left button went down on
    QPointF dragPointer;              // where that drag has taken the pointer, globally
    wl_surface* pointerFocus = nullptr;
    QPointF pointerLocal;
    std::unique_ptr<QSocketNotifier> readNotifier;
    std::unique_ptr<QSocketNotifier> writeNotifier;
    QMetaObject::Connection aboutToBlock;
    bool broken = false;
    bool dispatching = false;
    // Surfaces given up during a dispatch, destroyed once it is over.
    std::vector<wl_surface*> retiredSurfaces;

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
    void dragTo(SurfaceState& state, QPointF pointerGlobal);
    void finishDrag(SurfaceState& state);
    void bindRelativePointer();
    QPointF clampToOutputs(QPointF point) const;
};

namespace {

// --- listeners: each forwards to Connection, ignoring what Solvane does not use.

void registryGlobal(void* data, wl_registry* registry, uint32_t name, const char* interface,
                    uint32_t version) {
    auto* c = static_cast<Connection*>(data);
    const std::string_view iface(interface);
    auto bind = [&](const wl_interface* type, uint32_t highest) {
        return wl_registry_bind(registry, name, type, std::min(version, highest));
    };
    if (iface == wl_compositor_interface.name && c->compositor == nullptr) {
        c->compositor =
            static_cast<wl_compositor*>(bind(&wl_compositor_interface, kCompositorVersion));
    } else if (iface == wl_shm_interface.name && c->shm == nullptr) {
        c->shm = static_cast<wl_shm*>(bind(&wl_shm_interface, 1));
    } else if (iface == zwlr_layer_shell_v1_interface.name && c->layerShell == nullptr) {
        c->layerShellVersion = std::min(version, kLayerShellVersion);
        c->layerShell = static_cast<zwlr_layer_shell_v1*>(
            bind(&zwlr_layer_shell_v1_interface, kLayerShellVersion));
    } else if (iface == xdg_wm_base_interface.name && c->wmBase == nullptr) {
        static constexpr xdg_wm_base_listener kListener = {
            [](void*, xdg_wm_base* base, uint32_t serial) { xdg_wm_base_pong(base, serial); }};
        c->wmBase = static_cast<xdg_wm_base*>(bind(&xdg_wm_base_interface, kWmBaseVersion));
        xdg_wm_base_add_listener(c->wmBase, &kListener, c);
    } else if (iface == zxdg_output_manager_v1_interface.name && c->xdgOutputManager == nullptr) {
        c->xdgOutputManager = static_cast<zxdg_output_manager_v1*>(
            bind(&zxdg_output_manager_v1_interface, kXdgOutputVersion));
        for (auto& output : c->outputs) {
            c->bindXdgOutput(*output);
        }
    } else if (iface == wl_output_interface.name) {
        static constexpr wl_output_listener kListener = {
            [](void* d, wl_output*, int32_t x, int32_t y, int32_t, int32_t, int32_t, const char*,
               const char*, int32_t transform) {
                auto* o = static_cast<Output*>(d);
                o->position = QPoint(x, y);
                o->transform = transform;
            },
            [](void* d, wl_output*, uint32_t flags, int32_t width, int32_t height, int32_t) {
                if ((flags & WL_OUTPUT_MODE_CURRENT) != 0) {
                    static_cast<Output*>(d)->modeSize = QSize(width, height);
                }
            },
            [](void* d, wl_output*) {
                auto* o = static_cast<Output*>(d);
                o->connection->outputDone(*o);
            },
            [](void* d, wl_output*, int32_t factor) {
                static_cast<Output*>(d)->scale = std::clamp(factor, 1, 16);
            },
            [](void*, wl_output*, const char*) {},
            [](void*, wl_output*, const char*) {},
        };
        auto output = std::make_unique<Output>();
        output->connection = c;
        output->name = name;
        output->version = std::min(version, kOutputVersion);
        output->output = static_cast<wl_output*>(bind(&wl_output_interface, kOutputVersion));
        wl_output_add_listener(output->output, &kListener, output.get());
        c->bindXdgOutput(*output);
        c->outputs.push_back(std::move(output));
    } else if (iface == zwp_relative_pointer_manager_v1_interface.name &&
               c->relativePointers == nullptr) {
        c->relativePointers = static_cast<zwp_relative_pointer_manager_v1*>(
            bind(&zwp_relative_pointer_manager_v1_interface, 1));
        c->bindRelativePointer();
    } else if (iface == wl_seat_interface.name && c->seat == nullptr) {
        static constexpr wl_seat_listener kListener = {
            [](void* d, wl_seat*, uint32_t caps) {
                static_cast<Connection*>(d)->seatCapabilities(caps);
            },
            [](void*, wl_seat*, const char*) {},
        };
        c->seatName = name;
        c->seatVersion = std::min(version, kSeatVersion);
        c->seat = static_cast<wl_seat*>(bind(&wl_seat_interface, kSeatVersion));
        wl_seat_add_listener(c->seat, &kListener, c);
    }
}

void registryGlobalRemove(void* data, wl_registry* /*registry*/, uint32_t name) {
    static_cast<Connection*>(data)->removeGlobal(name);
}

constexpr wl_registry_listener kRegistryListener = {registryGlobal, registryGlobalRemove};

const zxdg_output_v1_listener kXdgOutputListener = {
    [](void* d, zxdg_output_v1*, int32_t x, int32_t y) {
        static_cast<Output*>(d)->logicalPosition = QPoint(x, y);
    },
    [](void* d, zxdg_output_v1*, int32_t width, int32_t height) {
        static_cast<Output*>(d)->logicalSize = QSize(width, height);
    },
    [](void* d, zxdg_output_v1*) {
        auto* o = static_cast<Output*>(d);
        o->connection->outputDone(*o);
    },
    [](void*, zxdg_output_v1*, const char*) {},
    [](void*, zxdg_output_v1*, const char*) {},
};

const zwlr_layer_surface_v1_listener kLayerSurfaceListener = {
    [](void* d, zwlr_layer_surface_v1*, uint32_t serial, uint32_t, uint32_t) {
        auto* s = static_cast<SurfaceState*>(d);
        s->connection->configured(*s, serial);
    },
    [](void* d, zwlr_layer_surface_v1*) {
        auto* s = static_cast<SurfaceState*>(d);
        s->connection->markClosed(*s);
    },
};

const wl_callback_listener kMoveSyncListener = {
    [](void* d, wl_callback*, uint32_t) {
        auto* s = static_cast<SurfaceState*>(d);
        s->connection->moveSynced(*s);
    },
};

const xdg_surface_listener kMenuSurfaceListener = {
    [](void* d, xdg_surface* surface, uint32_t serial) {
        auto* m = static_cast<MenuState*>(d);
        xdg_surface_ack_configure(surface, serial);
        m->configured = true;
        m->parent->connection->drawMenu(*m);
    },
};

const xdg_popup_listener kPopupListener = {
    [](void*, xdg_popup*, int32_t, int32_t, int32_t, int32_t) {},
    [](void* d, xdg_popup*) {
        auto* m = static_cast<MenuState*>(d);
        m->parent->connection->closeMenu(*m->parent, -1);
    },
    [](void*, xdg_popup*, uint32_t) {},
};

const wl_pointer_listener kPointerListener = {
    [](void* d, wl_pointer*, uint32_t serial, wl_surface* surface, wl_fixed_t x, wl_fixed_t y) {
        static_cast<Connection*>(d)->pointerEnter(
            serial, surface, QPointF(wl_fixed_to_double(x), wl_fixed_to_double(y)));
    },
    [](void* d, wl_pointer*, uint32_t, wl_surface* surface) {
        static_cast<Connection*>(d)->pointerLeave(surface);
    },
    [](void* d, wl_pointer*, uint32_t, wl_fixed_t x, wl_fixed_t y) {
        static_cast<Connection*>(d)->pointerMotion(
            QPointF(wl_fixed_to_double(x), wl_fixed_to_double(y)));
    },
    [](void* d, wl_pointer*, uint32_t serial, uint32_t, uint32_t button, uint32_t state) {
        static_cast<Connection*>(d)->pointerButton(serial, button, state);
    },
    [](void*, wl_pointer*, uint32_t, uint32_t, wl_fixed_t) {},
    [](void*, wl_pointer*) {},
    [](void*, wl_pointer*, uint32_t) {},
    [](void*, wl_pointer*, uint32_t, uint32_t) {},
    [](void*, wl_pointer*, uint32_t, int32_t) {},
    [](void*, wl_pointer*, uint32_t, int32_t) {},
};

const zwp_relative_pointer_v1_listener kRelativePointerListener = {
    [](void* d, zwp_relative_pointer_v1*, uint32_t, uint32_t, wl_fixed_t dx, wl_fixed_t dy,
       wl_fixed_t, wl_fixed_t) {
        static_cast<Connection*>(d)->relativeMotion(
            QPointF(wl_fixed_to_double(dx), wl_fixed_to_double(dy)));
    },
};

const wl_keyboard_listener kKeyboardListener = {
    // The keymap is not needed: the menu reads raw key codes.
    [](void*, wl_keyboard*, uint32_t, int32_t fd, uint32_t) { ::close(fd); },
    [](void*, wl_keyboard*, uint32_t, wl_surface*, wl_array*) {},
    [](void*, wl_keyboard*, uint32_t, wl_surface*) {},
    [](void* d, wl_keyboard*, uint32_t, uint32_t, uint32_t key, uint32_t state) {
        if (state == WL_KEYBOARD_KEY_STATE_PRESSED) {
            static_cast<Connection*>(d)->menuKey(key);
        }
    },
    [](void*, wl_keyboard*, uint32_t, uint32_t, uint32_t, uint32_t, uint32_t) {},
    [](void*, wl_keyboard*, int32_t, int32_t) {},
};

}  // namespace

// --- connection

bool Connection::open() {
    display = connectDisplay();
    if (display == nullptr) {
        return false;
    }
    registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &kRegistryListener, this);
    // The first answer lists the globals; the second brings what the bound
    // outputs and the seat say about themselves.
    if (!boundedRoundtrip(display) || layerShell == nullptr || compositor == nullptr ||
        shm == nullptr || !boundedRoundtrip(display)) {
        shutdown();
        return false;
    }
    return true;
}

void Connection::serve() {
    const int fd = wl_display_get_fd(display);
    readNotifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    QObject::connect(readNotifier.get(), &QSocketNotifier::activated, readNotifier.get(),
                     [this] { readable(); });
    writeNotifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Write);
    writeNotifier->setEnabled(false);
    QObject::connect(writeNotifier.get(), &QSocketNotifier::activated, writeNotifier.get(),
                     [this] { flush(); });
    if (auto* dispatcher = QAbstractEventDispatcher::instance(QThread::currentThread())) {
        aboutToBlock = QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock,
                                        readNotifier.get(), [this] { flush(); });
    }
    // Events the opening roundtrips read but did not dispatch yet.
    if (!dispatchPending()) {
        fail();
        return;
    }
    flush();
}

void Connection::readable() {
    if (!usable()) {
        return;
    }
    while (wl_display_prepare_read(display) != 0) {
        if (!dispatchPending()) {
            fail();
            return;
        }
    }
    // The socket is readable, so this does not wait; a closed socket or a
    // protocol error comes back as -1.
    if (wl_display_read_events(display) < 0 || !dispatchPending()) {
        fail();
        return;
    }
    flush();
}

bool Connection::dispatchPending() {
    dispatching = true;
    const bool ok = wl_display_dispatch_pending(display) >= 0;
    dispatching = false;
    for (wl_surface* surface : retiredSurfaces) {
        wl_surface_destroy(surface);
    }
    retiredSurfaces.clear();
    return ok;
}

void Connection::retire(wl_surface* surface) {
    // Events queued behind the one being handled may name this surface; the
    // client library leaks a surface destroyed while such an event waits.
    if (dispatching) {
        retiredSurfaces.push_back(surface);
    } else {
        wl_surface_destroy(surface);
    }
}

void Connection::flush() {
    if (!usable()) {
        return;
    }
    if (wl_display_flush(display) < 0) {
        if (errno == EAGAIN) {
            if (writeNotifier) {
                writeNotifier->setEnabled(true);
            }
            return;
        }
        fail();
        return;
    }
    if (writeNotifier) {
        writeNotifier->setEnabled(false);
    }
}

void Connection::fail() {
    if (broken) {
        return;
    }
    broken = true;
    // A dead socket stays readable: left enabled, the notifier would spin.
    if (readNotifier) {
        readNotifier->setEnabled(false);
    }
    if (writeNotifier) {
        writeNotifier->setEnabled(false);
    }
    QObject::disconnect(aboutToBlock);
    const std::vector<SurfaceState*> all = surfaces;
    for (SurfaceState* state : all) {
        markClosed(*state);
    }
}

void Connection::shutdown() {
    if (display == nullptr) {
        return;
    }
    fail();
    for (SurfaceState* state : surfaces) {
        destroyRole(*state);
    }
    readNotifier.reset();
    writeNotifier.reset();
    if (cursorSurface != nullptr) {
        wl_surface_destroy(cursorSurface);
        cursorSurface = nullptr;
    }
    if (cursorTheme != nullptr) {
        wl_cursor_theme_destroy(cursorTheme);
        cursorTheme = nullptr;
    }
    releaseSeat();
    for (auto& output : outputs) {
        if (output->xdgOutput != nullptr) {
            zxdg_output_v1_destroy(output->xdgOutput);
        }
        if (output->version >= 3) {
            wl_output_release(output->output);
        } else {
            wl_output_destroy(output->output);
        }
    }
    outputs.clear();
    if (xdgOutputManager != nullptr) {
        zxdg_output_manager_v1_destroy(xdgOutputManager);
    }
    if (relativePointers != nullptr) {
        zwp_relative_pointer_manager_v1_destroy(relativePointers);
        relativePointers = nullptr;
    }
    if (wmBase != nullptr) {
        xdg_wm_base_destroy(wmBase);
    }
    if (layerShell != nullptr) {
        if (layerShellVersion >= 3) {
            zwlr_layer_shell_v1_destroy(layerShell);
        } else {
            wl_proxy_destroy(reinterpret_cast<wl_proxy*>(layerShell));
        }
    }
    if (shm != nullptr) {
        wl_shm_destroy(shm);
    }
    if (compositor != nullptr) {
        wl_compositor_destroy(compositor);
    }
    if (registry != nullptr) {
        wl_registry_destroy(registry);
    }
    xdgOutputManager = nullptr;
    wmBase = nullptr;
    layerShell = nullptr;
    shm = nullptr;
    compositor = nullptr;
    registry = nullptr;
    wl_display_flush(display);
    wl_display_disconnect(display);
    display = nullptr;
}

Output* Connection::outputByName(uint32_t name) const {
    for (const auto& output : outputs) {
        if (output->name == name) {
            return output.get();
        }
    }
    return nullptr;
}

Output* Connection::outputFor(QPoint point) const {
    Output* nearest = nullptr;
    long long best = std::numeric_limits<long long>::max();
    for (const auto& output : outputs) {
        const QRect r = output->geometry();
        if (r.isEmpty()) {
            continue;
        }
        if (r.contains(point)) {
            return output.get();
        }
        const long long dx = point.x() < r.left()    ? r.left() - point.x()
                             : point.x() > r.right() ? point.x() - r.right()
                                                     : 0;
        const long long dy = point.y() < r.top()      ? r.top() - point.y()
                             : point.y() > r.bottom() ? point.y() - r.bottom()
                                                      : 0;
        if (dx * dx + dy * dy < best) {
            best = dx * dx + dy * dy;
            nearest = output.get();
        }
    }
    return nearest;
}

QPoint Connection::originOf(uint32_t outputName) const {
    const Output* output = outputByName(outputName);
    return output != nullptr ? output->geometry().topLeft() : QPoint();
}

void Connection::bindXdgOutput(Output& output) {
    if (xdgOutputManager == nullptr || output.xdgOutput != nullptr) {
        return;
    }
    output.xdgOutput = zxdg_output_manager_v1_get_xdg_output(xdgOutputManager, output.output);
    zxdg_output_v1_add_listener(output.xdgOutput, &kXdgOutputListener, &output);
}

void Connection::outputDone(Output& output) {
    for (SurfaceState* state : surfaces) {
        if (state->outputName == output.name && !state->closed && state->scale != output.scale) {
            state->scale = output.scale;
            const qreal scale = output.scale;
            post(state->owner, [owner = state->owner, scale] { emit owner->scaleChanged(scale); });
        }
    }
}

void Connection::removeGlobal(uint32_t name) {
    if (seat != nullptr && name == seatName) {
        releaseSeat();
        return;
    }
    for (auto it = outputs.begin(); it != outputs.end(); ++it) {
        if ((*it)->name != name) {
            continue;
        }
        // Surfaces on it hear from the compositor (closed) on their own.
        if ((*it)->xdgOutput != nullptr) {
            zxdg_output_v1_destroy((*it)->xdgOutput);
        }
        if ((*it)->version >= 3) {
            wl_output_release((*it)->output);
        } else {
            wl_output_destroy((*it)->output);
        }
        outputs.erase(it);
        return;
    }
}

void Connection::seatCapabilities(uint32_t capabilities) {
    const bool hasPointer = (capabilities & WL_SEAT_CAPABILITY_POINTER) != 0;
    const bool hasKeyboard = (capabilities & WL_SEAT_CAPABILITY_KEYBOARD) != 0;
    if (hasPointer && pointer == nullptr) {
        pointer = wl_seat_get_pointer(seat);
        wl_pointer_add_listener(pointer, &kPointerListener, this);
        bindRelativePointer();
    } else if (!hasPointer && pointer != nullptr) {
        if (relativePointer != nullptr) {
            zwp_relative_pointer_v1_destroy(relativePointer);
            relativePointer = nullptr;
        }
        seatVersion >= 3 ? wl_pointer_release(pointer) : wl_pointer_destroy(pointer);
        pointer = nullptr;
        pointerFocus = nullptr;
        pressed = nullptr;
    }
    if (hasKeyboard && keyboard == nullptr) {
        keyboard = wl_seat_get_keyboard(seat);
        wl_keyboard_add_listener(keyboard, &kKeyboardListener, this);
    } else if (!hasKeyboard && keyboard != nullptr) {
        seatVersion >= 3 ? wl_keyboard_release(keyboard) : wl_keyboard_destroy(keyboard);
        keyboard = nullptr;
    }
}

void Connection::releaseSeat() {
    if (seat == nullptr) {
        return;
    }
    seatCapabilities(0);
    seatVersion >= 5 ? wl_seat_release(seat) : wl_seat_destroy(seat);
    seat = nullptr;
    seatName = 0;
}

// --- surfaces

void Connection::addSurface(SurfaceState& state) {
    state.connection = this;
    surfaces.push_back(&state);
    if (!usable()) {
        markClosed(state);
        return;
    }
    createRole(state);
    flush();
}

void Connection::removeSurface(SurfaceState& state) {
    if (activeMenu == &state) {
        activeMenu = nullptr;
    }
    destroyRole(state);
    std::erase(surfaces, &state);
    flush();
}

void Connection::createRole(SurfaceState& state) {
    const Output* output = outputFor(state.topLeft);
    state.outputName = output != nullptr ? output->name : 0;
    const QPoint origin = originOf(state.outputName);
    const int scale = output != nullptr ? output->scale : 1;
    // A new surface starts at its output's scale; only a surface that moved
    // to an output of another scale hears about it.
    if (scale != state.scale && state.announced) {
        post(state.owner, [owner = state.owner, s = qreal(scale)] { emit owner->scaleChanged(s); });
    }
    state.scale = scale;
    state.announced = true;

    state.surface = wl_compositor_create_surface(compositor);
    state.layer = zwlr_layer_shell_v1_get_layer_surface(
        layerShell, state.surface, output != nullptr ? output->output : nullptr,
        ZWLR_LAYER_SHELL_V1_LAYER_BOTTOM, state.nameSpace.toUtf8().constData());
    zwlr_layer_surface_v1_add_listener(state.layer, &kLayerSurfaceListener, &state);
    zwlr_layer_surface_v1_set_size(state.layer, std::max(state.logicalSize.width(), 1),
                                   std::max(state.logicalSize.height(), 1));
    zwlr_layer_surface_v1_set_anchor(
        state.layer, ZWLR_LAYER_SURFACE_V1_ANCHOR_TOP | ZWLR_LAYER_SURFACE_V1_ANCHOR_LEFT);
    zwlr_layer_surface_v1_set_exclusive_zone(state.layer, -1);
    zwlr_layer_surface_v1_set_margin(state.layer, state.topLeft.y() - origin.y(), 0, 0,
                                     state.topLeft.x() - origin.x());
    zwlr_layer_surface_v1_set_keyboard_interactivity(
        state.layer, ZWLR_LAYER_SURFACE_V1_KEYBOARD_INTERACTIVITY_NONE);
    wl_surface_commit(state.surface);
    state.committedTopLeft = state.topLeft;
    state.shownTopLeft = state.topLeft;
    state.configured = false;
    state.pendingDraw = !state.image.isNull();
    state.buffers = std::make_unique<ShmBuffers>(shm, [this, &state] {
        if (state.pendingDraw) {
            draw(state);
        }
    });
}

void Connection::destroyRole(SurfaceState& state) {
    if (pressed == &state) {
        pressed = nullptr;
    }
    if (state.menu) {
        closeMenu(state, -1);
    }
    if (state.moveSync != nullptr) {
        wl_callback_destroy(state.moveSync);
        state.moveSync = nullptr;
    }
    if (pointerFocus != nullptr && pointerFocus == state.surface) {
        pointerFocus = nullptr;
    }
    state.buffers.reset();
    if (state.layer != nullptr) {
        zwlr_layer_surface_v1_destroy(state.layer);
        state.layer = nullptr;
    }
    if (state.surface != nullptr) {
        retire(state.surface);
        state.surface = nullptr;
    }
    state.configured = false;
    state.leftDown = false;
    state.dragging = false;
}

void Connection::markClosed(SurfaceState& state) {
    if (state.closed) {
        return;
    }
    if (state.menu) {
        closeMenu(state, -1);
    }
    state.closed = true;
    if (pressed == &state) {
        pressed = nullptr;
    }
    state.leftDown = false;
    state.dragging = false;
    post(state.owner, [owner = state.owner] { emit owner->closed(); });
}

void Connection::configured(SurfaceState& state, uint32_t serial) {
    zwlr_layer_surface_v1_ack_configure(state.layer, serial);
    state.configured = true;
    if (state.pendingDraw) {
        draw(state);
    }
}

void Connection::setImage(SurfaceState& state, const QImage& image) {
    if (image.isNull()) {
        return;
    }
    state.image = image;
    draw(state);
}

void Connection::draw(SurfaceState& state) {
    if (!usable() || state.closed || state.layer == nullptr || state.image.isNull()) {
        return;
    }
    if (!state.configured) {
        state.pendingDraw = true;
        return;
    }
    const QImage& image = state.image;
    const qreal ratio = image.devicePixelRatio();
    int bufferScale = qRound(ratio);
    QImage pixels = image;
    QSize logical;
    if (bufferScale >= 1 && qAbs(ratio - bufferScale) < 0.01 && image.width() % bufferScale == 0 &&
        image.height() % bufferScale == 0) {
        logical = QSize(image.width() / bufferScale, image.height() / bufferScale);
    } else {
        // The compositor takes whole-number scales of whole-pixel sizes only.
        logical = QSize(std::max(1, qRound(image.width() / ratio)),
                        std::max(1, qRound(image.height() / ratio)));
        pixels = image.scaled(logical, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        bufferScale = 1;
    }
    if (logical != state.logicalSize) {
        state.logicalSize = logical;
        zwlr_layer_surface_v1_set_size(state.layer, logical.width(), logical.height());
    }
    if (!state.buffers->present(state.surface, pixels, bufferScale)) {
        state.pendingDraw = true;
        return;
    }
    state.pendingDraw = false;
    wl_surface_commit(state.surface);
    flush();
}

void Connection::setPosition(SurfaceState& state, QPoint topLeft) {
    state.topLeft = topLeft;
    if (!usable() || state.closed || state.layer == nullptr) {
        return;
    }
    const Output* output = outputFor(topLeft);
    if (output != nullptr && output->name != state.outputName) {
        rebind(state);
        return;
    }
    if (state.moveSync == nullptr) {
        commitPosition(state);
    }
}

void Connection::moveTo(SurfaceState& state, QPoint topLeft) {
    state.topLeft = topLeft;
    // One move at a time: pointer positions are surface-local, and only
    // after the compositor has answered the sync that follows a move is it
    // known which position they are relative to.
    if (state.moveSync == nullptr) {
        commitPosition(state);
    }
}

void Connection::commitPosition(SurfaceState& state) {
    const QPoint origin = originOf(state.outputName);
    zwlr_layer_surface_v1_set_margin(state.layer, state.topLeft.y() - origin.y(), 0, 0,
                                     state.topLeft.x() - origin.x());
    wl_surface_commit(state.surface);
    state.committedTopLeft = state.topLeft;
    state.moveSync = wl_display_sync(display);
    wl_callback_add_listener(state.moveSync, &kMoveSyncListener, &state);
    flush();
}

void Connection::moveSynced(SurfaceState& state) {
    wl_callback_destroy(state.moveSync);
    state.moveSync = nullptr;
    state.shownTopLeft = state.committedTopLeft;
    if (state.topLeft != state.committedTopLeft && !state.closed && state.layer != nullptr) {
        commitPosition(state);
    }
}

void Connection::rebind(SurfaceState& state) {
    destroyRole(state);
    createRole(state);
    flush();
}

void Connection::raise(SurfaceState& state, bool up) {
    if (!usable() || state.closed || state.layer == nullptr) {
        return;
    }
    // While its menu is open the widget sits above windows and takes the
    // keyboard: popups inherit the parent's keyboard interactivity, and some
    // compositors focus only layer surfaces above the windows.
    if (layerShellVersion >= 2) {
        zwlr_layer_surface_v1_set_layer(
            state.layer, up ? ZWLR_LAYER_SHELL_V1_LAYER_TOP : ZWLR_LAYER_SHELL_V1_LAYER_BOTTOM);
    }
    zwlr_layer_surface_v1_set_keyboard_interactivity(
        state.layer, up ? ZWLR_LAYER_SURFACE_V1_KEYBOARD_INTERACTIVITY_EXCLUSIVE
                        : ZWLR_LAYER_SURFACE_V1_KEYBOARD_INTERACTIVITY_NONE);
    wl_surface_commit(state.surface);
}

// --- menu

void Connection::showMenu(SurfaceState& state, const std::vector<LayerMenuItem>& items,
                          QPointF local) {
    if (activeMenu != nullptr) {
        closeMenu(*activeMenu, -1);
    }
    if (!usable() || state.closed || !state.configured || wmBase == nullptr || items.empty()) {
        post(state.owner, [owner = state.owner] { emit owner->menuClosed(); });
        return;
    }
    auto menu = std::make_unique<MenuState>();
    menu->parent = &state;
    menu->items = items;
    menu->layout = menu::layoutMenu(items, QFontMetrics(QGuiApplication::font()));
    menu->scale = state.scale;
    raise(state, true);

    xdg_positioner* positioner = xdg_wm_base_create_positioner(wmBase);
    xdg_positioner_set_size(positioner, menu->layout.size.width(), menu->layout.size.height());
    const int x =
        std::clamp(static_cast<int>(local.x()), 0, std::max(state.logicalSize.width() - 1, 0));
    const int y =
        std::clamp(static_cast<int>(local.y()), 0, std::max(state.logicalSize.height() - 1, 0));
    xdg_positioner_set_anchor_rect(positioner, x, y, 1, 1);
    xdg_positioner_set_anchor(positioner, XDG_POSITIONER_ANCHOR_BOTTOM_RIGHT);
    xdg_positioner_set_gravity(positioner, XDG_POSITIONER_GRAVITY_BOTTOM_RIGHT);
    xdg_positioner_set_constraint_adjustment(positioner,
                                             XDG_POSITIONER_CONSTRAINT_ADJUSTMENT_FLIP_X |
                                                 XDG_POSITIONER_CONSTRAINT_ADJUSTMENT_FLIP_Y |
                                                 XDG_POSITIONER_CONSTRAINT_ADJUSTMENT_SLIDE_X |
                                                 XDG_POSITIONER_CONSTRAINT_ADJUSTMENT_SLIDE_Y);
    menu->surface = wl_compositor_create_surface(compositor);
    menu->xdgSurface = xdg_wm_base_get_xdg_surface(wmBase, menu->surface);
    xdg_surface_add_listener(menu->xdgSurface, &kMenuSurfaceListener, menu.get());
    menu->popup = xdg_surface_get_popup(menu->xdgSurface, nullptr, positioner);
    xdg_popup_add_listener(menu->popup, &kPopupListener, menu.get());
    xdg_positioner_destroy(positioner);
    zwlr_layer_surface_v1_get_popup(state.layer, menu->popup);
    if (seat != nullptr) {
        xdg_popup_grab(menu->popup, seat, state.pressSerial);
    }
    wl_surface_commit(menu->surface);
    MenuState* raw = menu.get();
    menu->buffers = std::make_unique<ShmBuffers>(shm, [this, raw] {
        if (raw->pendingDraw) {
            drawMenu(*raw);
        }
    });
    state.menu = std::move(menu);
    activeMenu = &state;
    flush();
}

void Connection::closeMenu(SurfaceState& state, int chosen) {
    if (!state.menu) {
        return;
    }
    MenuState& menu = *state.menu;
    if (pointerFocus != nullptr && pointerFocus == menu.surface) {
        pointerFocus = nullptr;
    }
    if (display != nullptr) {
        xdg_popup_destroy(menu.popup);
        xdg_surface_destroy(menu.xdgSurface);
        retire(menu.surface);
    }
    state.menu.reset();
    if (activeMenu == &state) {
        activeMenu = nullptr;
    }
    raise(state, false);
    if (chosen >= 0) {
        post(state.owner, [owner = state.owner, chosen] { emit owner->menuChosen(chosen); });
    } else {
        post(state.owner, [owner = state.owner] { emit owner->menuClosed(); });
    }
    flush();
}

void Connection::drawMenu(MenuState& menu) {
    if (!usable() || !menu.configured) {
        return;
    }
    const QImage picture =
        menu::paintMenu(menu.items, menu.layout, menu.hover, QGuiApplication::palette(),
                        QGuiApplication::font(), menu.scale);
    if (!menu.buffers->present(menu.surface, picture, menu.scale)) {
        menu.pendingDraw = true;
        return;
    }
    menu.pendingDraw = false;
    wl_surface_commit(menu.surface);
    flush();
}

void Connection::hoverMenu(MenuState& menu, QPointF local) {
    const int row = menu.layout.rowAt(local);
    const int hover = menu::isSelectable(menu.items, row) ? row : -1;
    if (hover != menu.hover) {
        menu.hover = hover;
        drawMenu(menu);
    }
}

void Connection::menuKey(uint32_t key) {
    if (activeMenu == nullptr || !activeMenu->menu) {
        return;
    }
    SurfaceState& state = *activeMenu;
    MenuState& menu = *state.menu;
    switch (key) {
        case kKeyEscape:
            closeMenu(state, -1);
            break;
        case kKeyEnter:
        case kKeyKeypadEnter:
            if (menu::isSelectable(menu.items, menu.hover)) {
                closeMenu(state, menu.hover);
            }
            break;
        case kKeyUp:
        case kKeyDown: {
            const int next = menu::nextSelectable(menu.items, menu.hover, key == kKeyUp ? -1 : 1);
            if (next != menu.hover) {
                menu.hover = next;
                drawMenu(menu);
            }
            break;
        }
        default:
            break;
    }
}

// --- pointer

SurfaceState* Connection::widgetFor(wl_surface* surface) const {
    if (surface == nullptr) {
        return nullptr;
    }
    for (SurfaceState* state : surfaces) {
        if (state->surface == surface) {
            return state;
        }
    }
    return nullptr;
}

MenuState* Connection::menuFor(wl_surface* surface) const {
    if (surface == nullptr) {
        return nullptr;
    }
    for (SurfaceState* state : surfaces) {
        if (state->menu && state->menu->surface == surface) {
            return state->menu.get();
        }
    }
    return nullptr;
}

void Connection::setCursor(uint32_t serial) {
    if (pointer == nullptr || compositor == nullptr || shm == nullptr) {
        return;
    }
    if (cursorTheme == nullptr) {
        const char* sizeText = std::getenv("XCURSOR_SIZE");
        const int size = sizeText != nullptr ? std::clamp(std::atoi(sizeText), 8, 256) : 24;
        cursorTheme = wl_cursor_theme_load(std::getenv("XCURSOR_THEME"), size, shm);
        if (cursorTheme == nullptr) {
            return;
        }
    }
    wl_cursor* cursor = wl_cursor_theme_get_cursor(cursorTheme, "default");
    if (cursor == nullptr) {
        cursor = wl_cursor_theme_get_cursor(cursorTheme, "left_ptr");
    }
    if (cursor == nullptr || cursor->image_count == 0) {
        return;
    }
    wl_cursor_image* image = cursor->images[0];
    if (cursorSurface == nullptr) {
        cursorSurface = wl_compositor_create_surface(compositor);
    }
    wl_pointer_set_cursor(pointer, serial, cursorSurface, static_cast<int32_t>(image->hotspot_x),
                          static_cast<int32_t>(image->hotspot_y));
    if (!cursorAttached) {
        wl_buffer* buffer = wl_cursor_image_get_buffer(image);
        if (buffer == nullptr) {
            return;
        }
        wl_surface_attach(cursorSurface, buffer, 0, 0);
        wl_surface_damage(cursorSurface, 0, 0, static_cast<int32_t>(image->width),
                          static_cast<int32_t>(image->height));
        wl_surface_commit(cursorSurface);
        cursorAttached = true;
    }
}

void Connection::pointerEnter(uint32_t serial, wl_surface* surface, QPointF local) {
    pointerFocus = surface;
    pointerLocal = local;
    if (widgetFor(surface) == nullptr && menuFor(surface) == nullptr) {
        return;
    }
    setCursor(serial);
    if (MenuState* menu = menuFor(surface)) {
        hoverMenu(*menu, local);
    }
}

void Connection::pointerLeave(wl_surface* surface) {
    if (SurfaceState* state = widgetFor(surface); state != nullptr && state->leftDown) {
        // The compositor ended the implicit grab: keep where it got to.
        finishDrag(*state);
    }
    if (MenuState* menu = menuFor(surface); menu != nullptr && menu->hover != -1) {
        menu->hover = -1;
        drawMenu(*menu);
    }
    if (surface == nullptr || surface == pointerFocus) {
        pointerFocus = nullptr;
    }
}

void Connection::pointerMotion(QPointF local) {
    pointerLocal = local;
    if (MenuState* menu = menuFor(pointerFocus)) {
        hoverMenu(*menu, local);
        return;
    }
    SurfaceState* state = widgetFor(pointerFocus);
    if (state == nullptr || state != pressed || relativePointer != nullptr) {
        return;
    }
    // Without relative motion, take the coordinates as the protocol defines
    // them: relative to where the surface is now.
    dragTo(*state, QPointF(state->shownTopLeft) + local);
}

void Connection::relativeMotion(QPointF delta) {
    // Some compositors keep reporting a held button's motion relative to
    // where the surface was at the press, others relative to where it is
    // now; the relative motion is the same under both.
    if (pressed != nullptr) {
        dragPointer = clampToOutputs(dragPointer + delta);
        dragTo(*pressed, dragPointer);
    }
}

void Connection::dragTo(SurfaceState& state, QPointF pointerGlobal) {
    if (state.closed || state.layer == nullptr) {
        return;
    }
    const QPoint target = (pointerGlobal - state.pressLocal).toPoint();
    if (!state.dragging) {
        if ((target - state.pressTopLeft).manhattanLength() < kDragThreshold) {
            return;
        }
        state.dragging = true;
    }
    moveTo(state, target);
}

QPointF Connection::clampToOutputs(QPointF point) const {
    // As the cursor does: it cannot leave the outputs, so pushing against an
    // edge does not carry the widget away from under it.
    QPointF best = point;
    qreal bestDistance = std::numeric_limits<qreal>::max();
    for (const auto& output : outputs) {
        const QRectF r = output->geometry();
        if (r.isEmpty()) {
            continue;
        }
        const QPointF inside(std::clamp(point.x(), r.left(), r.right() - 1e-3),
                             std::clamp(point.y(), r.top(), r.bottom() - 1e-3));
        const qreal distance = QLineF(point, inside).length();
        if (distance < bestDistance) {
            bestDistance = distance;
            best = inside;
        }
    }
    return best;
}

void Connection::bindRelativePointer() {
    if (relativePointers != nullptr && pointer != nullptr && relativePointer == nullptr) {
        relativePointer =
            zwp_relative_pointer_manager_v1_get_relative_pointer(relativePointers, pointer);
        zwp_relative_pointer_v1_add_listener(relativePointer, &kRelativePointerListener, this);
    }
}

void Connection::pointerButton(uint32_t serial, uint32_t button, uint32_t buttonState) {
    const bool down = buttonState == WL_POINTER_BUTTON_STATE_PRESSED;
    if (MenuState* menu = menuFor(pointerFocus)) {
        if (!down && (button == BTN_LEFT || button == BTN_RIGHT)) {
            const int row = menu->layout.rowAt(pointerLocal);
            if (menu::isSelectable(menu->items, row)) {
                closeMenu(*menu->parent, row);
            }
        }
        return;
    }
    SurfaceState* state = widgetFor(pointerFocus);
    if (state == nullptr || state->closed) {
        return;
    }
    if (down && activeMenu != nullptr) {
        // A click beside the open menu dismisses it and does nothing else,
        // as it would anywhere else on the desktop.
        closeMenu(*activeMenu, -1);
        return;
    }
    if (button == BTN_LEFT) {
        if (down) {
            state->pressSerial = serial;
            state->leftDown = true;
            state->dragging = false;
            state->pressLocal = pointerLocal;
            state->pressTopLeft = state->shownTopLeft;
            pressed = state;
            dragPointer = QPointF(state->shownTopLeft) + pointerLocal;
        } else if (state->leftDown) {
            finishDrag(*state);
        }
    } else if (button == BTN_RIGHT && down) {
        state->pressSerial = serial;
        post(state->owner,
             [owner = state->owner, at = pointerLocal] { emit owner->contextMenuRequested(at); });
    }
}

void Connection::finishDrag(SurfaceState& state) {
    state.leftDown = false;
    if (pressed == &state) {
        pressed = nullptr;
    }
    if (!state.dragging) {
        return;
    }
    state.dragging = false;
    const QPoint topLeft = state.topLeft;
    const Output* output = outputFor(topLeft);
    if (output != nullptr && output->name != state.outputName) {
        rebind(state);
    }
    post(state.owner, [owner = state.owner, topLeft] { emit owner->dragFinished(topLeft); });
}

}  // namespace solvane::platform::wayland

namespace solvane::platform {

using wayland::Connection;

// --- LayerSurface

LayerSurface::LayerSurface(std::shared_ptr<Connection> connection, QSize logicalSize,
                           QPoint topLeft, const QString& nameSpace)
    : connection_(std::move(connection)), state_(std::make_unique<wayland::SurfaceState>()) {
    state_->owner = this;
    state_->nameSpace = nameSpace;
    state_->logicalSize =
        QSize(std::max(logicalSize.width(), 1), std::max(logicalSize.height(), 1));
    state_->topLeft = topLeft;
    connection_->addSurface(*state_);
}

LayerSurface::~LayerSurface() {
    connection_->removeSurface(*state_);
}

void LayerSurface::setImage(const QImage& image) {
    connection_->setImage(*state_, image);
}

void LayerSurface::setPosition(QPoint topLeft) {
    connection_->setPosition(*state_, topLeft);
    connection_->flush();
}

QPoint LayerSurface::position() const {
    return state_->topLeft;
}

QSize LayerSurface::size() const {
    return state_->logicalSize;
}

qreal LayerSurface::scale() const {
    return state_->scale;
}

bool LayerSurface::isClosed() const {
    return state_->closed;
}

void LayerSurface::showMenu(const std::vector<LayerMenuItem>& items, QPointF local) {
    connection_->showMenu(*state_, items, local);
}

void LayerSurface::closeMenu() {
    connection_->closeMenu(*state_, -1);
}

bool LayerSurface::isMenuOpen() const {
    return state_->menu != nullptr;
}

// --- LayerShell

LayerShell::LayerShell(std::shared_ptr<Connection> connection, QObject* parent)
    : QObject(parent), connection_(std::move(connection)) {}

LayerShell::~LayerShell() {
    connection_->shutdown();
}

std::unique_ptr<LayerShell> LayerShell::connect(QObject* parent) {
    auto connection = std::make_shared<Connection>();
    if (!connection->open()) {
        return nullptr;
    }
    connection->serve();
    return std::unique_ptr<LayerShell>(new LayerShell(std::move(connection), parent));
}

bool LayerShell::offeredByCompositor() {
    wl_display* display = wayland::connectDisplay();
    if (display == nullptr) {
        return false;
    }
    bool offered = false;
    static constexpr wl_registry_listener kListener = {
        [](void* data, wl_registry*, uint32_t, const char* interface, uint32_t) {
            if (std::string_view(interface) == zwlr_layer_shell_v1_interface.name) {
                *static_cast<bool*>(data) = true;
            }
        },
        [](void*, wl_registry*, uint32_t) {},
    };
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &kListener, &offered);
    const bool answered = wayland::boundedRoundtrip(display);
    wl_registry_destroy(registry);
    wl_display_disconnect(display);
    return answered && offered;
}

std::vector<QRect> LayerShell::outputs() const {
    std::vector<QRect> result;
    for (const auto& output : connection_->outputs) {
        result.push_back(output->geometry());
    }
    return result;
}

bool LayerShell::isConnected() const {
    return connection_->usable();
}

std::unique_ptr<LayerSurface> LayerShell::createSurface(QSize logicalSize, QPoint topLeft,
                                                        const QString& nameSpace) {
    return std::unique_ptr<LayerSurface>(
        new LayerSurface(connection_, logicalSize, topLeft, nameSpace));
}

}  // namespace solvane::platform
