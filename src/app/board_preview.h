// The live preview in the companion window: the full board for now, on the
// card of the chosen style, over the desktop-picture stand-in for glass.
//
// The preview style belongs to the preview alone; it is never stored and
// never reaches the widgets.
//
//   auto* preview = new BoardPreview(&icons);
//   preview->setBoard(BoardData::assemble(store, now, std::nullopt, weather, calendar), calendar);
//   preview->setPreviewStyle(WidgetStyle::dark);
#pragma once

#include <QWidget>

#include <optional>

#include "core/store/board_data.h"
#include "core/store/widget_style.h"
#include "core/time/calendar.h"

namespace solvane {
class IconStore;
}

namespace solvane::app {

class BoardPreview : public QWidget {
    Q_OBJECT

  public:
    // The glass picture: the 724 × 360 card with 22 of wallpaper around it.
    static constexpr int kWidth = 768;
    static constexpr int kHeight = 404;
    static constexpr double kWallpaperRadius = 34;

    explicit BoardPreview(const IconStore* icons, QWidget* parent = nullptr);

    void setBoard(BoardData board, const Calendar& calendar);
    void setPreviewStyle(WidgetStyle style);
    WidgetStyle previewStyle() const { return style_; }
    const std::optional<BoardData>& board() const { return board_; }

    QSize sizeHint() const override { return {kWidth, kHeight}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const IconStore* icons_;
    WidgetStyle style_ = WidgetStyle::glass;
    std::optional<BoardData> board_;
    std::optional<Calendar> calendar_;
};

}  // namespace solvane::app
