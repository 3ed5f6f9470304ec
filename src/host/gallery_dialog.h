// "Add Widget…": the kinds the plug-in offers, with their names,
// descriptions and sizes.
#pragma once

#include <QDialog>

#include <vector>

#include "widgets/widget_plugin.h"

class QComboBox;
class QListWidget;

namespace solvane::host {

class GalleryDialog : public QDialog {
    Q_OBJECT

  public:
    explicit GalleryDialog(std::vector<widgets::WidgetKindSpec> kinds, QWidget* parent = nullptr);

  signals:
    void addRequested(const QString& kind, widgets::WidgetFamily family);

  private:
    void kindChosen(int row);

    std::vector<widgets::WidgetKindSpec> kinds_;
    QListWidget* list_ = nullptr;
    QComboBox* sizes_ = nullptr;
};

}  // namespace solvane::host
