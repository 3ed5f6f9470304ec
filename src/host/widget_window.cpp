#include "host/widget_window.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusServiceWatcher>
#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QWindow>

#include <cmath>
#include <mutex>

#include "host/edit_panel.h"
#include "host/gallery_dialog.h"
#include "host/open_solvane.h"
#include "host/widget_placement.h"
#include "host/widget_renderer.h"
#include "host/x11_desktop.h"

namespace solvane::host {

namespace {

// A press that moves less than this is a click, not a drag.
constexpr int kDragThreshold = 4;
// A panel's tray may start after the host; looked for this often.
constexpr int kTrayPollMs = 5000;
constexpr const char* kSniWatcher = "org.kde.StatusNotifierWatcher";
// Screens change in bursts (a mode, then the work area, then the panels
// moving); the widgets move once it has settled, well within a second.
constexpr int kScreensSettleMs = 150;

#ifdef SOLVANE_HAVE_LAYER_SHELL
// The widgets' surface namespace: compositors match layer rules on it. KWin
// instead reads a window type from it, and keeps only "desktop" surfaces on
// the screen while it shows the desktop.
QString layerNamespace(const platform::LayerShell& shell) {
    return shell.typesByNamespace() ? QStringLiteral("desktop") : QStringLiteral("solvane-widget");
}
#endif

bool sniWatcherRegistered() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    QDBusConnectionInterface* names = bus.isConnected() ? bus.interface() : nullptr;
    if (names == nullptr) {
        return false;
    }
    const auto reply = names->isServiceRegistered(kSniWatcher);
    return reply.isValid() && reply.value();
}

// A widget reads as a window of its own: its name the kind's, its
// description what it shows now.
QAccessibleInterface* widgetWindowAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String(WidgetWindow::staticMetaObject.className()) &&
        object->isWidgetType()) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    }
    return nullptr;
}

}  // namespace

ColorScheme desktopScheme() {
    return QGuiApplication::palette().color(QPalette::Window).lightness() < 128
               ? ColorScheme::dark
               : ColorScheme::light;
}

QString widgetTitle(const std::string& displayName) {
    QString name = QString::fromStdString(displayName);
    // The full board shares its name with the app; its window must not
    // pass for the Solvane window in a task list or a window rule.
    if (name.isEmpty() || name == QLatin1String("Solvane")) {
        name = QCoreApplication::translate("WidgetWindow", "Board", "the full board widget");
    }
    return QCoreApplication::translate("WidgetWindow", "Solvane — %1", "a widget window's title")
        .arg(name);
}

WidgetWindow::WidgetWindow(HostController& controller, Desktop& desktop, std::string id,
                           DesktopRoute route)
    : QWidget(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnBottomHint | Qt::Tool |
                           Qt::WindowDoesNotAcceptFocus),
      controller_(controller),
      desktop_(desktop),
      id_(std::move(id)),
      route_(route) {
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_DeleteOnClose, false);
    const PlacedWidget* w = controller_.widget(id_);
    const widgets::WidgetKindSpec* spec = w ? findKind(controller_.kinds(), w->kind) : nullptr;
    static std::once_flag accessible;
    std::call_once(accessible, [] { QAccessible::installFactory(widgetWindowAccessible); });
    setWindowTitle(widgetTitle(spec ? spec->displayName : std::string()));
    setAccessibleName(QString::fromStdString(spec ? spec->displayName : std::string()));
    // An interface Qt built while this was still only a QWidget would lack the role.
    if (QAccessibleInterface* cached = QAccessible::queryAccessibleInterface(this);
        cached != nullptr && cached->role() != QAccessible::Window) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(cached));
    }
    const QSizeF size = widgets::familySize(w ? w->family : widgets::WidgetFamily::small);
    setFixedSize(size.toSize());
    refresh();
}

void WidgetWindow::showAt(QPoint topLeft) {
    // The user's drag goes on where the pointer is.
    if (pressed_ || pos() == topLeft) {
        return;
    }
    move(topLeft);
    updateDesktopBacking();
    update();
}

void WidgetWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (QWindow* window = windowHandle(); window != nullptr && !watchingScreen_) {
        watchingScreen_ = true;
        // Another screen may have another scale: drawn again at its pixels.
        connect(window, &QWindow::screenChanged, this, [this] { refresh(); });
    }
}

void WidgetWindow::showOnDesktop() {
    if (route_ == DesktopRoute::x11) {
        winId();  // the native window, so its properties exist before mapping
        x11::setDesktopWidgetHints(windowHandle());
    }
    show();
    if (route_ == DesktopRoute::x11) {
        x11::requestDesktopWidgetState(windowHandle());
    }
    updateDesktopBacking();
}

void WidgetWindow::updateDesktopBacking() {
    if (route_ != DesktopRoute::x11) {
        return;
    }
    const int radius = static_cast<int>(kWidgetCornerRadius);
    // KWin draws every window of the desktop type opaque, whatever its
    // visual: there the corners come out black unless they are cut away.
    if (x11::compositing() && x11::windowManagerName() != QLatin1String("KWin")) {
        backing_.reset();
        x11::setShape(windowHandle(), {});
    } else {
        // The corners are cut away, so whatever the desktop shows there
        // shows; only the card's soft edge is laid on the colour behind it.
        const qreal ratio = devicePixelRatioF();
        const QSize pixels(qRound(width() * ratio), qRound(height() * ratio));
        x11::setShape(windowHandle(),
                      x11::roundedRectRows(pixels, static_cast<int>(std::floor(radius * ratio))));
        backing_ = x11::desktopColour(frameGeometry())
                       .value_or(QGuiApplication::palette().color(QPalette::Window));
    }
}

void WidgetWindow::refresh() {
    QImage picture = desktop_.picture(id_, devicePixelRatioF());
    if (!picture.isNull()) {
        picture_ = std::move(picture);
    }
    if (const QString text = desktop_.description(id_); !text.isEmpty()) {
        setAccessibleDescription(text);
    }
    updateDesktopBacking();
    update();
}

void WidgetWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(rect(), backing_ ? *backing_ : QColor(Qt::transparent));
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (!picture_.isNull()) {
        painter.drawImage(QPointF(0, 0), picture_);
    }
}

void WidgetWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    if (route_ == DesktopRoute::plain) {
        // Only the compositor may move a plain Wayland window, and it never
        // says where the window ended up, so nothing is stored.
        if (windowHandle() != nullptr) {
            windowHandle()->startSystemMove();
        }
        return;
    }
    pressed_ = true;
    dragged_ = false;
    pressGlobal_ = event->globalPosition().toPoint();
    pressTopLeft_ = pos();
}

void WidgetWindow::mouseMoveEvent(QMouseEvent* event) {
    if (!pressed_ || !(event->buttons() & Qt::LeftButton)) {
        return;
    }
    const QPoint delta = event->globalPosition().toPoint() - pressGlobal_;
    if (!dragged_ && delta.manhattanLength() < kDragThreshold) {
        return;
    }
    dragged_ = true;
    move(pressTopLeft_ + delta);
}

void WidgetWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !pressed_) {
        return;
    }
    pressed_ = false;
    if (dragged_) {
        dragged_ = false;
        controller_.moveWidget(id_, pos());
        updateDesktopBacking();
        update();
        // Left partly off the screen, it is shown whole.
        desktop_.followScreens();
    }
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

#ifdef SOLVANE_HAVE_LAYER_SHELL
LayerWidget::LayerWidget(HostController& controller, Desktop& desktop, platform::LayerShell& shell,
                         std::string id)
    : controller_(controller), desktop_(desktop), id_(std::move(id)) {
    place(shell);
}

LayerWidget::~LayerWidget() = default;

void LayerWidget::place(platform::LayerShell& shell) {
    const PlacedWidget* w = controller_.widget(id_);
    const QSize size = widgets::familySize(w ? w->family : widgets::WidgetFamily::small).toSize();
    surface_ = shell.createSurface(size, desktop_.placeFor(id_), layerNamespace(shell));
    platform::LayerSurface* surface = surface_.get();
    connect(surface, &platform::LayerSurface::scaleChanged, this, &LayerWidget::refresh);
    connect(surface, &platform::LayerSurface::dragFinished, this, [this](QPoint topLeft) {
        controller_.moveWidget(id_, topLeft);
        desktop_.followScreens();
    });
    connect(surface, &platform::LayerSurface::contextMenuRequested, this, &LayerWidget::showMenu);
    connect(surface, &platform::LayerSurface::menuChosen, this, [this](int index) {
        if (index >= 0 && index < static_cast<int>(menu_.size()) && menu_[index].run) {
            // Taken first: the entry may remove this very widget.
            const auto run = std::move(menu_[index].run);
            menu_.clear();
            run();
        }
    });
    connect(surface, &platform::LayerSurface::menuClosed, this, [this] { menu_.clear(); });
    // The output it was on went away: back on one that is there, once the
    // compositor has said which.
    connect(surface, &platform::LayerSurface::closed, this, [this, &shell] {
        if (shell.isConnected()) {
            QTimer::singleShot(0, this, [this, &shell] {
                place(shell);
                refresh();
            });
        }
    });
    refresh();
}

void LayerWidget::refresh() {
    if (!surface_) {
        return;
    }
    QImage picture = desktop_.picture(id_, surface_->scale());
    if (!picture.isNull()) {
        surface_->setImage(picture);
    }
}

QRect LayerWidget::shownGeometry() const {
    return surface_ ? QRect(surface_->position(), surface_->size()) : QRect();
}

void LayerWidget::showAt(QPoint topLeft) {
    if (surface_ && !surface_->isClosed() && surface_->position() != topLeft) {
        surface_->setPosition(topLeft);
    }
}

void LayerWidget::showMenu(QPointF at) {
    menu_ = desktop_.menuEntries(id_);
    std::vector<platform::LayerMenuItem> items;
    items.reserve(menu_.size());
    for (const MenuEntry& entry : menu_) {
        platform::LayerMenuItem item;
        item.text = entry.text;
        item.separator = entry.text.isEmpty();
        item.checkable = entry.checkable;
        item.checked = entry.checked;
        items.push_back(item);
    }
    surface_->showMenu(items, at);
}
#endif

Desktop::Desktop(HostController& controller, DesktopRoute route)
    : controller_(controller), route_(route) {
#ifdef SOLVANE_HAVE_LAYER_SHELL
    if (route_ == DesktopRoute::layerShell) {
        shell_ = platform::LayerShell::connect(this);
    }
#endif
    if (route_ == DesktopRoute::layerShell && !hasLayerShell()) {
        route_ = DesktopRoute::plain;
    }
    screensSettle_.setSingleShot(true);
    screensSettle_.setInterval(kScreensSettleMs);
    connect(&screensSettle_, &QTimer::timeout, this, &Desktop::placeAll);
#ifdef SOLVANE_HAVE_LAYER_SHELL
    if (shell_) {
        connect(shell_.get(), &platform::LayerShell::outputsChanged, this, &Desktop::followScreens);
    }
#endif
    for (QScreen* screen : QGuiApplication::screens()) {
        watchScreen(screen);
    }
    connect(qGuiApp, &QGuiApplication::screenAdded, this, [this](QScreen* screen) {
        watchScreen(screen);
        followScreens();
    });
    connect(qGuiApp, &QGuiApplication::screenRemoved, this, &Desktop::followScreens);
    connect(&controller_, &HostController::entryChanged, this, [this](const QString& id) {
        if (auto it = views_.find(id.toStdString()); it != views_.end()) {
            it->second->refresh();
        }
    });
    connect(&controller_, &HostController::widgetAdded, this,
            [this](const QString& id) { addView(id.toStdString()); });
    connect(&controller_, &HostController::widgetRemoved, this, [this](const QString& id) {
        const auto it = views_.find(id.toStdString());
        if (it == views_.end()) {
            return;
        }
        // Removal comes from the widget's own menu, still on the stack.
        WidgetView* view = it->second.release();
        views_.erase(it);
        if (auto* window = dynamic_cast<QWidget*>(view)) {
            window->hide();
        }
        QTimer::singleShot(0, this, [view] { delete view; });
        // Widgets shown away from their places may have room there now.
        followScreens();
    });
    connect(&controller_, &HostController::accentedColoursChanged, this, [this] {
        for (auto& [id, view] : views_) {
            view->refresh();
        }
    });
    watchForTray();
    if (route_ == DesktopRoute::x11 && x11::active()) {
        stacking_ = std::make_unique<x11::DesktopStacking>();
    }
}

Desktop::~Desktop() {
    views_.clear();
    if (tray_ != nullptr) {
        delete tray_->contextMenu();
    }
}

QImage Desktop::picture(const std::string& id, double scale) const {
    const PlacedWidget* w = controller_.widget(id);
    const auto entry = controller_.currentEntry(id);
    if (w == nullptr || !entry) {
        return {};
    }
    RenderSettings settings;
    settings.family = w->family;
    settings.mode = controller_.accentedColours() ? widgets::RenderingMode::accented
                                                  : widgets::RenderingMode::fullColor;
    settings.scheme = desktopScheme();
    settings.scale = scale;
    QImage picture = renderWidget(controller_.plugin(), w->kind, *entry, settings);
    picture.setDevicePixelRatio(scale);
    return picture;
}

QString Desktop::description(const std::string& id) const {
    return QString::fromStdString(controller_.describe(id).value_or(std::string()));
}

void Desktop::showAll() {
    for (const PlacedWidget& w : controller_.placed().widgets) {
        addView(w.id);
    }
    if (views_.empty()) {
        openGallery();
    }
}

bool Desktop::hasLayerShell() const {
#ifdef SOLVANE_HAVE_LAYER_SHELL
    return shell_ != nullptr;
#else
    return false;
#endif
}

std::vector<ScreenArea> Desktop::screens() const {
    std::vector<ScreenArea> areas;
#ifdef SOLVANE_HAVE_LAYER_SHELL
    if (shell_) {
        for (const platform::OutputArea& output : shell_->outputAreas()) {
            areas.push_back({output.geometry, output.usable});
        }
        return areas;
    }
#endif
    for (const QScreen* screen : QGuiApplication::screens()) {
        areas.push_back({screen->geometry(), screen->availableGeometry()});
    }
    return areas;
}

void Desktop::watchScreen(QScreen* screen) {
    connect(screen, &QScreen::geometryChanged, this, &Desktop::followScreens);
    connect(screen, &QScreen::availableGeometryChanged, this, &Desktop::followScreens);
}

std::map<std::string, QPoint> Desktop::placements() const {
    std::vector<std::string> ids;
    std::vector<QRect> stored;
    for (const PlacedWidget& w : controller_.placed().widgets) {
        if (controller_.isShown(w.id)) {
            ids.push_back(w.id);
            stored.emplace_back(w.position, widgets::familySize(w.family).toSize());
        }
    }
    const std::vector<QPoint> at = placeWidgets(stored, screens());
    std::map<std::string, QPoint> byId;
    for (std::size_t i = 0; i < ids.size(); ++i) {
        byId[ids[i]] = at[i];
    }
    return byId;
}

QPoint Desktop::placeFor(const std::string& id) const {
    const auto all = placements();
    if (const auto it = all.find(id); it != all.end()) {
        return it->second;
    }
    const PlacedWidget* w = controller_.widget(id);
    return w != nullptr ? w->position : QPoint();
}

void Desktop::followScreens() {
    screensSettle_.start();
}

void Desktop::placeAll() {
    const auto all = placements();
    for (auto& [id, view] : views_) {
        if (const auto it = all.find(id); it != all.end()) {
            view->showAt(it->second);
        }
    }
}

void Desktop::addView(const std::string& id) {
    if (!controller_.isShown(id) || views_.contains(id)) {
        return;
    }
#ifdef SOLVANE_HAVE_LAYER_SHELL
    if (shell_) {
        views_[id] = std::make_unique<LayerWidget>(controller_, *this, *shell_, id);
        return;
    }
#endif
    auto window = std::make_unique<WidgetWindow>(controller_, *this, id, route_);
    window->move(placeFor(id));
    window->showOnDesktop();
    views_[id] = std::move(window);
}

std::vector<MenuEntry> Desktop::menuEntries(const std::string& id) {
    std::vector<MenuEntry> entries;
    if (!id.empty()) {
        entries.push_back({QCoreApplication::translate("WidgetWindow", "Edit Widget"),
                           [this, id] { openEditPanel(id); }});
        entries.push_back({QCoreApplication::translate("WidgetWindow", "Remove Widget"),
                           [this, id] { controller_.removeWidget(id); }});
        entries.push_back({});
    } else {
        entries.push_back({QCoreApplication::translate("WidgetWindow", "Open Solvane"),
                           [this] { openSolvane(); }});
        entries.push_back({});
    }
    entries.push_back(
        {QCoreApplication::translate("WidgetWindow", "Add Widget…"), [this] { openGallery(); }});
    const bool accented = controller_.accentedColours();
    entries.push_back({QCoreApplication::translate("WidgetWindow", "Accented Colours"),
                       [this, accented] { controller_.setAccentedColours(!accented); }, true,
                       accented});
    entries.push_back({});
    entries.push_back({QCoreApplication::translate("WidgetWindow", "Quit Widgets"),
                       [] { QCoreApplication::quit(); }});
    return entries;
}

void Desktop::populateMenu(QMenu& menu, const std::string& id) {
    for (MenuEntry& entry : menuEntries(id)) {
        if (entry.text.isEmpty()) {
            menu.addSeparator();
            continue;
        }
        QAction* action = menu.addAction(entry.text);
        action->setCheckable(entry.checkable);
        action->setChecked(entry.checked);
        connect(action, &QAction::triggered, this, [run = std::move(entry.run)] { run(); });
    }
}

void Desktop::openGallery(QRect keepClear) {
    keepClear_ = keepClear;
    if (gallery_) {
        raiseGallery();
        return;
    }
    auto* gallery = new GalleryDialog(controller_.kinds());
    gallery->setAttribute(Qt::WA_DeleteOnClose);
    connect(gallery, &GalleryDialog::addRequested, this, &Desktop::addWidgetAtFreePlace);
    gallery_ = gallery;
    gallery->show();
    raiseGallery();
}

void Desktop::raiseGallery() {
    gallery_->raise();
    gallery_->activateWindow();
    // The user asked for it from another program (the Solvane window, a
    // launcher), so it comes up in front even where the window manager
    // would keep the focus where it was.
    if (x11::active()) {
        x11::activate(gallery_->windowHandle());
    }
}

void Desktop::addWidgetAtFreePlace(const QString& kind, widgets::WidgetFamily family) {
    const QSize size = widgets::familySize(family).toSize();
    const std::vector<ScreenArea> areas = screens();
    if (areas.empty()) {
        controller_.addWidget(kind.toStdString(), family, QPoint(kWidgetGap, kWidgetGap));
        return;
    }
    std::vector<QRect> shown;
    for (const auto& [id, view] : views_) {
        shown.push_back(view->shownGeometry());
    }
    std::vector<QRect> windows;
    ScreenArea area = areas.front();
    if (hasLayerShell()) {
        // Wayland keeps window positions to itself. Compositors open a
        // floating dialog in the middle of the output, so the gallery is
        // taken to be there; the Solvane window's place is not known.
        if (gallery_) {
            QRect guess(QPoint(), gallery_->frameGeometry().size());
            guess.moveCenter(area.geometry.center());
            windows.push_back(guess);
        }
    } else {
        const QScreen* at = QGuiApplication::primaryScreen();
        if (!keepClear_.isEmpty() && QGuiApplication::screenAt(keepClear_.center()) != nullptr) {
            at = QGuiApplication::screenAt(keepClear_.center());
        }
        if (at != nullptr) {
            area = {at->geometry(), at->availableGeometry()};
        }
        if (!keepClear_.isEmpty()) {
            windows.push_back(keepClear_);
        }
        if (gallery_) {
            windows.push_back(gallery_->frameGeometry());
        }
    }
    const QRect free = area.free.isEmpty() ? area.geometry : area.free;
    controller_.addWidget(kind.toStdString(), family, freePlace(size, free, shown, windows));
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

void Desktop::watchForTray() {
    // A panel may start after the host or be restarted: the entry appears
    // whenever a tray does, not only when one was there at start.
    auto* watcher = new QDBusServiceWatcher(kSniWatcher, QDBusConnection::sessionBus(),
                                            QDBusServiceWatcher::WatchForRegistration, this);
    connect(watcher, &QDBusServiceWatcher::serviceRegistered, this, &Desktop::createTrayIfPossible);
    if (x11::active()) {
        trayPoll_.setInterval(kTrayPollMs);
        connect(&trayPoll_, &QTimer::timeout, this, &Desktop::createTrayIfPossible);
        trayPoll_.start();
    }
    createTrayIfPossible();
}

void Desktop::createTrayIfPossible() {
    // Qt decides between the D-Bus item and the X tray once, when an icon is
    // made; made before any tray exists it would never show.
    if (tray_ != nullptr || !(sniWatcherRegistered() || x11::trayManagerPresent())) {
        return;
    }
    trayPoll_.stop();
    tray_ = new QSystemTrayIcon(QApplication::windowIcon(), this);
    tray_->setToolTip(QCoreApplication::translate("WidgetWindow", "Solvane Widgets"));
    auto* menu = new QMenu();
    connect(menu, &QMenu::aboutToShow, this, [this, menu] {
        menu->clear();
        populateMenu(*menu, {});
    });
    // Filled now as well: a D-Bus tray reads the menu before showing it.
    populateMenu(*menu, {});
    tray_->setContextMenu(menu);
    connect(tray_, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::Trigger) {
                    openSolvane();
                }
            });
    tray_->show();
}

}  // namespace solvane::host
