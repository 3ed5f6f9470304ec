// The Location section of the companion window: the board's place by name
// and coordinates, fields to type a place in by hand, "Use Current Location",
// and the location service's one-line status.
//
// A typed place is handed on only when both coordinates read as numbers on
// the globe (latitude −90…90, longitude −180…180); anything else marks the
// field and says what is wrong, and nothing is sent.
//
//   section->setPlace(store.location());
//   connect(section, &LocationSection::placeChanged, state, &State::setLocation);
//   connect(manager, &LocationManager::statusChanged, section, &LocationSection::setStatus);
#pragma once

#include <QString>
#include <QWidget>

#include <optional>

#include "core/store/saved_location.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace solvane::app {

// The place the three fields describe; none when a coordinate is not a
// number in range. An empty name becomes the coordinates with two decimals.
std::optional<SavedLocation> placeFromFields(const QString& name, const QString& latitude,
                                             const QString& longitude);

class LocationSection : public QWidget {
    Q_OBJECT

  public:
    explicit LocationSection(QWidget* parent = nullptr);

    const SavedLocation& place() const { return place_; }

    QLineEdit* nameField() const { return name_; }
    QLineEdit* latitudeField() const { return latitude_; }
    QLineEdit* longitudeField() const { return longitude_; }
    QPushButton* currentLocationButton() const { return useCurrent_; }
    QLabel* statusLabel() const { return status_; }
    QLabel* errorLabel() const { return error_; }

  public slots:
    // Shows a place that came from elsewhere (the store, the location
    // service) without sending it back.
    void setPlace(const solvane::SavedLocation& place);
    // The location service's status; an empty text hides the line.
    void setStatus(const QString& status);

  signals:
    void placeChanged(const solvane::SavedLocation& place);
    void useCurrentLocationRequested();

  private:
    void commit();
    void showPlace();

    SavedLocation place_;
    QLabel* title_ = nullptr;
    QLabel* coordinates_ = nullptr;
    QPushButton* useCurrent_ = nullptr;
    QLineEdit* name_ = nullptr;
    QLineEdit* latitude_ = nullptr;
    QLineEdit* longitude_ = nullptr;
    QLabel* error_ = nullptr;
    QLabel* status_ = nullptr;
};

}  // namespace solvane::app
