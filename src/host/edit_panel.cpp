#include "host/edit_panel.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include <set>

#include "board/symbols.h"

namespace solvane::host {

namespace {

constexpr int kIdRole = Qt::UserRole;

QIcon symbolIcon(const std::string& symbol, const QColor& color) {
    QPixmap pixmap(40, 40);
    pixmap.setDevicePixelRatio(2.0);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    drawSymbol(painter, symbol, QRectF(0, 0, 20, 20), 14, color);
    return QIcon(pixmap);
}

QListWidgetItem* entityItem(const widgets::Entity& entity, bool chosen, const QColor& color) {
    auto* item =
        new QListWidgetItem(symbolIcon(entity.symbol, color), QString::fromStdString(entity.title));
    item->setData(kIdRole, QString::fromStdString(entity.id));
    item->setToolTip(QString::fromStdString(entity.symbol));
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(chosen ? Qt::Checked : Qt::Unchecked);
    return item;
}

void moveCurrent(QListWidget* list, int by) {
    const int row = list->currentRow();
    const int to = row + by;
    if (row < 0 || to < 0 || to >= list->count()) {
        return;
    }
    QListWidgetItem* item = list->takeItem(row);
    list->insertItem(to, item);
    list->setCurrentRow(to);
}

}  // namespace

EditPanel::EditPanel(const GuardedPlugin& plugin, const widgets::WidgetKindSpec& spec,
                     widgets::Configuration configuration, QWidget* parent)
    : QDialog(parent), original_(std::move(configuration)) {
    setWindowTitle(QCoreApplication::translate("EditPanel", "Edit Widget — %1")
                       .arg(QString::fromStdString(spec.displayName)));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    layout->addLayout(form);
    for (const auto& parameter : spec.intent.parameters) {
        const QString title = QString::fromStdString(parameter.title);
        if (parameter.kind == widgets::ParameterSpec::Kind::enumeration) {
            auto* combo = new QComboBox;
            for (const auto& option : parameter.options) {
                combo->addItem(QString::fromStdString(option.label),
                               QString::fromStdString(option.value));
            }
            const auto chosen = original_.choices.find(parameter.name);
            const std::string value = chosen != original_.choices.end()
                                          ? chosen->second
                                          : parameter.defaultValue.value_or(std::string());
            const int index = combo->findData(QString::fromStdString(value));
            combo->setCurrentIndex(index >= 0 ? index : 0);
            choices_[parameter.name] = combo;
            form->addRow(title, combo);
        } else {
            form->addRow(new QLabel(title));
            form->addRow(entityListEditor(plugin, parameter));
        }
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)
        ->setText(QCoreApplication::translate("EditPanel", "Done"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

QWidget* EditPanel::entityListEditor(const GuardedPlugin& plugin,
                                     const widgets::ParameterSpec& parameter) {
    auto* box = new QWidget;
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    auto* list = new QListWidget;
    const QColor color = palette().color(QPalette::Text);

    // Labels are looked up afresh so a renamed countdown shows its new name and
    // a deleted one drops out.
    std::vector<std::string> chosenIds;
    if (auto it = original_.entityLists.find(parameter.name); it != original_.entityLists.end()) {
        chosenIds = it->second;
    }
    std::set<std::string> listed;
    for (const auto& entity : plugin.entitiesForIdentifiers(chosenIds)) {
        if (listed.insert(entity.id).second) {
            list->addItem(entityItem(entity, true, color));
        }
    }
    for (const auto& entity : plugin.suggestedEntities()) {
        if (listed.insert(entity.id).second) {
            list->addItem(entityItem(entity, false, color));
        }
    }
    list->setToolTip(
        QCoreApplication::translate("EditPanel",
                                    "Checked ones are shown in this order; with none checked, "
                                    "all are shown."));
    row->addWidget(list, 1);

    auto* side = new QVBoxLayout;
    auto* up = new QPushButton(QCoreApplication::translate("EditPanel", "Up"));
    auto* down = new QPushButton(QCoreApplication::translate("EditPanel", "Down"));
    connect(up, &QPushButton::clicked, list, [list] { moveCurrent(list, -1); });
    connect(down, &QPushButton::clicked, list, [list] { moveCurrent(list, +1); });
    side->addWidget(up);
    side->addWidget(down);
    side->addStretch(1);
    row->addLayout(side);
    lists_[parameter.name] = list;
    return box;
}

widgets::Configuration EditPanel::configuration() const {
    widgets::Configuration configuration = original_;
    for (const auto& [name, combo] : choices_) {
        configuration.choices[name] = combo->currentData().toString().toStdString();
    }
    for (const auto& [name, list] : lists_) {
        std::vector<std::string> ids;
        for (int i = 0; i < list->count(); ++i) {
            if (list->item(i)->checkState() == Qt::Checked) {
                ids.push_back(list->item(i)->data(kIdRole).toString().toStdString());
            }
        }
        // Nothing checked means "all countdowns", which is no list at all.
        if (ids.empty()) {
            configuration.entityLists.erase(name);
        } else {
            configuration.entityLists[name] = std::move(ids);
        }
    }
    return configuration;
}

}  // namespace solvane::host
