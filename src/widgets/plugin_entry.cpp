// The module's one exported symbol; everything else is built hidden so the
// host's own copies of the libraries never clash with these.
#include "widgets/solvane_widgets.h"

extern "C" __attribute__((visibility("default"))) solvane::widgets::WidgetPlugin*
solvane_create_widget_plugin() {
    try {
        return new solvane::widgets::SolvaneWidgets(
            solvane::widgets::WidgetEnvironment::standard());
    } catch (...) {
        return nullptr;
    }
}
