#include "app/subscribe_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/section_style.h"

namespace solvane::app {

SubscribeDialog::SubscribeDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Subscribe to Calendar"));
    setMinimumWidth(480);
    auto* layout = new QVBoxLayout(this);
    // Wrapped texts get the height they need at the dialog's width.
    layout->setSizeConstraint(QLayout::SetMinimumSize);
    layout->addWidget(makeLabel(tr("Follow a calendar published on the web: holidays, a team's "
                                   "fixtures, school terms. Its events can then become "
                                   "countdowns; it is checked for changes every few hours."),
                                calloutFont(), secondaryTextColor(palette())));
    auto* form = new QFormLayout;
    address_ = new QLineEdit;
    address_->setPlaceholderText(QStringLiteral("webcal://example.org/holidays.ics"));
    address_->setMinimumWidth(360);
    form->addRow(tr("Address:"), address_);
    name_ = new QLineEdit;
    name_->setPlaceholderText(tr("As the calendar names itself"));
    form->addRow(tr("Name:"), name_);
    layout->addLayout(form);
    status_ = makeLabel({}, captionFont(), noticeColor(palette()));
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    status_->setVisible(false);
    layout->addWidget(status_);

    auto* buttons = new QDialogButtonBox;
    subscribe_ = buttons->addButton(tr("Subscribe"), QDialogButtonBox::AcceptRole);
    subscribe_->setDefault(true);
    subscribe_->setEnabled(false);
    buttons->addButton(QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(subscribe_, &QPushButton::clicked, this, &SubscribeDialog::submit);
    connect(address_, &QLineEdit::textChanged, this, [this](const QString& text) {
        subscribe_->setEnabled(!waiting_ && !text.trimmed().isEmpty());
    });
    layout->addWidget(buttons);
}

void SubscribeDialog::submit() {
    const QString address = address_->text().trimmed();
    if (waiting_ || address.isEmpty()) {
        return;
    }
    waiting_ = true;
    subscribe_->setEnabled(false);
    address_->setEnabled(false);
    name_->setEnabled(false);
    setTextColor(status_, secondaryTextColor(palette()));
    status_->setText(tr("Fetching the calendar\u2026"));
    status_->setVisible(true);
    emit subscribeRequested(address, name_->text().trimmed());
}

void SubscribeDialog::finish(const QString& error) {
    if (!waiting_) {
        return;
    }
    waiting_ = false;
    if (error.isEmpty()) {
        accept();
        return;
    }
    address_->setEnabled(true);
    name_->setEnabled(true);
    subscribe_->setEnabled(true);
    setTextColor(status_, noticeColor(palette()));
    status_->setText(tr("This calendar cannot be followed: %1").arg(error));
    address_->setFocus();
}

}  // namespace solvane::app
