#include "cli/subscription_commands.h"

#include <ostream>

namespace solvane::cli {

int subscribeCommand(const std::vector<std::string>&, const Environment&, std::ostream&,
                     std::ostream& err) {
    err << "solvane-board: subscriptions are not available in this build\n";
    return 1;
}

int unsubscribeCommand(const std::vector<std::string>&, const Environment&, std::ostream&,
                       std::ostream& err) {
    err << "solvane-board: subscriptions are not available in this build\n";
    return 1;
}

}  // namespace solvane::cli
