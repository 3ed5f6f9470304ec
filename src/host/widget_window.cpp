#include "host/widget_window.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QWindow>

#include "host/edit_panel.h"
#include "host/gallery_dialog.h"
#include "host/widget_renderer.h"

namespace solvane::host {

ColorScheme desktopScheme() {
    return QGuiApplication::palette().color(QPalette::Window).lightness() < 128
               ? ColorScheme::dark
               : ColorScheme::light;
}

WidgetWindow::WidgetWindow(HostController& controller, Desktop& desktop, std::string id)
    : QWidget(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnBottomHint | Qt::Tool),
      controller_(controller),
      desktop_(desktop),
      id_(std::move(id)) {
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_DeleteOnClose, false);
    setWindowTitle("Solvane Widget");
    const PlacedWidget* w = controller_.widget(id_);
    const QSizeF size = widgets::familySize(w ? w->family : widgets::WidgetFamily::small);
    setFixedSize(size.toSize());
    if (w != nullptr) {
        move(w->position);
    }
    // A drag produces a stream of moves; the file is written once it settles.
    savePosition_.setSingleShot(true);
    savePosition_.setInterval(500);
    connect(&savePosition_, &QTimer::timeout, this, [this] { controller_.moveWidget(id_, pos()); });
    refresh();
}

void WidgetWindow::refresh() {
    const PlacedWidget* w = controller_.widget(id_);
    const auto entry = controller_.currentEntry(id_);
    if (w == nullptr || !entry) {
        return;
    }
    RenderSettings settings;
    settings.family = w->family;
    settings.mode = controller_.accentedColours() ? widgets::RenderingMode::accented
                                                  : widgets::RenderingMode::fullColor;
    settings.scheme = desktopScheme();
    settings.scale = devicePixelRatioF();
    QImage picture = renderWidget(controller_.plugin(), w->kind, *entry, settings);
    if (!picture.isNull()) {
        picture.setDevicePixelRatio(settings.scale);
        picture_ = std::move(picture);
    }
    update();
}

void WidgetWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(rect(), Qt::transparent);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (!picture_.isNull()) {
        painter.drawImage(QPointF(0, 0), picture_);
    }
}

void WidgetWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    // Wayland lets only the compositor move a window; elsewhere move it ourselves.
    if (windowHandle() != nullptr && windowHandle()->startSystemMove()) {
        return;
    }
    dragging_ = true;
    dragOffset_ = event->globalPosition().toPoint() - frameGeometry().topLeft();
}

void WidgetWindow::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_ && (event->buttons() & Qt::LeftButton)) {
        move(event->globalPosition().toPoint() - dragOffset_);
    }
}

void WidgetWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && dragging_) {
        dragging_ = false;
        controller_.moveWidget(id_, pos());
    }
}

void WidgetWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    savePosition_.start();
}

void WidgetWindow::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    desktop_.populateMenu(menu, id_);
    menu.exec(event->globalPos());
}

void WidgetWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange ||
        event->type() == QEvent::ApplicationPaletteChange) {
        refresh();
    }
}

Desktop::Desktop(HostController& controller) : controller_(controller) {
    connect(&controller_, &HostController::entryChanged, this, [this](const QString& id) {
        if (auto it = windows_.find(id.toStdString()); it != windows_.end()) {
            it->second->refresh();
        }
    });
    connect(&controller_, &HostController::widgetAdded, this,
            [this](const QString& id) { addWindow(id.toStdString()); });
    connect(&controller_, &HostController::widgetRemoved, this, [this](const QString& id) {
        if (auto it = windows_.find(id.toStdString()); it != windows_.end()) {
            it->second->deleteLater();
            windows_.erase(it);
        }
    });
    connect(&controller_, &HostController::accentedColoursChanged, this, [this] {
        for (auto& [id, window] : windows_) {
            window->refresh();
        }
    });
    if (QSystemTrayIcon::isSystemTrayAvailable()) {
        tray_ = new QSystemTrayIcon(QApplication::windowIcon(), this);
        tray_->setToolTip("Solvane Widgets");
        auto* menu = new QMenu();
        connect(menu, &QMenu::aboutToShow, this, [this, menu] {
            menu->clear();
            populateMenu(*menu, {});
        });
        tray_->setContextMenu(menu);
        tray_->show();
    }
}

Desktop::~Desktop() {
    for (auto& [id, window] : windows_) {
        delete window;
    }
    if (tray_ != nullptr) {
        delete tray_->contextMenu();
    }
}

void Desktop::showAll() {
    for (const PlacedWidget& w : controller_.placed().widgets) {
        addWindow(w.id);
    }
    if (windows_.empty()) {
        openGallery();
    }
}

void Desktop::addWindow(const std::string& id) {
    if (!controller_.isShown(id) || windows_.contains(id)) {
        return;
    }
    auto* window = new WidgetWindow(controller_, *this, id);
    windows_[id] = window;
    window->show();
}

void Desktop::populateMenu(QMenu& menu, const std::string& id) {
    if (!id.empty()) {
        menu.addAction("Edit Widget", this, [this, id] { openEditPanel(id); });
        menu.addAction("Remove Widget", this, [this, id] { controller_.removeWidget(id); });
        menu.addSeparator();
    }
    menu.addAction("Add Widget…", this, [this] { openGallery(); });
    QAction* accented = menu.addAction("Accented Colours");
    accented->setCheckable(true);
    accented->setChecked(controller_.accentedColours());
    connect(accented, &QAction::toggled, this,
            [this](bool on) { controller_.setAccentedColours(on); });
    menu.addSeparator();
    menu.addAction("Quit Widgets", qApp, &QApplication::quit);
}

void Desktop::openGallery() {
    if (gallery_) {
        gallery_->raise();
        gallery_->activateWindow();
        return;
    }
    auto* gallery = new GalleryDialog(controller_.kinds());
    gallery->setAttribute(Qt::WA_DeleteOnClose);
    connect(gallery, &GalleryDialog::addRequested, this,
            [this](const QString& kind, widgets::WidgetFamily family) {
                QPoint where(40, 40);
                if (const QScreen* screen = QGuiApplication::primaryScreen()) {
                    const QSizeF size = widgets::familySize(family);
                    where = screen->availableGeometry().center() -
                            QPoint(static_cast<int>(size.width() / 2),
                                   static_cast<int>(size.height() / 2));
                }
                controller_.addWidget(kind.toStdString(), family, where);
            });
    gallery_ = gallery;
    gallery->show();
}

void Desktop::openEditPanel(const std::string& id) {
    const PlacedWidget* w = controller_.widget(id);
    const widgets::WidgetKindSpec* spec = w ? findKind(controller_.kinds(), w->kind) : nullptr;
    if (spec == nullptr) {
        return;
    }
    EditPanel panel(controller_.plugin(), *spec, w->configuration);
    if (panel.exec() == QDialog::Accepted) {
        controller_.setConfiguration(id, panel.configuration());
    }
}

}  // namespace solvane::host
