// The command line of solvane-widgets.
#pragma once

#include "core/time/instant.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "widgets/widget_plugin.h"

namespace solvane::host {

struct RenderRequest {
    enum class Source { placeholder, snapshot, timeline };

    std::string kind;
    widgets::WidgetFamily family = widgets::WidgetFamily::small;
    // The kind's settings by name, as --set NAME=VALUE gives them (--style
    // and --show are its short forms), checked against the kind's own
    // parameters; each remembers how it was written, for the message.
    struct Setting {
        std::string value;
        std::string written;  // "--style dark", "--set show=days"
    };
    std::map<std::string, Setting> settings;
    std::optional<std::vector<std::string>> countdowns;
    // The live entry by default: the gallery's sample weather is only for the gallery.
    Source source = Source::timeline;
    int timelineIndex = 0;  // with Source::timeline
    widgets::RenderingMode mode = widgets::RenderingMode::fullColor;
    ColorScheme scheme = ColorScheme::light;
    std::string out;
    double scale = 1.0;
    std::optional<Instant> at;  // the moment to render instead of now
    bool describe = false;      // print the entry's accessible text instead of a picture
};

struct CommandLine {
    enum class Action { run, help, render, headlessService };
    Action action = Action::run;
    // With run: open the gallery even when widgets are placed (the app's
    // "Add Widget…" starting the host).
    bool gallery = false;
    RenderRequest render;
};

struct ParsedCommandLine {
    std::optional<CommandLine> command;
    std::string error;  // one line when command is absent
};

// `args` without the program name.
ParsedCommandLine parseCommandLine(const std::vector<std::string>& args);

// What only the plug-in's catalogue can tell: the kind, its sizes, its
// parameters. Empty when the request fits.
std::string checkAgainstKinds(const RenderRequest& request,
                              const std::vector<widgets::WidgetKindSpec>& kinds);

// The configuration a render request stands for, on top of the kind's defaults.
widgets::Configuration configurationFor(const RenderRequest& request,
                                        const widgets::WidgetKindSpec& spec);

// Empty when `path` can be created or replaced as a file.
std::string checkWritable(const std::string& path);

std::string usageText();

}  // namespace solvane::host
