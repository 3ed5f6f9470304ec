// Every widget kind the plug-in offers, in gallery order, with everything
// that differs between kinds: what the gallery says of it and which sizes it
// comes in, what can be set on it, its face, its spoken text and where its
// entries come from. Adding a kind is one entry here, its views and its tests.
#pragma once

#include <QPainter>
#include <QRectF>
#include <QString>

#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "board/components.h"
#include "core/time/calendar.h"
#include "widgets/board_entry.h"
#include "widgets/providers.h"
#include "widgets/widget_plugin.h"
#include "widgets/widget_views.h"

namespace solvane::widgets {

struct WidgetKind {
    std::string_view name;  // placed widgets are kept by it: never changes
    const char* title;      // in the "WidgetCatalogue" context; null: the name, untranslated
    const char* summary;    // in the "WidgetCatalogue" context
    std::vector<WidgetFamily> families;
    IntentSpec (*intent)();
    bool takesCountdowns;  // configured with chosen countdowns
    // Between the widget's edge and its face; the full board keeps the
    // padding it was laid out for.
    double contentMargin;
    void (*paint)(QPainter&, const QRectF& content, const BoardEntry&, const ViewContext&,
                  const Calendar&, const PaintContext&);
    QString (*describe)(const BoardEntry&, WidgetFamily, const Calendar&);
    std::shared_ptr<const BoardEntry> (*placeholder)(const WidgetEnvironment&);
    std::shared_ptr<const BoardEntry> (*snapshot)(const WidgetEnvironment&, const Configuration&);
    Timeline (*timeline)(const WidgetEnvironment&, const Configuration&);
};

std::span<const WidgetKind> widgetKinds();

// Null for a kind the plug-in does not offer.
const WidgetKind* findWidgetKind(std::string_view name);

// The gallery's name of `kind`, in the user's language.
QString kindTitle(const WidgetKind& kind);

}  // namespace solvane::widgets
