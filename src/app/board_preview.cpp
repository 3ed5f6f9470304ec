#include "app/board_preview.h"

#include <QPainter>

#include "app/section_style.h"
#include "board/backdrop.h"
#include "widgets/catalogue.h"
#include "widgets/widget_description.h"

namespace solvane::app {

BoardPreview::BoardPreview(const IconStore* icons, QWidget* parent)
    : QWidget(parent), icons_(icons) {
    setFixedSize(kWidth, kHeight);
    setAccessibleName(tr("Preview"));
    setAccessibleRole(this, QAccessible::Graphic);
}

void BoardPreview::setBoard(BoardData board, const Calendar& calendar) {
    // The same zone read afresh (a tzdata upgrade) may show other times.
    if (board_ == board && calendar_ && calendar_->zoneId() == calendar.zoneId() &&
        calendar_->rulesCurrent()) {
        return;
    }
    board_ = std::move(board);
    calendar_ = calendar;
    // The picture read out: what the full board widget would say for it.
    const widgets::BoardEntry entry(board_->date, *board_, style_);
    setAccessibleDescription(QString::fromStdString(widgets::describeWidget(
        widgets::kSolvaneKind, widgets::WidgetFamily::extraLarge, entry, calendar)));
    update();
}

void BoardPreview::setPreviewStyle(WidgetStyle style) {
    if (style == style_) {
        return;
    }
    style_ = style;
    update();
}

void BoardPreview::paintEvent(QPaintEvent*) {
    if (!board_ || !calendar_) {
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // Dark and light have no wallpaper margin: their card sits centred where
    // the glass picture would be.
    const QSizeF picture = boardImageSize(style_);
    const QPointF origin((width() - picture.width()) / 2, (height() - picture.height()) / 2);
    paintBoardPicture(painter, origin, *board_, *calendar_, style_, previewScheme(style_), icons_,
                      kWallpaperRadius);
}

}  // namespace solvane::app
