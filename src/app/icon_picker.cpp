#include "app/icon_picker.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStandardPaths>
#include <QVBoxLayout>

#include <algorithm>
#include <string>

#include "app/section_style.h"
#include "board/components.h"
#include "board/custom_icons.h"
#include "board/symbol_library.h"
#include "board/symbol_names.h"
#include "board/symbols.h"

namespace solvane {

namespace {

constexpr int kTile = 40;
constexpr double kTileIconSize = 20;
constexpr double kCellIconSize = 17;

QColor primaryColor(const QWidget& w) {
    return w.palette().color(QPalette::WindowText);
}

QColor withOpacity(QColor c, double opacity) {
    c.setAlphaF(static_cast<float>(c.alphaF() * opacity));
    return c;
}

ColorScheme schemeOf(const QWidget& w) {
    return w.palette().color(QPalette::Window).lightnessF() < 0.5 ? ColorScheme::dark
                                                                  : ColorScheme::light;
}

QString fromStd(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// The cell `key` moves to from `index` among `count` cells laid out in rows
// of IconPicker::kColumns, `page` rows to a page; -1 when the key moves
// nothing. At an edge a move stays put rather than leave the grid, which is
// what Tab is for.
int gridStep(int index, int count, int key, int page) {
    constexpr int columns = IconPicker::kColumns;
    const int row = index / columns;
    const int lastRow = (count - 1) / columns;
    switch (key) {
        case Qt::Key_Left:
            return std::max(index - 1, 0);
        case Qt::Key_Right:
            return std::min(index + 1, count - 1);
        case Qt::Key_Up:
            return row > 0 ? index - columns : index;
        case Qt::Key_Down:
            return row < lastRow ? std::min(index + columns, count - 1) : index;
        case Qt::Key_PageUp:
            return index - std::min(row, page) * columns;
        case Qt::Key_PageDown:
            return std::min(index + std::min(lastRow - row, page) * columns, count - 1);
        case Qt::Key_Home:
            return 0;
        case Qt::Key_End:
            return count - 1;
        default:
            return -1;
    }
}

// The current icon on its faint rounded tile.
class IconTile : public QWidget {
  public:
    IconTile(const IconPicker& picker, const IconStore* icons, QWidget* parent)
        : QWidget(parent), picker_(picker), icons_(icons) {
        setFixedSize(kTile, kTile);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF box(0, 0, kTile, kTile);
        p.fillPath(continuousRoundedRect(box, 10), withOpacity(primaryColor(*this), 0.07));
        const std::string symbol = picker_.symbol().toStdString();
        const std::string custom = picker_.customImage().value_or(QString()).toStdString();
        const PaintContext ctx{Palette::standard(), schemeOf(*this), icons_};
        CountdownIcon{symbol, custom, kTileIconSize}.paint(p, box, ctx);
    }

  private:
    const IconPicker& picker_;
    const IconStore* icons_;
};

}  // namespace

QString readableSymbolName(const QString& name) {
    return QString::fromStdString(localizedSymbolWords(name.toStdString()));
}

// One name of the library: a flat button that draws its symbol, with its
// name as tooltip and, read as words, as accessible label; to a screen
// reader an item of the grid's list.
class SymbolCell : public QAbstractButton {
  public:
    SymbolCell(const QString& name, QWidget* parent) : QAbstractButton(parent), name_(name) {
        setFixedSize(IconPicker::kCell, IconPicker::kCell);
        setToolTip(readableSymbolName(name));
        setAccessibleName(readableSymbolName(name));
        app::setAccessibleRole(this, QAccessible::ListItem);
        app::setAccessibleSelected(this, false);
        setObjectName(name);
        setCursor(Qt::PointingHandCursor);
        // One cell at a time takes Tab focus; see IconPicker::setTabStop.
        setFocusPolicy(Qt::ClickFocus);
    }

    const QString& name() const { return name_; }
    void setSelected(bool selected) {
        if (selected_ != selected) {
            selected_ = selected;
            app::setAccessibleSelected(this, selected);
            update();
        }
    }
    bool selected() const { return selected_; }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF box(0, 0, IconPicker::kCell, IconPicker::kCell);
        const QColor primary = primaryColor(*this);
        p.fillPath(continuousRoundedRect(box, 8),
                   selected_ ? primary : withOpacity(primary, isDown() ? 0.14 : 0.06));
        const QColor fg = selected_ ? palette().color(QPalette::Window) : primary;
        drawSymbol(p, name_.toStdString(), box, kCellIconSize, fg);
        if (hasFocus()) {
            p.setPen(QPen(palette().color(QPalette::Highlight), 1.5));
            p.drawPath(continuousRoundedRect(box.adjusted(0.75, 0.75, -0.75, -0.75), 8));
        }
    }

  private:
    QString name_;
    bool selected_ = false;
};

IconPicker::IconPicker(QString symbol, std::optional<QString> customImage, IconStore* icons,
                       QWidget* parent)
    : QWidget(parent),
      icons_(icons),
      symbol_(std::move(symbol)),
      customImage_(std::move(customImage)),
      chooser_([](QWidget* owner) -> std::optional<QString> {
          const QString file = QFileDialog::getOpenFileName(owner, tr("Upload Image"),
                                                            imageStartFolder(), imageFilter());
          if (file.isEmpty()) {
              return std::nullopt;
          }
          return file;
      }) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(10);

    auto* header = new QGridLayout;
    header->setHorizontalSpacing(10);
    header->setVerticalSpacing(2);
    tile_ = new IconTile(*this, icons_, this);
    header->addWidget(tile_, 0, 0, 2, 1, Qt::AlignVCenter);
    title_ = new QLabel(this);
    title_->setObjectName("iconTitle");
    title_->setFont(app::calloutFont());
    header->addWidget(title_, 0, 1, Qt::AlignBottom);
    subtitle_ = new QLabel(this);
    subtitle_->setObjectName("iconSubtitle");
    subtitle_->setFont(app::captionFont());
    subtitle_->setWordWrap(true);
    app::setTextColor(subtitle_, app::secondaryTextColor(palette()));
    // The caption runs on under the buttons: beside them it had too little
    // room for "Shown in one color to match the widget".
    header->addWidget(subtitle_, 1, 1, 1, 2, Qt::AlignTop);
    header->setColumnStretch(1, 1);
    auto* actions = new QHBoxLayout;
    actions->setSpacing(10);
    remove_ = new QPushButton(tr("Remove"), this);
    remove_->setAutoDefault(false);
    upload_ = new QPushButton(tr("Upload Image…"), this);
    upload_->setAutoDefault(false);
    actions->addWidget(remove_);
    actions->addWidget(upload_);
    header->addLayout(actions, 0, 2, Qt::AlignVCenter);
    column->addLayout(header);

    search_ = new QLineEdit(this);
    search_->setObjectName("symbolSearch");
    search_->setAccessibleName(tr("Search symbols"));
    search_->setPlaceholderText(tr("Search symbols: rain, plane, gift…"));
    search_->setClearButtonEnabled(true);
    column->addWidget(search_);

    grid_ = new QWidget;
    grid_->setAccessibleName(tr("Symbols"));
    app::setAccessibleRole(grid_, QAccessible::List);
    for (const std::string_view name : SymbolLibrary::all()) {
        auto* cell = new SymbolCell(fromStd(name), grid_);
        connect(cell, &QAbstractButton::clicked, this, [this, cell] { pickSymbol(cell->name()); });
        cell->installEventFilter(this);
        cells_.push_back(cell);
    }
    scroll_ = new QScrollArea(this);
    scroll_->setObjectName("symbolGrid");
    // The cells are the grid's Tab stop; the area itself would be a stop
    // that shows nothing.
    scroll_->setFocusPolicy(Qt::NoFocus);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    scroll_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    scroll_->setFixedHeight(kGridHeight);
    scroll_->setWidget(grid_);
    const int gridWidth = kColumns * kCell + (kColumns - 1) * kGap + 2 * kGridPadding;
    // Room for the scroll bar keeps the centred grid from jumping when it
    // appears.
    scroll_->setMinimumWidth(gridWidth + scroll_->verticalScrollBar()->sizeHint().width() + 4);
    scroll_->viewport()->setAutoFillBackground(false);
    grid_->setAutoFillBackground(false);
    column->addWidget(scroll_);

    empty_ = new QLabel(tr("No symbols match. Try another word, or upload your own image."), this);
    empty_->setObjectName("noSymbols");
    empty_->setFont(app::captionFont());
    app::setTextColor(empty_, app::secondaryTextColor(palette()));
    empty_->setWordWrap(true);
    column->addWidget(empty_);

    error_ = new QLabel(tr("That file couldn't be read as an image."), this);
    error_->setObjectName("importError");
    error_->setFont(app::captionFont());
    error_->setWordWrap(true);
    app::setTextColor(error_, QColor(215, 0, 21));
    column->addWidget(error_);

    connect(search_, &QLineEdit::textChanged, this, [this] { applyQuery(); });
    connect(remove_, &QPushButton::clicked, this, &IconPicker::removeCustomImage);
    connect(upload_, &QPushButton::clicked, this, &IconPicker::uploadImage);

    error_->setVisible(false);
    applyQuery();
    refreshHeader();
}

QString IconPicker::query() const {
    return search_->text();
}

std::vector<QString> IconPicker::shownSymbols() const {
    std::vector<QString> names;
    for (const SymbolCell* cell : cells_) {
        if (!cell->isHidden()) {
            names.push_back(cell->name());
        }
    }
    return names;
}

std::optional<QString> IconPicker::selectedSymbol() const {
    for (const SymbolCell* cell : cells_) {
        if (cell->selected()) {
            return cell->name();
        }
    }
    return std::nullopt;
}

QString IconPicker::imageFilter() {
    // The listed types first, then whatever else the installed plug-ins read,
    // since the import recognises a picture by its content.
    QStringList patterns{"*.png",  "*.jpg", "*.jpeg", "*.svg", "*.heic",
                         "*.heif", "*.tif", "*.tiff", "*.webp"};
    for (const QByteArray& format : QImageReader::supportedImageFormats()) {
        const QString pattern = "*." + QString::fromLatin1(format).toLower();
        if (!patterns.contains(pattern)) {
            patterns << pattern;
        }
    }
    return tr("Images (%1)").arg(patterns.join(' '));
}

QString IconPicker::imageStartFolder() {
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return !pictures.isEmpty() && QDir(pictures).exists() ? pictures : QDir::homePath();
}

void IconPicker::pickSymbol(const QString& name) {
    symbol_ = name;
    customImage_.reset();
    refreshHeader();
    emit changed();
}

void IconPicker::removeCustomImage() {
    customImage_.reset();
    refreshHeader();
    emit changed();
}

void IconPicker::uploadImage() {
    importing_ = true;
    const std::optional<QString> file = chooser_ ? chooser_(this) : std::nullopt;
    importing_ = false;
    if (file) {
        importFile(*file);
    }
}

bool IconPicker::importFile(const QString& file) {
    std::optional<std::string> name;
    if (icons_) {
        name = icons_->importImage(std::filesystem::path(QFile::encodeName(file).toStdString()));
    }
    importError_ = !name.has_value();
    error_->setVisible(importError_);
    if (name) {
        customImage_ = QString::fromStdString(*name);
        refreshHeader();
        emit changed();
    }
    return name.has_value();
}

void IconPicker::applyQuery() {
    const auto found = SymbolLibrary::search(search_->text().toStdString());
    const QString query = search_->text().trimmed();
    std::size_t next = 0;
    int index = 0;
    for (SymbolCell* cell : cells_) {
        // search() yields a sub-sequence of all(), so one forward pass matches.
        const bool byName = next < found.size() && fromStd(found[next]) == cell->name();
        if (byName) {
            ++next;
        }
        // The words the user reads count too, in their language.
        const bool shown =
            byName || (!query.isEmpty() &&
                       readableSymbolName(cell->name()).contains(query, Qt::CaseInsensitive));
        if (shown) {
            cell->move(kGridPadding + (index % kColumns) * (kCell + kGap),
                       kGridPadding + (index / kColumns) * (kCell + kGap));
            ++index;
        }
        cell->setHidden(!shown);
    }
    const int rows = (index + kColumns - 1) / kColumns;
    const int width = kColumns * kCell + (kColumns - 1) * kGap + 2 * kGridPadding;
    const int height = rows == 0 ? 0 : rows * kCell + (rows - 1) * kGap + 2 * kGridPadding;
    grid_->setFixedSize(width, height);
    scroll_->verticalScrollBar()->setValue(0);
    empty_->setVisible(index == 0);
    resetTabStop();
}

void IconPicker::refreshHeader() {
    const bool custom = customImage_.has_value();
    title_->setText(custom ? tr("Custom image") : readableSymbolName(symbol_));
    subtitle_->setText(custom ? tr("Shown in one color to match the widget") : tr("Symbol"));
    remove_->setVisible(custom);
    for (SymbolCell* cell : cells_) {
        cell->setSelected(!custom && cell->name() == symbol_);
    }
    tile_->update();
    resetTabStop();
}

bool IconPicker::eventFilter(QObject* watched, QEvent* event) {
    if (auto* cell = dynamic_cast<SymbolCell*>(watched)) {
        switch (event->type()) {
            case QEvent::KeyPress:
                if (cellKeyPressed(cell, static_cast<const QKeyEvent&>(*event))) {
                    return true;
                }
                break;
            case QEvent::FocusIn:
                setTabStop(cell);
                scroll_->ensureWidgetVisible(cell, 0, kGap);
                break;
            case QEvent::FocusOut:
                resetTabStop();
                break;
            default:
                break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool IconPicker::cellKeyPressed(SymbolCell* cell, const QKeyEvent& key) {
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        return false;
    }
    if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) {
        // Left to the sheet, Enter would press its default button instead.
        cell->click();
        return true;
    }
    std::vector<SymbolCell*> shown;
    for (SymbolCell* c : cells_) {
        if (!c->isHidden()) {
            shown.push_back(c);
        }
    }
    const auto at = std::find(shown.begin(), shown.end(), cell);
    if (at == shown.end()) {
        return false;
    }
    const int page = std::max(1, scroll_->viewport()->height() / (kCell + kGap));
    const int next = gridStep(static_cast<int>(at - shown.begin()), static_cast<int>(shown.size()),
                              key.key(), page);
    if (next < 0) {
        return false;
    }
    shown[static_cast<std::size_t>(next)]->setFocus(Qt::OtherFocusReason);
    return true;
}

void IconPicker::resetTabStop() {
    SymbolCell* first = nullptr;
    SymbolCell* selected = nullptr;
    SymbolCell* focused = nullptr;
    for (SymbolCell* cell : cells_) {
        if (cell->isHidden()) {
            continue;
        }
        if (!first) {
            first = cell;
        }
        if (cell->selected()) {
            selected = cell;
        }
        if (cell->hasFocus()) {
            focused = cell;
        }
    }
    setTabStop(focused ? focused : selected ? selected : first);
}

void IconPicker::setTabStop(SymbolCell* cell) {
    // Tab goes on to the next widget that takes Tab focus, so any cell but
    // the stop would lead Tab to the stop rather than out of the grid; the
    // focused cell is therefore always the stop.
    if (tabStop_ == cell) {
        return;
    }
    if (tabStop_) {
        tabStop_->setFocusPolicy(Qt::ClickFocus);
    }
    tabStop_ = cell;
    if (cell) {
        cell->setFocusPolicy(Qt::StrongFocus);
    }
}

}  // namespace solvane
