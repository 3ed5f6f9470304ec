#include "app/countdown_list.h"

#include <QAbstractListModel>
#include <QApplication>
#include <QContextMenuEvent>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

#include "app/section_style.h"
#include "board/components.h"
#include "board/custom_icons.h"
#include "board/layout.h"
#include "board/symbols.h"
#include "core/model/countdown_display.h"
#include "core/model/presets.h"
#include "core/time/text_format.h"

namespace solvane::app {

namespace {

constexpr int kIconFrame = 22;
constexpr int kRowSpacing = 10;
constexpr int kRowPadding = 8;
constexpr int kListHeight = 230;

QIcon symbolIcon(std::string_view name, const QColor& color) {
    constexpr int kSide = 16;
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(QSize(kSide, kSide) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    drawSymbol(painter, name, QRectF(0, 0, kSide, kSide), 12, color);
    return QIcon(pixmap);
}

}  // namespace

struct CountdownRow {
    QString id;
    QString label;
    QString summary;
    QString trailing;
    bool showsValue = false;
    std::string symbol;
    std::optional<std::string> customImage;
};

class CountdownRowsModel : public QAbstractListModel {
  public:
    using QAbstractListModel::QAbstractListModel;

    void setRows(std::vector<CountdownRow> rows) {
        beginResetModel();
        rows_ = std::move(rows);
        endResetModel();
    }

    const CountdownRow& row(int index) const { return rows_[static_cast<std::size_t>(index)]; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override {
        return parent.isValid() ? 0 : static_cast<int>(rows_.size());
    }

    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || index.row() >= rowCount()) {
            return {};
        }
        const CountdownRow& r = row(index.row());
        switch (role) {
            case Qt::DisplayRole:
                return r.label;
            // A screen reader hears the row as the eye reads it: the label,
            // then what the board shows for it, then its schedule.
            case Qt::AccessibleTextRole:
                return r.trailing.isEmpty() ? r.label : r.label + QStringLiteral(", ") + r.trailing;
            case Qt::AccessibleDescriptionRole:
                return QString(r.summary).replace(QStringLiteral(" \u00B7 "), QStringLiteral(", "));
            case Qt::ToolTipRole:
                return r.summary;
            case CountdownListWidget::IdRole:
                return r.id;
            case CountdownListWidget::SummaryRole:
                return r.summary;
            case CountdownListWidget::TrailingRole:
                return r.trailing;
            case CountdownListWidget::ShowsValueRole:
                return r.showsValue;
            default:
                return {};
        }
    }

    // One row at a time: a drag or a key moves a single countdown. `destination`
    // is the gap before which the row goes, counted in the list before the move.
    bool moveRows(const QModelIndex& sourceParent, int sourceRow, int count,
                  const QModelIndex& destinationParent, int destination) override {
        const int size = rowCount();
        if (sourceParent.isValid() || destinationParent.isValid() || count != 1 || sourceRow < 0 ||
            sourceRow >= size || destination < 0 || destination > size ||
            destination == sourceRow || destination == sourceRow + 1) {
            return false;
        }
        beginMoveRows(QModelIndex(), sourceRow, sourceRow, QModelIndex(), destination);
        const int to = destination > sourceRow ? destination - 1 : destination;
        CountdownRow moving = std::move(rows_[static_cast<std::size_t>(sourceRow)]);
        rows_.erase(rows_.begin() + sourceRow);
        rows_.insert(rows_.begin() + to, std::move(moving));
        endMoveRows();
        return true;
    }

    CountdownListWidget::IconLoader iconLoader;

  private:
    std::vector<CountdownRow> rows_;
};

namespace {

class RowDelegate : public QStyledItemDelegate {
  public:
    RowDelegate(CountdownRowsModel* model, QObject* parent)
        : QStyledItemDelegate(parent), model_(model) {}

    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override {
        const QFontMetrics label(calloutFont());
        const QFontMetrics caption(captionFont());
        return {200, label.height() + 1 + caption.height() + 2 * kRowPadding};
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem base = option;
        initStyleOption(&base, index);
        base.text.clear();
        base.icon = QIcon();
        const QWidget* widget = option.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &base, painter, widget);

        const CountdownRow& r = model_->row(index.row());
        const bool selected = option.state & QStyle::State_Selected;
        const QPalette& palette = option.palette;
        const QColor primary = palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
        QColor secondary = secondaryTextColor(palette);
        QColor tertiary = tertiaryTextColor(palette);
        if (selected) {
            secondary = primary;
            secondary.setAlphaF(0.8f);
            tertiary = primary;
            tertiary.setAlphaF(0.65f);
        }

        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        QRect area = option.rect.adjusted(kRowPadding, 0, -kRowPadding, 0);

        const QRectF tile(area.left(), area.center().y() - kIconFrame / 2.0 + 0.5, kIconFrame,
                          kIconFrame);
        QColor tileFill = primary;
        tileFill.setAlphaF(0.09f);
        painter->setPen(Qt::NoPen);
        painter->setBrush(tileFill);
        painter->drawRoundedRect(tile, 5, 5);
        std::optional<QImage> custom;
        if (r.customImage && model_->iconLoader) {
            custom = model_->iconLoader(*r.customImage);
        }
        if (custom) {
            drawTemplate(*painter, *custom, tile.adjusted(4, 4, -4, -4), primary);
        } else {
            drawSymbol(*painter, r.symbol, tile, 13, primary);
        }
        area.setLeft(static_cast<int>(tile.right()) + kRowSpacing);

        const QFont trailingFont = r.showsValue ? monospacedFont(12) : captionFont();
        const QFontMetrics trailingMetrics(trailingFont);
        const int trailingWidth = trailingMetrics.horizontalAdvance(r.trailing);
        const QRect trailing(area.right() - trailingWidth, area.top(), trailingWidth,
                             area.height());
        painter->setFont(trailingFont);
        painter->setPen(r.showsValue ? secondary : tertiary);
        painter->drawText(trailing, Qt::AlignVCenter | Qt::AlignRight, r.trailing);
        area.setRight(trailing.left() - kRowSpacing);

        // A label typed in Hebrew or Arabic reads right to left within its
        // line, still at the line's leading edge.
        painter->setLayoutDirection(Qt::LayoutDirectionAuto);
        const QFontMetrics labelMetrics(calloutFont());
        const QFontMetrics captionMetrics(captionFont());
        const int block = labelMetrics.height() + 1 + captionMetrics.height();
        const int top = area.top() + (area.height() - block) / 2;
        painter->setFont(calloutFont());
        painter->setPen(primary);
        painter->drawText(QRect(area.left(), top, area.width(), labelMetrics.height()),
                          Qt::AlignLeft | Qt::AlignVCenter,
                          labelMetrics.elidedText(r.label, Qt::ElideRight, area.width()));
        painter->setFont(captionFont());
        painter->setPen(secondary);
        painter->drawText(QRect(area.left(), top + labelMetrics.height() + 1, area.width(),
                                captionMetrics.height()),
                          Qt::AlignLeft | Qt::AlignVCenter,
                          captionMetrics.elidedText(r.summary, Qt::ElideRight, area.width()));
        painter->restore();
    }

  private:
    CountdownRowsModel* model_;
};

// A list whose rows move by pressing, dragging and releasing inside it. A
// platform drag-and-drop session is not used: it runs its own event loop and
// carries the data through the clipboard machinery, none of which a move
// inside one list needs.
class RowsView : public QListView {
  public:
    std::function<void(int)> onActivate;
    std::function<void(int)> onDelete;

    explicit RowsView(QWidget* parent) : QListView(parent) {}

  protected:
    void mousePressEvent(QMouseEvent* event) override {
        pressRow_ = event->button() == Qt::LeftButton ? indexAt(event->pos()).row() : -1;
        pressPos_ = event->pos();
        dragging_ = false;
        QListView::mousePressEvent(event);
    }

    void mouseMoveEvent(QMouseEvent* event) override {
        if (pressRow_ < 0) {
            QListView::mouseMoveEvent(event);
            return;
        }
        if (!dragging_ &&
            (event->pos() - pressPos_).manhattanLength() >= QApplication::startDragDistance()) {
            dragging_ = true;
            viewport()->setCursor(Qt::ClosedHandCursor);
        }
        if (dragging_) {
            gap_ = gapAt(event->pos());
            viewport()->update();
        }
    }

    void mouseReleaseEvent(QMouseEvent* event) override {
        const int from = pressRow_;
        pressRow_ = -1;
        if (!dragging_) {
            QListView::mouseReleaseEvent(event);
            if (from >= 0 && event->button() == Qt::LeftButton &&
                indexAt(event->pos()).row() == from && onActivate) {
                onActivate(from);
            }
            return;
        }
        dragging_ = false;
        viewport()->unsetCursor();
        const int gap = gapAt(event->pos());
        gap_ = -1;
        viewport()->update();
        if (model()->moveRow(QModelIndex(), from, QModelIndex(), gap)) {
            const int to = gap > from ? gap - 1 : gap;
            setCurrentIndex(model()->index(to, 0));
        }
    }

    void keyPressEvent(QKeyEvent* event) override {
        const int row = currentIndex().row();
        const bool move = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
        if (row >= 0 && move && (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down)) {
            const int gap = event->key() == Qt::Key_Up ? row - 1 : row + 2;
            if (model()->moveRow(QModelIndex(), row, QModelIndex(), gap)) {
                setCurrentIndex(model()->index(event->key() == Qt::Key_Up ? row - 1 : row + 1, 0));
            }
            return;
        }
        if (row >= 0 && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
                         event->key() == Qt::Key_Space)) {
            if (onActivate) {
                onActivate(row);
            }
            return;
        }
        if (row >= 0 && (event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace)) {
            if (onDelete) {
                onDelete(row);
            }
            return;
        }
        QListView::keyPressEvent(event);
    }

    void paintEvent(QPaintEvent* event) override {
        QListView::paintEvent(event);
        if (!dragging_ || gap_ < 0) {
            return;
        }
        const int rows = model()->rowCount();
        int y = 0;
        if (rows > 0) {
            y = gap_ < rows ? visualRect(model()->index(gap_, 0)).top()
                            : visualRect(model()->index(rows - 1, 0)).bottom() + 1;
        }
        QPainter painter(viewport());
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.drawLine(QPointF(4, y), QPointF(viewport()->width() - 4, y));
    }

  private:
    // The gap between rows nearest to `pos`: 0 above the first, rowCount()
    // below the last.
    int gapAt(const QPoint& pos) const {
        const int rows = model()->rowCount();
        for (int row = 0; row < rows; ++row) {
            const QRect rect = visualRect(model()->index(row, 0));
            if (pos.y() < rect.center().y()) {
                return row;
            }
        }
        return rows;
    }

    int pressRow_ = -1;
    QPoint pressPos_;
    bool dragging_ = false;
    int gap_ = -1;
};

}  // namespace

CountdownListWidget::CountdownListWidget(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);

    auto* header = new QHBoxLayout;
    header->setSpacing(8);
    header->addWidget(makeHeadline(tr("Countdowns")));
    header->addStretch(1);
    addButton_ = new QToolButton;
    addButton_->setText(tr("Add"));
    addButton_->setIcon(symbolIcon("plus", palette().color(QPalette::ButtonText)));
    addButton_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    addButton_->setPopupMode(QToolButton::InstantPopup);
    addMenu_ = new QMenu(addButton_);
    addButton_->setMenu(addMenu_);
    header->addWidget(addButton_);
    layout->addLayout(header);
    buildAddMenu();

    noticeRow_ = new QWidget;
    auto* noticeLayout = new QHBoxLayout(noticeRow_);
    noticeLayout->setContentsMargins(0, 0, 0, 0);
    noticeLayout->setSpacing(8);
    notice_ = makeLabel({}, captionFont(), noticeColor(palette()));
    notice_->setObjectName(QStringLiteral("listNotice"));
    notice_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    noticeLayout->addWidget(notice_, 1);
    dismiss_ = new QPushButton(tr("Dismiss"));
    dismiss_->setFont(captionFont());
    connect(dismiss_, &QPushButton::clicked, this, &CountdownListWidget::noticeDismissed);
    noticeLayout->addWidget(dismiss_, 0, Qt::AlignTop);
    noticeRow_->setVisible(false);
    layout->addWidget(noticeRow_);

    model_ = new CountdownRowsModel(this);
    auto* view = new RowsView(this);
    view_ = view;
    view_->setAccessibleName(tr("Countdowns"));
    view_->setModel(model_);
    view_->setItemDelegate(new RowDelegate(model_, view_));
    view_->setAlternatingRowColors(true);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setUniformItemSizes(true);
    view_->setFixedHeight(kListHeight);
    view_->setFrameShape(QFrame::StyledPanel);
    view_->setContextMenuPolicy(Qt::CustomContextMenu);
    view->onActivate = [this](int row) { emit editRequested(idAt(row)); };
    connect(view_, &QWidget::customContextMenuRequested, this,
            &CountdownListWidget::showContextMenu);
    connect(model_, &QAbstractItemModel::rowsMoved, this,
            [this](const QModelIndex&, int start, int, const QModelIndex&, int destination) {
                emit moved(start, destination > start ? destination - 1 : destination);
            });
    view->onDelete = [this](int row) { emit deleteRequested(idAt(row)); };
    layout->addWidget(view_);
}

CountdownListWidget::~CountdownListWidget() = default;

void CountdownListWidget::buildAddMenu() {
    addMenu_->addAction(tr("New Countdown"), this, &CountdownListWidget::newRequested);
    // Filled by setPresets: what is offered depends on the zone and the place.
    presetMenu_ = addMenu_->addMenu(tr("From a Preset"));
    addMenu_->addAction(tr("From Calendar\u2026"), this,
                        &CountdownListWidget::fromCalendarRequested);
}

void CountdownListWidget::setPresets(const std::vector<CountdownPreset>& all) {
    // One submenu, its groups as headings: a heading is a disabled entry in
    // bold, which every style shows (some draw a titled section as a bare line)
    // and the arrow keys pass over.
    const QColor iconColor = palette().color(QPalette::WindowText);
    QMenu* presets = presetMenu_;
    presets->clear();
    QFont headingFont = presets->font();
    headingFont.setBold(true);
    // The groups in the order the presets bring them: a country's holidays
    // follow the catalogue's own groups.
    std::vector<std::string> groups;
    for (const CountdownPreset& preset : all) {
        if (std::find(groups.begin(), groups.end(), preset.group) == groups.end()) {
            groups.push_back(preset.group);
        }
    }
    for (const std::string& group : groups) {
        if (!presets->isEmpty()) {
            presets->addSeparator();
        }
        QAction* heading = presets->addAction(literalText(qstr(group)));
        heading->setEnabled(false);
        heading->setFont(headingFont);
        heading->setObjectName(QStringLiteral("presetHeading"));
        for (const CountdownPreset& preset : all) {
            if (preset.group != group) {
                continue;
            }
            QAction* action = presets->addAction(symbolIcon(preset.symbol, iconColor),
                                                 literalText(qstr(preset.title)));
            const QString id = qstr(preset.id);
            action->setData(id);
            connect(action, &QAction::triggered, this, [this, id] { emit presetRequested(id); });
        }
    }
}

void CountdownListWidget::setCountdowns(std::vector<Countdown> countdowns, Instant now,
                                        const Calendar& calendar, const DaysOff& daysOff) {
    std::vector<CountdownRow> rows;
    rows.reserve(countdowns.size());
    for (Countdown& countdown : countdowns) {
        CountdownRow row;
        row.id = qstr(countdown.id.toString());
        row.label = shownText(qstr(countdown.label));
        row.summary = qstr(scheduleSummary(countdown, now, calendar));
        if (const auto shown = display(countdown, now, calendar, daysOff)) {
            row.trailing = qstr(numberText(static_cast<double>(shown->value))) + QLatin1Char(' ') +
                           qstr(shown->unit);
            row.showsValue = true;
        } else if (std::holds_alternative<FinishedPhase>(phase(countdown, now, calendar))) {
            row.trailing = tr("done");
        } else {
            row.trailing = tr("hidden now");
        }
        row.symbol = std::move(countdown.symbol);
        row.customImage = std::move(countdown.customImage);
        rows.push_back(std::move(row));
    }
    const int currentRow = view_->currentIndex().row();
    const QString current = idAt(currentRow);
    model_->setRows(std::move(rows));
    if (current.isEmpty()) {
        return;
    }
    for (int row = 0; row < model_->rowCount(); ++row) {
        if (idAt(row) == current) {
            view_->setCurrentIndex(model_->index(row, 0));
            return;
        }
    }
    // Gone (deleted): the row that took its place, or the one before it when
    // it was the last, so a keyboard user goes on where they were.
    if (model_->rowCount() > 0) {
        view_->setCurrentIndex(model_->index(std::min(currentRow, model_->rowCount() - 1), 0));
    }
}

void CountdownListWidget::setNotice(const QString& text, bool dismissible) {
    notice_->setText(text);
    dismiss_->setVisible(dismissible);
    noticeRow_->setVisible(!text.isEmpty());
}

void CountdownListWidget::setIconLoader(IconLoader loader) {
    model_->iconLoader = std::move(loader);
    view_->viewport()->update();
}

QString CountdownListWidget::idAt(int row) const {
    if (row < 0 || row >= model_->rowCount()) {
        return {};
    }
    return model_->row(row).id;
}

void CountdownListWidget::showContextMenu(const QPoint& position) {
    const int row = view_->indexAt(position).row();
    if (row < 0) {
        return;
    }
    view_->setCurrentIndex(model_->index(row, 0));
    const QString id = idAt(row);
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("rowMenu"));
    // Each entry shows the key that does the same from the list.
    QAction* edit = menu.addAction(tr("Edit\u2026"), this, [this, id] { emit editRequested(id); });
    edit->setShortcut(QKeySequence(Qt::Key_Return));
    QAction* up =
        menu.addAction(tr("Move Up"), this, [this, row] { model_->moveRow({}, row, {}, row - 1); });
    up->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Up));
    up->setEnabled(row > 0);
    QAction* down = menu.addAction(tr("Move Down"), this,
                                   [this, row] { model_->moveRow({}, row, {}, row + 2); });
    down->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Down));
    down->setEnabled(row + 1 < model_->rowCount());
    menu.addSeparator();
    QAction* remove = menu.addAction(tr("Delete"), this, [this, id] { emit deleteRequested(id); });
    remove->setShortcut(QKeySequence(Qt::Key_Delete));
    for (QAction* action : menu.actions()) {
        // Shown only: the list itself answers these keys.
        action->setShortcutContext(Qt::WidgetShortcut);
    }
    menu.exec(view_->viewport()->mapToGlobal(position));
}

}  // namespace solvane::app
