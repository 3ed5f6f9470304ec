#include <wayland-client.h>

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPalette>
#include <algorithm>

#include "platform/wayland/internal/connection.h"
#include "wlr-layer-shell-unstable-v1-client-protocol.h"
#include "xdg-shell-client-protocol.h"

namespace solvane::platform::wayland {

namespace {

// Raw evdev key codes: the menu needs no keymap for these.
constexpr uint32_t kKeyEscape = 1;
constexpr uint32_t kKeyEnter = 28;
constexpr uint32_t kKeyKeypadEnter = 96;
constexpr uint32_t kKeyUp = 103;
constexpr uint32_t kKeyDown = 108;

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

}  // namespace

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

}  // namespace solvane::platform::wayland
