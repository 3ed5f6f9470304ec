#include "app/countdown_editor.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>
#include <tuple>
#include <utility>

#include "app/date_field.h"
#include "app/icon_picker.h"
#include "app/section_style.h"
#include "board/components.h"
#include "core/model/countdown_display.h"
#include "core/time/text_format.h"
#include "core/util/translation.h"

namespace solvane {

namespace {

constexpr int kSheetWidth = 520;
constexpr int kPadding = 16;

bool before(const CivilDate& a, const CivilDate& b) {
    return std::tie(a.year, a.month, a.day) < std::tie(b.year, b.month, b.day);
}

QDate toQDate(const CivilDate& d) {
    return QDate(d.year, d.month, d.day);
}

CivilDate fromQDate(const QDate& d) {
    return CivilDate{d.year(), d.month(), d.day()};
}

}  // namespace

QString qtDateFormat(std::string_view icu) {
    QString out;
    for (std::size_t i = 0; i < icu.size();) {
        const char c = icu[i];
        if (c == '\'') {
            // Quoted text, or '' for a quote: the same in Qt's formats.
            const std::size_t end = icu.find('\'', i + 1);
            const std::size_t stop = end == std::string_view::npos ? icu.size() : end + 1;
            out += QString::fromUtf8(icu.data() + i, static_cast<qsizetype>(stop - i));
            i = stop;
            continue;
        }
        const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        if (!letter) {
            // Punctuation and text in any script, taken whole so a
            // character of several bytes stays one.
            std::size_t end = i + 1;
            while (
                end < icu.size() && icu[end] != '\'' &&
                !((icu[end] >= 'a' && icu[end] <= 'z') || (icu[end] >= 'A' && icu[end] <= 'Z'))) {
                ++end;
            }
            out += QString::fromUtf8(icu.data() + i, static_cast<qsizetype>(end - i));
            i = end;
            continue;
        }
        std::size_t run = 1;
        while (i + run < icu.size() && icu[i + run] == c) {
            ++run;
        }
        switch (c) {
            case 'E':
            case 'c':
            case 'e':
                out += run >= 4 ? QStringLiteral("dddd") : QStringLiteral("ddd");
                break;
            case 'd':
                out += run >= 2 ? QStringLiteral("dd") : QStringLiteral("d");
                break;
            case 'M':
            case 'L':
                out += QString(static_cast<qsizetype>(std::min<std::size_t>(run, 4)), u'M');
                break;
            case 'y':
            case 'u':
                out += run == 2 ? QStringLiteral("yy") : QStringLiteral("yyyy");
                break;
            case 'G':
                break;  // a Gregorian field needs no era
            default:
                // A field Qt has no counterpart for reads as itself.
                out += QLatin1Char('\'') +
                       QString::fromUtf8(icu.data() + i, static_cast<qsizetype>(run)) +
                       QLatin1Char('\'');
        }
        i += run;
    }
    return out.trimmed();
}

namespace {}  // namespace

CountdownEditorModel::CountdownEditorModel(Countdown initial, bool isNew, Calendar calendar,
                                           std::function<Instant()> clock)
    : draft_(std::move(initial)),
      isNew_(isNew),
      calendar_(std::move(calendar)),
      clock_(std::move(clock)) {}

std::string CountdownEditorModel::sheetTitle() const {
    return isNew_ ? translate("CountdownEditor", "New Countdown")
                  : translate("CountdownEditor", "Edit Countdown");
}

std::string CountdownEditorModel::confirmTitle() const {
    return isNew_ ? translate("CountdownEditor", "Add") : translate("CountdownEditor", "Save");
}

bool CountdownEditorModel::canSave() const {
    return draft_.label.find_first_not_of(" \t") != std::string::npos;
}

std::string CountdownEditorModel::startTitle() const {
    return startIsFixed() && !draft_.end ? translate("CountdownEditor", "Date")
                                         : translate("CountdownEditor", "Starts");
}

std::optional<CivilDate> CountdownEditorModel::startDay() const {
    if (const auto* fixed = draft_.start.asFixed()) {
        return calendar_.civilDate(fixed->date);
    }
    return std::nullopt;
}

std::string CountdownEditorModel::startDescription() const {
    return ruleDescription(draft_.start, calendar_);
}

std::string CountdownEditorModel::nextText() const {
    const auto next = currentOrNextStart(draft_, clock_(), calendar_);
    return withArguments(translate("CountdownEditor", "Next: %1"),
                         {next ? shortDateLabel(*next, calendar_) : std::string("—")});
}

bool CountdownEditorModel::endIsFixed() const {
    return draft_.end && draft_.end->asFixed() != nullptr;
}

std::optional<CivilDate> CountdownEditorModel::endDay() const {
    if (endIsFixed()) {
        return calendar_.civilDate(draft_.end->asFixed()->date);
    }
    return std::nullopt;
}

std::string CountdownEditorModel::endDescription() const {
    return draft_.end ? ruleDescription(*draft_.end, calendar_) : std::string();
}

std::optional<CivilDate> CountdownEditorModel::endMinimumDay() const {
    return calendar_.civilDate(startRowDate());
}

void CountdownEditorModel::setLabel(std::string label) {
    draft_.label = std::move(label);
}

bool CountdownEditorModel::setStartDay(CivilDate day) {
    if (!startIsFixed()) {
        return false;
    }
    const auto start = dayStart(day);
    if (!start) {
        return false;
    }
    // An existing end stays where it is; the end picker refuses earlier days.
    draft_.start = DateRule::fixed(*start);
    return true;
}

void CountdownEditorModel::setLastsMoreThanADay(bool on) {
    if (on == lastsMoreThanADay()) {
        return;
    }
    if (!on) {
        draft_.end.reset();
        return;
    }
    const Instant base = startRowDate();
    const Instant week = calendar_.addDays(base, 7).value_or(base);
    draft_.end = DateRule::fixed(calendar_.startOfDay(week).value_or(week));
}

bool CountdownEditorModel::setEndDay(CivilDate day) {
    const auto minimum = endMinimumDay();
    if (!draft_.end || (minimum && before(day, *minimum))) {
        return false;
    }
    const auto end = dayStart(day);
    if (!end) {
        return false;
    }
    draft_.end = DateRule::fixed(*end);
    return true;
}

std::vector<std::string> CountdownEditorModel::duringSegments() {
    return {translate("CountdownEditor", "Show progress"), translate("CountdownEditor", "Hide it")};
}

std::vector<std::string> CountdownEditorModel::recursSegments() {
    return {translate("CountdownEditor", "Finish"),
            translate("CountdownEditor", "Count to next year's")};
}

std::vector<std::string> CountdownEditorModel::unitSegments() {
    // In the order of CountUnit's cases.
    return {translate("CountdownEditor", "Days"), translate("CountdownEditor", "Weeks"),
            translate("CountdownEditor", "Working days")};
}

Instant CountdownEditorModel::startRowDate() const {
    if (const auto* fixed = draft_.start.asFixed()) {
        return fixed->date;
    }
    const Instant now = clock_();
    return currentOrNextStart(draft_, now, calendar_).value_or(now);
}

std::optional<Instant> CountdownEditorModel::dayStart(CivilDate day) const {
    const auto midnight = calendar_.date(day.year, day.month, day.day);
    if (!midnight) {
        return std::nullopt;
    }
    // Midnight may not exist on a day the clocks change.
    return calendar_.startOfDay(*midnight).value_or(*midnight);
}

CountdownEditor::CountdownEditor(const Countdown& initial, Mode mode, const Calendar& calendar,
                                 IconStore* icons, std::function<Instant()> clock, QWidget* parent)
    : QDialog(parent),
      initial_(initial),
      model_(initial, mode == Mode::add, calendar, std::move(clock)) {
    setWindowFlag(Qt::Sheet);
    setModal(true);
    setWindowModality(Qt::WindowModal);
    setWindowTitle(qstr(model_.sheetTitle()));
    setFixedWidth(kSheetWidth);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(kPadding, kPadding, kPadding, kPadding);
    column->setSpacing(12);

    const auto makeForm = [](QWidget* owner) {
        auto* form = new QFormLayout(owner);
        form->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
        form->setRowWrapPolicy(QFormLayout::DontWrapRows);
        form->setHorizontalSpacing(16);
        form->setVerticalSpacing(10);
        return form;
    };

    // Every section sits in a box with the same margins, so one label
    // column lines up across them.
    auto* top = new QGroupBox(this);
    topForm_ = makeForm(top);
    label_ = new QLineEdit(qstr(model_.draft().label), top);
    label_->setObjectName("label");
    topForm_->addRow(tr("Label"), label_);
    auto* eventRow = new QLabel(tr("Follow the calendar event"), top);
    eventRow->setObjectName("dates");
    topForm_->addRow(tr("Dates"), eventRow);
    topForm_->setRowVisible(eventRow, model_.showsEventRow());
    column->addWidget(top);

    auto* when = new QGroupBox(tr("When"), this);
    whenForm_ = makeForm(when);
    // The locale's own order and names, the same as the board's dates.
    const QLocale dateLocale(QString::fromStdString(calendar.locale()));
    QString dateFormat = qtDateFormat(dateFieldPattern(calendar));
    if (dateFormat.isEmpty()) {
        dateFormat = QStringLiteral("ddd, MMM d, yyyy");
    }
    const auto dateError = [this, when] {
        auto* error = new QLabel(when);
        error->setWordWrap(true);
        error->setFont(app::captionFont());
        app::setTextColor(error, app::noticeColor(palette()));
        return error;
    };
    startDate_ = new app::DateField(when);
    startDate_->setObjectName("startDate");
    startDate_->setLocale(dateLocale);
    startDate_->setDisplayFormat(dateFormat);
    if (const auto day = model_.startDay()) {
        startDate_->showDate(toQDate(*day));
    }
    whenForm_->addRow(tr("Date"), startDate_);
    startError_ = dateError();
    startError_->setObjectName("startDateError");
    whenForm_->addRow(QString(), startError_);

    startRule_ = new QWidget(when);
    auto* ruleColumn = new QVBoxLayout(startRule_);
    ruleColumn->setContentsMargins(0, 0, 0, 0);
    ruleColumn->setSpacing(2);
    auto* ruleText = new QLabel(qstr(model_.startDescription()), startRule_);
    ruleText->setObjectName("startRule");
    nextCaption_ = new QLabel(startRule_);
    nextCaption_->setObjectName("nextStart");
    nextCaption_->setFont(app::captionFont());
    app::setTextColor(nextCaption_, app::secondaryTextColor(palette()));
    ruleColumn->addWidget(ruleText);
    ruleColumn->addWidget(nextCaption_);
    whenForm_->addRow(tr("Starts"), startRule_);

    lasts_ = new QCheckBox(tr("Lasts more than a day"), when);
    lasts_->setObjectName("lasts");
    whenForm_->addRow(lasts_);

    endDate_ = new app::DateField(when);
    endDate_->setObjectName("endDate");
    endDate_->setLocale(dateLocale);
    endDate_->setDisplayFormat(dateFormat);
    whenForm_->addRow(tr("Ends"), endDate_);
    endError_ = dateError();
    endError_->setObjectName("endDateError");
    whenForm_->addRow(QString(), endError_);
    endRule_ = new QLabel(when);
    endRule_->setObjectName("endRule");
    whenForm_->addRow(tr("Ends"), endRule_);

    duringRow_ = new QWidget(when);
    during_ = app::addSegments(app::toQStrings(CountdownEditorModel::duringSegments()), duringRow_);
    whenForm_->addRow(tr("While it's happening"), duringRow_);

    recursRow_ = new QWidget(when);
    recurs_ = app::addSegments(app::toQStrings(CountdownEditorModel::recursSegments()), recursRow_);
    whenForm_->addRow(tr("When it's over"), recursRow_);
    recursFixed_ = new QLabel(tr("Counts to next year's"), when);
    recursFixed_->setObjectName("recursFixed");
    whenForm_->addRow(tr("When it's over"), recursFixed_);
    column->addWidget(when);

    auto* count = new QGroupBox(this);
    auto* countForm = makeForm(count);
    countForm_ = countForm;
    auto* unitRow = new QWidget(count);
    unit_ = app::addSegments(app::toQStrings(CountdownEditorModel::unitSegments()), unitRow);
    countForm->addRow(tr("Count in"), unitRow);
    notify_ = new QCheckBox(tr("Notify me on the day"), count);
    notify_->setObjectName("notify");
    countForm->addRow(notify_);
    countForm->setRowVisible(notify_, false);
    column->addWidget(count);

    auto* iconBox = new QGroupBox(tr("Icon"), this);
    auto* iconColumn = new QVBoxLayout(iconBox);
    const auto& d = model_.draft();
    picker_ = new IconPicker(
        qstr(d.symbol), d.customImage ? std::optional<QString>(qstr(*d.customImage)) : std::nullopt,
        icons, iconBox);
    iconColumn->addWidget(picker_);
    column->addWidget(iconBox);

    goneNotice_ = new QLabel(this);
    goneNotice_->setObjectName("goneNotice");
    goneNotice_->setWordWrap(true);
    goneNotice_->setVisible(false);
    column->addWidget(goneNotice_);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    if (mode == Mode::edit) {
        auto* remove = new QPushButton(tr("Delete"), this);
        delete_ = remove;
        remove->setObjectName("delete");
        remove->setAutoDefault(false);
        QPalette red = remove->palette();
        red.setColor(QPalette::ButtonText, QColor(215, 0, 21));
        remove->setPalette(red);
        buttons->addWidget(remove);
        connect(remove, &QPushButton::clicked, this, [this] {
            emit deleteRequested(initial_);
            done(kDeleted);
        });
    }
    buttons->addStretch(1);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName("cancel");
    cancel->setAutoDefault(false);
    confirm_ = new QPushButton(qstr(model_.confirmTitle()), this);
    confirm_->setObjectName("confirm");
    confirm_->setDefault(true);
    buttons->addWidget(cancel);
    buttons->addWidget(confirm_);
    column->addLayout(buttons);

    // One label column across the separate forms.
    int labelWidth = 0;
    for (QFormLayout* form : {topForm_, whenForm_, countForm}) {
        for (int row = 0; row < form->rowCount(); ++row) {
            if (auto* item = form->itemAt(row, QFormLayout::LabelRole)) {
                labelWidth = std::max(labelWidth, item->widget()->sizeHint().width());
            }
        }
    }
    for (QFormLayout* form : {topForm_, whenForm_, countForm}) {
        for (int row = 0; row < form->rowCount(); ++row) {
            if (auto* item = form->itemAt(row, QFormLayout::LabelRole)) {
                item->widget()->setMinimumWidth(labelWidth);
            }
        }
    }

    connect(label_, &QLineEdit::textChanged, this, [this](const QString& text) {
        model_.setLabel(text.toStdString());
        refresh();
    });
    connect(startDate_, &QDateEdit::dateChanged, this, [this](QDate date) {
        startError_->clear();
        model_.setStartDay(fromQDate(date));
        refresh();
    });
    connect(startDate_, &app::DateField::refused, this,
            [this] { showDateError(startDate_, startError_); });
    connect(endDate_, &app::DateField::refused, this,
            [this] { showDateError(endDate_, endError_); });
    connect(lasts_, &QCheckBox::toggled, this, [this](bool on) {
        model_.setLastsMoreThanADay(on);
        refresh();
    });
    connect(endDate_, &QDateEdit::dateChanged, this, [this](QDate date) {
        endError_->clear();
        model_.setEndDay(fromQDate(date));
        refresh();
    });
    connect(during_, &QButtonGroup::idClicked, this, [this](int id) {
        model_.setDuring(EnumCases<DuringMode>::list[static_cast<std::size_t>(id)].value);
    });
    connect(recurs_, &QButtonGroup::idClicked, this, [this](int id) { model_.setRecurs(id == 1); });
    connect(unit_, &QButtonGroup::idClicked, this, [this](int id) {
        model_.setUnit(EnumCases<CountUnit>::list[static_cast<std::size_t>(id)].value);
    });
    connect(picker_, &IconPicker::changed, this, [this] {
        model_.setSymbol(picker_->symbol().toStdString());
        const auto custom = picker_->customImage();
        model_.setCustomImage(custom ? std::optional<std::string>(custom->toStdString())
                                     : std::nullopt);
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(confirm_, &QPushButton::clicked, this, &CountdownEditor::accept);

    refresh();
    label_->setFocus();
}

void CountdownEditor::offerReminder(bool on) {
    notify_->setChecked(on);
    countForm_->setRowVisible(notify_, true);
    refresh();
}

std::optional<bool> CountdownEditor::reminderChoice() const {
    if (!countForm_->isRowVisible(notify_)) {
        return std::nullopt;
    }
    return notify_->isChecked();
}

Countdown CountdownEditor::result() const {
    return saved_.value_or(initial_);
}

void CountdownEditor::accept() {
    if (!model_.canSave() || gone_) {
        return;
    }
    for (const auto& [field, error] : {std::pair{startDate_, startError_}, {endDate_, endError_}}) {
        if (field->isVisibleTo(this) && !field->hasAcceptableInput()) {
            showDateError(field, error);
            field->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    if (commit_ && !commit_(model_.draft())) {
        markGone();
        return;
    }
    saved_ = model_.draft();
    emit saved(*saved_);
    QDialog::accept();
}

void CountdownEditor::showDateError(app::DateField* field, QLabel* error) {
    const QString example = field->locale().toString(field->date(), field->displayFormat());
    error->setText(
        tr("Type the whole date, like “%1”, or press Alt+Down to pick it.").arg(example));
    refresh();
}

void CountdownEditor::markGone() {
    if (gone_) {
        return;
    }
    gone_ = true;
    goneNotice_->setText(
        tr("“%1” is no longer in the list: its calendar was switched off, or it was removed "
           "elsewhere. Your changes cannot be saved.")
            .arg(QString::fromStdString(initial_.label)));
    goneNotice_->setVisible(true);
    if (delete_ != nullptr) {
        delete_->setEnabled(false);
    }
    refresh();
}

void CountdownEditor::refresh() {
    const auto& d = model_.draft();
    confirm_->setEnabled(model_.canSave() && !gone_);

    const bool fixed = model_.startIsFixed();
    whenForm_->setRowVisible(startDate_, fixed);
    whenForm_->setRowVisible(startRule_, !fixed);
    whenForm_->setRowVisible(startError_, fixed && !startError_->text().isEmpty());
    if (auto* title = qobject_cast<QLabel*>(whenForm_->labelForField(startDate_))) {
        title->setText(qstr(model_.startTitle()));
    }
    nextCaption_->setText(qstr(model_.nextText()));

    const bool lasts = model_.lastsMoreThanADay();
    {
        const QSignalBlocker block(lasts_);
        lasts_->setChecked(lasts);
    }
    whenForm_->setRowVisible(endDate_, lasts && model_.endIsFixed());
    whenForm_->setRowVisible(endRule_, lasts && !model_.endIsFixed());
    whenForm_->setRowVisible(endError_,
                             lasts && model_.endIsFixed() && !endError_->text().isEmpty());
    whenForm_->setRowVisible(duringRow_, lasts);
    if (lasts) {
        const QSignalBlocker block(endDate_);
        if (const auto minimum = model_.endMinimumDay()) {
            endDate_->setMinimumDate(toQDate(*minimum));
        }
        if (const auto day = model_.endDay()) {
            endDate_->setMaximumDate(std::max(toQDate(*day), app::DateField::latest()));
            endDate_->setDate(toQDate(*day));
        }
        endRule_->setText(qstr(model_.endDescription()));
    }
    during_->button(d.during == DuringMode::hide ? 1 : 0)->setChecked(true);

    whenForm_->setRowVisible(recursRow_, model_.recursEditable());
    whenForm_->setRowVisible(recursFixed_, !model_.recursEditable());
    recurs_->button(d.recurs ? 1 : 0)->setChecked(true);

    for (std::size_t i = 0; i < EnumCases<CountUnit>::list.size(); ++i) {
        if (EnumCases<CountUnit>::list[i].value == d.unit) {
            unit_->button(static_cast<int>(i))->setChecked(true);
        }
    }

    // The sheet keeps its width and is as tall as the rows now shown.
    layout()->activate();
    setFixedHeight(layout()->sizeHint().height());
}

}  // namespace solvane
