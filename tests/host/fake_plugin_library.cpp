// The fake plug-in as a library the host program opens, as it would the real one.
#include "fake_plugin.h"

#ifndef FAKE_PLUGIN_VERSION
#define FAKE_PLUGIN_VERSION solvane::widgets::kWidgetPluginVersion
#endif

extern "C" __attribute__((visibility("default"))) solvane::widgets::WidgetPlugin*
solvane_create_widget_plugin() {
    auto* plugin = new solvane::host::testing::FakePlugin;
    plugin->version = FAKE_PLUGIN_VERSION;
    return plugin;
}
