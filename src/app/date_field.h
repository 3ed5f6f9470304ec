// DateField: the countdown sheet's date entry, keyed as a date field on this
// desktop is. Alt+Down or F4 opens the calendar, where the arrows move, Enter
// picks and Escape closes it with the date it had before. Tab and Shift+Tab
// leave the field like any other control; Left and Right walk its parts in
// the locale's order. A date that is not whole when the user confirms it or
// leaves the field is refused (isIncomplete), never guessed at.
#pragma once

#include <QDate>
#include <QDateEdit>

namespace solvane::app {

class DateField : public QDateEdit {
    Q_OBJECT

  public:
    // The dates a countdown can be set to; a stored date outside them is
    // still shown as it is (see showDate).
    static QDate earliest() { return {1900, 1, 1}; }
    static QDate latest() { return {2199, 12, 31}; }

    explicit DateField(QWidget* parent = nullptr);

    // Shows `date`, widening the range for a stored date outside it so that
    // it is never clamped into another date.
    void showDate(QDate date);

    void openCalendar();
    bool calendarIsOpen() const;

  signals:
    // The user confirmed or left a date that was not whole: the field keeps
    // what was typed, and date() the last whole date.
    void refused();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QDate beforeCalendar_;
    bool filtering_ = false;
};

}  // namespace solvane::app
