// "Edit Widget": the widget's parameters with their titles; enumerations as a
// choice, entity lists as an ordered multiple choice.
#pragma once

#include <QDialog>

#include <map>
#include <string>

#include "host/plugin_loader.h"

class QComboBox;
class QListWidget;

namespace solvane::host {

class EditPanel : public QDialog {
    Q_OBJECT

  public:
    EditPanel(const GuardedPlugin& plugin, const widgets::WidgetKindSpec& spec,
              widgets::Configuration configuration, QWidget* parent = nullptr);

    widgets::Configuration configuration() const;

  private:
    QWidget* entityListEditor(const GuardedPlugin& plugin, const widgets::ParameterSpec& parameter);

    widgets::Configuration original_;
    std::map<std::string, QComboBox*> choices_;
    std::map<std::string, QListWidget*> lists_;
};

}  // namespace solvane::host
