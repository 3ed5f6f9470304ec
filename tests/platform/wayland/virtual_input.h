// A pointer, a keyboard and an ordinary window on a Wayland connection of
// their own; every call returns once the compositor has handled it.
#pragma once

#include <sys/mman.h>
#include <unistd.h>
#include <wayland-client.h>

#include <QPoint>
#include <QSize>
#include <algorithm>
#include <cstdint>
#include <string_view>

#include "virtual-keyboard-unstable-v1-client-protocol.h"
#include "wlr-virtual-pointer-unstable-v1-client-protocol.h"
#include "xdg-shell-client-protocol.h"

namespace solvane::testing {

class VirtualInput {
  public:
    VirtualInput() = default;
    VirtualInput(const VirtualInput&) = delete;
    VirtualInput& operator=(const VirtualInput&) = delete;

    ~VirtualInput() {
        // Each proxy is the client's memory, which disconnecting does not free.
        auto drop = [](auto*& proxy) {
            if (proxy != nullptr) {
                wl_proxy_destroy(reinterpret_cast<wl_proxy*>(proxy));
                proxy = nullptr;
            }
        };
        drop(windowBuffer_);
        drop(toplevel_);
        drop(windowXdg_);
        drop(window_);
        drop(pointer_);
        drop(keyboard_);
        drop(globals_.pointers);
        drop(globals_.keyboards);
        drop(globals_.wmBase);
        drop(globals_.seat);
        drop(globals_.shm);
        drop(globals_.compositor);
        drop(registry_);
        if (display_ != nullptr) {
            wl_display_disconnect(display_);
        }
    }

    // Connects to the environment's compositor; positions are in `layout`, all outputs' box.
    bool open(QSize layout) {
        layout_ = layout;
        display_ = wl_display_connect(nullptr);
        if (display_ == nullptr) {
            return false;
        }
        registry_ = wl_display_get_registry(display_);
        static constexpr wl_registry_listener kRegistryListener = {
            global, [](void*, wl_registry*, uint32_t) {}};
        wl_registry_add_listener(registry_, &kRegistryListener, &globals_);
        wl_display_roundtrip(display_);
        if (globals_.pointers == nullptr || globals_.keyboards == nullptr ||
            globals_.seat == nullptr) {
            return false;
        }
        pointer_ = zwlr_virtual_pointer_manager_v1_create_virtual_pointer(globals_.pointers,
                                                                          globals_.seat);
        keyboard_ = zwp_virtual_keyboard_manager_v1_create_virtual_keyboard(globals_.keyboards,
                                                                            globals_.seat);
        const int fd = ::memfd_create("solvane-test-keymap", MFD_CLOEXEC);
        const std::size_t size = kKeymap.size() + 1;
        if (fd < 0 || ::ftruncate(fd, static_cast<off_t>(size)) != 0 ||
            ::write(fd, kKeymap.data(), kKeymap.size()) != static_cast<ssize_t>(kKeymap.size())) {
            return false;
        }
        zwp_virtual_keyboard_v1_keymap(keyboard_, WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1, fd,
                                       static_cast<uint32_t>(size));
        ::close(fd);
        sync();
        return ok();
    }

    // False once the compositor is gone or refused a request.
    bool ok() const { return display_ != nullptr && wl_display_get_error(display_) == 0; }

    void move(QPoint to) {
        zwlr_virtual_pointer_v1_motion_absolute(
            pointer_, time_++, static_cast<uint32_t>(to.x()), static_cast<uint32_t>(to.y()),
            static_cast<uint32_t>(layout_.width()), static_cast<uint32_t>(layout_.height()));
        zwlr_virtual_pointer_v1_frame(pointer_);
        sync();
    }

    void button(uint32_t code, bool pressed) {
        zwlr_virtual_pointer_v1_button(
            pointer_, time_++, code,
            pressed ? WL_POINTER_BUTTON_STATE_PRESSED : WL_POINTER_BUTTON_STATE_RELEASED);
        zwlr_virtual_pointer_v1_frame(pointer_);
        sync();
    }

    void click(QPoint at, uint32_t code) {
        move(at);
        button(code, true);
        button(code, false);
    }

    void key(uint32_t code) {
        zwp_virtual_keyboard_v1_key(keyboard_, time_++, code, WL_KEYBOARD_KEY_STATE_PRESSED);
        zwp_virtual_keyboard_v1_key(keyboard_, time_++, code, WL_KEYBOARD_KEY_STATE_RELEASED);
        sync();
    }

    // Maps an ordinary window, which the compositor tiles over the output.
    bool coverDesktop() {
        if (globals_.compositor == nullptr || globals_.shm == nullptr ||
            globals_.wmBase == nullptr) {
            return false;
        }
        static constexpr xdg_surface_listener kSurfaceListener = {
            [](void* data, xdg_surface*, uint32_t serial) {
                auto* g = static_cast<Globals*>(data);
                g->configureSerial = serial;
                g->configured = true;
            }};
        static constexpr xdg_toplevel_listener kToplevelListener = {
            [](void*, xdg_toplevel*, int32_t, int32_t, wl_array*) {},
            [](void*, xdg_toplevel*) {},
            [](void*, xdg_toplevel*, int32_t, int32_t) {},
            [](void*, xdg_toplevel*, wl_array*) {},
        };
        window_ = wl_compositor_create_surface(globals_.compositor);
        windowXdg_ = xdg_wm_base_get_xdg_surface(globals_.wmBase, window_);
        xdg_surface_add_listener(windowXdg_, &kSurfaceListener, &globals_);
        toplevel_ = xdg_surface_get_toplevel(windowXdg_);
        xdg_toplevel_add_listener(toplevel_, &kToplevelListener, &globals_);
        xdg_toplevel_set_title(toplevel_, "cover");
        wl_surface_commit(window_);
        for (int i = 0; i < 50 && !globals_.configured && ok(); ++i) {
            sync();
        }
        if (!globals_.configured) {
            return false;
        }
        xdg_surface_ack_configure(windowXdg_, globals_.configureSerial);

        constexpr int kSide = 64;
        const int fd = ::memfd_create("solvane-test-window", MFD_CLOEXEC);
        if (fd < 0 || ::ftruncate(fd, kSide * kSide * 4) != 0) {
            return false;
        }
        wl_shm_pool* pool = wl_shm_create_pool(globals_.shm, fd, kSide * kSide * 4);
        ::close(fd);
        windowBuffer_ =
            wl_shm_pool_create_buffer(pool, 0, kSide, kSide, kSide * 4, WL_SHM_FORMAT_XRGB8888);
        wl_shm_pool_destroy(pool);
        wl_surface_attach(window_, windowBuffer_, 0, 0);
        wl_surface_damage(window_, 0, 0, kSide, kSide);
        wl_surface_commit(window_);
        sync();
        return ok();
    }

  private:
    struct Globals {
        wl_compositor* compositor = nullptr;
        wl_shm* shm = nullptr;
        wl_seat* seat = nullptr;
        xdg_wm_base* wmBase = nullptr;
        zwlr_virtual_pointer_manager_v1* pointers = nullptr;
        zwp_virtual_keyboard_manager_v1* keyboards = nullptr;
        uint32_t configureSerial = 0;
        bool configured = false;
    };

    // Only the keys the tests press; the compositor wants a keymap before any key.
    static constexpr std::string_view kKeymap = R"(xkb_keymap {
    xkb_keycodes "solvane" {
        minimum = 8;
        maximum = 255;
        <ESC> = 9;
        <RTRN> = 36;
        <DOWN> = 116;
    };
    xkb_types "solvane" {
        type "ONE_LEVEL" {
            modifiers = none;
            level_name[Level1] = "Any";
        };
    };
    xkb_compatibility "solvane" {
    };
    xkb_symbols "solvane" {
        key <ESC> { [ Escape ] };
        key <RTRN> { [ Return ] };
        key <DOWN> { [ Down ] };
    };
    };
    )";

    static void global(void* data, wl_registry* registry, uint32_t name, const char* interface,
                       uint32_t version) {
        auto* g = static_cast<Globals*>(data);
        const std::string_view iface(interface);
        if (iface == wl_compositor_interface.name) {
            g->compositor = static_cast<wl_compositor*>(
                wl_registry_bind(registry, name, &wl_compositor_interface, 4));
        } else if (iface == wl_shm_interface.name) {
            g->shm = static_cast<wl_shm*>(wl_registry_bind(registry, name, &wl_shm_interface, 1));
        } else if (iface == wl_seat_interface.name && g->seat == nullptr) {
            g->seat = static_cast<wl_seat*>(
                wl_registry_bind(registry, name, &wl_seat_interface, std::min(version, 5u)));
        } else if (iface == xdg_wm_base_interface.name) {
            static constexpr xdg_wm_base_listener kListener = {
                [](void*, xdg_wm_base* base, uint32_t serial) { xdg_wm_base_pong(base, serial); }};
            g->wmBase = static_cast<xdg_wm_base*>(
                wl_registry_bind(registry, name, &xdg_wm_base_interface, 1));
            xdg_wm_base_add_listener(g->wmBase, &kListener, g);
        } else if (iface == zwlr_virtual_pointer_manager_v1_interface.name) {
            g->pointers = static_cast<zwlr_virtual_pointer_manager_v1*>(
                wl_registry_bind(registry, name, &zwlr_virtual_pointer_manager_v1_interface, 1));
        } else if (iface == zwp_virtual_keyboard_manager_v1_interface.name) {
            g->keyboards = static_cast<zwp_virtual_keyboard_manager_v1*>(
                wl_registry_bind(registry, name, &zwp_virtual_keyboard_manager_v1_interface, 1));
        }
    }

    void sync() {
        if (display_ != nullptr) {
            wl_display_roundtrip(display_);
        }
    }

    wl_display* display_ = nullptr;
    wl_registry* registry_ = nullptr;
    Globals globals_;
    zwlr_virtual_pointer_v1* pointer_ = nullptr;
    zwp_virtual_keyboard_v1* keyboard_ = nullptr;
    wl_surface* window_ = nullptr;
    xdg_surface* windowXdg_ = nullptr;
    xdg_toplevel* toplevel_ = nullptr;
    wl_buffer* windowBuffer_ = nullptr;
    QSize layout_;
    uint32_t time_ = 1;
};

}  // namespace solvane::testing
