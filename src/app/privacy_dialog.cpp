#include "app/privacy_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QStyle>
#include <QVBoxLayout>

#include <string_view>

#include "app/section_style.h"
#include "platform/location/location_permission.h"

namespace solvane::app {

namespace {

constexpr const char* kCalendarsKey = "calendars";
constexpr const char* kLocationKey = "location";

static_assert(std::string_view(kCalendarsKey) == platform::kCalendarsPermissionKey);
static_assert(std::string_view(kLocationKey) == platform::kLocationPermissionKey);

bool isGranted(const platform::PermissionRecord& record, const char* service) {
    return record.answer(service) == std::string(platform::kPermissionGranted);
}

}  // namespace

PrivacyDialog::PrivacyDialog(platform::PermissionRecord record, QWidget* parent)
    : QDialog(parent), record_(std::move(record)) {
    setWindowTitle(tr("Privacy & Security"));
    setMinimumWidth(420);

    layout_ = new QVBoxLayout(this);
    layout_->setContentsMargins(20, 20, 20, 16);
    layout_->setSpacing(10);
    layout_->addWidget(makeHeadline(tr("Privacy & Security")));
    layout_->addWidget(makeLabel(tr("Choose what Solvane may read. Your answers stay on this "
                                    "computer."),
                                 captionFont(), secondaryTextColor(palette())));

    calendars_ =
        addSwitch(tr("Calendars"), tr("Read your calendar folders to turn events into countdowns."),
                  kCalendarsKey);
    location_ = addSwitch(tr("Location"),
                          tr("Find this computer's location when you click Use Current "
                             "Location."),
                          kLocationKey);

    error_ = makeLabel(QString(), captionFont(), noticeColor(palette()));
    error_->setVisible(false);
    layout_->addWidget(error_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout_->addStretch(1);
    layout_->addWidget(buttons);
    reload();
}

QCheckBox* PrivacyDialog::addSwitch(const QString& title, const QString& detail,
                                    const char* service) {
    auto* toggle = new QCheckBox(title);
    toggle->setFont(calloutFont());
    toggle->setObjectName(QString::fromLatin1(service));
    auto* group = new QVBoxLayout;
    group->setSpacing(2);
    group->addWidget(toggle);
    QLabel* label = makeLabel(detail, captionFont(), secondaryTextColor(palette()));
    // Lines the explanation up with the switch's text rather than its box.
    label->setContentsMargins(style()->pixelMetric(QStyle::PM_IndicatorWidth) +
                                  style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing),
                              0, 0, 0);
    group->addWidget(label);
    layout_->addSpacing(4);
    layout_->addLayout(group);
    connect(toggle, &QCheckBox::toggled, this,
            [this, toggle, service](bool on) { write(toggle, service, on); });
    return toggle;
}

void PrivacyDialog::reload() {
    for (auto [toggle, service] :
         {std::pair{calendars_, kCalendarsKey}, std::pair{location_, kLocationKey}}) {
        const QSignalBlocker blocker(toggle);
        toggle->setChecked(isGranted(record_, service));
    }
}

void PrivacyDialog::write(QCheckBox* toggle, const char* service, bool granted) {
    const std::string_view answer =
        granted ? platform::kPermissionGranted : platform::kPermissionDenied;
    if (!record_.record(service, answer)) {
        // The switch must not claim an answer the programs will not see.
        const QSignalBlocker blocker(toggle);
        toggle->setChecked(!granted);
        error_->setText(tr("Couldn't save your answer to %1.")
                            .arg(QString::fromStdString(record_.file().string())));
        error_->setVisible(true);
        return;
    }
    error_->setVisible(false);
    emit permissionChanged(QString::fromLatin1(service), granted);
}

}  // namespace solvane::app
