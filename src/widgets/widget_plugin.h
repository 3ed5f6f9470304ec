// The interface between the widget host and the widget plug-in.
//
// The host knows nothing of countdowns or weather: it asks the plug-in which
// widget kinds exist, what can be configured on them, for timelines of opaque
// entries, and to paint an entry into a rectangle. Both sides are built by
// this project with the same compiler, so the interface uses standard C++
// types; `kWidgetPluginVersion` changes whenever any of it changes, and the
// host refuses a plug-in of another version.
//
// No call may throw across this boundary. The host still guards every call and
// keeps showing the last entry when one fails.
#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>
#include <QSizeF>

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "board/palette.h"
#include "core/time/instant.h"
#include "core/util/enum_strings.h"

namespace solvane::widgets {

inline constexpr int kWidgetPluginVersion = 3;

enum class WidgetFamily { small, medium, large, extraLarge };

}  // namespace solvane::widgets

namespace solvane {
template <>
struct EnumCases<widgets::WidgetFamily> {
    static constexpr std::array<EnumCase<widgets::WidgetFamily>, 4> list{{
        {widgets::WidgetFamily::small, "small"},
        {widgets::WidgetFamily::medium, "medium"},
        {widgets::WidgetFamily::large, "large"},
        {widgets::WidgetFamily::extraLarge, "extraLarge"},
    }};
};
}  // namespace solvane

namespace solvane::widgets {

// Points: small 170 × 170, medium 364 × 170, large 364 × 382, extra large
// 724 × 360. Inline, because the host only opens the plug-in at run time.
inline QSizeF familySize(WidgetFamily family) {
    switch (family) {
        case WidgetFamily::small:
            return {170, 170};
        case WidgetFamily::medium:
            return {364, 170};
        case WidgetFamily::large:
            return {364, 382};
        case WidgetFamily::extraLarge:
            return {724, 360};
    }
    // An out-of-range value cast into the enumeration: the smallest face.
    return {170, 170};
}

// Full colour, or accented: the desktop asks for one colour, so the plug-in
// draws plain fills instead of its backdrops, its accent content in the tint
// the host passes and everything else in one neutral colour.
enum class RenderingMode { fullColor, accented };

}  // namespace solvane::widgets

namespace solvane {
template <>
struct EnumCases<widgets::RenderingMode> {
    static constexpr std::array<EnumCase<widgets::RenderingMode>, 2> list{{
        {widgets::RenderingMode::fullColor, "full"},
        {widgets::RenderingMode::accented, "accented"},
    }};
};
}  // namespace solvane

namespace solvane::widgets {

// One choice of an enumeration parameter: stored value and panel label.
struct EnumOption {
    std::string value;  // "glass"
    std::string label;  // "Liquid Glass"
};

// One configurable parameter of a widget, as the "Edit Widget" panel shows it.
struct ParameterSpec {
    enum class Kind {
        enumeration,  // one of `options`
        entityList,   // an optional ordered list of entities from the plug-in's query
    };
    std::string name;   // "style", "countdowns"
    std::string title;  // "Style", "Countdowns"
    Kind kind = Kind::enumeration;
    std::string typeLabel;  // "Style", "Countdown"
    std::vector<EnumOption> options;
    std::optional<std::string> defaultValue;  // enumeration default
};

struct IntentSpec {
    std::string name;   // "StyleIntent", "CountdownsIntent"
    std::string title;  // "Style", "Countdowns"
    std::vector<ParameterSpec> parameters;
};

struct WidgetKindSpec {
    std::string kind;  // "Solvane", "Sky", "Countdowns", "Moon": placed widgets are kept by it
    std::string displayName;
    std::string description;
    std::vector<WidgetFamily> families;
    IntentSpec intent;
};

// The user's choices for one placed widget. Parameters not present take
// their defaults; an entity list that was never chosen is absent, which is
// not the same as an empty list.
struct Configuration {
    std::map<std::string, std::string> choices;                   // enumeration parameters
    std::map<std::string, std::vector<std::string>> entityLists;  // entity identifiers, in order

    bool operator==(const Configuration&) const = default;
};

// A choosable item of an entity-list parameter.
struct Entity {
    std::string id;      // persisted in the configuration
    std::string title;   // shown in the panel
    std::string symbol;  // symbol name of the panel's image
    bool operator==(const Entity&) const = default;
};

// An entry of a timeline. Its content is the plug-in's; the host only reads
// the moment from which it is to be shown.
class WidgetEntry {
  public:
    virtual ~WidgetEntry() = default;
    virtual Instant date() const = 0;
};

struct Timeline {
    std::vector<std::shared_ptr<const WidgetEntry>> entries;  // by date
    std::optional<Instant> reloadAfter;                       // ask again at this moment
};

// What the plug-in tells the host while it runs; called on the host's main
// thread.
struct HostNotices {
    // What the widgets show may have changed outside the shared store (a
    // calendar changed, a subscribed calendar brought something new): the
    // host asks for timelines again soon, as after a save.
    std::function<void()> reloadRequested;
    // The plug-in wrote the shared store (its feed sync changed the
    // countdowns): the host tells the other programs showing the store.
    std::function<void()> storeWritten;
};

class WidgetPlugin {
  public:
    virtual ~WidgetPlugin() = default;

    virtual int interfaceVersion() const { return kWidgetPluginVersion; }

    // A host that runs for a while (not a one-off render) hands these in
    // once, before asking for timelines; the plug-in then follows its
    // sources itself.
    virtual void setHostNotices(HostNotices notices) { (void)notices; }

    // The widgets in the order the gallery lists them.
    virtual std::vector<WidgetKindSpec> kinds() const = 0;

    // Entity queries: every choosable entity, and the entities for stored
    // identifiers in the given order (unknown identifiers left out).
    virtual std::vector<Entity> suggestedEntities() const = 0;
    virtual std::vector<Entity> entitiesForIdentifiers(
        const std::vector<std::string>& ids) const = 0;

    // Providers. The placeholder is quick and fetches nothing; snapshot and
    // timeline may use the network and write the shared store.
    virtual std::shared_ptr<const WidgetEntry> placeholder(std::string_view kind) const = 0;
    virtual std::shared_ptr<const WidgetEntry> snapshot(std::string_view kind,
                                                        const Configuration& configuration) = 0;
    virtual Timeline timeline(std::string_view kind, const Configuration& configuration) = 0;

    // Draws `entry` of a widget of `kind` filling `rect` (its family's size in
    // points, at any painter scale). `scheme` is the desktop's appearance;
    // `accent` the tint of accented rendering, unused in full colour.
    virtual void paint(QPainter& painter, const QRectF& rect, std::string_view kind,
                       WidgetFamily family, RenderingMode mode, ColorScheme scheme,
                       const QColor& accent, const WidgetEntry& entry) const = 0;

    // What a screen reader says for `entry`: the widget's content as
    // sentences ("Countdowns. Winter solstice in 16 days, …").
    virtual std::string describe(std::string_view kind, WidgetFamily family,
                                 const WidgetEntry& entry) const = 0;
};

}  // namespace solvane::widgets

// The plug-in's one exported symbol: a new plug-in object reading the user's
// store, calendars and weather, owned by the caller.
extern "C" solvane::widgets::WidgetPlugin* solvane_create_widget_plugin();
