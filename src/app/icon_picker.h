// The control that edits a countdown's icon: the current icon with its
// description, a searchable grid of the symbol library, and the import of an
// image file as a custom icon.
//
// A custom image hides the symbol without replacing it, so removing the image
// brings the earlier symbol back. A failed import keeps the previous icon and
// shows an error caption until the next successful import.
//
// The grid is one Tab stop, so the keyboard gets past it in one key: Tab
// lands on the selected cell (or the first one shown), arrows, Home, End,
// Page Up and Page Down move between cells, and Space or Enter chooses.
//
//   IconPicker picker("gift", std::nullopt, &icons, parent);
//   connect(&picker, &IconPicker::changed, [&] { draft.symbol = picker.symbol(); });
#pragma once

#include <QString>
#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;

namespace solvane {

class IconStore;
class SymbolCell;

// A symbol's name as words for a screen reader: "cloud.sun.fill" reads
// "Cloud sun".
QString readableSymbolName(const QString& name);

class IconPicker : public QWidget {
    Q_OBJECT
  public:
    // Asks the user for a file; nullopt when the chooser was cancelled.
    using FileChooser = std::function<std::optional<QString>(QWidget* parent)>;

    static constexpr int kColumns = 10;
    static constexpr int kCell = 34;
    static constexpr int kGap = 6;
    static constexpr int kGridPadding = 2;
    static constexpr int kGridHeight = 168;

    IconPicker(QString symbol, std::optional<QString> customImage, IconStore* icons,
               QWidget* parent = nullptr);

    QString symbol() const { return symbol_; }
    std::optional<QString> customImage() const { return customImage_; }
    QString query() const;
    bool importing() const { return importing_; }
    bool importError() const { return importError_; }

    // The names the grid shows for the current query, in order.
    std::vector<QString> shownSymbols() const;
    // The grid cell's name drawn as selected; none while a custom image is set.
    std::optional<QString> selectedSymbol() const;

    // The name filter of the file chooser.
    static QString imageFilter();
    // Where the file chooser opens: the user's Pictures folder when it
    // exists, else the home folder.
    static QString imageStartFolder();
    // Replaces the file dialog, e.g. with a scripted answer.
    void setFileChooser(FileChooser chooser) { chooser_ = std::move(chooser); }

  public slots:
    void pickSymbol(const QString& name);
    void removeCustomImage();
    // Opens the chooser and imports the file it yields.
    void uploadImage();
    // Imports `file` as the custom image; false (and the error caption) on
    // failure.
    bool importFile(const QString& file);

  signals:
    // The symbol or the custom image changed.
    void changed();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void applyQuery();
    void refreshHeader();
    bool cellKeyPressed(SymbolCell* cell, const QKeyEvent& key);
    // The focused cell, else the selected one when shown, else the first
    // shown, becomes the grid's only Tab stop.
    void resetTabStop();
    void setTabStop(SymbolCell* cell);

    IconStore* icons_;
    QString symbol_;
    std::optional<QString> customImage_;
    bool importing_ = false;
    bool importError_ = false;
    FileChooser chooser_;

    QWidget* tile_ = nullptr;
    QLabel* title_ = nullptr;
    QLabel* subtitle_ = nullptr;
    QPushButton* remove_ = nullptr;
    QPushButton* upload_ = nullptr;
    QLineEdit* search_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    QWidget* grid_ = nullptr;
    std::vector<SymbolCell*> cells_;
    SymbolCell* tabStop_ = nullptr;
    QLabel* empty_ = nullptr;
    QLabel* error_ = nullptr;
};

}  // namespace solvane
