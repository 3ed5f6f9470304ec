#include "platform/wayland/shm_buffers.h"

#include <sys/mman.h>
#include <unistd.h>
#include <wayland-client.h>

#include <climits>
#include <cstring>

namespace solvane::platform::wayland {

struct ShmBuffers::Buffer {
    const std::function<void()>* released = nullptr;
    wl_buffer* buffer = nullptr;
    uchar* data = nullptr;
    std::size_t bytes = 0;
    QSize size;
    int stride = 0;
    bool busy = false;

    Buffer() = default;
    Buffer(const Buffer&) = delete;
    Buffer& operator=(const Buffer&) = delete;
    ~Buffer() {
        if (buffer != nullptr) {
            wl_buffer_destroy(buffer);
        }
        if (data != nullptr) {
            ::munmap(data, bytes);
        }
    }
};

namespace {

void onRelease(void* data, wl_buffer* /*buffer*/) {
    auto* buffer = static_cast<ShmBuffers::Buffer*>(data);
    buffer->busy = false;
    if (buffer->released != nullptr && *buffer->released) {
        (*buffer->released)();
    }
}

constexpr wl_buffer_listener kBufferListener = {onRelease};

}  // namespace

ShmBuffers::ShmBuffers(wl_shm* shm, std::function<void()> released)
    : shm_(shm), released_(std::move(released)) {}

ShmBuffers::~ShmBuffers() = default;

ShmBuffers::Buffer* ShmBuffers::acquire(QSize pixelSize) {
    for (auto& slot : buffers_) {
        if (slot && !slot->busy && slot->size == pixelSize) {
            return slot.get();
        }
    }
    // An empty slot first, so a resize does not throw away the buffer the
    // compositor may still show until the next commit.
    std::unique_ptr<Buffer>* target = nullptr;
    for (auto& slot : buffers_) {
        if (!slot) {
            target = &slot;
            break;
        }
    }
    for (auto& slot : buffers_) {
        if (target == nullptr && !slot->busy) {
            target = &slot;
        }
    }
    if (target == nullptr || shm_ == nullptr) {
        return nullptr;
    }
    target->reset();

    const long long stride = 4LL * pixelSize.width();
    const long long bytes = stride * pixelSize.height();
    if (pixelSize.isEmpty() || stride > INT_MAX || bytes > INT_MAX) {
        return nullptr;
    }
    const int fd = ::memfd_create("solvane-shm", MFD_CLOEXEC);
    if (fd < 0) {
        return nullptr;
    }
    if (::ftruncate(fd, static_cast<off_t>(bytes)) != 0) {
        ::close(fd);
        return nullptr;
    }
    void* data =
        ::mmap(nullptr, static_cast<std::size_t>(bytes), PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    if (data == MAP_FAILED) {
        ::close(fd);
        return nullptr;
    }
    auto buffer = std::make_unique<Buffer>();
    buffer->released = &released_;
    buffer->data = static_cast<uchar*>(data);
    buffer->bytes = static_cast<std::size_t>(bytes);
    buffer->size = pixelSize;
    buffer->stride = static_cast<int>(stride);
    // The request carries a duplicate of the descriptor, so ours can go
    // straight away; the mapping keeps the memory.
    wl_shm_pool* pool = wl_shm_create_pool(shm_, fd, static_cast<int32_t>(bytes));
    ::close(fd);
    // ARGB8888 is a little-endian 32-bit word, the byte order of
    // QImage::Format_ARGB32_Premultiplied on the machines this runs on.
    buffer->buffer = wl_shm_pool_create_buffer(pool, 0, pixelSize.width(), pixelSize.height(),
                                               buffer->stride, WL_SHM_FORMAT_ARGB8888);
    wl_shm_pool_destroy(pool);
    if (buffer->buffer == nullptr) {
        return nullptr;
    }
    wl_buffer_add_listener(buffer->buffer, &kBufferListener, buffer.get());
    *target = std::move(buffer);
    return target->get();
}

bool ShmBuffers::present(wl_surface* surface, const QImage& image, int bufferScale) {
    if (surface == nullptr || image.isNull()) {
        return false;
    }
    const QImage pixels = image.format() == QImage::Format_ARGB32_Premultiplied
                              ? image
                              : image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    Buffer* buffer = acquire(pixels.size());
    if (buffer == nullptr) {
        return false;
    }
    const std::size_t rowBytes = static_cast<std::size_t>(buffer->size.width()) * 4;
    for (int y = 0; y < buffer->size.height(); ++y) {
        std::memcpy(buffer->data + static_cast<std::size_t>(y) * buffer->stride,
                    pixels.constScanLine(y), rowBytes);
    }
    buffer->busy = true;
    wl_surface_set_buffer_scale(surface, bufferScale);
    wl_surface_attach(surface, buffer->buffer, 0, 0);
    wl_surface_damage(surface, 0, 0, INT32_MAX, INT32_MAX);
    return true;
}

}  // namespace solvane::platform::wayland
