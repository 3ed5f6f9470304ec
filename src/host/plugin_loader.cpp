#include "host/plugin_loader.h"

#include <dlfcn.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

namespace solvane::host {

using widgets::WidgetFamily;

std::vector<std::string> pluginCandidates(const std::string& executableDir) {
    if (const char* explicitPath = std::getenv("SOLVANE_WIDGETS_PLUGIN");
        explicitPath != nullptr && *explicitPath != '\0') {
        return {explicitPath};
    }
    constexpr const char* kFile = "libsolvane-widgets.so";
    return {
        (std::filesystem::path(executableDir) / ".." / "lib" / "solvane" / "plugins" / kFile)
            .lexically_normal()
            .string(),
        std::string(SOLVANE_INSTALL_PLUGIN_DIR) + "/" + kFile,
    };
}

PluginLoad loadPlugin(const std::string& path) {
    PluginLoad result;
    result.path = path;
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        const char* why = dlerror();
        result.error = "cannot load the widget plug-in: " + std::string(why ? why : path);
        return result;
    }
    using Create = widgets::WidgetPlugin* (*)();
    auto create = reinterpret_cast<Create>(dlsym(handle, "solvane_create_widget_plugin"));
    if (create == nullptr) {
        result.error = path + " is not a Solvane widget plug-in (no solvane_create_widget_plugin)";
        return result;
    }
    std::unique_ptr<widgets::WidgetPlugin> plugin;
    int version = -1;
    try {
        plugin.reset(create());
        if (plugin) {
            version = plugin->interfaceVersion();
        }
    } catch (...) {
        plugin.reset();
    }
    if (!plugin) {
        result.error = "the widget plug-in " + path + " failed to start";
        return result;
    }
    if (version != widgets::kWidgetPluginVersion) {
        // Destroying it could run code built against another layout; leak it.
        static_cast<void>(plugin.release());
        result.error = "the widget plug-in " + path + " implements interface version " +
                       std::to_string(version) + ", this host needs version " +
                       std::to_string(widgets::kWidgetPluginVersion) +
                       "; install matching versions of both";
        return result;
    }
    result.plugin = std::move(plugin);
    return result;
}

PluginLoad loadFirstPlugin(const std::vector<std::string>& candidates) {
    // The first one present is the answer, even when broken: silently falling
    // back to an older installed plug-in would hide the fault.
    for (const std::string& path : candidates) {
        std::error_code ec;
        if (std::filesystem::exists(path, ec)) {
            return loadPlugin(path);
        }
    }
    std::string looked;
    for (const std::string& path : candidates) {
        looked += (looked.empty() ? "" : ", ") + path;
    }
    PluginLoad missing;
    missing.error = "no widget plug-in found (looked for " + looked +
                    "; set SOLVANE_WIDGETS_PLUGIN to its path)";
    return missing;
}

std::vector<widgets::WidgetKindSpec> GuardedPlugin::kinds() const {
    try {
        return plugin_.kinds();
    } catch (...) {
        return {};
    }
}

std::vector<widgets::Entity> GuardedPlugin::suggestedEntities() const {
    try {
        return plugin_.suggestedEntities();
    } catch (...) {
        return {};
    }
}

std::vector<widgets::Entity> GuardedPlugin::entitiesForIdentifiers(
    const std::vector<std::string>& ids) const {
    try {
        return plugin_.entitiesForIdentifiers(ids);
    } catch (...) {
        return {};
    }
}

std::shared_ptr<const widgets::WidgetEntry> GuardedPlugin::placeholder(
    std::string_view kind) const {
    try {
        return plugin_.placeholder(kind);
    } catch (...) {
        return nullptr;
    }
}

std::shared_ptr<const widgets::WidgetEntry> GuardedPlugin::snapshot(
    std::string_view kind, const widgets::Configuration& configuration) const {
    try {
        return plugin_.snapshot(kind, configuration);
    } catch (...) {
        return nullptr;
    }
}

std::optional<widgets::Timeline> GuardedPlugin::timeline(
    std::string_view kind, const widgets::Configuration& configuration) const {
    widgets::Timeline timeline;
    try {
        timeline = plugin_.timeline(kind, configuration);
        std::erase(timeline.entries, nullptr);
        std::stable_sort(timeline.entries.begin(), timeline.entries.end(),
                         [](const auto& a, const auto& b) { return a->date() < b->date(); });
    } catch (...) {
        return std::nullopt;
    }
    if (timeline.entries.empty()) {
        return std::nullopt;
    }
    return timeline;
}

bool GuardedPlugin::paint(QPainter& painter, const QRectF& rect, std::string_view kind,
                          WidgetFamily family, widgets::RenderingMode mode, ColorScheme scheme,
                          const QColor& accent, const widgets::WidgetEntry& entry) const {
    try {
        plugin_.paint(painter, rect, kind, family, mode, scheme, accent, entry);
        return true;
    } catch (...) {
        return false;
    }
}

std::optional<std::string> GuardedPlugin::describe(std::string_view kind, WidgetFamily family,
                                                   const widgets::WidgetEntry& entry) const {
    try {
        return plugin_.describe(kind, family, entry);
    } catch (...) {
        return std::nullopt;
    }
}

const widgets::WidgetKindSpec* findKind(const std::vector<widgets::WidgetKindSpec>& kinds,
                                        std::string_view kind) {
    const auto it = std::find_if(kinds.begin(), kinds.end(),
                                 [&](const auto& spec) { return spec.kind == kind; });
    return it == kinds.end() ? nullptr : &*it;
}

}  // namespace solvane::host
