#include <wayland-client.h>

#include <QLineF>
#include <QRectF>
#include <algorithm>
#include <limits>

#include "platform/wayland/internal/connection.h"
#include "wlr-layer-shell-unstable-v1-client-protocol.h"

namespace solvane::platform::wayland {

namespace {

constexpr int kDragThreshold = 4;

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

}  // namespace

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
    state.moveSettled = false;
    const Output* output = outputByName(state.outputName);
    state.awaitingArrange = kdeShell && output != nullptr && output->probeLayer != nullptr;
    state.moveSync = wl_display_sync(display);
    wl_callback_add_listener(state.moveSync, &kMoveSyncListener, &state);
    flush();
}

void Connection::moveSynced(SurfaceState& state) {
    wl_callback_destroy(state.moveSync);
    state.moveSync = nullptr;
    // KWin moves layer surfaces in a later pass than the one that read the
    // new margins, and input it handles before that is still relative to the
    // old place. That pass configures the output's probe surface (which never
    // has a size of its own); a second sync stands in where it does not come.
    if (state.awaitingArrange && !state.moveSettled) {
        state.moveSettled = true;
        state.moveSync = wl_display_sync(display);
        wl_callback_add_listener(state.moveSync, &kMoveSyncListener, &state);
        flush();
        return;
    }
    moveShown(state);
}

void Connection::arranged(Output& output) {
    for (SurfaceState* state : surfaces) {
        // A configure before the move's first sync came back may come from
        // an earlier pass.
        if (state->outputName == output.name && state->awaitingArrange && state->moveSettled &&
            state->moveSync != nullptr) {
            wl_callback_destroy(state->moveSync);
            state->moveSync = nullptr;
            moveShown(*state);
        }
    }
}

void Connection::moveShown(SurfaceState& state) {
    state.awaitingArrange = false;
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

// --- drag

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
