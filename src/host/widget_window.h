// The desktop side of the host: one frameless window per placed widget, the
// gallery, the "Edit Widget" panel and the tray entry.
#pragma once

#include <QImage>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <map>
#include <string>

#include "host/host_controller.h"

class QSystemTrayIcon;

namespace solvane::host {

class Desktop;

class WidgetWindow : public QWidget {
    Q_OBJECT

  public:
    WidgetWindow(HostController& controller, Desktop& desktop, std::string id);

    const std::string& id() const { return id_; }
    // Draws the current entry again; a failed paint keeps the last picture.
    void refresh();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    HostController& controller_;
    Desktop& desktop_;
    std::string id_;
    QImage picture_;
    QPoint dragOffset_;
    bool dragging_ = false;
    QTimer savePosition_;
};

class Desktop : public QObject {
    Q_OBJECT

  public:
    explicit Desktop(HostController& controller);
    ~Desktop() override;

    void showAll();
    void openGallery();
    void openEditPanel(const std::string& id);
    void populateMenu(QMenu& menu, const std::string& id);

  private:
    void addWindow(const std::string& id);

    HostController& controller_;
    std::map<std::string, WidgetWindow*> windows_;
    QPointer<QWidget> gallery_;
    QSystemTrayIcon* tray_ = nullptr;
};

// The desktop's light or dark appearance, from the application palette.
ColorScheme desktopScheme();

}  // namespace solvane::host
