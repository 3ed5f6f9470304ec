// "Subscribe to Calendar…": the address of a calendar published on the web
// (https://, http:// or webcal://) and an optional name. The dialog stays
// open while the calendar is fetched, says why when it cannot be followed,
// and closes once it is.
//
//   auto* dialog = new SubscribeDialog(window);
//   connect(dialog, &SubscribeDialog::subscribeRequested, state, &State::subscribe);
//   connect(state, &State::subscribeFinished, dialog, &SubscribeDialog::finish);
#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;

namespace solvane::app {

class SubscribeDialog : public QDialog {
    Q_OBJECT

  public:
    explicit SubscribeDialog(QWidget* parent = nullptr);

    QLineEdit* addressField() const { return address_; }
    QLineEdit* nameField() const { return name_; }
    QPushButton* subscribeButton() const { return subscribe_; }
    QLabel* statusLabel() const { return status_; }

  public slots:
    // The fetch ended: closes on success, shows `error` otherwise.
    void finish(const QString& error);

  signals:
    void subscribeRequested(const QString& address, const QString& name);

  private:
    void submit();

    QLineEdit* address_ = nullptr;
    QLineEdit* name_ = nullptr;
    QLabel* status_ = nullptr;
    QPushButton* subscribe_ = nullptr;
    bool waiting_ = false;
};

}  // namespace solvane::app
