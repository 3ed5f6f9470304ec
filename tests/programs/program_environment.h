// The environment the built programs run with in these tests: every folder
// under `root`, no session bus, and every service on a closed loopback port.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace solvane::testing {

inline std::vector<std::string> programEnvironment(const std::filesystem::path& root,
                                                   const std::string& info) {
    const std::string r = root.string();
    std::vector<std::string> env = {"PATH=/usr/bin:/bin",
                                    "TZ=America/New_York",
                                    "LANG=en_US.UTF-8",
                                    "QT_QPA_PLATFORM=offscreen",
                                    "SOLVANE_WIDGETS_PLUGIN=" SOLVANE_WIDGETS_PLUGIN_FILE,
                                    "SOLVANE_INFO=" + info,
                                    "DBUS_SESSION_BUS_ADDRESS=unix:path=" + r + "/run/no-bus",
                                    "HOME=" + r + "/home",
                                    "XDG_CONFIG_HOME=" + r + "/config",
                                    "XDG_DATA_HOME=" + r + "/data",
                                    "XDG_CACHE_HOME=" + r + "/cache",
                                    "XDG_RUNTIME_DIR=" + r + "/run",
                                    "SOLVANE_CALENDAR_DIRS=" + r + "/data/calendars"};
    for (const char* service : {"OPEN_METEO", "WEATHERKIT", "NOMINATIM"}) {
        env.push_back("SOLVANE_" + std::string(service) + "_URL=http://127.0.0.1:9/");
    }
    return env;
}

}  // namespace solvane::testing
