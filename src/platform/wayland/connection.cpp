#include <poll.h>
#include <wayland-client.h>
#include <wayland-cursor.h>

#include <QAbstractEventDispatcher>
#include <QSocketNotifier>
#include <QThread>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>

#include "platform/wayland/internal/connection.h"
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

constexpr std::chrono::milliseconds kRoundtripLimit{2000};

void onSyncDone(void* data, wl_callback* /*callback*/, uint32_t /*serial*/) {
    *static_cast<bool*>(data) = true;
}
constexpr wl_callback_listener kSyncListener = {onSyncDone};

}  // namespace

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
    } else if (iface == "org_kde_plasma_shell") {
        c->kdeShell = true;
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
        dropProbe(*output);
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
    if (output.probe == nullptr) {
        probeUsable(output);
    }
    outputsChanged();
}

void Connection::outputsChanged() {
    if (onOutputsChanged) {
        onOutputsChanged();
    }
}

namespace {

const zwlr_layer_surface_v1_listener kProbeListener = {
    [](void* d, zwlr_layer_surface_v1*, uint32_t serial, uint32_t width, uint32_t height) {
        auto* o = static_cast<Output*>(d);
        o->connection->usableConfigured(
            *o, serial,
            QSize(static_cast<int>(std::min<uint32_t>(width, 1u << 20)),
                  static_cast<int>(std::min<uint32_t>(height, 1u << 20))));
    },
    [](void* d, zwlr_layer_surface_v1*) {
        auto* o = static_cast<Output*>(d);
        o->connection->dropProbe(*o);
        o->connection->outputsChanged();
    },
};

}  // namespace

void Connection::probeUsable(Output& output) {
    if (!usable() || layerShell == nullptr || compositor == nullptr) {
        return;
    }
    output.probe = wl_compositor_create_surface(compositor);
    output.probeLayer = zwlr_layer_shell_v1_get_layer_surface(
        layerShell, output.probe, output.output, ZWLR_LAYER_SHELL_V1_LAYER_BACKGROUND,
        "solvane-usable-area");
    zwlr_layer_surface_v1_add_listener(output.probeLayer, &kProbeListener, &output);
    zwlr_layer_surface_v1_set_size(output.probeLayer, 0, 0);
    zwlr_layer_surface_v1_set_anchor(output.probeLayer, ZWLR_LAYER_SURFACE_V1_ANCHOR_TOP |
                                                            ZWLR_LAYER_SURFACE_V1_ANCHOR_BOTTOM |
                                                            ZWLR_LAYER_SURFACE_V1_ANCHOR_LEFT |
                                                            ZWLR_LAYER_SURFACE_V1_ANCHOR_RIGHT);
    zwlr_layer_surface_v1_set_exclusive_zone(output.probeLayer, 0);
    zwlr_layer_surface_v1_set_keyboard_interactivity(
        output.probeLayer, ZWLR_LAYER_SURFACE_V1_KEYBOARD_INTERACTIVITY_NONE);
    // Committed without a buffer: configured, never shown.
    wl_surface_commit(output.probe);
}

void Connection::dropProbe(Output& output) {
    if (output.probeLayer != nullptr) {
        zwlr_layer_surface_v1_destroy(output.probeLayer);
        output.probeLayer = nullptr;
    }
    if (output.probe != nullptr) {
        retire(output.probe);
        output.probe = nullptr;
    }
    output.usableSize = QSize();
}

void Connection::usableConfigured(Output& output, uint32_t serial, QSize size) {
    zwlr_layer_surface_v1_ack_configure(output.probeLayer, serial);
    arranged(output);
    if (size != output.usableSize) {
        output.usableSize = size;
        outputsChanged();
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
        dropProbe(**it);
        if ((*it)->xdgOutput != nullptr) {
            zxdg_output_v1_destroy((*it)->xdgOutput);
        }
        if ((*it)->version >= 3) {
            wl_output_release((*it)->output);
        } else {
            wl_output_destroy((*it)->output);
        }
        outputs.erase(it);
        outputsChanged();
        return;
    }
}

}  // namespace solvane::platform::wayland
