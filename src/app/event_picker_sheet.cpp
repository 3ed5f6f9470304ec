#include "app/event_picker_sheet.h"

#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStackedWidget>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

#include "app/section_style.h"
#include "board/components.h"
#include "core/calendar/calendar_sync.h"

namespace solvane::app {

namespace {

constexpr int kSheetWidth = 460;
constexpr int kListHeight = 320;
constexpr int kPadding = 8;
constexpr int kDetailRole = Qt::UserRole + 1;
constexpr int kColorRole = Qt::UserRole + 2;
constexpr int kEventRole = Qt::UserRole + 3;

class EventRowDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override {
        return {0, QFontMetrics(calloutFont()).height() + 1 + QFontMetrics(captionFont()).height() +
                       2 * kPadding};
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem base = option;
        initStyleOption(&base, index);
        base.text.clear();
        const QWidget* widget = option.widget;
        widget->style()->drawControl(QStyle::CE_ItemViewItem, &base, painter, widget);

        const bool selected = option.state & QStyle::State_Selected;
        const QColor primary =
            option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
        QColor secondary = secondaryTextColor(option.palette);
        if (selected) {
            secondary = primary;
            secondary.setAlphaF(0.8f);
        }

        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        const QRect area = option.rect.adjusted(kPadding + 2, 0, -kPadding, 0);
        painter->setPen(Qt::NoPen);
        painter->setBrush(index.data(kColorRole).value<QColor>());
        painter->drawEllipse(QRectF(area.left(), area.center().y() - kCalendarDot / 2.0 + 0.5,
                                    kCalendarDot, kCalendarDot));

        const QRect text = area.adjusted(kCalendarDot + 10, 0, 0, 0);
        // An event named in Hebrew or Arabic reads right to left in its line.
        painter->setLayoutDirection(Qt::LayoutDirectionAuto);
        const QFontMetrics title(calloutFont());
        const QFontMetrics detail(captionFont());
        const int top = text.top() + (text.height() - title.height() - 1 - detail.height()) / 2;
        painter->setFont(calloutFont());
        painter->setPen(primary);
        painter->drawText(
            QRect(text.left(), top, text.width(), title.height()), Qt::AlignLeft | Qt::AlignVCenter,
            title.elidedText(index.data(Qt::DisplayRole).toString(), Qt::ElideRight, text.width()));
        painter->setFont(captionFont());
        painter->setPen(secondary);
        painter->drawText(
            QRect(text.left(), top + title.height() + 1, text.width(), detail.height()),
            Qt::AlignLeft | Qt::AlignVCenter,
            detail.elidedText(index.data(kDetailRole).toString(), Qt::ElideRight, text.width()));
        painter->restore();
    }
};

}  // namespace

EventPickerSheet::EventPickerSheet(EventStore& store, AccessPrompt prompt, Instant now,
                                   Calendar calendar, QWidget* parent)
    : QDialog(parent),
      store_(store),
      prompt_(std::move(prompt)),
      now_(now),
      calendar_(std::move(calendar)) {
    setWindowTitle(tr("Add from Calendar"));
    setModal(true);
    setFixedWidth(kSheetWidth);

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(12);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->addWidget(makeHeadline(tr("Add from Calendar")));

    search_ = new QLineEdit;
    search_->setPlaceholderText(tr("Search upcoming events"));
    search_->setClearButtonEnabled(true);
    connect(search_, &QLineEdit::textChanged, this, [this](const QString& text) {
        picker_.setQuery(text.toStdString());
        refresh();
    });
    layout->addWidget(search_);

    stack_ = new QStackedWidget;
    list_ = new QListWidget;
    list_->setItemDelegate(new EventRowDelegate(list_));
    list_->setUniformItemSizes(true);
    list_->setAlternatingRowColors(true);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(list_, &QListWidget::itemClicked, this, &EventPickerSheet::choose);
    connect(list_, &QListWidget::itemActivated, this, &EventPickerSheet::choose);
    stack_->addWidget(list_);
    empty_ = makeLabel(QString(), calloutFont(), secondaryTextColor(palette()));
    empty_->setAlignment(Qt::AlignCenter);
    empty_->setMargin(24);
    stack_->addWidget(empty_);
    stack_->setFixedHeight(kListHeight);
    layout->addWidget(stack_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    // Arrow keys in the search field walk the list, so a search and Return
    // picks an event without reaching for the mouse.
    search_->installEventFilter(this);
    setFocusProxy(search_);
    refresh();
}

bool EventPickerSheet::eventFilter(QObject* watched, QEvent* event) {
    if (watched != search_ || event->type() != QEvent::KeyPress) {
        return QDialog::eventFilter(watched, event);
    }
    const int key = static_cast<QKeyEvent*>(event)->key();
    const int count = list_->count();
    if ((key == Qt::Key_Down || key == Qt::Key_Up) && count > 0) {
        const int step = key == Qt::Key_Down ? 1 : -1;
        list_->setCurrentRow(std::clamp(list_->currentRow() + step, 0, count - 1));
        return true;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        // Without this Return would reach the dialog and press Cancel.
        if (stack_->currentWidget() == list_) {
            choose(list_->currentItem());
        }
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void EventPickerSheet::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (std::exchange(loadedWhileHidden_, false)) {
        return;
    }
    // Loading may ask the user first; the question goes on top of a sheet
    // that is already up.
    QTimer::singleShot(0, this, &EventPickerSheet::load);
}

void EventPickerSheet::load() {
    chosen_.reset();
    loadedWhileHidden_ = !isVisible();
    picker_.load(store_, prompt_, now_, calendar_);
    refresh();
}

std::optional<QString> EventPickerSheet::emptyText() const {
    if (const auto text = picker_.emptyStateText(store_.authorization())) {
        return qstr(*text);
    }
    return std::nullopt;
}

void EventPickerSheet::refresh() {
    if (const auto text = emptyText()) {
        empty_->setText(*text);
        stack_->setCurrentWidget(empty_);
        return;
    }
    stack_->setCurrentWidget(list_);
    list_->clear();
    const auto& all = picker_.events();
    for (const CalendarEvent* event : picker_.visibleEvents()) {
        auto* item = new QListWidgetItem(qstr(rowTitle(*event)), list_);
        item->setData(kDetailRole, qstr(rowDetail(*event, calendar_)));
        item->setData(kColorRole, calendarColor(event->calendar.color));
        item->setData(kEventRole, static_cast<int>(event - all.data()));
    }
    if (list_->count() > 0) {
        list_->setCurrentRow(0);
    }
}

void EventPickerSheet::choose(QListWidgetItem* item) {
    if (item == nullptr) {
        return;
    }
    const auto& all = picker_.events();
    const int position = item->data(kEventRole).toInt();
    if (position < 0 || static_cast<std::size_t>(position) >= all.size()) {
        return;
    }
    chosen_ = countdownFrom(all[static_cast<std::size_t>(position)], calendar_);
    emit eventChosen(*chosen_);
    accept();
}

}  // namespace solvane::app
