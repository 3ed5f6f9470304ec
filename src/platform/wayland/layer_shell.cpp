#include "platform/wayland/layer_shell.h"

#include <wayland-client.h>

#include <algorithm>
#include <string_view>

#include "platform/wayland/internal/connection.h"
#include "wlr-layer-shell-unstable-v1-client-protocol.h"

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
    : QObject(parent), connection_(std::move(connection)) {
    // Heard mid-dispatch, told from the event loop.
    connection_->onOutputsChanged = [this] {
        QMetaObject::invokeMethod(this, &LayerShell::outputsChanged, Qt::QueuedConnection);
    };
}

LayerShell::~LayerShell() {
    connection_->onOutputsChanged = nullptr;
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

std::vector<OutputArea> LayerShell::outputAreas() const {
    std::vector<OutputArea> result;
    for (const auto& output : connection_->outputs) {
        result.push_back({output->geometry(), output->usable()});
    }
    return result;
}

bool LayerShell::typesByNamespace() const {
    return connection_->kdeShell;
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
