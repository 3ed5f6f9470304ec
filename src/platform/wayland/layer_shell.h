// Desktop-layer surfaces on Wayland compositors that offer the layer shell.
//
// Qt gives every window an ordinary toplevel role, which the compositor
// places, lists among the windows and raises on click. Desktop widgets need
// the bottom layer instead, so this module opens a Wayland connection of its
// own beside Qt's, serves it from the Qt event loop, and shows each widget as
// a bottom-layer surface painted from a QImage. Dialogs keep using Qt.
//
// Contract:
// - LayerShell::connect() needs a QGuiApplication and gives nullptr when no
//   compositor can be reached or it lacks the layer shell; the caller then
//   falls back to ordinary windows. offeredByCompositor() answers the same
//   question before the application object exists.
// - Positions are logical compositor coordinates of the output layout; a
//   surface is placed on the output holding its top-left (or the nearest) and
//   moves to another output when placed or dragged there.
// - Every signal is delivered from the event loop, never from inside the
//   connection's dispatch, so slots may delete the surface or show a menu.
// - When the compositor goes away or breaks the connection, every surface
//   emits closed() once and all later calls are ignored; the same happens
//   when the LayerShell is destroyed before its surfaces.
// - While its menu is open a surface sits in the layer above windows and
//   takes the keyboard, so that Escape, Enter and the arrows reach the menu
//   on compositors that focus only such surfaces; it returns to the bottom
//   layer, without the keyboard, when the menu closes.
// - Dragging follows the compositor's relative pointer motion where it is
//   offered, since compositors disagree on which position a held button's
//   motion is relative to; motion that comes without a relative part
//   (tablets, absolute pointers of virtual machines and remote desktops)
//   and a finger on a touch screen are followed where they say they are.
// - Nothing throws, and no compositor input can abort the program.
//
//   auto shell = LayerShell::connect();
//   if (!shell) return showOrdinaryWindows();
//   auto widget = shell->createSurface(QSize(160, 160), QPoint(40, 40), "solvane-widget");
//   QObject::connect(widget.get(), &LayerSurface::scaleChanged, [&](qreal s) { repaint(s); });
//   QObject::connect(widget.get(), &LayerSurface::contextMenuRequested,
//                    [&](QPointF at) { widget->showMenu(items, at); });
//   widget->setImage(render(widget->scale()));
#pragma once

#include <QImage>
#include <QObject>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <QString>
#include <memory>
#include <vector>

#include "platform/wayland/layer_menu.h"

namespace solvane::platform {

class LayerShell;

namespace wayland {
struct Connection;
struct SurfaceState;
}  // namespace wayland

// One widget on the desktop. Made by LayerShell::createSurface.
class LayerSurface : public QObject {
    Q_OBJECT

  public:
    ~LayerSurface() override;

    // Shows `image`; its logical size is image.size() / devicePixelRatio().
    // Paint it at scale() for crisp pixels: a ratio the surface cannot use
    // as a buffer scale is shown scaled down at scale 1 instead. Shown once
    // the compositor has configured the surface.
    void setImage(const QImage& image);
    // Moves the top-left to `topLeft` (logical layout coordinates).
    void setPosition(QPoint topLeft);
    QPoint position() const;
    QSize size() const;  // logical
    // The integer buffer scale of the surface's output; 1 while unknown.
    qreal scale() const;
    // True once closed() was emitted; the surface then shows nothing more.
    bool isClosed() const;

    // A popup menu beside `local` (surface-local, logical), grabbed with the
    // serial of the last button press on the surface so that it takes the
    // keyboard and a click elsewhere dismisses it. Replaces an open menu,
    // which then reports menuClosed(). Ends in exactly one menuChosen() or
    // menuClosed().
    void showMenu(const std::vector<LayerMenuItem>& items, QPointF local);
    // Dismisses an open menu (menuClosed() follows); nothing otherwise.
    void closeMenu();
    bool isMenuOpen() const;

  signals:
    // Dragged with the left button or a finger and let go; the surface followed the
    // pointer meanwhile and now sits at `topLeft`. A press and release less
    // than four pixels apart is a click and emits nothing.
    void dragFinished(QPoint topLeft);
    // The right button went down at `local` (surface-local, logical).
    void contextMenuRequested(QPointF local);
    // An enabled item other than a separator was clicked or picked with Enter.
    void menuChosen(int index);
    // The menu went away without a choice: a click elsewhere, Escape, or the
    // compositor.
    void menuClosed();
    // The buffer scale changed; setImage() at this scale next.
    void scaleChanged(qreal scale);
    // The compositor stopped showing the surface for good (its output went
    // away, the connection broke, the shell was destroyed).
    void closed();

  private:
    friend class LayerShell;
    LayerSurface(std::shared_ptr<wayland::Connection> connection, QSize logicalSize, QPoint topLeft,
                 const QString& nameSpace);

    std::shared_ptr<wayland::Connection> connection_;
    std::unique_ptr<wayland::SurfaceState> state_;
};

// One output as the layer shell sees it, in logical layout coordinates.
struct OutputArea {
    QRect geometry;
    // What the compositor leaves to surfaces that reserve no room (the
    // output less its panels and docks); empty until it has said. The
    // compositor tells only its size, so where panels take less than the
    // whole difference is not known: the area is narrowed by that
    // difference on both sides, which is never wrong, only cautious.
    QRect usable;
    bool operator==(const OutputArea&) const = default;
};

class LayerShell : public QObject {
    Q_OBJECT

  public:
    ~LayerShell() override;

    // A connection to the compositor named by WAYLAND_DISPLAY, served from the
    // current thread's event loop; nullptr when there is none or it lacks the
    // layer shell. The pointer owns the shell: a `parent` must outlive it.
    static std::unique_ptr<LayerShell> connect(QObject* parent = nullptr);
    // Whether the compositor offers the layer shell: connects, asks once,
    // disconnects. Needs no application object.
    static bool offeredByCompositor();

    // The logical geometry of each output, in the order the compositor
    // announced them.
    std::vector<QRect> outputs() const;
    // The same with what panels leave of each.
    std::vector<OutputArea> outputAreas() const;
    // Whether the compositor reads a window type from a surface's namespace
    // (KWin: "desktop", "dock", "notification", …) rather than leaving the
    // namespace to the user's rules.
    bool typesByNamespace() const;
    // False once the connection broke.
    bool isConnected() const;

    // A bottom-layer surface of `logicalSize` with its top-left at `topLeft`:
    // anchored to the top-left corner of the output holding that point (or
    // the nearest output), margins from that output's origin, ignoring the
    // space panels reserve, never taking the keyboard, with `nameSpace`
    // telling the compositor what it is (e.g. "solvane-widget"). Never null;
    // when the connection is gone it is closed from the start.
    std::unique_ptr<LayerSurface> createSurface(QSize logicalSize, QPoint topLeft,
                                                const QString& nameSpace);

  signals:
    // An output came, went, or changed its size, scale or usable area.
    void outputsChanged();

  private:
    explicit LayerShell(std::shared_ptr<wayland::Connection> connection, QObject* parent);

    std::shared_ptr<wayland::Connection> connection_;
};

}  // namespace solvane::platform
