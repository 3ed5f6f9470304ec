#include "app/command_line.h"

#include "core/util/translation.h"

namespace solvane::app {
namespace {

using enum ValueKind;

constexpr std::array kOptions{
    OptionSpec{"--help", {}, none, {}, "show the options and exit", "-h"},
    OptionSpec{"--help-all", {}, none, {}, "show Qt's options too and exit"},
    OptionSpec{"--version", {}, none, {}, "show the version and exit", "-v"},
    OptionSpec{"--quit-after-first-paint",
               {},
               none,
               {},
               SOLVANE_TRANSLATE_NOOP(
                   "main", "Print the time from start to the first painted window and quit.")},
};
constexpr std::array kCommands{CommandSpec{{}, kOptions}};
constexpr ProgramSpec kProgram{"solvane", kCommands};

}  // namespace

const ProgramSpec& appProgram() {
    return kProgram;
}

}  // namespace solvane::app
