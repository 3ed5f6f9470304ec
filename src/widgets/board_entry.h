// BoardEntry: one timeline entry of the Solvane widgets — the board for a
// moment and the style the widget was configured with.
#pragma once

#include "core/store/board_data.h"
#include "core/store/widget_style.h"
#include "widgets/widget_plugin.h"

namespace solvane::widgets {

class BoardEntry : public WidgetEntry {
  public:
    BoardEntry(Instant date, BoardData data, WidgetStyle style, bool showsDays = false)
        : date_(date), data_(std::move(data)), style_(style), showsDays_(showsDays) {}

    Instant date() const override { return date_; }
    const BoardData& data() const { return data_; }
    WidgetStyle style() const { return style_; }
    // A medium Forecast widget set to the next days rather than hours.
    bool showsDays() const { return showsDays_; }

  private:
    Instant date_;
    BoardData data_;
    WidgetStyle style_;
    bool showsDays_ = false;
};

}  // namespace solvane::widgets
