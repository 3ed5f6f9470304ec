// Pixels handed to the compositor through shared memory, for one surface.
//
// Keeps at most two buffers so one can be painted while the compositor still
// reads the other; a buffer is reused only after the compositor has released
// it. When both are held, present() says so and the caller retries once
// `released` runs.
//
//   ShmBuffers buffers(shm, [this] { redrawIfPending(); });
//   if (buffers.present(surface, image, scale)) wl_surface_commit(surface);
#pragma once

#include <QImage>
#include <QSize>
#include <array>
#include <functional>
#include <memory>

struct wl_buffer;
struct wl_shm;
struct wl_surface;

namespace solvane::platform::wayland {

class ShmBuffers {
  public:
    ShmBuffers(wl_shm* shm, std::function<void()> released);
    ~ShmBuffers();
    ShmBuffers(const ShmBuffers&) = delete;
    ShmBuffers& operator=(const ShmBuffers&) = delete;

    // Copies `image` (any format; its pixel size is the buffer's) into a free
    // buffer, attaches it with `bufferScale`, damages the whole surface. The
    // caller commits. False when no buffer is free or memory could not be
    // had; nothing was sent then.
    bool present(wl_surface* surface, const QImage& image, int bufferScale);

    struct Buffer;

  private:
    Buffer* acquire(QSize pixelSize);

    wl_shm* shm_;
    std::function<void()> released_;
    std::array<std::unique_ptr<Buffer>, 2> buffers_;
};

}  // namespace solvane::platform::wayland
