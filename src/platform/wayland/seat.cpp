#include <linux/input-event-codes.h>
#include <unistd.h>
#include <wayland-client.h>
#include <wayland-cursor.h>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <utility>

#include "platform/wayland/internal/connection.h"
#include "relative-pointer-unstable-v1-client-protocol.h"

namespace solvane::platform::wayland {

namespace {

// --- listeners: each forwards to Connection, ignoring what Solvane does not use.

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
    [](void* d, wl_pointer*) { static_cast<Connection*>(d)->pointerFrame(); },
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

const wl_touch_listener kTouchListener = {
    [](void* d, wl_touch*, uint32_t serial, uint32_t, wl_surface* surface, int32_t id, wl_fixed_t x,
       wl_fixed_t y) {
        static_cast<Connection*>(d)->touchDown(
            serial, surface, id, QPointF(wl_fixed_to_double(x), wl_fixed_to_double(y)));
    },
    [](void* d, wl_touch*, uint32_t, uint32_t, int32_t id) {
        static_cast<Connection*>(d)->touchUp(id);
    },
    [](void* d, wl_touch*, uint32_t, int32_t id, wl_fixed_t x, wl_fixed_t y) {
        static_cast<Connection*>(d)->touchMotion(
            id, QPointF(wl_fixed_to_double(x), wl_fixed_to_double(y)));
    },
    [](void*, wl_touch*) {},
    [](void* d, wl_touch*) { static_cast<Connection*>(d)->touchCancel(); },
    [](void*, wl_touch*, int32_t, wl_fixed_t, wl_fixed_t) {},
    [](void*, wl_touch*, int32_t, wl_fixed_t) {},
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

// --- seat

void Connection::seatCapabilities(uint32_t capabilities) {
    const bool hasPointer = (capabilities & WL_SEAT_CAPABILITY_POINTER) != 0;
    const bool hasKeyboard = (capabilities & WL_SEAT_CAPABILITY_KEYBOARD) != 0;
    const bool hasTouch = (capabilities & WL_SEAT_CAPABILITY_TOUCH) != 0;
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
    if (hasTouch && touch == nullptr) {
        touch = wl_seat_get_touch(seat);
        wl_touch_add_listener(touch, &kTouchListener, this);
    } else if (!hasTouch && touch != nullptr) {
        touchCancel();
        seatVersion >= 3 ? wl_touch_release(touch) : wl_touch_destroy(touch);
        touch = nullptr;
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
    if (SurfaceState* state = widgetFor(surface); state != nullptr && state->leftDown && !touchId) {
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
    if (state == nullptr || state != pressed || touchId) {
        return;
    }
    if (relativePointer != nullptr && seatVersion >= WL_POINTER_FRAME_SINCE_VERSION) {
        // Whether this motion came with a relative one is known at the
        // frame's end: tablets, virtual machines' and remote desktops'
        // pointers move only absolutely.
        frameMotion = local;
        return;
    }
    if (relativePointer == nullptr) {
        absoluteDrag(*state, local);
    }
}

void Connection::absoluteDrag(SurfaceState& state, QPointF local) {
    // Take the coordinates as the protocol defines them: relative to where
    // the surface is now.
    dragPointer = QPointF(state.shownTopLeft) + local;
    dragTo(state, dragPointer);
}

void Connection::relativeMotion(QPointF delta) {
    // Some compositors keep reporting a held button's motion relative to
    // where the surface was at the press, others relative to where it is
    // now; the relative motion is the same under both. A zero delta is a
    // warp, which says nothing of the motion.
    if (pressed != nullptr && !touchId && !delta.isNull()) {
        frameRelative = true;
        dragPointer = clampToOutputs(dragPointer + delta);
        dragTo(*pressed, dragPointer);
    }
}

void Connection::pointerFrame() {
    const std::optional<QPointF> motion = std::exchange(frameMotion, std::nullopt);
    const bool relative = std::exchange(frameRelative, false);
    SurfaceState* state = widgetFor(pointerFocus);
    if (motion && !relative && state != nullptr && state == pressed) {
        absoluteDrag(*state, *motion);
    }
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
    if (button == BTN_LEFT && touchId) {
        return;  // a finger is dragging it
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
            frameMotion.reset();
            frameRelative = false;
        } else if (state->leftDown) {
            finishDrag(*state);
        }
    } else if (button == BTN_RIGHT && down) {
        state->pressSerial = serial;
        post(state->owner,
             [owner = state->owner, at = pointerLocal] { emit owner->contextMenuRequested(at); });
    }
}

// --- touch: one finger drags a widget as the left button does; the first
// finger down owns the drag, others are ignored until it lifts.

void Connection::touchDown(uint32_t serial, wl_surface* surface, int32_t id, QPointF local) {
    if (MenuState* menu = menuFor(surface)) {
        if (!touchId) {
            touchId = id;
            touchMenu = menu->surface;
            hoverMenu(*menu, local);
        }
        return;
    }
    SurfaceState* state = widgetFor(surface);
    if (state == nullptr || state->closed || touchId || pressed != nullptr) {
        return;
    }
    if (activeMenu != nullptr) {
        closeMenu(*activeMenu, -1);
        return;
    }
    touchId = id;
    state->pressSerial = serial;
    state->leftDown = true;
    state->dragging = false;
    state->pressLocal = local;
    state->pressTopLeft = state->shownTopLeft;
    pressed = state;
}

void Connection::touchMotion(int32_t id, QPointF local) {
    if (touchId != id) {
        return;
    }
    if (MenuState* menu = menuFor(touchMenu)) {
        hoverMenu(*menu, local);
    } else if (pressed != nullptr) {
        absoluteDrag(*pressed, local);
    }
}

void Connection::touchUp(int32_t id) {
    if (touchId != id) {
        return;
    }
    touchId.reset();
    if (MenuState* menu = menuFor(std::exchange(touchMenu, nullptr))) {
        if (menu::isSelectable(menu->items, menu->hover)) {
            closeMenu(*menu->parent, menu->hover);
        }
    } else if (pressed != nullptr) {
        finishDrag(*pressed);
    }
}

void Connection::touchCancel() {
    // The compositor took the touch for a gesture of its own: keep where
    // the drag got to, as when it ends a pointer's grab.
    if (!touchId) {
        return;
    }
    touchId.reset();
    touchMenu = nullptr;
    if (pressed != nullptr) {
        finishDrag(*pressed);
    }
}

}  // namespace solvane::platform::wayland
