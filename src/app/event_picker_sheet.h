// The "Add from Calendar" sheet: a search field over the upcoming events of
// the next year, one row per event (colour dot, title, "date · calendar").
// Choosing a row makes a countdown of the event and closes the sheet; the
// caller reads it with chosen() after exec() returned, so the editor opens
// only once the sheet is gone.
//
//   EventPickerSheet sheet(CalendarDatabase::shared(), askTheUser, now, calendar, window);
//   if (sheet.exec() == QDialog::Accepted && sheet.chosen()) openEditor(*sheet.chosen());
#pragma once

#include <QDialog>

#include <optional>

#include "core/calendar/event_picker.h"
#include "core/calendar/event_store.h"
#include "core/model/countdown.h"
#include "core/time/calendar.h"
#include "core/time/instant.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QStackedWidget;

namespace solvane::app {

class EventPickerSheet : public QDialog {
    Q_OBJECT

  public:
    EventPickerSheet(EventStore& store, AccessPrompt prompt, Instant now, Calendar calendar,
                     QWidget* parent = nullptr);

    // Asks for access when needed and reads the events. Runs by itself each
    // time the sheet is shown; a caller that loads a hidden sheet itself
    // (so that its question comes before the sheet) spares the next showing
    // its load.
    void load();

    const EventPicker& picker() const { return picker_; }
    QLineEdit* searchField() const { return search_; }
    QListWidget* list() const { return list_; }
    // The empty-state text, when it is shown instead of the list.
    std::optional<QString> emptyText() const;

    // The countdown made from the chosen event; none when cancelled.
    const std::optional<Countdown>& chosen() const { return chosen_; }

  signals:
    void eventChosen(const solvane::Countdown& countdown);

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void refresh();
    void choose(QListWidgetItem* item);

    EventStore& store_;
    AccessPrompt prompt_;
    Instant now_;
    Calendar calendar_;
    EventPicker picker_;
    std::optional<Countdown> chosen_;
    bool loadedWhileHidden_ = false;

    QLineEdit* search_ = nullptr;
    QStackedWidget* stack_ = nullptr;
    QListWidget* list_ = nullptr;
    QLabel* empty_ = nullptr;
};

}  // namespace solvane::app
