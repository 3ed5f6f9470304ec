#include "app/location_section.h"

#include <QApplication>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>

#include <cmath>

#include "app/section_style.h"
#include "board/layout.h"

namespace solvane::app {

namespace {

// The user's numbers: their locale's decimal separator ("52,520" in German)
// and the point everyone types ("52.520"). A coordinate has no thousands, so
// a group separator is never read as one: "52,520" is not 52520 anywhere.
QLocale numbersLocale() {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    return locale;
}

std::optional<double> readNumber(const QString& text) {
    QString trimmed = text.trimmed();
    // The typographic minus is what some locales write and what the
    // captions show.
    trimmed.replace(QChar(0x2212), QLatin1Char('-'));
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    double value = numbersLocale().toDouble(trimmed, &ok);
    if (!ok) {
        value = c.toDouble(trimmed, &ok);
    }
    if (!ok || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

QString shortCoordinate(double value) {
    return numbersLocale().toString(value, 'f', 3);
}

// The shortest text that reads back as the same double, without exponent.
QString fullCoordinate(double value) {
    return numbersLocale().toString(value, 'f', QLocale::FloatingPointShortest);
}

// Focus that moves for these comes back to the same field: another window
// was activated, or a menu (the field's own context menu among them) opened.
bool isPause(Qt::FocusReason reason) {
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason ||
           reason == Qt::MenuBarFocusReason;
}

void markInvalid(QLineEdit* field, bool invalid) {
    field->setProperty("invalid", invalid);
    field->setStyleSheet(invalid ? QStringLiteral("QLineEdit { border: 1px solid #d9480f; "
                                                  "border-radius: 3px; padding: 1px 2px; }")
                                 : QString());
}

// The widest "Use Current Location" button that leaves the place's name half
// of the column.
constexpr int kBesideButtonWidth = 170;

}  // namespace

LocationSection::LocationSection(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    layout->addWidget(makeHeadline(tr("Location")));

    const QColor secondary = secondaryTextColor(palette());
    auto* row = new QBoxLayout(QBoxLayout::LeftToRight);
    row->setSpacing(8);
    auto* names = new QVBoxLayout;
    names->setSpacing(2);
    title_ = new QLabel;
    title_->setFont(calloutFont());
    title_->setWordWrap(true);
    coordinates_ = makeLabel(QString(), monospacedFont(11), secondary);
    coordinates_->setWordWrap(false);
    coordinates_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    names->addWidget(title_);
    names->addWidget(coordinates_);
    row->addLayout(names, 1);
    useCurrent_ = new QPushButton(tr("Use Current Location"));
    connect(useCurrent_, &QPushButton::clicked, this,
            &LocationSection::useCurrentLocationRequested);
    // Beside the place where the words are short; below it where the
    // button's own words would leave the place's name too little room.
    if (useCurrent_->sizeHint().width() > kBesideButtonWidth) {
        row->setDirection(QBoxLayout::TopToBottom);
        row->addWidget(useCurrent_, 0, Qt::AlignLeft);
    } else {
        row->addWidget(useCurrent_, 0, Qt::AlignVCenter);
    }
    layout->addLayout(row);

    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(6);
    fields->setVerticalSpacing(4);
    auto fieldLabel = [&](const QString& text) {
        QLabel* label = makeLabel(text, captionFont(), secondary);
        label->setWordWrap(false);
        return label;
    };
    name_ = new QLineEdit;
    name_->setPlaceholderText(tr("Place name"));
    latitude_ = new QLineEdit;
    latitude_->setPlaceholderText(shortCoordinate(40.713));
    latitude_->setToolTip(tr("Degrees north; south is negative"));
    longitude_ = new QLineEdit;
    longitude_->setPlaceholderText(shortCoordinate(-74.006));
    longitude_->setToolTip(tr("Degrees east; west is negative"));
    // Each field is named by the label beside it, for screen readers too.
    const auto labelled = [&](const QString& text, QLineEdit* field) {
        QLabel* label = fieldLabel(text);
        label->setBuddy(field);
        field->setAccessibleName(text);
        return label;
    };
    fields->addWidget(labelled(tr("Name"), name_), 0, 0);
    fields->addWidget(name_, 0, 1, 1, 3);
    fields->addWidget(labelled(tr("Latitude"), latitude_), 1, 0);
    fields->addWidget(latitude_, 1, 1);
    fields->addWidget(labelled(tr("Longitude"), longitude_), 1, 2);
    fields->addWidget(longitude_, 1, 3);
    fields->setColumnStretch(1, 1);
    fields->setColumnStretch(3, 1);
    layout->addLayout(fields);
    for (QLineEdit* field : {name_, latitude_, longitude_}) {
        connect(field, &QLineEdit::returnPressed, this, &LocationSection::commit);
        connect(field, &QLineEdit::textEdited, this, [this, field](const QString& text) {
            if (text == filled_.value(field)) {
                field->setModified(false);
            }
            updateSaveButton();
        });
        field->installEventFilter(this);
    }

    auto* footer = new QHBoxLayout;
    footer->setSpacing(8);
    error_ = makeLabel(QString(), captionFont(), noticeColor(palette()));
    error_->setVisible(false);
    footer->addWidget(error_, 1);
    save_ = new QPushButton(tr("Save"));
    // A click leaves the focus in the field being typed in.
    save_->setFocusPolicy(Qt::TabFocus);
    // Its row keeps its height while the button is hidden, so that nothing
    // below moves when typing brings it up.
    QSizePolicy keepsRoom = save_->sizePolicy();
    keepsRoom.setRetainSizeWhenHidden(true);
    save_->setSizePolicy(keepsRoom);
    save_->setVisible(false);
    save_->installEventFilter(this);
    connect(save_, &QPushButton::clicked, this, &LocationSection::commit);
    footer->addWidget(save_, 0, Qt::AlignRight | Qt::AlignTop);
    layout->addLayout(footer);
    status_ = makeLabel(QString(), captionFont(), secondary);
    status_->setVisible(false);
    // A failure's second line is the service's own words, for a bug report.
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(status_);

    setPlace(defaultLocation());
}

void LocationSection::setPlace(const SavedLocation& place, bool fromTimeZone) {
    place_ = place;
    fromTimeZone_ = fromTimeZone;
    fillFields();
    showPlace();
}

void LocationSection::setStatus(const QString& status) {
    status_->setText(status);
    status_->setVisible(!status.isEmpty());
}

bool LocationSection::hasEdits() const {
    return name_->isModified() || latitude_->isModified() || longitude_->isModified();
}

bool LocationSection::inEntry(const QObject* object) const {
    return object != nullptr &&
           (object == name_ || object == latitude_ || object == longitude_ || object == save_);
}

bool LocationSection::eventFilter(QObject* watched, QEvent* event) {
    if (!inEntry(watched)) {
        return QWidget::eventFilter(watched, event);
    }
    // A coordinate not being typed in shows the place's own: in full while
    // it has the focus, as the caption does otherwise.
    const auto refillCoordinate = [&] {
        if (auto* field = qobject_cast<QLineEdit*>(watched);
            field != name_ && field != nullptr && !field->isModified()) {
            fillCoordinate(field, field == latitude_ ? place_.latitude : place_.longitude);
        }
    };
    switch (event->type()) {
        case QEvent::ShortcutOverride:
        case QEvent::KeyPress: {
            // Escape only takes something back while there is something to
            // take back; otherwise it goes on to the window.
            const bool undoing = static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape &&
                                 (hasEdits() || error_->isVisibleTo(this));
            if (!undoing) {
                break;
            }
            event->accept();
            if (event->type() == QEvent::KeyPress) {
                fillFields();
            }
            return true;
        }
        case QEvent::FocusIn:
            refillCoordinate();
            break;
        case QEvent::FocusOut: {
            if (isPause(static_cast<QFocusEvent*>(event)->reason())) {
                break;
            }
            refillCoordinate();
            // The application's focus widget is already the one taking over.
            if (!inEntry(QApplication::focusWidget())) {
                commit();
            }
            break;
        }
        default:
            break;
    }
    return QWidget::eventFilter(watched, event);
}

std::optional<double> LocationSection::coordinate(const QLineEdit* field, double stored) const {
    return field->isModified() ? readNumber(field->text()) : std::optional<double>(stored);
}

void LocationSection::commit() {
    if (!hasEdits()) {
        return;
    }
    const QString name = name_->text().trimmed();
    const auto latitude = coordinate(latitude_, place_.latitude);
    const auto longitude = coordinate(longitude_, place_.longitude);

    QString nameProblem;
    if (name.isEmpty()) {
        nameProblem = tr("Name can't be empty.");
    } else if (name.toUcs4().size() > kMaxNameLength) {
        nameProblem = tr("Name is at most %1 characters.").arg(kMaxNameLength);
    }
    const QString latitudeProblem = !latitude ? tr("Latitude must be a number.")
                                    : std::abs(*latitude) > 90
                                        ? tr("Latitude is between −90 and 90.")
                                        : QString();
    const QString longitudeProblem = !longitude ? tr("Longitude must be a number.")
                                     : std::abs(*longitude) > 180
                                         ? tr("Longitude is between −180 and 180.")
                                         : QString();
    markInvalid(name_, !nameProblem.isEmpty());
    markInvalid(latitude_, !latitudeProblem.isEmpty());
    markInvalid(longitude_, !longitudeProblem.isEmpty());
    QStringList problems{nameProblem, latitudeProblem, longitudeProblem};
    problems.removeAll(QString());
    if (!problems.isEmpty()) {
        error_->setText(problems.join(QLatin1Char('\n')));
        error_->setVisible(true);
        return;
    }

    const SavedLocation next{*latitude, *longitude, name.toStdString()};
    // A place typed over the time zone's city is the user's own, even when
    // it is the same.
    const bool changed = next != place_ || fromTimeZone_;
    place_ = next;
    fromTimeZone_ = false;
    fillFields();
    showPlace();
    if (changed) {
        emit placeChanged(place_);
    }
}

void LocationSection::fillFields() {
    fill(name_, QString::fromStdString(place_.name));
    fillCoordinate(latitude_, place_.latitude);
    fillCoordinate(longitude_, place_.longitude);
    for (QLineEdit* field : {name_, latitude_, longitude_}) {
        markInvalid(field, false);
    }
    error_->setVisible(false);
    updateSaveButton();
}

void LocationSection::fill(QLineEdit* field, const QString& text) {
    filled_.insert(field, text);
    if (field->text() != text) {
        field->setText(text);
    }
    field->setModified(false);
}

void LocationSection::fillCoordinate(QLineEdit* field, double value) {
    fill(field, field->hasFocus() ? fullCoordinate(value) : shortCoordinate(value));
}

void LocationSection::updateSaveButton() {
    const bool edits = hasEdits();
    if (!edits && save_->hasFocus()) {
        // Hidden with the focus, it would pass the focus out of the section.
        longitude_->setFocus(Qt::OtherFocusReason);
    }
    save_->setVisible(edits);
}

void LocationSection::showPlace() {
    const QString name = shownText(QString::fromStdString(place_.name));
    // The name isolated, so that an Arabic or Hebrew name keeps its place
    // before the note in whatever direction the window reads.
    title_->setText(fromTimeZone_
                        ? tr("%1 (from your time zone)").arg(QChar(0x2068) + name + QChar(0x2069))
                        : name);
    // A comma between the two reads as a decimal comma where numbers have
    // one.
    const QString between = numbersLocale().decimalPoint() == QLatin1String(",")
                                ? QStringLiteral("; ")
                                : QStringLiteral(", ");
    coordinates_->setText(shortCoordinate(place_.latitude) + between +
                          shortCoordinate(place_.longitude));
}

}  // namespace solvane::app
