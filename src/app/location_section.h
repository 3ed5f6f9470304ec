// The Location section of the companion window: the board's place by name
// and coordinates, fields to type a place in by hand, "Use Current Location",
// and the location service's one-line status.
//
// The name and the two coordinates are one entry: a place is handed on only
// as a whole, by Enter in a field, by the Save button that shows while the
// fields hold edits, or by focus moving out of the fields. Switching to
// another window or opening a menu is a pause, not a commit, so a place half
// copied from elsewhere is never sent. A place is sent only when all three
// read (a name, latitude −90…90, longitude −180…180); otherwise the wrong
// fields are marked, the caption says why, and the stored place stays.
// Escape puts the stored place back in the fields.
//
// Coordinates go on exactly as typed. A field shows three decimals while it
// is not being edited and every digit while it has focus; a coordinate the
// user did not edit is taken from the stored place, never from its rounding.
//
//   section->setPlace(store.location());
//   connect(section, &LocationSection::placeChanged, state, &State::setLocation);
//   connect(manager, &LocationManager::statusChanged, section, &LocationSection::setStatus);
#pragma once

#include <QHash>
#include <QString>
#include <QWidget>

#include <optional>

#include "core/store/saved_location.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace solvane::app {

class LocationSection : public QWidget {
    Q_OBJECT

  public:
    // Longer names are refused rather than cut, so what is stored is what
    // was typed.
    static constexpr int kMaxNameLength = 100;

    explicit LocationSection(QWidget* parent = nullptr);

    const SavedLocation& place() const { return place_; }
    // Whether the fields hold edits not yet committed.
    bool hasEdits() const;

    QLineEdit* nameField() const { return name_; }
    QLineEdit* latitudeField() const { return latitude_; }
    QLineEdit* longitudeField() const { return longitude_; }
    QPushButton* saveButton() const { return save_; }
    QPushButton* currentLocationButton() const { return useCurrent_; }
    QLabel* statusLabel() const { return status_; }
    QLabel* errorLabel() const { return error_; }

  public slots:
    // Shows a place that came from elsewhere (the store, the location
    // service) without sending it back. It replaces anything half typed: the
    // user asked for it, or it is the place just committed. `fromTimeZone`:
    // nobody chose it yet, it is the time zone's city, and the section says
    // so.
    void setPlace(const solvane::SavedLocation& place, bool fromTimeZone = false);
    // The location service's status; an empty text hides the line.
    void setStatus(const QString& status);

  signals:
    // Once per committed place that differs from the stored one.
    void placeChanged(const solvane::SavedLocation& place);
    void useCurrentLocationRequested();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void commit();
    void fillFields();
    void fill(QLineEdit* field, const QString& text);
    void fillCoordinate(QLineEdit* field, double value);
    std::optional<double> coordinate(const QLineEdit* field, double stored) const;
    bool inEntry(const QObject* object) const;
    void updateSaveButton();
    void showPlace();

    SavedLocation place_;
    bool fromTimeZone_ = false;
    // What each field was last filled with, so typing it back is no edit.
    QHash<const QLineEdit*, QString> filled_;
    QLabel* title_ = nullptr;
    QLabel* coordinates_ = nullptr;
    QPushButton* useCurrent_ = nullptr;
    QLineEdit* name_ = nullptr;
    QLineEdit* latitude_ = nullptr;
    QLineEdit* longitude_ = nullptr;
    QPushButton* save_ = nullptr;
    QLabel* error_ = nullptr;
    QLabel* status_ = nullptr;
};

}  // namespace solvane::app
