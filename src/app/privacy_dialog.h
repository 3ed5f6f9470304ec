// "Privacy & Security", opened from the Solvane menu: the switches that stand
// in for the desktop's per-application permissions. Each switch writes the
// user's answer ("granted" or "denied") to the permission record at once,
// where the calendar database and the location service read it.
//
//   PrivacyDialog dialog(PermissionRecord::standard(), window);
//   connect(&dialog, &PrivacyDialog::permissionChanged, state, &State::syncCalendars);
//   dialog.exec();
#pragma once

#include <QDialog>
#include <QString>

#include "platform/calendar/permission_record.h"

class QCheckBox;
class QLabel;
class QVBoxLayout;

namespace solvane::app {

class PrivacyDialog : public QDialog {
    Q_OBJECT

  public:
    explicit PrivacyDialog(
        platform::PermissionRecord record = platform::PermissionRecord::standard(),
        QWidget* parent = nullptr);

    QCheckBox* calendarsSwitch() const { return calendars_; }
    QCheckBox* locationSwitch() const { return location_; }
    QLabel* errorLabel() const { return error_; }

    // Re-reads the record, for a dialog kept open while another program
    // changed it.
    void reload();

  signals:
    // `service` is the record's key: "calendars" or "location".
    void permissionChanged(QString service, bool granted);

  private:
    QCheckBox* addSwitch(const QString& title, const QString& detail, const char* service);
    void write(QCheckBox* toggle, const char* service, bool granted);

    platform::PermissionRecord record_;
    QCheckBox* calendars_ = nullptr;
    QCheckBox* location_ = nullptr;
    QLabel* error_ = nullptr;
    QVBoxLayout* layout_ = nullptr;
};

}  // namespace solvane::app
