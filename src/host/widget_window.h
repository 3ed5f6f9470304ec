// The desktop side of the host: one view per placed widget, the gallery, the
// "Edit Widget" panel and the tray entry.
//
// A view is either a frameless Qt window made a desktop widget (X11 and
// XWayland, or a plain window elsewhere) or a surface on the compositor's
// desktop layer (Wayland with layer-shell). Either way a widget's position is
// the user's: it is stored only when the user has dragged the widget and let
// go, never because the window system moved or placed the window. Where a
// widget shows follows the screens as they change (widget_placement.h): a
// stored position the screens cannot show whole is shown elsewhere without
// being stored, and comes back when its screen does.
#pragma once

#include <QImage>
#include <QPointer>
#include <QRect>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/desktop_route.h"
#include "host/host_controller.h"
#include "host/widget_placement.h"
#ifdef SOLVANE_HAVE_LAYER_SHELL
#include "platform/wayland/layer_shell.h"
#endif

class QMenu;
class QScreen;
class QSystemTrayIcon;

namespace solvane::host {

class Desktop;
namespace x11 {
class DesktopStacking;
class WorkAreaWatch;
}  // namespace x11

// One placed widget on the desktop.
class WidgetView {
  public:
    virtual ~WidgetView() = default;
    // Draws the current entry again; a failed paint keeps the last picture.
    virtual void refresh() = 0;
    // Where it shows now, in global coordinates (empty when unknown).
    virtual QRect shownGeometry() const = 0;
    // Shows it with its top-left at `topLeft`; nothing is stored.
    virtual void showAt(QPoint topLeft) = 0;
};

// One item of a widget's or the tray's menu.
struct MenuEntry {
    QString text;  // empty: a separator
    std::function<void()> run;
    bool checkable = false;
    bool checked = false;
};

class WidgetWindow : public QWidget, public WidgetView {
    Q_OBJECT

  public:
    WidgetWindow(HostController& controller, Desktop& desktop, std::string id, DesktopRoute route);

    const std::string& id() const { return id_; }
    void refresh() override;
    QRect shownGeometry() const override { return frameGeometry(); }
    void showAt(QPoint topLeft) override;
    void showOnDesktop();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void updateDesktopBacking();

    HostController& controller_;
    Desktop& desktop_;
    std::string id_;
    DesktopRoute route_;
    QImage picture_;
    // Without a compositing manager transparent pixels show black; the
    // card is then laid on this colour instead.
    std::optional<QColor> backing_;
    QPoint pressGlobal_;
    QPoint pressTopLeft_;
    bool pressed_ = false;
    bool dragged_ = false;
    bool watchingScreen_ = false;
};

#ifdef SOLVANE_HAVE_LAYER_SHELL
// A widget on a Wayland compositor's bottom layer, through layer-shell.
class LayerWidget : public QObject, public WidgetView {
    Q_OBJECT

  public:
    LayerWidget(HostController& controller, Desktop& desktop, platform::LayerShell& shell,
                std::string id);
    ~LayerWidget() override;

    void refresh() override;
    QRect shownGeometry() const override;
    void showAt(QPoint topLeft) override;

    // The same widget on a new surface, of the namespace the desktop asks now.
    void replace(platform::LayerShell& shell);

  private:
    void showMenu(QPointF at);
    void place(platform::LayerShell& shell);

    HostController& controller_;
    Desktop& desktop_;
    std::string id_;
    std::unique_ptr<platform::LayerSurface> surface_;
    std::vector<MenuEntry> menu_;  // the entries of the open menu
};
#endif

class Desktop : public QObject {
    Q_OBJECT

  public:
    Desktop(HostController& controller, DesktopRoute route);
    ~Desktop() override;

    void showAll();
    // Where widget `id` shows on the screens as they are now.
    QPoint placeFor(const std::string& id) const;
    // Every widget to where the screens as they are now show it, soon (the
    // screens' changes come in bursts).
    void followScreens();
    // Opens the gallery, or raises it; new widgets keep clear of `keepClear`
    // (a window of the program that asked) as well as of the other widgets.
    void openGallery(QRect keepClear = {});
    void openEditPanel(const std::string& id);
    std::vector<MenuEntry> menuEntries(const std::string& id);
    void populateMenu(QMenu& menu, const std::string& id);
    // The picture of widget `id` now, at `scale`, in the desktop's scheme.
    QImage picture(const std::string& id, double scale) const;
    // What a screen reader says for widget `id` now; empty when unknown.
    QString description(const std::string& id) const;
#ifdef SOLVANE_HAVE_LAYER_SHELL
    // The namespace a widget's layer surface is made with now.
    QString layerNamespace() const;
#endif

  private slots:
#ifdef SOLVANE_HAVE_LAYER_SHELL
    void kwinShowsDesktop(bool showing);
#endif

  private:
    void addView(const std::string& id);
    bool hasLayerShell() const;
    std::vector<ScreenArea> screens() const;
    std::map<std::string, QPoint> placements() const;
    void placeAll();
    void raiseGallery();
    void watchScreen(QScreen* screen);
    void addWidgetAtFreePlace(const QString& kind, widgets::WidgetFamily family);
    void watchForTray();
    void createTrayIfPossible();
#ifdef SOLVANE_HAVE_LAYER_SHELL
    void followKWin();
    // XWayland's work area on the outputs' layout; empty when unknown.
    QRect workAreaOnOutputs(const std::vector<platform::OutputArea>& outputs) const;
#endif

    HostController& controller_;
    DesktopRoute route_;
#ifdef SOLVANE_HAVE_LAYER_SHELL
    std::unique_ptr<platform::LayerShell> shell_;
    bool kwinShowingDesktop_ = false;
#endif
    std::unique_ptr<x11::WorkAreaWatch> workArea_;
    std::map<std::string, std::unique_ptr<WidgetView>> views_;
    QPointer<QWidget> gallery_;
    QRect keepClear_;
    QSystemTrayIcon* tray_ = nullptr;
    QTimer trayPoll_;
    QTimer screensSettle_;
    std::unique_ptr<x11::DesktopStacking> stacking_;
};

// The desktop's light or dark appearance, from the application palette.
ColorScheme desktopScheme();

// The title of a widget window: "Solvane — Moon"; the full board is
// "Solvane — Board".
QString widgetTitle(const std::string& displayName);

}  // namespace solvane::host
