#include "app/location_section.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

#include "app/section_style.h"
#include "board/layout.h"

namespace solvane::app {

namespace {

// Either the C form ("40.7") or the user's own ("40,7"), whichever reads.
std::optional<double> readNumber(const QString& text) {
    const QString trimmed = text.trimmed();
    bool ok = false;
    double value = QLocale::c().toDouble(trimmed, &ok);
    if (!ok) {
        value = QLocale().toDouble(trimmed, &ok);
    }
    if (!ok || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

QString coordinateText(double value) {
    return QString::asprintf("%.3f", value);
}

void markInvalid(QLineEdit* field, bool invalid) {
    field->setProperty("invalid", invalid);
    field->setStyleSheet(invalid ? QStringLiteral("QLineEdit { border: 1px solid #d9480f; "
                                                  "border-radius: 3px; padding: 1px 2px; }")
                                 : QString());
}

}  // namespace

std::optional<SavedLocation> placeFromFields(const QString& name, const QString& latitude,
                                             const QString& longitude) {
    const auto lat = readNumber(latitude);
    const auto lon = readNumber(longitude);
    if (!lat || !lon || std::abs(*lat) > 90 || std::abs(*lon) > 180) {
        return std::nullopt;
    }
    SavedLocation place{*lat, *lon, name.trimmed().toStdString()};
    if (place.name.empty()) {
        place.name = QString::asprintf("%.2f, %.2f", *lat, *lon).toStdString();
    }
    return place;
}

LocationSection::LocationSection(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    layout->addWidget(makeHeadline(tr("Location")));

    const QColor secondary = secondaryTextColor(palette());
    auto* row = new QHBoxLayout;
    row->setSpacing(8);
    auto* names = new QVBoxLayout;
    names->setSpacing(2);
    title_ = new QLabel;
    title_->setFont(calloutFont());
    coordinates_ = makeLabel(QString(), monospacedFont(11), secondary);
    coordinates_->setWordWrap(false);
    coordinates_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    names->addWidget(title_);
    names->addWidget(coordinates_);
    row->addLayout(names, 1);
    useCurrent_ = new QPushButton(tr("Use Current Location"));
    connect(useCurrent_, &QPushButton::clicked, this,
            &LocationSection::useCurrentLocationRequested);
    row->addWidget(useCurrent_, 0, Qt::AlignVCenter);
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
    latitude_->setPlaceholderText(tr("40.713"));
    latitude_->setToolTip(tr("Degrees north; south is negative"));
    longitude_ = new QLineEdit;
    longitude_->setPlaceholderText(tr("-74.006"));
    longitude_->setToolTip(tr("Degrees east; west is negative"));
    fields->addWidget(fieldLabel(tr("Name")), 0, 0);
    fields->addWidget(name_, 0, 1, 1, 3);
    fields->addWidget(fieldLabel(tr("Latitude")), 1, 0);
    fields->addWidget(latitude_, 1, 1);
    fields->addWidget(fieldLabel(tr("Longitude")), 1, 2);
    fields->addWidget(longitude_, 1, 3);
    fields->setColumnStretch(1, 1);
    fields->setColumnStretch(3, 1);
    layout->addLayout(fields);
    for (QLineEdit* field : {name_, latitude_, longitude_}) {
        connect(field, &QLineEdit::editingFinished, this, &LocationSection::commit);
    }

    error_ = makeLabel(QString(), captionFont(), noticeColor(palette()));
    error_->setVisible(false);
    layout->addWidget(error_);
    status_ = makeLabel(QString(), captionFont(), secondary);
    status_->setVisible(false);
    layout->addWidget(status_);

    setPlace(defaultLocation());
}

void LocationSection::setPlace(const SavedLocation& place) {
    place_ = place;
    name_->setText(QString::fromStdString(place.name));
    latitude_->setText(coordinateText(place.latitude));
    longitude_->setText(coordinateText(place.longitude));
    markInvalid(latitude_, false);
    markInvalid(longitude_, false);
    error_->setVisible(false);
    showPlace();
}

void LocationSection::setStatus(const QString& status) {
    status_->setText(status);
    status_->setVisible(!status.isEmpty());
}

void LocationSection::showPlace() {
    title_->setText(shownText(QString::fromStdString(place_.name)));
    coordinates_->setText(QString::asprintf("%.3f, %.3f", place_.latitude, place_.longitude));
}

void LocationSection::commit() {
    const auto lat = readNumber(latitude_->text());
    const auto lon = readNumber(longitude_->text());
    const bool badLat = !lat || std::abs(*lat) > 90;
    const bool badLon = !lon || std::abs(*lon) > 180;
    markInvalid(latitude_, badLat);
    markInvalid(longitude_, badLon);
    if (badLat || badLon) {
        error_->setText(badLat ? tr("Latitude must be a number from -90 to 90.")
                               : tr("Longitude must be a number from -180 to 180."));
        error_->setVisible(true);
        return;
    }
    error_->setVisible(false);
    const auto place = placeFromFields(name_->text(), latitude_->text(), longitude_->text());
    // The fields show three decimals; a finish without a change in what they
    // show must not move the board's place by the rounding.
    const bool sameCoordinates = latitude_->text().trimmed() == coordinateText(place_.latitude) &&
                                 longitude_->text().trimmed() == coordinateText(place_.longitude);
    SavedLocation next = *place;
    if (sameCoordinates) {
        next.latitude = place_.latitude;
        next.longitude = place_.longitude;
    }
    if (name_->text().trimmed().isEmpty()) {
        name_->setText(QString::fromStdString(next.name));
    }
    if (next == place_) {
        return;
    }
    place_ = next;
    showPlace();
    emit placeChanged(place_);
}

}  // namespace solvane::app
