// A pointer, a keyboard and an ordinary window on a Wayland connection of
// their own; every call returns once the compositor has handled it.
#pragma once

#include <QPoint>
#include <QSize>
#include <cstdint>

struct wl_buffer;
struct wl_compositor;
struct wl_display;
struct wl_registry;
struct wl_seat;
struct wl_shm;
struct wl_surface;
struct xdg_surface;
struct xdg_toplevel;
struct xdg_wm_base;
struct zwlr_virtual_pointer_manager_v1;
struct zwlr_virtual_pointer_v1;
struct zwp_virtual_keyboard_manager_v1;
struct zwp_virtual_keyboard_v1;

namespace solvane::testing {

class VirtualInput {
  public:
    VirtualInput() = default;
    ~VirtualInput();
    VirtualInput(const VirtualInput&) = delete;
    VirtualInput& operator=(const VirtualInput&) = delete;

    // Connects to the compositor named by the environment; `layout` is the
    // size of the bounding box of all outputs, which absolute positions
    // are taken in.
    bool open(QSize layout);

    void move(QPoint to);
    void button(uint32_t code, bool pressed);
    void click(QPoint at, uint32_t code);
    void key(uint32_t code);
    // Maps an ordinary window, which the compositor tiles over the output.
    bool coverDesktop();
    // False once the compositor is gone or refused a request.
    bool ok() const;

    struct Globals;

  private:
    void sync();

    wl_display* display_ = nullptr;
    wl_registry* registry_ = nullptr;
    Globals* globals_ = nullptr;
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
