// The sheet in which the user creates or changes one countdown.
//
// The sheet works on its own copy of the countdown; nothing reaches the list
// until the user saves. Every date it writes is a fixed local start of day:
// rules of the other kinds (from presets or stored data) are shown read-only,
// because there is no control that could build them faithfully.
//
// The rules behind the rows live in CountdownEditorModel, which has no
// widgets, so they can be checked without a screen; CountdownEditor only
// mirrors the model into controls.
//
//   CountdownEditor sheet(draft, CountdownEditor::Mode::add, calendar, &icons,
//                         [] { return Instant::fromUnix(std::time(nullptr)); }, window);
//   QObject::connect(&sheet, &CountdownEditor::saved, list, &List::upsert);
//   sheet.open();
#pragma once

#include <QDialog>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/countdown.h"
#include "core/time/calendar.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QDateEdit;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace solvane {

namespace app {
class DateField;
}
class IconPicker;
class IconStore;

// A date pattern in ICU's syntax ("EEE, d. MMM y") as a Qt display format
// ("ddd, d. MMM yyyy"): weekday and month names, day, month and year, quoted
// text as it is; an era is left out.
QString qtDateFormat(std::string_view icuPattern);

class CountdownEditorModel {
  public:
    CountdownEditorModel(Countdown initial, bool isNew, Calendar calendar,
                         std::function<Instant()> clock);

    const Countdown& draft() const { return draft_; }
    bool isNew() const { return isNew_; }

    std::string sheetTitle() const;    // "New Countdown" / "Edit Countdown"
    std::string confirmTitle() const;  // "Add" / "Save"
    // Spaces and tabs alone do not make a label.
    bool canSave() const;

    // A countdown that follows a calendar event says so, but its dates stay
    // editable.
    bool showsEventRow() const { return draft_.eventID.has_value(); }

    bool startIsFixed() const { return draft_.start.asFixed() != nullptr; }
    std::string startTitle() const;  // "Date" for a single day, else "Starts"
    std::optional<CivilDate> startDay() const;
    std::string startDescription() const;  // the rule in words
    std::string nextText() const;          // "Next: Sun, Dec 21" or "Next: —"

    bool lastsMoreThanADay() const { return draft_.end.has_value(); }
    bool endIsFixed() const;
    std::optional<CivilDate> endDay() const;
    std::string endDescription() const;
    // The earliest day the end picker offers.
    std::optional<CivilDate> endMinimumDay() const;

    // Rules other than a fixed date come back every year regardless.
    bool recursEditable() const { return startIsFixed(); }

    void setLabel(std::string label);
    // False when the calendar cannot name the day or the start is a rule.
    bool setStartDay(CivilDate day);
    void setLastsMoreThanADay(bool on);
    // False for a day before the start row's date.
    bool setEndDay(CivilDate day);
    void setRecurs(bool recurs) { draft_.recurs = recurs; }
    void setDuring(DuringMode during) { draft_.during = during; }
    void setUnit(CountUnit unit) { draft_.unit = unit; }
    void setSymbol(std::string symbol) { draft_.symbol = std::move(symbol); }
    void setCustomImage(std::optional<std::string> name) { draft_.customImage = std::move(name); }

    // Segment titles, in the order of the values they stand for.
    static std::vector<std::string> duringSegments();  // progress, hide
    static std::vector<std::string> recursSegments();  // false, true
    static std::vector<std::string> unitSegments();    // days, weeks, workdays

  private:
    // The fixed start, the rule's current or next start, or now.
    Instant startRowDate() const;
    std::optional<Instant> dayStart(CivilDate day) const;

    Countdown draft_;
    bool isNew_;
    Calendar calendar_;
    std::function<Instant()> clock_;
};

class CountdownEditor : public QDialog {
    Q_OBJECT
  public:
    enum class Mode { add, edit };
    // The dialog code after "Delete"; accepted and rejected keep their usual
    // codes.
    static constexpr int kDeleted = 2;

    CountdownEditor(const Countdown& initial, Mode mode, const Calendar& calendar, IconStore* icons,
                    std::function<Instant()> clock, QWidget* parent = nullptr);

    // The saved countdown once accepted; until then, and after a cancel, the
    // countdown handed in.
    Countdown result() const;
    const CountdownEditorModel& model() const { return model_; }
    IconPicker* iconPicker() const { return picker_; }

    // Shows "Notify me on the day", set to `on`; without this call the sheet
    // offers no such switch.
    void offerReminder(bool on);
    // The switch as the user left it; nullopt when it is not offered.
    std::optional<bool> reminderChoice() const;

    // Stores the countdown when the user saves; false when it could not be
    // (the countdown is no longer in the list), which keeps the sheet open
    // and says so. Without one, saving always succeeds.
    void setCommit(std::function<bool(const Countdown&)> commit) { commit_ = std::move(commit); }
    // The countdown being edited has left the list meanwhile: the sheet says
    // so and offers only to close.
    void markGone();
    bool isGone() const { return gone_; }

  signals:
    void saved(const solvane::Countdown& countdown);
    void deleteRequested(const solvane::Countdown& countdown);

  public slots:
    void accept() override;

  private:
    void refresh();
    void showDateError(app::DateField* field, QLabel* error);

    Countdown initial_;
    std::optional<Countdown> saved_;
    std::function<bool(const Countdown&)> commit_;
    bool gone_ = false;
    QLabel* goneNotice_ = nullptr;
    QPushButton* delete_ = nullptr;
    CountdownEditorModel model_;

    QLineEdit* label_ = nullptr;
    QFormLayout* topForm_ = nullptr;
    QFormLayout* whenForm_ = nullptr;
    app::DateField* startDate_ = nullptr;
    QLabel* startError_ = nullptr;
    QWidget* startRule_ = nullptr;
    QLabel* nextCaption_ = nullptr;
    QCheckBox* lasts_ = nullptr;
    app::DateField* endDate_ = nullptr;
    QLabel* endError_ = nullptr;
    QLabel* endRule_ = nullptr;
    QWidget* duringRow_ = nullptr;
    QButtonGroup* during_ = nullptr;
    QWidget* recursRow_ = nullptr;
    QButtonGroup* recurs_ = nullptr;
    QLabel* recursFixed_ = nullptr;
    QButtonGroup* unit_ = nullptr;
    QFormLayout* countForm_ = nullptr;
    QCheckBox* notify_ = nullptr;
    IconPicker* picker_ = nullptr;
    QPushButton* confirm_ = nullptr;
};

}  // namespace solvane
