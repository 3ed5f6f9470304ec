#include "app/date_field.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionComboBox>

namespace solvane::app {

DateField::DateField(QWidget* parent) : QDateEdit(parent) {
    setCalendarPopup(true);
    setDateRange(earliest(), latest());
}

void DateField::showDate(QDate date) {
    if (!date.isValid()) {
        return;
    }
    setDateRange(std::min(date, earliest()), std::max(date, latest()));
    setDate(date);
}

bool DateField::calendarIsOpen() const {
    const QCalendarWidget* calendar = calendarWidget();
    return calendar != nullptr && calendar->window()->isVisible() && calendar->window() != window();
}

void DateField::openCalendar() {
    if (!isEnabled() || isReadOnly() || calendarIsOpen()) {
        return;
    }
    QCalendarWidget* calendar = calendarWidget();
    if (calendar == nullptr) {
        return;
    }
    // The popup opens the way a click on the field's arrow opens it, so that
    // it is placed, filled and closed exactly as for the mouse.
    QStyleOptionComboBox option;
    option.initFrom(this);
    option.editable = true;
    option.subControls = QStyle::SC_All;
    const QRect arrow =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, this);
    const QPointF at =
        arrow.isValid() ? QPointF(arrow.center()) : QPointF(width() - 4, height() / 2);
    QMouseEvent press(QEvent::MouseButtonPress, at, mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(this, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, mapToGlobal(at), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(this, &release);
    calendar->setFocus(Qt::PopupFocusReason);
}

void DateField::mousePressEvent(QMouseEvent* event) {
    // Whichever way the calendar opens, Escape in it takes back what the
    // arrows moved.
    if (QCalendarWidget* calendar = calendarWidget(); calendar != nullptr && !filtering_) {
        // Escape reaches the calendar's day grid first, so it is watched there.
        filtering_ = true;
        calendar->installEventFilter(this);
        for (QWidget* part : calendar->findChildren<QWidget*>()) {
            part->installEventFilter(this);
        }
    }
    beforeCalendar_ = date();
    QDateEdit::mousePressEvent(event);
}

void DateField::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if ((event->key() == Qt::Key_F4 && modifiers == Qt::NoModifier) ||
        (event->key() == Qt::Key_Down && modifiers == Qt::AltModifier)) {
        openCalendar();
        event->accept();
        return;
    }
    if (modifiers == Qt::NoModifier &&
        (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right)) {
        // One part at a time, and never out of the field.
        const bool forward =
            (event->key() == Qt::Key_Right) != (layoutDirection() == Qt::RightToLeft);
        const int at = currentSectionIndex();
        if ((forward && at + 1 < sectionCount()) || (!forward && at > 0)) {
            QDateEdit::focusNextPrevChild(forward);
        }
        event->accept();
        return;
    }
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        !hasAcceptableInput()) {
        // Kept from the sheet's default button: the date is not saved.
        event->accept();
        emit refused();
        return;
    }
    QDateEdit::keyPressEvent(event);
}

void DateField::focusOutEvent(QFocusEvent* event) {
    if (hasAcceptableInput() || event->reason() == Qt::PopupFocusReason) {
        QDateEdit::focusOutEvent(event);
        return;
    }
    // The spin box would quietly put the last whole date back; the part typed
    // stays instead, for the user to finish, and the sheet will not save it.
    QCoreApplication::sendEvent(lineEdit(), event);
    QWidget::focusOutEvent(event);
    emit refused();
}

bool DateField::focusNextPrevChild(bool next) {
    // Tab leaves the field; its parts are walked with the arrows.
    return QWidget::focusNextPrevChild(next);
}

bool DateField::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && calendarIsOpen() &&
        beforeCalendar_.isValid()) {
        // The arrows moved the date as they went; Escape takes it back.
        setDate(beforeCalendar_);
    }
    return QDateEdit::eventFilter(watched, event);
}

}  // namespace solvane::app
