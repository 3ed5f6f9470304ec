// The five widgets the plug-in offers, in gallery order, and what their
// providers take from a placed widget's configuration.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "core/store/widget_style.h"
#include "core/util/uuid.h"
#include "widgets/widget_plugin.h"

namespace solvane::widgets {

// Placed widgets are kept by these strings, so they must never change.
inline constexpr std::string_view kSolvaneKind = "Solvane";
inline constexpr std::string_view kSkyKind = "Sky";
inline constexpr std::string_view kCountdownsKind = "Countdowns";
inline constexpr std::string_view kMoonKind = "Moon";
inline constexpr std::string_view kForecastKind = "Forecast";

inline constexpr std::string_view kStyleParameter = "style";
inline constexpr std::string_view kCountdownsParameter = "countdowns";
// What the medium Forecast widget shows: "hours" (the default) or "days".
inline constexpr std::string_view kForecastShowParameter = "show";

IntentSpec styleIntent();
IntentSpec countdownsIntent();
IntentSpec forecastIntent();

// Solvane, Sky, Countdowns, Moon, Forecast.
std::vector<WidgetKindSpec> widgetCatalogue();

// Whether widgets of `kind` are configured with chosen countdowns; false for
// an unknown kind.
bool takesCountdowns(std::string_view kind);

// The chosen countdowns' ids in the chosen order. Never chosen stays absent
// and an emptied list stays empty, because the two show different boards;
// identifiers that are not UUIDs are skipped.
std::optional<std::vector<Uuid>> selectedCountdowns(const Configuration& configuration);

// The selection the provider of `kind` uses: the chosen countdowns for the
// kinds that offer them, none for the others (whatever is stored).
std::optional<std::vector<Uuid>> selectionFor(std::string_view kind,
                                              const Configuration& configuration);

// The chosen style; glass when none or an unknown one is stored.
WidgetStyle selectedStyle(const Configuration& configuration);

// Whether a medium Forecast widget was set to show the next days; hours when
// nothing or anything else is stored.
bool forecastShowsDays(const Configuration& configuration);

}  // namespace solvane::widgets
