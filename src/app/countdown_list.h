// The Countdowns section of the companion window: a header with the "Add"
// menu, and the list of countdowns in list order. Each row shows the
// countdown's icon, its label above its schedule summary, and what the board
// shows for it now: its value and unit, "done" once finished, or "hidden now"
// while its during mode hides it.
//
// The widget keeps no countdowns of its own: the owner hands in the list and
// answers the signals, after which it hands in the changed list again. A drag
// moves the row at once so that the list does not jump back while the owner
// writes the new order.
//
//   auto* list = new CountdownListWidget;
//   list->setCountdowns(countdowns, now, calendar);
//   connect(list, &CountdownListWidget::moved, state, &State::moveCountdown);
#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/holidays/working_days.h"
#include "core/model/countdown.h"
#include "core/model/presets.h"
#include "core/time/calendar.h"
#include "core/time/instant.h"

class QLabel;
class QListView;
class QMenu;
class QPushButton;
class QToolButton;

namespace solvane::app {

class CountdownRowsModel;

class CountdownListWidget : public QWidget {
    Q_OBJECT

  public:
    // Roles of the list's model beside Qt::DisplayRole (the label).
    enum Role {
        IdRole = Qt::UserRole + 1,  // QString, the countdown's id
        SummaryRole,                // QString, the schedule summary
        TrailingRole,               // QString: "12 days", "done" or "hidden now"
        ShowsValueRole,             // bool, whether the trailing text is a value
    };

    // Loads a custom icon by its stored file name; none draws the symbol.
    using IconLoader = std::function<std::optional<QImage>(const std::string& name)>;

    explicit CountdownListWidget(QWidget* parent = nullptr);
    ~CountdownListWidget() override;

    void setCountdowns(std::vector<Countdown> countdowns, Instant now, const Calendar& calendar,
                       const DaysOff& daysOff = {});
    // The presets "From a Preset" offers, under their groups' headings.
    void setPresets(const std::vector<CountdownPreset>& presets);
    void setIconLoader(IconLoader loader);
    // An orange line under the header about the list itself (it could not be
    // read, or not all of it could be stored); empty hides it. A dismissible
    // one offers "Dismiss".
    void setNotice(const QString& text, bool dismissible);

    QLabel* noticeLabel() const { return notice_; }
    QPushButton* dismissButton() const { return dismiss_; }

    QListView* listView() const { return view_; }
    QMenu* addMenu() const { return addMenu_; }
    QToolButton* addButton() const { return addButton_; }

  signals:
    void editRequested(QString id);
    void deleteRequested(QString id);
    // The row at `from` now stands at `to` (both indexes into the list as it
    // is after the move's removal and insertion, so `to` is its new index).
    void moved(int from, int to);
    void newRequested();
    void presetRequested(QString presetId);
    void fromCalendarRequested();
    void noticeDismissed();

  private:
    void buildAddMenu();
    void showContextMenu(const QPoint& position);
    QString idAt(int row) const;

    CountdownRowsModel* model_ = nullptr;
    QListView* view_ = nullptr;
    QToolButton* addButton_ = nullptr;
    QWidget* noticeRow_ = nullptr;
    QLabel* notice_ = nullptr;
    QPushButton* dismiss_ = nullptr;
    QMenu* addMenu_ = nullptr;
    QMenu* presetMenu_ = nullptr;
};

}  // namespace solvane::app
