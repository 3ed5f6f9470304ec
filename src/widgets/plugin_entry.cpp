// The module's one exported symbol; everything else is built hidden so the
// host's own copies of the libraries never clash with these.
#include "platform/qt/translations.h"
#include "widgets/solvane_widgets.h"

extern "C" __attribute__((visibility("default"))) solvane::widgets::WidgetPlugin*
solvane_create_widget_plugin() {
    try {
        // The plug-in carries its own copy of the core: its texts go through
        // the catalogues the host loaded into the application.
        solvane::platform::routeCoreTextsThroughQt();
        return new solvane::widgets::SolvaneWidgets(
            solvane::widgets::WidgetEnvironment::standard());
    } catch (...) {
        return nullptr;
    }
}
