#include "platform/calendar/khal_config.h"

#include <fcntl.h>
#include <glob.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdlib>
#include <map>
#include <optional>
#include <utility>

#include "core/util/bounded_file.h"
#include "core/util/file_descriptor.h"
#include "platform/calendar/ascii_text.h"

namespace solvane::platform {

namespace {

namespace fs = std::filesystem;

// The colour names khal accepts (a terminal's sixteen), as the colours a
// terminal commonly shows for them.
constexpr std::array<std::pair<std::string_view, std::string_view>, 16> kKhalColours = {{
    {"black", "#000000"},
    {"white", "#FFFFFF"},
    {"brown", "#AA5500"},
    {"yellow", "#FFFF55"},
    {"dark red", "#AA0000"},
    {"dark green", "#00AA00"},
    {"dark blue", "#0000AA"},
    {"dark magenta", "#AA00AA"},
    {"dark cyan", "#00AAAA"},
    {"dark gray", "#555555"},
    {"light red", "#FF5555"},
    {"light green", "#55FF55"},
    {"light blue", "#5555FF"},
    {"light magenta", "#FF55FF"},
    {"light cyan", "#55FFFF"},
    {"light gray", "#AAAAAA"},
}};

using ascii::trimmed;

// A value as configobj writes it: quoted (quotes removed, nothing after them
// read) or bare (up to a comment).
std::string valueOf(std::string_view raw) {
    raw = trimmed(raw);
    if (!raw.empty() && (raw.front() == '"' || raw.front() == '\'')) {
        const auto close = raw.find(raw.front(), 1);
        return std::string(raw.substr(1, close == std::string_view::npos ? raw.npos : close - 1));
    }
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] == '#' && (i == 0 || raw[i - 1] == ' ' || raw[i - 1] == '\t')) {
            raw = raw.substr(0, i);
            break;
        }
    }
    return std::string(trimmed(raw));
}

std::optional<std::string> colourOf(const std::string& text) {
    std::string lower = text;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (const auto& [name, hex] : kKhalColours) {
        if (lower == name) {
            return std::string(hex);
        }
    }
    if (lower.starts_with('#')) {
        return text;  // checked like any colour file when the calendar is read
    }
    return std::nullopt;  // "auto", a colour number, anything else
}

// "~", "~/…", $NAME and ${NAME}; anything else stays as written.
std::string expanded(const std::string& path, const fs::path& home,
                     const std::function<std::string(const std::string&)>& variable) {
    std::string out;
    std::size_t i = 0;
    if (path == "~" || path.starts_with("~/")) {
        out = home.string();
        i = 1;
    }
    while (i < path.size()) {
        if (path[i] != '$') {
            out += path[i++];
            continue;
        }
        std::size_t start = i + 1;
        std::size_t end = start;
        const bool braced = start < path.size() && path[start] == '{';
        if (braced) {
            end = path.find('}', start);
            if (end == std::string::npos) {
                out += path.substr(i);
                break;
            }
            out += variable(path.substr(start + 1, end - start - 1));
            i = end + 1;
            continue;
        }
        while (end < path.size() &&
               (std::isalnum(static_cast<unsigned char>(path[end])) || path[end] == '_')) {
            ++end;
        }
        if (end == start) {
            out += '$';
            ++i;
            continue;
        }
        out += variable(path.substr(start, end - start));
        i = end;
    }
    return out;
}

struct Section {
    std::string name;
    std::map<std::string, std::string> keys;
};

// The [[subsections]] of [calendars], in the order written.
std::vector<Section> calendarSections(std::string_view text) {
    std::vector<Section> sections;
    bool inCalendars = false;
    bool inSection = false;
    Section current;
    const auto finish = [&] {
        if (inSection) {
            sections.push_back(std::move(current));
            current = Section{};
            inSection = false;
        }
    };
    while (!text.empty()) {
        const auto newline = text.find('\n');
        std::string_view line = trimmed(text.substr(0, newline));
        text.remove_prefix(newline == std::string_view::npos ? text.size() : newline + 1);
        if (line.empty() || line.front() == '#') {
            continue;
        }
        if (line.starts_with("[[")) {
            finish();
            const auto close = line.find("]]");
            if (inCalendars && close != std::string_view::npos) {
                current.name = std::string(trimmed(line.substr(2, close - 2)));
                inSection = true;
            }
            continue;
        }
        if (line.starts_with('[')) {
            finish();
            const auto close = line.find(']');
            inCalendars = close != std::string_view::npos &&
                          trimmed(line.substr(1, close - 1)) == "calendars";
            continue;
        }
        const auto equals = line.find('=');
        if (inSection && equals != std::string_view::npos) {
            current.keys[std::string(trimmed(line.substr(0, equals)))] =
                valueOf(line.substr(equals + 1));
        }
    }
    finish();
    return sections;
}

}  // namespace

std::vector<fs::path> globFolders(const std::string& pattern) {
    std::vector<fs::path> out;
    glob_t found{};
    // GLOB_ONLYDIR is a hint; every match is checked below anyway.
    if (::glob(pattern.c_str(), GLOB_ONLYDIR | GLOB_NOSORT, nullptr, &found) == 0) {
        for (std::size_t i = 0; i < found.gl_pathc && out.size() < kMaxKhalCalendars; ++i) {
            std::error_code ec;
            if (fs::is_directory(found.gl_pathv[i], ec)) {
                out.emplace_back(found.gl_pathv[i]);
            }
        }
    }
    ::globfree(&found);
    std::sort(out.begin(), out.end());
    return out;
}

std::vector<FolderCalendar> khalCalendars(
    std::string_view text, const fs::path& home,
    const std::function<std::string(const std::string&)>& variable, const GlobFolders& glob) {
    std::vector<FolderCalendar> calendars;
    for (const Section& section : calendarSections(text)) {
        const auto path = section.keys.find("path");
        if (path == section.keys.end() || path->second.empty()) {
            continue;
        }
        const auto typeKey = section.keys.find("type");
        const std::string type = typeKey == section.keys.end() ? "calendar" : typeKey->second;
        const auto colourKey = section.keys.find("color");
        const std::optional<std::string> colour =
            colourKey == section.keys.end() ? std::nullopt : colourOf(colourKey->second);
        const std::string where = expanded(path->second, home, variable);
        // A relative path would depend on where the program was started.
        if (!where.starts_with('/')) {
            continue;
        }
        if (type == "calendar") {
            calendars.push_back({fs::path(where), section.name, colour});
        } else if (type == "discover") {
            for (const fs::path& folder : glob(where)) {
                calendars.push_back({folder, folder.filename().string(), colour});
                if (calendars.size() >= kMaxKhalCalendars) {
                    break;
                }
            }
        }
        if (calendars.size() >= kMaxKhalCalendars) {
            calendars.resize(kMaxKhalCalendars);
            break;
        }
    }
    return calendars;
}

fs::path khalConfigPath() {
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config == '/') {
        return fs::path(config) / "khal" / "config";
    }
    if (const char* home = std::getenv("HOME"); home && *home == '/') {
        return fs::path(home) / ".config" / "khal" / "config";
    }
    return {};
}

std::vector<FolderCalendar> khalCalendarsFromEnvironment() {
    const fs::path file = khalConfigPath();
    if (file.empty()) {
        return {};
    }
    const auto text = readBoundedFile(file, kMaxKhalConfigBytes);
    if (!text) {
        return {};
    }
    const char* home = std::getenv("HOME");
    return khalCalendars(*text, home && *home == '/' ? fs::path(home) : fs::path("/"),
                         [](const std::string& name) {
                             const char* value = std::getenv(name.c_str());
                             return std::string(value ? value : "");
                         });
}

}  // namespace solvane::platform
