#include "host/gallery_dialog.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

#include "host/plugin_loader.h"

namespace solvane::host {

namespace {

QString sizeName(widgets::WidgetFamily family) {
    static const char* const kNames[] = {QT_TRANSLATE_NOOP("GalleryDialog", "Small"),
                                         QT_TRANSLATE_NOOP("GalleryDialog", "Medium"),
                                         QT_TRANSLATE_NOOP("GalleryDialog", "Large"),
                                         QT_TRANSLATE_NOOP("GalleryDialog", "Extra Large")};
    return QCoreApplication::translate("GalleryDialog", kNames[static_cast<int>(family)]);
}

QString sizeLabel(widgets::WidgetFamily family) {
    const QSizeF points = widgets::familySize(family);
    return QCoreApplication::translate("GalleryDialog", "%1 (%2 × %3)", "a size and its points")
        .arg(sizeName(family))
        .arg(QLocale().toString(points.width(), 'f', 0))
        .arg(QLocale().toString(points.height(), 'f', 0));
}

}  // namespace

GalleryDialog::GalleryDialog(std::vector<widgets::WidgetKindSpec> kinds, QWidget* parent)
    : QDialog(parent), kinds_(std::move(kinds)) {
    setWindowTitle(QCoreApplication::translate("GalleryDialog", "Add Widget"));
    auto* layout = new QVBoxLayout(this);
    list_ = new QListWidget;
    list_->setWordWrap(true);
    list_->setSpacing(4);
    for (const auto& spec : kinds_) {
        QStringList sizes;
        for (const auto family : spec.families) {
            sizes << sizeName(family);
        }
        list_->addItem(QCoreApplication::translate("GalleryDialog", "%1\n%2\nSizes: %3")
                           .arg(QString::fromStdString(spec.displayName),
                                QString::fromStdString(spec.description),
                                sizes.join(QCoreApplication::translate("GalleryDialog", ", ",
                                                                       "between sizes"))));
    }
    layout->addWidget(list_);

    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QCoreApplication::translate("GalleryDialog", "Size:")));
    sizes_ = new QComboBox;
    row->addWidget(sizes_, 1);
    layout->addLayout(row);

    auto* buttons = new QDialogButtonBox;
    QPushButton* add = buttons->addButton(
        QCoreApplication::translate("GalleryDialog", "Add Widget"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(add, &QPushButton::clicked, this, [this] {
        const int row = list_->currentRow();
        if (row < 0 || row >= static_cast<int>(kinds_.size()) || sizes_->currentIndex() < 0) {
            return;
        }
        emit addRequested(QString::fromStdString(kinds_[row].kind),
                          static_cast<widgets::WidgetFamily>(sizes_->currentData().toInt()));
    });
    layout->addWidget(buttons);

    connect(list_, &QListWidget::currentRowChanged, this, &GalleryDialog::kindChosen);
    if (!kinds_.empty()) {
        list_->setCurrentRow(0);
    }
    add->setEnabled(!kinds_.empty());
    // A dialog of one size: tiling compositors (sway, i3) float such a
    // window instead of giving it the whole screen, where it would hide the
    // widgets it adds.
    setFixedSize(420, 460);
}

void GalleryDialog::kindChosen(int row) {
    sizes_->clear();
    if (row < 0 || row >= static_cast<int>(kinds_.size())) {
        return;
    }
    for (const auto family : kinds_[row].families) {
        sizes_->addItem(sizeLabel(family), static_cast<int>(family));
    }
}

}  // namespace solvane::host
