#include "host/render_options.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <charconv>
#include <cmath>

#include "core/util/uuid.h"

namespace solvane::host {

namespace {

using widgets::ParameterSpec;

// Every piece, empty ones too, so "a,,b" and "a," are caught as bad ids.
std::vector<std::string> splitCommas(const std::string& text) {
    std::vector<std::string> parts(1);
    for (const char c : text) {
        if (c == ',') {
            parts.emplace_back();
        } else {
            parts.back() += c;
        }
    }
    return parts;
}

const ParameterSpec* findParameter(const widgets::WidgetKindSpec& spec, ParameterSpec::Kind kind,
                                   std::string_view name) {
    for (const ParameterSpec& p : spec.intent.parameters) {
        if (p.kind == kind && p.name == name) {
            return &p;
        }
    }
    return nullptr;
}

std::string familyList(const std::vector<widgets::WidgetFamily>& families) {
    std::string out;
    for (const auto f : families) {
        out += (out.empty() ? "" : ", ") + std::string(toString(f));
    }
    return out;
}

}  // namespace

ParsedCommandLine parseCommandLine(const std::vector<std::string>& args) {
    CommandLine command;
    RenderRequest& r = command.render;
    bool sawSize = false;
    const auto fail = [](std::string message) { return ParsedCommandLine{std::nullopt, message}; };

    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& flag = args[i];
        if (flag == "--help" || flag == "-h") {
            command.action = CommandLine::Action::help;
            return {command, {}};
        }
        if (flag == "--headless-service") {
            command.action = CommandLine::Action::headlessService;
            continue;
        }
        if (flag == "--gallery") {
            command.gallery = true;
            continue;
        }
        if (flag == "--describe") {
            r.describe = true;
            continue;
        }
        static const std::vector<std::string> kValued = {
            "--render", "--size", "--style", "--countdowns", "--entry", "--mode",
            "--scheme", "--out",  "--scale", "--at",         "--show",  "--set"};
        if (std::find(kValued.begin(), kValued.end(), flag) == kValued.end()) {
            return fail("unknown option " + flag);
        }
        if (i + 1 >= args.size()) {
            return fail(flag + " needs a value");
        }
        const std::string& value = args[++i];
        if (flag == "--render") {
            command.action = CommandLine::Action::render;
            r.kind = value;
        } else if (flag == "--size") {
            const auto family = enumFromString<widgets::WidgetFamily>(value);
            if (!family) {
                return fail("unknown size " + value + " (small, medium, large, extraLarge)");
            }
            r.family = *family;
            sawSize = true;
        } else if (flag == "--style" || flag == "--show") {
            r.settings[flag.substr(2)] = {value, flag + " " + value};
        } else if (flag == "--set") {
            const auto equals = value.find('=');
            if (equals == std::string::npos || equals == 0) {
                return fail("bad --set " + value + " (NAME=VALUE)");
            }
            r.settings[value.substr(0, equals)] = {value.substr(equals + 1), "--set " + value};
        } else if (flag == "--countdowns") {
            std::vector<std::string> ids =
                value.empty() ? std::vector<std::string>{} : splitCommas(value);
            for (std::string& id : ids) {
                const auto uuid = Uuid::parse(id);
                if (!uuid) {
                    return fail("bad countdown id \"" + id + "\" (expected a UUID)");
                }
                id = uuid->toString();
            }
            r.countdowns = std::move(ids);
        } else if (flag == "--entry") {
            if (value == "placeholder") {
                r.source = RenderRequest::Source::placeholder;
            } else if (value == "snapshot") {
                r.source = RenderRequest::Source::snapshot;
            } else {
                int n = -1;
                const auto [end, ec] =
                    std::from_chars(value.data(), value.data() + value.size(), n);
                if (ec != std::errc{} || end != value.data() + value.size() || n < 0 || n > 7) {
                    return fail("bad --entry " + value + " (placeholder, snapshot or 0..7)");
                }
                r.source = RenderRequest::Source::timeline;
                r.timelineIndex = n;
            }
        } else if (flag == "--mode") {
            const auto mode = enumFromString<widgets::RenderingMode>(value);
            if (!mode) {
                return fail("bad --mode " + value + " (full or accented)");
            }
            r.mode = *mode;
        } else if (flag == "--scheme") {
            const auto scheme = enumFromString<ColorScheme>(value);
            if (!scheme) {
                return fail("bad --scheme " + value + " (light or dark)");
            }
            r.scheme = *scheme;
        } else if (flag == "--at") {
            r.at = parseIso8601(value);
            if (!r.at) {
                return fail("bad --at " + value + " (an ISO-8601 moment with a zone)");
            }
        } else if (flag == "--out") {
            if (value.empty()) {
                return fail("--out needs a file name");
            }
            r.out = value;
        } else if (flag == "--scale") {
            double scale = 0;
            const auto [end, ec] =
                std::from_chars(value.data(), value.data() + value.size(), scale);
            if (ec != std::errc{} || end != value.data() + value.size() || !std::isfinite(scale) ||
                scale < 0.25 || scale > 8) {
                return fail("bad --scale " + value + " (0.25 to 8)");
            }
            r.scale = scale;
        }
    }
    if (command.action != CommandLine::Action::render) {
        if (!r.out.empty() || sawSize || r.describe) {
            return fail("--size, --out and --describe only go with --render KIND");
        }
        return {command, {}};
    }
    if (r.kind.empty()) {
        return fail("--render needs a widget kind");
    }
    if (!sawSize) {
        return fail("--render needs --size");
    }
    if (r.out.empty() && !r.describe) {
        return fail("--render needs --out FILE.png or --describe");
    }
    return {command, {}};
}

std::string checkAgainstKinds(const RenderRequest& request,
                              const std::vector<widgets::WidgetKindSpec>& kinds) {
    const widgets::WidgetKindSpec* spec = nullptr;
    std::string names;
    for (const auto& k : kinds) {
        names += (names.empty() ? "" : ", ") + k.kind;
        if (k.kind == request.kind) {
            spec = &k;
        }
    }
    if (spec == nullptr) {
        return "unknown widget kind " + request.kind + " (" + names + ")";
    }
    if (std::find(spec->families.begin(), spec->families.end(), request.family) ==
        spec->families.end()) {
        return request.kind + " does not come in size " + std::string(toString(request.family)) +
               " (" + familyList(spec->families) + ")";
    }
    // A choice the kind offers, one of its values.
    for (const auto& [name, setting] : request.settings) {
        const ParameterSpec* choice = findParameter(*spec, ParameterSpec::Kind::enumeration, name);
        if (choice == nullptr) {
            return request.kind + " has no " + name;
        }
        std::string offered;
        bool found = false;
        for (const auto& option : choice->options) {
            offered += (offered.empty() ? "" : ", ") + option.value;
            found = found || option.value == setting.value;
        }
        if (!found) {
            return "bad " + setting.written + " (" + offered + ")";
        }
    }
    if (request.countdowns &&
        findParameter(*spec, ParameterSpec::Kind::entityList, "countdowns") == nullptr) {
        return request.kind + " shows no chosen countdowns; leave out --countdowns";
    }
    return {};
}

widgets::Configuration configurationFor(const RenderRequest& request,
                                        const widgets::WidgetKindSpec& spec) {
    widgets::Configuration configuration;
    for (const ParameterSpec& p : spec.intent.parameters) {
        if (p.kind == ParameterSpec::Kind::enumeration && p.defaultValue) {
            configuration.choices[p.name] = *p.defaultValue;
        }
    }
    for (const auto& [name, setting] : request.settings) {
        configuration.choices[name] = setting.value;
    }
    if (request.countdowns) {
        configuration.entityLists["countdowns"] = *request.countdowns;
    }
    return configuration;
}

std::string checkWritable(const std::string& path) {
    const QFileInfo file(QString::fromStdString(path));
    if (file.isDir()) {
        return path + " is a folder";
    }
    if (file.exists() && !file.isWritable()) {
        return "cannot write " + path;
    }
    const QFileInfo dir(file.absolutePath());
    if (!dir.isDir() || !dir.isWritable()) {
        return "cannot write " + path + " (no writable folder " + dir.filePath().toStdString() +
               ")";
    }
    return {};
}

std::string usageText() {
    return R"(Usage: solvane-widgets [--gallery | --headless-service]
       solvane-widgets --render KIND --size SIZE --out FILE.png [options]
       solvane-widgets --render KIND --size SIZE --describe [options]

Without options, shows the placed widgets on the desktop (right-click one for
Edit Widget, Remove Widget, Add Widget... and Accented Colours) and listens on
the session bus as org.solvane.Widgets for ReloadAllTimelines and ShowGallery.
Started again while it runs, it asks the running host to open its gallery.

  --gallery            open the gallery at start, even with widgets placed
  --headless-service   keep the timelines and answer reload requests, no windows
  --render KIND        render one widget to PNG and exit (a kind the plug-in offers:
                       Solvane, Sky, Countdowns, Moon, Forecast)
  --size SIZE          small | medium | large | extraLarge (as the kind offers)
  --set NAME=VALUE     one of the kind's settings, checked against what it offers
  --style STYLE        short for --set style=STYLE: glass | dark | light
  --show WHAT          short for --set show=WHAT: hours | days, what a medium
                       Forecast shows (default: hours)
  --countdowns ID,...  the chosen countdowns, in order (kinds with a countdown list)
  --entry WHICH        placeholder | snapshot | N, the timeline's Nth entry, 0..7
                       (default: 0, the board as it is now)
  --mode MODE          full | accented (default: full)
  --scheme SCHEME      light | dark desktop appearance (default: light)
  --out FILE.png       where to write the image
  --describe           print what a screen reader says for the widget instead
  --scale N            pixels per point, 0.25 to 8 (default: 1)
  --at ISO8601         render the board of another moment, e.g. 2025-06-14T20:15:00-04:00
  --help               this text

Placed widgets are kept in $XDG_CONFIG_HOME/solvane/widgets.json. The plug-in is
taken from $SOLVANE_WIDGETS_PLUGIN, else <program dir>/../lib/solvane/.
Exit status: 0 done, 1 failure, 2 bad arguments.
)";
}

}  // namespace solvane::host
