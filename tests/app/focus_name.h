// Names the widget holding the keyboard focus, for tests that walk it.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QWidget>

#include <string>

namespace solvane::testing {

// The focused widget's object name, or a nameless button's title.
inline std::string focusName() {
    const QWidget* w = QApplication::focusWidget();
    const auto* button = qobject_cast<const QAbstractButton*>(w);
    const QString name = !w                                    ? "<nothing>"
                         : w->objectName().isEmpty() && button ? button->text()
                                                               : w->objectName();
    return name.toStdString();
}

}  // namespace solvane::testing
